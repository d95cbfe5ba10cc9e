#pragma once
#include "ctaxdata_form.h"

// Schedule 6: Canada workers benefit.
class TaxData_Sch6 : public CTaxData_Form
{
public:
    enum Field {
        F_SpouseFlag, F_EligibleDependant, F_Excluded, F_Student, F_WorkingIncome,
        F_AdjustedNetIncome, F_SpouseWorkingIncome, F_SpouseNetIncome, F_IncomePairA,
        F_IncomePairB, F_ACWBReceived, F_ACWBOther, F_Benefit, F_DisabilitySupplement,
        // the T1's disability flag; cleared for a full-time student of more than three months
        F_Disabled, F_ClaimBenefit,
        // answer at field 38105 (0 include tax-exempt income, 1 do not, -1 none); fields 38107 and 38109
        F_38105, F_38107, F_38109,
        // the household's children under 19 (tells Quebec's couples with dependants apart); not saved
        F_Dependants,
        F_Count
    };

    TaxData_Sch6();

    void Calculate01() override;
    // The advanced payments of the RC210 slips.
    void setACWBAmounts(double received, double other);
    // True when part A (the benefit) is in use.
    bool isFirstPartInNetfile() const;

    // Set for each calculation by the couple's exchange: the partner takes the family's
    // basic amount (one spouse only), and the partner is eligible for the disability
    // supplement too (each then reduces it at half the rate).
    void setPartnerFacts(bool partnerClaimsBasic, bool partnerDisabled)
    {
        m_partnerClaimsBasic = partnerClaimsBasic;
        m_partnerDisabled = partnerDisabled;
    }
    bool partnerClaimsBasic() const { return m_partnerClaimsBasic; }

private:
    bool m_partnerClaimsBasic = false;
    bool m_partnerDisabled = false;
};
