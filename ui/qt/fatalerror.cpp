#include "fatalerror.h"

#include "windowlayout.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdlib>
#include <stdexcept>

namespace zorbelkin {

void reportFatalError(QWidget* parent, const std::exception& error)
{
    QMessageBox::critical(
        parent, QString::fromLatin1(applicationTitle),
        QStringLiteral("%1 has met an error it cannot recover from and will close."
                       "\n\n%2")
            .arg(QString::fromLatin1(applicationTitle), QString::fromLocal8Bit(error.what())));
}

bool runHandler(QWidget* window, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        reportFatalError(window, error);
    } catch (...) {
        reportFatalError(window, std::runtime_error("an unknown exception"));
    }
    QCoreApplication::exit(EXIT_FAILURE);
    return false;
}

} // namespace zorbelkin
