#pragma once
#include "ctaxdata_form.h"

// Schedule 9: donations and gifts, one row per receipt.
class TaxData_Sch9 : public CTaxData_Form
{
public:
    enum Field {
        // F_Donations: carried in from the slips (T4 box 46, T4A box 046) or the Express Wizard
        F_NetIncome, F_Deceased, F_Donations, F_EcologicalGifts, F_CulturalGifts, F_DepreciableGifts,
        F_Total, F_Credit,
        // taxable capital gains from the T1
        F_CapitalGains,
        // taxable income (the 33 % tier); the gifts claimed this year within the limit
        F_TaxableIncome, F_Allowable,
        // internal, set only on a scratch copy (never saved): the couple optimiser's adjustment added
        // to (or taken from) the person's own gifts; the planner's donation, which stands for the
        // donations claimed while the plan is not cleared
        F_DonationAdjustment, F_PlannedDonations, F_PlanCleared,
        // amount of line 33900
        F_33900,
        // the form's first line: the receipts and the donations carried in (F_Donations)
        F_CharityDonations,
        F_Count
    };
    // Columns of a donation row.
    enum Column {
        C_Charity, C_ReceiptNumber, C_Amount, C_Kind, C_ColumnCount
    };

    TaxData_Sch9();

    void Calculate01() override;
    // The donations claimed this year (line 34000).
    double donationsClaimed() const { return amount(F_Allowable); }
    double donationAdjustment() const { return amount(F_DonationAdjustment); }
    void setDonationAdjustment(double v) { setAmount(F_DonationAdjustment, v); }
    // Puts a planned donation in force (cleared false) or takes it away.
    void setPlan(double planned, bool cleared);
};
