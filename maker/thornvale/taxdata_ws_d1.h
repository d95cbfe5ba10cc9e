#pragma once
#include "ctaxdata_form.h"

// Federal worksheet: dividends, social benefits repayment and the other worksheet lines.
class TaxData_WS_D1 : public CTaxData_Form
{
public:
    enum Field {
        F_EligibleActual, F_NonEligibleActual, F_NonEligibleTaxable, F_EligibleTaxable, F_F12000,
        F_F12010, F_NetIncomeBefore, F_OASBenefits, F_EIBenefits, F_F23500, F_F24901,
        F_SecurityOptions, F_Count
    };

    TaxData_WS_D1();

    void Calculate01() override;
    void resetDivDetailsAmounts();
    void CalculateF23500();
    void CalculateF24901();
    double getF12000() const { return amount(F_F12000); }
    double getF12010() const { return amount(F_F12010); }
    double getF23500() const { return amount(F_F23500); }
};
