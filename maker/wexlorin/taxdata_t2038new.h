#pragma once
#include "ctaxdata_form.h"

// T2038(IND): investment tax credit for individuals.
class TaxData_T2038New : public CTaxData_Form
{
public:
    enum Field {
        F_Expenditures, F_CarriedForward, F_LineC, F_NetFederalTax, F_AMTAmount, F_T691Amount,
        F_LineD, F_Credit, F_Refund, F_Count
    };

    TaxData_T2038New();

    void Calculate01() override;
    // Next year opens with the credit neither used nor refunded this year.
    void carryForward(bool keepData) override;
    void CalculateToLineC();
    void CalculateToLineD();
    void CalculateToEnd(bool minimumTax);
};
