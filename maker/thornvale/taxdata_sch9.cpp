#include "taxdata_sch9.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"NetIncome", FieldKind::Amount, 23600},
        {"Deceased", FieldKind::Flag},
        {"Donations", FieldKind::Amount, 34000},
        {"EcologicalGifts", FieldKind::Amount, 34200},
        {"CulturalGifts", FieldKind::Amount, 34210},
        {"CarriedForward", FieldKind::Amount, 33700},
        {"Total", FieldKind::Amount, 34500},
        {"Credit", FieldKind::Amount, 34900}
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

void TaxData_Sch9::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    const double total = amount(F_Donations) + rows(0).sum(C_Amount) + amount(F_CarriedForward);
    setAmount(F_Total, total);
    const double limit = flag(F_Deceased) ? amount(F_NetIncome) : amount(F_NetIncome) * 0.75;
    setAmount(F_Credit, qMin(total, qMax(0.0, limit)) + amount(F_EcologicalGifts) + amount(F_CulturalGifts));
}
