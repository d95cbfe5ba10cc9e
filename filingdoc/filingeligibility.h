#pragma once
#include "cstring.h"
#include <QList>

class IndividualTaxData;

// Message lists of the filing checks: the checks only append, in order.
void appendMessage(QList<CString> &messages, const char *text);
// Formats the text with one text argument (printf style) and appends it.
void appendFormattedMessage(QList<CString> &messages, const char *format, const char *argument);
// The same with two text arguments.
void appendFormattedMessage(QList<CString> &messages, const char *format, const char *first, const char *second);

// Whether the person's return may be filed electronically (edition 1 EFILE, 2 NETFILE);
// every failing test appends its message. Gives the list's size.
int checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages);
// A Re-File cannot change a return with regard to bankruptcy.
int checkRefileBankruptcy(IndividualTaxData &person, quint8 edition, QList<CString> &messages);
// A Re-File cannot change the pension split or the loss lines since its start.
int checkRefileChanges(IndividualTaxData &person, QList<CString> &messages);
// Starts a Re-File: keeps the result form as it is, marks the T1. 0, or -1 when the
// T1 or the result form is missing (nothing changes then).
int takeReFileSnapshot(IndividualTaxData &person);
// Ends a Re-File: 0.
int clearReFileMark(IndividualTaxData &person);
