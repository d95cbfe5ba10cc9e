#include "individualtaxdata.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"

// Puts the answers of one tax-wizard record into the return. The amounts
// carried from last year (type 2) are applied here; the other records are
// applied by their own steps.
CTaxData_Form *IndividualTaxData::applyWizardRecord(int type)
{
    CTaxData_Form *record = findWizardData(type, false);
    if (!record || type != 2)
        return nullptr;
    auto *last = dynamic_cast<TaxData_LastYearAmounts *>(record);
    TaxData_T1New *t = t1();
    if (!last || !t)
        return nullptr;
    using L = TaxData_LastYearAmounts;
    CTaxData_Form *touched = t;
    t->setAmount(TaxData_T1New::F_LYFedTuition, last->amount(L::F_FedUnusedTuition));
    t->setAmount(TaxData_T1New::F_LYProvTuition, last->amount(L::F_ProvUnusedTuition));
    t->setAmount(TaxData_T1New::F_LYRRSPLimit, last->amount(L::F_RRSPDeductionLimit));
    t->setAmount(TaxData_T1New::F_LYUnusedRRSP, last->amount(L::F_UnusedRRSPContrib));
    t->setAmount(TaxData_T1New::F_HBPRepayment, last->amount(L::F_HBPRepayment));
    t->setAmount(TaxData_T1New::F_LLPRepayment, last->amount(L::F_LLPRepayment));
    t->setAmount(TaxData_T1New::F_LYT1212Balance, last->amount(L::F_T1212Balance));
    t->setAmount(TaxData_T1New::F_LYNetCapitalLosses, last->amount(L::F_NetCapitalLosses));
    if (auto *sch7 = dynamic_cast<TaxData_Sch7 *>(singleForm(7))) {
        sch7->setAmount(TaxData_Sch7::F_DeductionLimit, last->amount(L::F_RRSPDeductionLimit));
        sch7->setAmount(TaxData_Sch7::F_UnusedContributions, last->amount(L::F_UnusedRRSPContrib));
        touched = sch7;
    }
    if (auto *sch11 = dynamic_cast<TaxData_Sch11 *>(singleForm(11))) {
        sch11->setAmount(TaxData_Sch11::F_CarriedForward, last->amount(L::F_FedUnusedTuition));
        touched = sch11;
    }
    m_provinceManager.setProvincialAmount(11001, last->amount(L::F_ProvUnusedTuition));
    if (auto *t1212 = dynamic_cast<TaxData_T1212New *>(singleForm(18))) {
        t1212->setAmount(TaxData_T1212New::F_BalanceLastYear, last->amount(L::F_T1212Balance));
        touched = t1212;
    }
    return touched;
}
