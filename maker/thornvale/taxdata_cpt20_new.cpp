#include "taxdata_cpt20_new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ElectF399", FieldKind::Flag},
        {"ElectDate", FieldKind::Date},
        {"Line16", FieldKind::Amount},
        {"Line17", FieldKind::Amount}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Pensionable", FieldKind::Amount},
        {"Contributions", FieldKind::Amount},
        {"Province", FieldKind::Int},
        {"Exempt", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_CPT20_New::TaxData_CPT20_New() : CTaxData_Form(formFields(), KindForm, 57)
{
    addRowList(rowFields());
}

void TaxData_CPT20_New::clearEntry()
{
    rows(0).clear();
}

void TaxData_CPT20_New::setEntryN(int n, double pensionable, double contributions, int province, bool exempt)
{
    if (n < 1 || n > 6)
        return;
    FieldRowList &list = rows(0);
    while (list.count() < n)
        list.append();
    FieldRecord &r = list.row(n - 1);
    r.setNumber(C_Pensionable, pensionable);
    r.setNumber(C_Contributions, contributions);
    r.setNumber(C_Province, province);
    r.setNumber(C_Exempt, exempt ? 1 : 0);
}

bool TaxData_CPT20_New::hadElectedIncomeToPayCPP() const
{
    return isAmountEntered(amount(F_Line16)) || isAmountEntered(amount(F_Line17));
}

bool TaxData_CPT20_New::hadElectedF399IncomeToPayCPP() const
{
    return flag(F_ElectF399);
}
