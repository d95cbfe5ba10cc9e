#include "ctaxdata_t5013.h"
#include "netfilerecords.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TotalNonLossNetIncome", FieldKind::Amount}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Partnership", FieldKind::Text},
        {"Filer", FieldKind::Text},
        {"Kind", FieldKind::Int},
        {"IsSFD", FieldKind::Flag},
        {"NetIncome", FieldKind::Amount},
        {"Share", FieldKind::Amount, 0, 100},
        {"IndustryCode", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"LimitedPartner", FieldKind::Flag},
        {"BusinessNumber", FieldKind::Text},
        {"TaxShelterId", FieldKind::Text},
        {"LastYear", FieldKind::Flag},
        {"PartnershipBN", FieldKind::Text}
    };
    return table;
}

} // namespace

CTaxData_T5013::CTaxData_T5013() : CTaxData_Form(formFields(), KindForm, 38)
{
    addRowList(rowFields());
}

void CTaxData_T5013::Calculate01()
{
    setAmount(F_TotalNonLossNetIncome, GetTotalNonLossNetIncome());
}

int CTaxData_T5013::countKind(int kind) const
{
    int n = 0;
    for (int i = 0; i < rows(0).count(); ++i)
        if (int(rows(0).row(i).number(C_Kind)) == kind)
            ++n;
    return n;
}

bool CTaxData_T5013::IsThisSFD(int row) const
{
    return row >= 0 && row < rows(0).count() && rows(0).row(row).number(C_IsSFD) != 0.0;
}

int CTaxData_T5013::GetCountOfSFDForms(int) const
{
    // a farming row files its statement as any other
    int n = 0;
    for (int i = 0; i < rows(0).count(); ++i)
        if (IsThisSFD(i))
            ++n;
    return n;
}

int CTaxData_T5013::GetCountOfBarcodeSFDForms() const
{
    return GetCountOfSFDForms(1);
}

double CTaxData_T5013::GetTotalNonLossNetIncome() const
{
    double total = 0.0;
    for (int i = 0; i < rows(0).count(); ++i) {
        const double v = rows(0).row(i).number(C_NetIncome);
        if (v > 0)
            total += v;
    }
    return total;
}

int CTaxData_T5013::ConvertToNetfile(int, int slot, NetfileGenObjParamStru &context)
{
    if (slot < 0 || slot >= rows(0).count())
        return 0;
    const FieldRecord &row = rows(0).row(slot);
    // net income (loss) and the partner's share in percent
    return NETFILE_DOLLAR_VALUE_Func(9369, row.number(C_NetIncome), context)
        + NETFILE_DOLLAR_VALUE_Func(9970, row.number(C_Share), context);
}

int CTaxData_T5013::WriteFreeData(int mode, int row, NetfileGenObjParamStru &context)
{
    return ConvertToNetfile(mode, row, context);
}
