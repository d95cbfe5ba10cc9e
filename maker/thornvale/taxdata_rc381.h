#pragma once
#include "taxdata_cppcontributionform.h"

// RC381: inter-provincial calculation for CPP and QPP contributions and overpayments.
class TaxData_RC381 : public TaxData_CppContributionForm
{
public:
    enum Field {
        // the common rows (TaxData_CppContributionForm::CommonField) come first; then
        // the T4 slips: some hold CPP or QPP amounts; CPP and QPP earnings and contributions;
        // slips with CPP and Quebec slips without it; some slip is exempt from contributions
        F_T4Amounts = TaxData_CppContributionForm::F_CommonCount, F_T4CppEarnings, F_T4CppContributions,
        F_T4QppEarnings, F_T4QppContributions, F_T4CppSlips, F_T4QuebecOnlySlips, F_T4Exempt,
        // contributions deducted over what was required (line 44800)
        F_Overpayment,
        // election part in use, its answer (-1 none) and amount
        F_ElectionPart, F_ElectionAnswer, F_ElectedAmount,
        // the T4 slips' second additional contributions: CPP (box 16A), QPP (box 17A)
        F_T4Cpp2Contributions, F_T4Qpp2Contributions,
        F_Count
    };

    TaxData_RC381();
};
