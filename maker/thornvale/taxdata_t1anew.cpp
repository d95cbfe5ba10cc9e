#include "taxdata_t1anew.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FullName", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"NonCapitalLoss", FieldKind::Amount},
        {"NetCapitalLoss", FieldKind::Amount},
        {"CarryBack2021", FieldKind::Amount},
        {"CarryBack2022", FieldKind::Amount},
        {"CarryBack2023", FieldKind::Amount},
        {"CarryForward", FieldKind::Amount},
        {"City", FieldKind::Text},
        {"MailProvince", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Switch", FieldKind::Flag},
        {"DeductionsTotal", FieldKind::Amount}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Source", FieldKind::Text},
        {"Income", FieldKind::Amount},
        {"Loss", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1ANew::TaxData_T1ANew() : CTaxData_Form(formFields(), KindForm, 39)
{
    addRowList(rowFields());
}

void TaxData_T1ANew::Calculate01()
{
    const double used = amount(F_CarryBack2021) + amount(F_CarryBack2022) + amount(F_CarryBack2023);
    setAmount(F_NonCapitalLoss, rows(0).sum(C_Loss));
    setAmount(F_CarryForward, qMax(0.0, amount(F_NonCapitalLoss) - used));
}
