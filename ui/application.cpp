#include "application.h"

#include <QApplication>
#include <QIcon>

namespace zorbelkin {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("zorbelkin"));
    QApplication::setApplicationVersion(QStringLiteral(ZORBELKIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBELKIN_APP_ID));
    // Only the small rendition: an icon reads every file it is given at once.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marks/x.png")));
}

} // namespace zorbelkin
