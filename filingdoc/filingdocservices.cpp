#include "filingdocservices.h"
#include "barcodedata.h"
#include "envelopevars.h"
#include "filingeligibility.h"
#include "formdocuments.h"
#include "linecoderecords.h"
#include "paddocument.h"
#include "t1returndocument.h"
#include "mydatastream.h"
#include "confirmations.h"
#include "couplechecks.h"
#include "personchecks.h"

void FilingDocServices::writeBarcodeData(IndividualTaxData &person, int, MyDataStream &ar)
{
    ::writeBarcodeData(person, ar);
}

bool FilingDocServices::confirmPersonBeforeFiling(IndividualTaxData &person, int edition, bool)
{
    return ::confirmPersonBeforeFiling(person, edition);
}

int FilingDocServices::checkForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages)
{
    return checkPersonForFiling(person, edition, messages);
}

int FilingDocServices::checkCoupledReturns(IndividualTaxData &person, int edition, QList<CString> &messages,
                                           IndividualTaxData &partner)
{
    return ::checkCoupledReturns(person, edition, messages, partner);
}

void FilingDocServices::fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int requestKind)
{
    ::fillEfileHeaderVars(person, vars, requestKind);
}

void FilingDocServices::fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int edition,
                                               QString *text, double *amount, int flag)
{
    ::fillNetfileRequestVars(person, vars, edition, text, amount, flag);
}

int FilingDocServices::buildNetfileDocument(IndividualTaxData &person, QString &text, quint8 mode)
{
    return ::buildNetfileDocument(person, text, mode);
}

int FilingDocServices::validatePad(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    return ::validatePad(person, edition, groups);
}

int FilingDocServices::getT185PadXml(IndividualTaxData &person, CString &document, CString &summary)
{
    return ::getT185PadXml(person, document, summary);
}

int FilingDocServices::confirmPadWithdrawal(IndividualTaxData &person, CString &text)
{
    return ::confirmPadWithdrawal(person, text);
}

int FilingDocServices::collectT1013Messages(IndividualTaxData &person, quint8 edition,
                                            QList<ValidationMessageGroup *> &groups)
{
    return ::collectT1013Messages(person, edition, groups);
}

int FilingDocServices::collectT1135Messages(IndividualTaxData &person, quint8 edition,
                                            QList<ValidationMessageGroup *> &groups)
{
    return ::collectT1135Messages(person, edition, groups);
}

int FilingDocServices::buildT1013Xml(IndividualTaxData &person, CString &document)
{
    return ::buildT1013Xml(person, document);
}

int FilingDocServices::buildT1135Xml(IndividualTaxData &person, QString &document)
{
    return ::buildT1135Xml(person, document);
}

void FilingDocServices::addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context)
{
    ::addNetfileFieldRecords(person, mode, context);
}

int FilingDocServices::writeSelectedFinancialData(IndividualTaxData &person, int mode,
                                                  NetfileGenObjParamStru &context)
{
    return ::writeSelectedFinancialData(person, mode, context);
}

int FilingDocServices::writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context)
{
    return ::writeT2091FinancialData(person, mode, context);
}

int FilingDocServices::checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages)
{
    return ::checkNetfileEligibility(person, edition, messages);
}

int FilingDocServices::checkRefileBankruptcy(IndividualTaxData &person, quint8 edition, QList<CString> &messages)
{
    return ::checkRefileBankruptcy(person, edition, messages);
}

int FilingDocServices::checkRefileChanges(IndividualTaxData &person, QList<CString> &messages)
{
    return ::checkRefileChanges(person, messages);
}

int FilingDocServices::takeReFileSnapshot(IndividualTaxData &person)
{
    return ::takeReFileSnapshot(person);
}

int FilingDocServices::clearReFileMark(IndividualTaxData &person)
{
    return ::clearReFileMark(person);
}

void installFilingDocServices()
{
    static FilingDocServices services;
    IndividualTaxData::setFilingServices(&services);
}
