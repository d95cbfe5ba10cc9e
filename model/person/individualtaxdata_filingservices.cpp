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

// ---- the T185 PAD agreement

int IndividualTaxData::FilingServices::validatePad(IndividualTaxData &, quint8, QList<ValidationMessageGroup *> &)
{
    return 0;
}

int IndividualTaxData::FilingServices::getT185PadXml(IndividualTaxData &, CString &, CString &)
{
    return -100;
}

int IndividualTaxData::FilingServices::confirmPadWithdrawal(IndividualTaxData &, CString &)
{
    return 0;
}

int IndividualTaxData::validatePad(quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    FilingServices *s = filingServices();
    return s ? s->validatePad(*this, edition, groups) : 0;
}

int IndividualTaxData::getT185PadXml(CString &document, CString &summary)
{
    FilingServices *s = filingServices();
    return s ? s->getT185PadXml(*this, document, summary) : -100;
}

int IndividualTaxData::confirmPadWithdrawal(CString &text)
{
    FilingServices *s = filingServices();
    return s ? s->confirmPadWithdrawal(*this, text) : 0;
}

// ---- the T1013 and T1135 documents

int IndividualTaxData::FilingServices::collectT1013Messages(IndividualTaxData &, quint8,
                                                           QList<ValidationMessageGroup *> &)
{
    return 0;
}

int IndividualTaxData::FilingServices::collectT1135Messages(IndividualTaxData &, quint8,
                                                           QList<ValidationMessageGroup *> &)
{
    return 0;
}

int IndividualTaxData::FilingServices::buildT1013Xml(IndividualTaxData &, CString &)
{
    return -100;
}

int IndividualTaxData::FilingServices::buildT1135Xml(IndividualTaxData &, QString &)
{
    return -100;
}

int IndividualTaxData::collectT1013Messages(quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    FilingServices *s = filingServices();
    return s ? s->collectT1013Messages(*this, edition, groups) : 0;
}

int IndividualTaxData::collectT1135Messages(quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    FilingServices *s = filingServices();
    return s ? s->collectT1135Messages(*this, edition, groups) : 0;
}

int IndividualTaxData::buildT1013Xml(CString &document)
{
    FilingServices *s = filingServices();
    return s ? s->buildT1013Xml(*this, document) : -100;
}

int IndividualTaxData::buildT1135Xml(QString &document)
{
    FilingServices *s = filingServices();
    return s ? s->buildT1135Xml(*this, document) : -100;
}

// ---- filing eligibility and Re-File rules

int IndividualTaxData::checkNetfileEligibility(quint8 edition, QList<CString> &messages)
{
    FilingServices *s = filingServices();
    return s ? s->checkNetfileEligibility(*this, edition, messages) : messages.size();
}

int IndividualTaxData::checkRefileBankruptcy(quint8 edition, QList<CString> &messages)
{
    FilingServices *s = filingServices();
    return s ? s->checkRefileBankruptcy(*this, edition, messages) : messages.size();
}

int IndividualTaxData::checkRefileChanges(QList<CString> &messages)
{
    FilingServices *s = filingServices();
    return s ? s->checkRefileChanges(*this, messages) : messages.size();
}

int IndividualTaxData::takeReFileSnapshot()
{
    FilingServices *s = filingServices();
    return s ? s->takeReFileSnapshot(*this) : -1;
}

int IndividualTaxData::clearReFileMark()
{
    FilingServices *s = filingServices();
    return s ? s->clearReFileMark(*this) : 0;
}
