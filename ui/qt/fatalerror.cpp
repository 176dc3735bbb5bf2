#include "fatalerror.h"

#include "windowlayout.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdlib>
#include <stdexcept>

namespace zorbelkin {

void reportFatalError(QWidget* parent, const std::exception& error)
{
    QMessageBox::critical(parent, QString::fromLatin1(applicationTitle),
                          QString::fromStdString(fatalErrorMessage(error.what())));
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
