#include "taxdata_t2125_new.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity({
        {"IncomeKind", FieldKind::Int},
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"BusinessName", FieldKind::Text},
        {"Description", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Postcode", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 8299},
        {"GstIncluded", FieldKind::Amount},
        {"ExpensesTotal", FieldKind::Amount, 9368},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9369},
        {"CCA", FieldKind::Amount, 9936},
        {"HomeExpenses", FieldKind::Amount, 9945},
        {"NetIncome", FieldKind::Amount, 9946},
        {"PartnerName", FieldKind::Text}
    }, {
        {"WebsiteCount", FieldKind::Int},
        {"Websites", FieldKind::Text},
        {"InternetIncomePercent", FieldKind::Amount},
        {"PlacementAgency", FieldKind::Flag}
    }));
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Code", FieldKind::Int},
        {"Amount", FieldKind::Amount},
        {"PersonalPart", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T2125_New::TaxData_T2125_New(int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    addRowList(rowFields());
}

void TaxData_T2125_New::Calculate01()
{
    double expenses = 0.0;
    for (int i = 0; i < rows(0).count(); ++i)
        expenses += rows(0).row(i).number(C_Amount) - rows(0).row(i).number(C_PersonalPart);
    setAmount(F_ExpensesTotal, expenses);
    setAmount(F_NetIncomeBeforeAdj, amount(F_GrossIncome) - amount(F_GstIncluded) - expenses);
    // the person's share of the net income first (line 9369); the person's own
    // business-use-of-home expenses come off the share and may not make a loss
    const double share = roundToCent((amount(F_NetIncomeBeforeAdj) - amount(F_CCA)) * amount(F_Percentage) / 100.0);
    const double home = share > 0 ? qMin(amount(F_HomeExpenses), share) : 0.0;
    setAmount(F_NetIncome, roundToCent(share - home));
}
