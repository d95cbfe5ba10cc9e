#include "filingdocservices.h"
#include "barcodedata.h"
#include "linecoderecords.h"
#include "mydatastream.h"

void FilingDocServices::writeBarcodeData(IndividualTaxData &person, int, MyDataStream &ar)
{
    ::writeBarcodeData(person, ar);
}

bool FilingDocServices::confirmPersonBeforeFiling(IndividualTaxData &, int, bool)
{
    return true;
}

int FilingDocServices::checkForFiling(IndividualTaxData &, int, QList<ValidationMessageGroup *> &messages)
{
    return messages.size();
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

void installFilingDocServices()
{
    static FilingDocServices services;
    IndividualTaxData::setFilingServices(&services);
}
