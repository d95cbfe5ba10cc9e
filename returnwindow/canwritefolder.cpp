#include "canwritefolder.h"
#include <QDateTime>
#include <QDir>
#include <QFile>

bool canWriteFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString probe = folder + QDir::separator() + QStringLiteral(".write_test_")
        + QString::number(QDateTime::currentMSecsSinceEpoch());
    QFile file(probe);
    // NewOnly: a probe never truncates a file that happens to bear its name
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.close();
    file.remove();
    return true;
}
