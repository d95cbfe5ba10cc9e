// The person's operations that the filing documents carry out: each forwards to
// the installed FilingServices virtual of its name; without services a person
// writes nothing.
#include "individualtaxdata.h"
#include "netfilegenobjparamstru.h"

// ---- line-code records

void IndividualTaxData::addNetfileFieldRecords(int mode, NetfileGenObjParamStru &context)
{
    if (FilingServices *s = filingServices())
        s->addNetfileFieldRecords(*this, mode, context);
}

int IndividualTaxData::writeSelectedFinancialData(int mode, NetfileGenObjParamStru &context)
{
    FilingServices *s = filingServices();
    return s ? s->writeSelectedFinancialData(*this, mode, context) : 0;
}

int IndividualTaxData::writeT2091FinancialData(int mode, NetfileGenObjParamStru &context)
{
    FilingServices *s = filingServices();
    return s ? s->writeT2091FinancialData(*this, mode, context) : 0;
}

// ---- filing documents

int IndividualTaxData::FilingServices::buildNetfileDocument(IndividualTaxData &, QString &, quint8)
{
    return -1;
}

int IndividualTaxData::buildNetfileDocument(QString &text, quint8 mode)
{
    FilingServices *s = filingServices();
    return s ? s->buildNetfileDocument(*this, text, mode) : -1;
}
