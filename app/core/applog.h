#pragma once
#include <QtGlobal>
#include <QString>

// Appends one log entry ("Log: yyyy-MM-dd HH:mm:ss message") to the file as one
// whole line; safe to call from several threads at once. 0 written, -1 not.
int logToFile(const QString &path, const char *message);

// Sends the Qt message log (qDebug, qInfo, qWarning, qCritical) to the program
// log at path instead of the console; with alsoToConsole (test mode) the
// previous handler gets each message as well. Returns the previous handler.
QtMessageHandler routeQtMessagesToLog(const QString &path, bool alsoToConsole);
