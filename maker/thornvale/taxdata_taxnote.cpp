#include "taxdata_taxnote.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Title", FieldKind::Text},
        {"Text", FieldKind::Text},
    };
    return table;
}

} // namespace

TaxData_TaxNote::TaxData_TaxNote() : CTaxData_Form(formFields(), KindOther, 0)
{
}

void TaxData_TaxNote::getDescription(CString &out) const
{
    out = CString(title());
}
