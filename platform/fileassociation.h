#pragma once
#include <QString>

// The desktop's association of return files and of the program's URL scheme
// with the program: a desktop entry in $XDG_DATA_HOME/applications and a
// shared-mime-info package in $XDG_DATA_HOME/mime/packages declaring the
// return-file type and its icon. Files are rewritten only when their content
// changes; the desktop's caches are then refreshed in the background.
namespace FileAssociation {

constexpr const char *MimeType = "application/x-brackenquill2024";
constexpr const char *SchemeMimeType = "x-scheme-handler/brackenquill";
constexpr const char *DesktopFileName = "brackenquill2024.desktop";
constexpr const char *MimePackageName = "brackenquill2024.xml";
constexpr const char *IconName = "application-x-brackenquill2024";

// Writes the association for the program at programPath, with the icon read
// from iconPath (any file Qt can open, resources included). Failures are
// ignored; returns true when every file is in place. refreshCaches runs the
// desktop's cache tools when a file changed.
bool write(const QString &programPath, const QString &iconPath, bool refreshCaches = true);

// The texts written, for the program at programPath.
QString desktopEntry(const QString &programPath);
QString mimePackage();

// A program path quoted for the Exec key of a desktop entry.
QString quoteExecArgument(const QString &argument);

// The data folder of the user ($XDG_DATA_HOME, or ~/.local/share).
QString dataHome();

// A command-line argument as a local path: a file: URL is turned into its
// path; anything else is returned unchanged.
QString localPathFromArgument(const QString &argument);

} // namespace FileAssociation
