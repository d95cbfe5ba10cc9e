#include "taxdata_sch3.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Deceased", FieldKind::Flag},
        {"PrincipalResidence", FieldKind::Flag},
        {"LifeEvent", FieldKind::Text, 17906},
        {"QualifiedSmallBusiness", FieldKind::Amount, 10700},
        {"FarmFishProperty", FieldKind::Amount, 11000},
        {"MutualFunds", FieldKind::Amount, 13200},
        {"RealEstate", FieldKind::Amount, 13600},
        {"Bonds", FieldKind::Amount, 13800},
        {"OtherMortgage", FieldKind::Amount, 15300},
        {"PersonalUse", FieldKind::Amount, 15800},
        {"ListedPersonal", FieldKind::Amount, 15900},
        {"T3T5Gains", FieldKind::Amount, 17600},
        {"T5013Gains", FieldKind::Amount, 17400},
        {"T2017Reserves", FieldKind::Amount, 19200},
        {"T1170Gains", FieldKind::Amount},
        {"Total", FieldKind::Amount, 19700},
        {"CapitalGainsReduction", FieldKind::Amount, 19800},
        {"TaxableGain", FieldKind::Amount, 19900},
        {"MortgageForeclosure", FieldKind::Amount, 18000},
        {"CapitalLoss", FieldKind::Amount, 19000},
        {"GiftCapitalGains", FieldKind::Amount, 17950},
        {"FromT3", FieldKind::Flag},
        {"FromT5", FieldKind::Flag},
        {"Line17599", FieldKind::Amount},
        {"Line13200", FieldKind::Amount},
        {"Line10684", FieldKind::Amount},
        {"Line10686", FieldKind::Amount},
        {"DesignationAnswer", FieldKind::Int, 0, -1},
        {"FlippingAnswer", FieldKind::Int, 0, -1},
        {"PrincipalResidenceGain", FieldKind::Amount},
        {"Line17900", FieldKind::Int, 17900}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Year", FieldKind::Int},
        {"Proceeds", FieldKind::Amount},
        {"Cost", FieldKind::Amount},
        {"Outlays", FieldKind::Amount},
        {"GainOrLoss", FieldKind::Amount},
        {"Category", FieldKind::Int},
        {"AutoFill", FieldKind::Flag}
    };
    return table;
}

// Capital gains inclusion rate of 2024.
constexpr double kInclusionRate = 0.5;
// Personal-use and listed personal property: the least proceeds and cost counted.
constexpr double kPersonalPropertyFloor = 1000.0;

} // namespace

TaxData_Sch3::TaxData_Sch3() : CTaxData_Form(formFields(), KindForm, 4)
{
    addRowList(rowFields());
}

void TaxData_Sch3::Calculate01()
{
    CalculateBeforeLine193();
    CalculateTaxableCapGain();
}

// Each disposition's gain or loss, the section lines by kind of property, and the
// total with the gains carried from the slips, reserves and other forms.
void TaxData_Sch3::CalculateBeforeLine193()
{
    // line 17900 files the designation box ticked: 1, 2 or 3
    const int answer = intValue(F_DesignationAnswer);
    setIntValue(F_17900, answer >= 0 && answer <= 2 ? answer + 1 : 0);
    const double uncategorised = sumDispositionsByKind();
    double total = uncategorised;
    for (int f : {F_QualifiedSmallBusiness, F_FarmFishProperty, F_MutualFunds, F_RealEstate, F_Bonds, F_OtherMortgage,
                  F_PersonalUse, F_ListedPersonal, F_T3T5Gains, F_T5013Gains, F_T2017Reserves, F_T1170Gains,
                  F_GiftCapitalGains})
        total += amount(f);
    setAmount(F_Total, tax2024::cents(total));
}

// Works each row's gain (proceeds less cost and outlays; for personal-use and listed
// personal property each of proceeds and cost at least 1,000, and a personal-use loss
// nil) and fills the section line of its kind; a net loss on listed personal property
// offsets only such gains, so that line is never below nil. The gain of the T2091
// forms (a principal residence is personal-use property) goes on line 15800.
// Returns the gains and losses of rows without a kind, which count in the total.
double TaxData_Sch3::sumDispositionsByKind()
{
    static constexpr int sectionOf[] = {-1, F_QualifiedSmallBusiness, F_FarmFishProperty, F_MutualFunds, F_RealEstate,
                                        F_Bonds, F_OtherMortgage, F_PersonalUse, F_ListedPersonal};
    static_assert(sizeof(sectionOf) / sizeof(sectionOf[0]) == K_KindCount, "one section per kind");
    double sections[K_KindCount] = {};
    sections[K_PersonalUse] = amount(F_PrincipalResidenceGain);
    FieldRowList &list = rows(0);
    for (int i = 0; i < list.count(); ++i) {
        FieldRecord &r = list.row(i);
        const int kind = int(r.number(C_Category));
        double proceeds = r.number(C_Proceeds);
        double cost = r.number(C_Cost);
        if (kind == K_PersonalUse || kind == K_ListedPersonal) {
            // the $1,000 rule: proceeds and cost are each at least 1,000
            proceeds = qMax(proceeds, kPersonalPropertyFloor);
            cost = qMax(cost, kPersonalPropertyFloor);
        }
        double gain = tax2024::cents(proceeds - cost - r.number(C_Outlays));
        if (kind == K_PersonalUse && gain < 0)
            gain = 0.0;
        r.setNumber(C_GainOrLoss, gain);
        sections[kind > K_None && kind < K_KindCount ? kind : K_None] += gain;
    }
    sections[K_ListedPersonal] = qMax(0.0, sections[K_ListedPersonal]);
    for (int kind = K_None + 1; kind < K_KindCount; ++kind)
        setAmount(sectionOf[kind], tax2024::cents(sections[kind]));
    return sections[K_None];
}

// Line 19900: the net gain after the reduction, at the 2024 inclusion rate of
// one half (the proposed two-thirds rate never came into force); a net loss is
// carried (line 19000) instead.
void TaxData_Sch3::CalculateTaxableCapGain()
{
    const double net = tax2024::cents(amount(F_Total) - amount(F_CapitalGainsReduction));
    setAmount(F_TaxableGain, net > 0 ? tax2024::cents(net * kInclusionRate) : 0.0);
    setAmount(F_CapitalLoss, net < 0 ? -net : 0.0);
}

double TaxData_Sch3::getMortgageForClosureAndConditionSale() const
{
    return amount(F_MortgageForeclosure);
}

bool TaxData_Sch3::getF17906LifeEvents(CString &out) const
{
    out = CString(text(F_LifeEvent));
    return !text(F_LifeEvent).trimmed().isEmpty();
}
