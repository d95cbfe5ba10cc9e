#pragma once
#include <QString>

// Shows a folder in the desktop's file manager; false when nothing could open it.
bool showInFolder(const QString &folder);
