#pragma once
#include "taxdata_slipbase.h"

// T4: statement of remuneration paid.
class TaxData_Slip_T4 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Province = TaxData_SlipBase::F_CommonCount, F_Box14, F_Box16, F_Box16A, F_Box17,
        F_Box17A, F_Box18, F_Box20, F_Box22, F_Box24, F_Box26, F_EmploymentCode, F_Box30, F_Box31,
        F_Box32, F_Box33, F_Box34, F_Box36, F_Box38, F_Box39, F_Box40, F_Box41, F_Box42, F_Box43,
        F_Box44, F_Box45, F_Box46, F_Box50, F_Box52, F_Box53, F_Box55, F_Box56, F_Box57, F_Box58,
        F_Box59, F_Box60, F_Box61, F_Box62, F_Box66, F_Box67, F_Box69, F_Box71, F_Box74, F_Box75,
        F_Box76, F_Box77, F_Box78, F_Box79, F_Box80, F_Box81, F_Box82, F_Box83, F_Box84, F_Box85,
        F_Box86, F_Box87, F_Box88, F_Box90, F_Box91, F_Box92, F_Box94, F_Box95, F_Box96, F_Box97,
        F_Selector1, F_Selector2, F_Switch1, F_Switch2, F_Switch3, F_Switch4, F_AmountA, F_AmountB,
        F_AmountC, F_AmountD, F_AmountE, F_AmountF, F_AmountG, F_AmountH, F_AmountI, F_AmountJ,
        F_AmountK, F_AmountL,
        // appended fields
        F_Box24Given, F_Box26Given, F_EiExempt, F_Count
    };

    TaxData_Slip_T4();

    // True when the slip holds income exempt under the Indian Act.
    bool containIndianItem() const;
    // Box 28: the employment is exempt from CPP/QPP contributions.
    bool isCppQppExempt() const { return flag(F_Switch1); }
    // Box 26, or box 14 when box 26 is left blank on a slip that shows CPP or QPP
    // contributions and no exemption (the CRA's rule for a blank box 26).
    double pensionableEarnings() const;
    // Box 24, or box 14 up to the maximum insurable earnings when box 24 is left
    // blank on a slip that shows EI premiums and no exemption.
    double insurableEarnings() const;
    double qppContributions() const { return amount(F_Box17); }
    // Contributions or premiums shown with their earnings box left blank.
    void collectWarnings(QList<CString> &warnings) const override;
};
