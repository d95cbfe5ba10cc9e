#pragma once
#include "cstring.h"
#include <QList>

class IndividualTaxData;
class ValidationMessageGroup;

// The T185 pre-authorized debit (PAD) agreement that travels with form T183.

// The T185's own checks as one group (kind 2, type 181) appended to groups when it
// finds anything; gives the check's result, 0 without a T185.
int validatePad(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups);
// The PAD document and its summary sentence; the producer's result, -100 without a T185.
int getT185PadXml(IndividualTaxData &person, CString &document, CString &summary);
// The sentence asking to confirm the withdrawal; 1 when made (an amount of 0.009 or more), else 0.
int confirmPadWithdrawal(IndividualTaxData &person, CString &text);
