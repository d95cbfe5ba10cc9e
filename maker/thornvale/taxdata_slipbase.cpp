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

std::vector<TaxData_SlipBase::SharedBox> TaxData_SlipBase::sharedBoxes(const FieldTable &t)
{
    std::vector<SharedBox> boxes;
    for (int i = 0; i < t.count(); ++i) {
        const int code = t.spec(i).code;
        if (code <= 0 || code >= kCalculatedCode || t.spec(i).kind != FieldKind::Amount)
            continue;
        const int calculated = t.indexOfCode(kCalculatedCode + code);
        if (calculated >= 0 && FieldTable::isNumeric(t.spec(calculated).kind))
            boxes.push_back({i, calculated});
    }
    return boxes;
}

void TaxData_SlipBase::applySharePercent(int shareField, const std::vector<SharedBox> &boxes)
{
    const double share = amount(shareField) / 100.0;
    for (const SharedBox &b : boxes)
        setAmount(b.calculated, amount(b.box) * share);
}

void TaxData_SlipBase::copySharedPart(const CTaxData_Form &partner)
{
    if (&partner == this || &partner.fieldTable() != &fieldTable())
        return;
    const int share = shareField();
    const double own = share < 0 ? 0.0 : amount(share);
    fields().copyFrom(partner.fields());
    if (share >= 0)
        setAmount(share, own);
}

bool TaxData_SlipBase::isShared() const
{
    return shareField() >= 0 && sharePercent() < 100.0 - 0.009;
}

void TaxData_SlipBase::setSharePercent(double percent)
{
    if (shareField() >= 0)
        setAmount(shareField(), qBound(0.0, percent, 100.0));
}
