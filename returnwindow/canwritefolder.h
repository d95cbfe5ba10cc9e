#pragma once
#include <QString>

// True when a file can be created in the folder: a probe file
// ".write_test_<ms since the epoch>" is made and removed at once.
bool canWriteFolder(const QString &folder);
