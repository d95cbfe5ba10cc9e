#include "fileassociation.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace FileAssociation {
namespace {

// Writes content to path unless it already holds it; true when the file is in
// place, and changed set when it was written.
bool writeIfChanged(const QString &path, const QByteArray &content, bool &changed)
{
    changed = false;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    changed = out.write(content) == content.size();
    return out.flush() && changed;
}

void refreshCache(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}

} // namespace

QString dataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // Field codes start with '%'; a literal one is doubled.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString desktopEntry(const QString &programPath)
{
    QString exec = quoteExecArgument(programPath);
    // Backslashes are escaped once more by the desktop entry's string rules.
    exec.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Brackenquill 2024\n"
                          "Comment=Prepare and file 2024 T1 income-tax returns\n"
                          "Exec=%1 %u\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "Categories=Office;Finance;\n"
                          "MimeType=%3;%4;\n")
        .arg(exec, QLatin1String(IconName), QLatin1String(MimeType), QLatin1String(SchemeMimeType));
}

QString mimePackage()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>Brackenquill 2024 return file</comment>\n"
                          "    <icon name=\"%2\"/>\n"
                          "    <glob pattern=\"*.r24\" case-sensitive=\"true\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QLatin1String(MimeType), QLatin1String(IconName));
}

bool write(const QString &programPath, const QString &iconPath, bool refreshCaches)
{
    const QString base = dataHome();
    bool all = true;
    bool changed = false;

    QByteArray icon;
    QFile iconFile(iconPath);
    if (iconFile.open(QIODevice::ReadOnly))
        icon = iconFile.readAll();
    if (!icon.isEmpty()) {
        const QString path = base + QStringLiteral("/icons/hicolor/48x48/mimetypes/") + QLatin1String(IconName) +
                             QStringLiteral(".png");
        all &= writeIfChanged(path, icon, changed);
        const QString appIcon =
            base + QStringLiteral("/icons/hicolor/48x48/apps/") + QLatin1String(IconName) + QStringLiteral(".png");
        all &= writeIfChanged(appIcon, icon, changed);
    } else {
        all = false;
    }

    const QString mimeFolder = base + QStringLiteral("/mime");
    all &= writeIfChanged(mimeFolder + QStringLiteral("/packages/") + QLatin1String(MimePackageName),
                          mimePackage().toUtf8(), changed);
    if (changed && refreshCaches)
        refreshCache(QStringLiteral("update-mime-database"), mimeFolder);

    const QString appFolder = base + QStringLiteral("/applications");
    all &= writeIfChanged(appFolder + QLatin1Char('/') + QLatin1String(DesktopFileName),
                          desktopEntry(programPath).toUtf8(), changed);
    if (changed && refreshCaches)
        refreshCache(QStringLiteral("update-desktop-database"), appFolder);
    return all;
}

QString localPathFromArgument(const QString &argument)
{
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return argument;
}

} // namespace FileAssociation
