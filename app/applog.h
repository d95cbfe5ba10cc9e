#pragma once
#include <QString>

// Appends one log entry ("Log: yyyy-MM-dd HH:mm:ss message") to the file as one
// whole line; safe to call from several threads at once. 0 written, -1 not.
int logToFile(const QString &path, const char *message);
