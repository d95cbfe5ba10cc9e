#pragma once
#include "individualtaxdata.h"

// What the filing documents give the return of one person: its line-code records,
// its barcode block and its checks before filing. Each override forwards to the
// free function of its name in the file of its subject (barcodedata.h,
// linecoderecords.h, filingeligibility.h); the checks before filing are those of
// personchecks.h, couplechecks.h and confirmations.h. The envelope variables are in envelopevars.h.
class FilingDocServices : public IndividualTaxData::FilingServices
{
public:
    void writeBarcodeData(IndividualTaxData &person, int flag, MyDataStream &ar) override;
    bool confirmPersonBeforeFiling(IndividualTaxData &person, int edition, bool dcnConfirmed) override;
    int checkForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages) override;
    int checkCoupledReturns(IndividualTaxData &person, int edition, QList<CString> &messages,
                            IndividualTaxData &partner) override;
    void fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int requestKind) override;
    void fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int edition,
                                QString *text, double *amount, int flag) override;
    // ---- line-code records (linecoderecords.h)
    void addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    int writeSelectedFinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    int writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    // ---- the T1Return document (t1returndocument.h)
    int buildNetfileDocument(IndividualTaxData &person, QString &text, quint8 mode) override;
    // ---- the T185 PAD agreement (paddocument.h)
    int validatePad(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups) override;
    int getT185PadXml(IndividualTaxData &person, CString &document, CString &summary) override;
    int confirmPadWithdrawal(IndividualTaxData &person, CString &text) override;
    // ---- the T1013 and T1135 documents (formdocuments.h)
    int collectT1013Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups) override;
    int collectT1135Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups) override;
    int buildT1013Xml(IndividualTaxData &person, CString &document) override;
    int buildT1135Xml(IndividualTaxData &person, QString &document) override;
    // ---- filing eligibility and Re-File rules (filingeligibility.h)
    int checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages) override;
    int checkRefileBankruptcy(IndividualTaxData &person, quint8 edition, QList<CString> &messages) override;
    int checkRefileChanges(IndividualTaxData &person, QList<CString> &messages) override;
    int takeReFileSnapshot(IndividualTaxData &person) override;
    int clearReFileMark(IndividualTaxData &person) override;
};

// Installs the filing documents' services for every person of the process.
void installFilingDocServices();
