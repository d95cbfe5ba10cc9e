#include "taxdata_statementform.h"
#include "utils.h"

TaxData_StatementForm::TaxData_StatementForm(const FieldTable &fields, int formType, const FieldTable &rowFields)
    : CTaxData_Form(fields, KindForm, formType),
      m_percentage(fields.indexOf(QStringLiteral("Percentage"))),
      m_beforeAdjustments(fields.indexOf(QStringLiteral("NetIncomeBeforeAdj"))),
      m_netIncome(fields.indexOf(QStringLiteral("NetIncome")))
{
    Q_ASSERT(m_percentage >= 0 && m_beforeAdjustments >= 0 && m_netIncome >= 0);
    addRowList(rowFields);
}

const FieldTable &TaxData_StatementForm::incomeExpenseRows()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Code", FieldKind::Int},
        {"Amount", FieldKind::Amount}
    };
    return table;
}

std::vector<FieldSpec> withPeriodAndIncome(std::initializer_list<FieldSpec> owner, StatementIncomeLines lines,
                                           std::initializer_list<FieldSpec> after)
{
    std::vector<FieldSpec> specs(owner);
    const FieldSpec periodAndIncome[] = {
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, lines.grossIncome},
        {"Expenses", FieldKind::Amount, lines.expenses},
        {"NetIncomeBeforeAdj", FieldKind::Amount, lines.beforeAdjustments},
        {"NetIncome", FieldKind::Amount, 9946},
    };
    specs.insert(specs.end(), std::begin(periodAndIncome), std::end(periodAndIncome));
    specs.insert(specs.end(), after.begin(), after.end());
    return specs;
}

void TaxData_StatementForm::calculateNetIncome(double income, double expenses, double deductions)
{
    const double before = roundToCent(income - expenses);
    setAmount(m_beforeAdjustments, before);
    setAmount(m_netIncome, roundToCent((before - deductions) * amount(m_percentage) / 100.0));
}
