#pragma once
#include "ctaxdata_form.h"

// Schedule 3: capital gains (or losses) in 2024, with one row per disposition.
class TaxData_Sch3 : public CTaxData_Form
{
public:
    enum Field {
        // deceased; a T2091 is in the return; the life event of the designation (17906)
        F_Deceased, F_PrincipalResidence, F_LifeEvent, F_QualifiedSmallBusiness,
        F_FarmFishProperty, F_MutualFunds, F_RealEstate, F_Bonds, F_OtherMortgage, F_PersonalUse,
        F_ListedPersonal, F_T3T5Gains, F_T5013Gains, F_T2017Reserves, F_T1170Gains, F_Total,
        F_CapitalGainsReduction, F_TaxableGain, F_MortgageForeclosure, F_CapitalLoss,
        F_GiftCapitalGains,
        // gains come from T3 slips, from T5 slips
        F_FromT3, F_FromT5,
        // fields 17599, 13200, 10684 and 10686; answers at 17900 and 17905 (-1 none)
        F_17599, F_13200, F_10684, F_10686, F_DesignationAnswer, F_FlippingAnswer,
        // the capital gain of the T2091 forms (on line 15800); the box of line 17900 as filed
        F_PrincipalResidenceGain, F_17900,
        F_Count
    };
    // Columns of a disposition row.
    enum Column {
        C_Description, C_Year, C_Proceeds, C_Cost, C_Outlays, C_GainOrLoss, C_Category,
        // 1 on a row that Auto-fill appended
        C_AutoFill,
        C_ColumnCount
    };

    // Kind of property of a disposition row (column C_Category): the schedule's sections.
    enum Kind {
        K_None, K_SmallBusinessShares, K_FarmFishProperty, K_Shares, K_RealEstate, K_Bonds, K_OtherMortgage,
        K_PersonalUse, K_ListedPersonal,
        K_KindCount
    };

    TaxData_Sch3();

    void Calculate01() override;
    void CalculateBeforeLine193();
    void CalculateTaxableCapGain();
    // The mortgage foreclosures and conditional sales amount.
    double getMortgageForClosureAndConditionSale() const;
    // True when a life event is given at 17906; its text in out.
    bool getF17906LifeEvents(CString &out) const;
    FieldRowList &dispositions() { return rows(0); }

private:
    double sumDispositionsByKind();
};
