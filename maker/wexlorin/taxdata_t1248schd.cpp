#include "taxdata_t1248schd.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ResidencyType", FieldKind::Int},
        {"ForeignMailing", FieldKind::Flag},
        {"Country", FieldKind::Text},
        {"EntryDate", FieldKind::Date},
        {"DepartureDate", FieldKind::Date}
    };
    return table;
}

} // namespace

TaxData_T1248SchD::TaxData_T1248SchD() : CTaxData_Form(formFields(), KindForm, 207)
{
}

bool TaxData_T1248SchD::isEligibleForNetFile() const
{
    const int t = intValue(F_ResidencyType);
    return t >= 1 && t <= 5;
}

int TaxData_T1248SchD::ValidateWithT1(int, CString &text, bool foreignMailing, bool, bool immigrant, bool emigrant) const
{
    if (flag(F_ForeignMailing) != foreignMailing) {
        text = CString(QStringLiteral("The mailing address on the T1 does not match form T1248 Schedule D."));
        return 1;
    }
    if ((intValue(F_ResidencyType) == 4) != immigrant || (intValue(F_ResidencyType) == 5) != emigrant) {
        text = CString(QStringLiteral("The residency status on the T1 does not match form T1248 Schedule D."));
        return 2;
    }
    return 0;
}
