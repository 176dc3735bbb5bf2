#include "application.h"

#include <QApplication>
#include <QIcon>

namespace zorbelkin {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("zorbelkin"));
    QApplication::setApplicationVersion(QStringLiteral(ZORBELKIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBELKIN_APP_ID));
    QIcon icon(QStringLiteral(":/marks/x.png"));
    icon.addFile(QStringLiteral(":/marks/x@4x.png"));
    QApplication::setWindowIcon(icon);
}

} // namespace zorbelkin
