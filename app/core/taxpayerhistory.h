#pragma once
#include <QSqlDatabase>
#include <QString>

// Kinds of events kept in tb_history.
enum HistoryEventKind {
    HistoryEventFilingSent = 1018,     // the return handed to the filing dialog; message: the result summary
    HistoryEventFilingAccepted = 1019, // the CRA accepted the filing; message: the result message
};

// Finds the taxpayer by S.I.N. (newest row) and updates it, or inserts one.
// Returns the taxpayer's id; 0 when the insert did not run or on a failure.
int saveTaxpayer(QSqlDatabase db, const QString &sin, const QString &name, const QString &phone, const QString &email);

// Appends an event (with the current local time when withTime is set). With
// replace and a taxpayer id other than 0 the earlier events of the same kind and
// taxpayer go, in the same transaction as the insert. Returns the new id, 0 on failure.
int addHistoryEvent(QSqlDatabase db, int uid, int eventId, const QString &msg, bool withTime, bool replace);
