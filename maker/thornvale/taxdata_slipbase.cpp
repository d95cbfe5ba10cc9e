#include "taxdata_slipbase.h"

const FieldTable &TaxData_SlipBase::commonFields()
{
    static const FieldTable table{
        {"Payer", FieldKind::Text},
        {"AccountNumber", FieldKind::Text},
    };
    return table;
}

TaxData_SlipBase::TaxData_SlipBase(const FieldTable &table, int slipType)
    : CTaxData_Form(table, KindSlip, slipType)
{
}

void TaxData_SlipBase::getDescription(CString &out) const
{
    out = CString(text(F_Payer));
}
