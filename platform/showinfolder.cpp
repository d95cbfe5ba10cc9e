#include "showinfolder.h"
#include <QDesktopServices>
#include <QUrl>

bool showInFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
