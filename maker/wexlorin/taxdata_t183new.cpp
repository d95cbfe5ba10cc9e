#include "taxdata_t183new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"PreparerName", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"PreAssessment", FieldKind::Flag},
        {"PostAssessment", FieldKind::Flag},
        {"SignDate", FieldKind::Date},
        {"Text", FieldKind::Text, 10002},
        {"DCN", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_T183New::TaxData_T183New() : CTaxData_Form(formFields(), KindForm, 96)
{
}

void TaxData_T183New::Calculate01()
{
    setText(F_EFileNumber, text(F_EFileNumber).trimmed());
}
