#pragma once
#include "individualtaxdata.h"

// What the filing documents give the return of one person: its line-code records,
// its barcode block and its checks before filing. Each override forwards to the
// free function of its name in the file of its subject (linecoderecords.h,
// filingeligibility.h). So far a person gets the barcode block of a person without
// barcode data; the checks before filing are those of personchecks.h.
class FilingDocServices : public IndividualTaxData::FilingServices
{
public:
    void writeBarcodeData(IndividualTaxData &person, int flag, MyDataStream &ar) override;
    bool confirmPersonBeforeFiling(IndividualTaxData &person, int edition, bool dcnConfirmed) override;
    int checkForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages) override;
    int checkCoupledReturns(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages,
                            IndividualTaxData &partner) override;
    void fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int edition) override;
    void fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int edition,
                                QString *text, double *amount, int flag) override;
    // ---- line-code records (linecoderecords.h)
    void addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    int writeSelectedFinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    int writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) override;
    // ---- filing eligibility and Re-File rules (filingeligibility.h)
    int checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages) override;
    int checkRefileBankruptcy(IndividualTaxData &person, quint8 edition, QList<CString> &messages) override;
    int checkRefileChanges(IndividualTaxData &person, QList<CString> &messages) override;
    int takeReFileSnapshot(IndividualTaxData &person) override;
    int clearReFileMark(IndividualTaxData &person) override;
};

// Installs the filing documents' services for every person of the process.
void installFilingDocServices();
