#include "taxdata_t1135new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Kind", FieldKind::Int},
        {"FirstName", FieldKind::Text},
        {"FirstName2", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Province", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Country", FieldKind::Text},
        {"YearStart", FieldKind::Date},
        {"Amended", FieldKind::Flag},
        {"FilingStatus", FieldKind::Int},
        {"FilingTime", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"TotalCost", FieldKind::Amount},
        {"OverwriteStatus", FieldKind::Flag}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Country", FieldKind::Text},
        {"MaxCost", FieldKind::Amount},
        {"YearEndCost", FieldKind::Amount},
        {"Income", FieldKind::Amount},
        {"Gain", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1135New::TaxData_T1135New() : CTaxData_Form(formFields(), KindForm, 101)
{
    addRowList(rowFields());
}

void TaxData_T1135New::Calculate01()
{
    setAmount(F_TotalCost, rows(0).sum(C_MaxCost));
}
