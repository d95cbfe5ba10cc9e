#include "filingdocservices.h"
#include "filingeligibility.h"
#include "linecoderecords.h"
#include "mydatastream.h"
#include "personchecks.h"

void FilingDocServices::writeBarcodeData(IndividualTaxData &, int, MyDataStream &ar)
{
    // a T1 length of 0 ends the block
    ar << qint32(0);
}

bool FilingDocServices::confirmPersonBeforeFiling(IndividualTaxData &, int, bool)
{
    return true;
}

int FilingDocServices::checkForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages)
{
    return checkPersonForFiling(person, edition, messages);
}

int FilingDocServices::checkCoupledReturns(IndividualTaxData &, int, QList<ValidationMessageGroup *> &,
                                           IndividualTaxData &)
{
    return 0;
}

void FilingDocServices::fillEfileHeaderVars(IndividualTaxData &, QMap<QString, QString> &, int) {}

void FilingDocServices::fillNetfileRequestVars(IndividualTaxData &, QMap<QString, QString> &, int, QString *,
                                               double *, int)
{
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
