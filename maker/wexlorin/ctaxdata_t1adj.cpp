#include "ctaxdata_t1adj.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Date", FieldKind::Text},
        {"Year", FieldKind::Int},
        {"Reason", FieldKind::Text},
        {"RepID", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"Name", FieldKind::Text},
        {"SIN", FieldKind::Text}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Line", FieldKind::Int},
        {"PreviousAmount", FieldKind::Amount},
        {"Change", FieldKind::Amount},
        {"RevisedAmount", FieldKind::Amount}
    };
    return table;
}

} // namespace

CTaxData_T1ADJ::CTaxData_T1ADJ() : CTaxData_Form(formFields(), KindForm, 116)
{
    addRowList(rowFields());
}

void CTaxData_T1ADJ::Calculate01()
{
    for (int i = 0; i < rows(0).count(); ++i) {
        FieldRecord &r = rows(0).row(i);
        r.setNumber(C_RevisedAmount, r.number(C_PreviousAmount) + r.number(C_Change));
    }
}
