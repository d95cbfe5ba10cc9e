#pragma once
#include "cstring.h"
#include <QtGlobal>

class IndividualTaxData;

// The T1Return filing document of one person: template parts filled from the
// person's T1, the line-code records and the selected financial data.
// Mode: bit 0 set is EFILE, clear is NETFILE.

// Statuses besides the template filler's (templatefiller.h).
enum T1ReturnDocumentStatus { DocumentNoT1 = -100 };

// Appends the whole document to text; 0, or the status of the first part that
// failed (text then unchanged). A person without a T1 gives DocumentNoT1.
int buildNetfileDocument(IndividualTaxData &person, QString &text, quint8 mode);
int buildPart1(IndividualTaxData &person, QString &text, quint8 mode);
int buildDeceasedPart(IndividualTaxData &person, QString &text);
int buildBankruptPart(IndividualTaxData &person, QString &text);
int appendEndPart(QString &text, quint8 mode);
void writeSpouseInfoXml(IndividualTaxData &person, CString &out);
void writeMailingAddressXml(IndividualTaxData &person, QString &out);

// An amount made whole for the document: half away from zero, below -0.009 rounded down.
qint64 wholeSpouseAmount(double amount);
// A post-bankruptcy income for the document: between -0.509 and 0.991 it is 1.
qint64 wholeBankruptAmount(double amount);
