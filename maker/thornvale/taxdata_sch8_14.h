#pragma once
#include "taxdata_cppcontributionform.h"

// Schedule 8: CPP contributions on self-employment and other earnings.
class TaxData_Sch8_14 : public TaxData_CppContributionForm
{
public:
    enum Field {
        // the common rows (TaxData_CppContributionForm::CommonField) come first; then,
        // with a CPP pension received in the year: the elected amount, the months before it
        // started, the months it was paid and the Bill 51 amount
        F_ElectedAmount = TaxData_CppContributionForm::F_CommonCount, F_MonthsBeforePension, F_PensionMonths,
        F_Bill51K,
        // the T4 slips: some hold CPP or QPP amounts; CPP and QPP earnings and contributions;
        // slips with CPP and Quebec slips without it; some slip is exempt from contributions
        F_T4Amounts, F_T4CppEarnings, F_T4CppContributions, F_T4QppEarnings, F_T4QppContributions,
        F_T4CppSlips, F_T4QuebecOnlySlips, F_T4Exempt,
        // contributions deducted over what was required (line 44800)
        F_Overpayment,
        // election part in use, its answer (-1 none) and fields 50372 and 50374
        F_ElectionPart, F_ElectionAnswer, F_50372, F_50374,
        // the T4 slips' second additional contributions: CPP (box 16A), QPP (box 17A)
        F_T4Cpp2Contributions, F_T4Qpp2Contributions,
        F_Count
    };

    TaxData_Sch8_14();
};
