#include "taxdata_sch9.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"NetIncome", FieldKind::Amount, 23600},
        {"Deceased", FieldKind::Flag},
        {"Donations", FieldKind::Amount},
        {"EcologicalGifts", FieldKind::Amount, 34200},
        {"CulturalGifts", FieldKind::Amount, 34210},
        {"DepreciableGifts", FieldKind::Amount, 33700},
        {"Total", FieldKind::Amount, 34500},
        {"Credit", FieldKind::Amount, 34900},
        {"CapitalGains", FieldKind::Amount},
        {"TaxableIncome", FieldKind::Amount},
        {"Allowable", FieldKind::Amount, 34000},
        {"DonationAdjustment", FieldKind::Amount, 0, 0.0, true},
        {"PlannedDonations", FieldKind::Amount, 0, 0.0, true},
        {"PlanCleared", FieldKind::Flag, 0, 1.0, true},
        {"Line33900", FieldKind::Amount},
        {"CharityDonations", FieldKind::Amount}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Charity", FieldKind::Text},
        {"ReceiptNumber", FieldKind::Text},
        {"Amount", FieldKind::Amount},
        {"Kind", FieldKind::Int}
    };
    return table;
}

} // namespace

TaxData_Sch9::TaxData_Sch9() : CTaxData_Form(formFields(), KindForm, 9)
{
    addRowList(rowFields());
}

// Gifts of the year (with gifts of depreciable property), claimed up to 75 % of net income
// (plus 25 % of the taxable capital gains on gifted property; the whole net
// income in the year of death); ecological and cultural gifts have no limit.
// The credit: 15 % on the first 200, 33 % on the part covered by taxable income
// in the top bracket, 29 % on the rest.
void TaxData_Sch9::Calculate01()
{
    setAmount(F_CharityDonations, tax2024::cents(amount(F_Donations) + rows(0).sum(C_Amount)));
    const double total = qMax(0.0, tax2024::cents(amount(F_CharityDonations) + amount(F_DepreciableGifts)
                                                  + amount(F_DonationAdjustment)));
    setAmount(F_Total, total);
    const double net = qMax(0.0, amount(F_NetIncome));
    const double limit = flag(F_Deceased) ? net : net * 0.75 + qMax(0.0, amount(F_CapitalGains)) * 0.25;
    const double unlimited = amount(F_EcologicalGifts) + amount(F_CulturalGifts);
    double allowable = tax2024::cents(qMin(total, limit) + unlimited);
    if (!flag(F_PlanCleared))
        allowable = tax2024::cents(qMin(amount(F_PlannedDonations), qMax(0.0, limit) + unlimited));
    setAmount(F_Allowable, qMax(0.0, allowable));
    setAmount(F_Credit, tax2024::federalDonationCredit(amount(F_Allowable), amount(F_TaxableIncome)).total);
}

void TaxData_Sch9::setPlan(double planned, bool cleared)
{
    setAmount(F_PlannedDonations, planned);
    setFlag(F_PlanCleared, cleared);
}
