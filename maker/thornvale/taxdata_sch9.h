#pragma once
#include "ctaxdata_form.h"

// Schedule 9: donations and gifts, one row per receipt.
class TaxData_Sch9 : public CTaxData_Form
{
public:
    enum Field {
        F_NetIncome, F_Deceased, F_Donations, F_EcologicalGifts, F_CulturalGifts, F_CarriedForward,
        F_Total, F_Credit,
        // taxable capital gains from the T1
        F_CapitalGains,
        // taxable income (the 33 % tier); the gifts claimed this year within the limit
        F_TaxableIncome, F_Allowable,
        F_Count
    };
    // Columns of a donation row.
    enum Column {
        C_Charity, C_ReceiptNumber, C_Amount, C_Kind, C_ColumnCount
    };

    TaxData_Sch9();

    void Calculate01() override;
};
