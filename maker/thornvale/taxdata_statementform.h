#pragma once
#include "ctaxdata_form.h"
#include "fieldtable.h"
#include <initializer_list>
#include <vector>

// The line codes of a farming or fishing statement's gross income, expenses and
// net income before adjustments.
struct StatementIncomeLines
{
    int grossIncome;
    int expenses;
    int beforeAdjustments;
};
constexpr StatementIncomeLines kFarmingLines{9659, 9898, 9899};
constexpr StatementIncomeLines kFishingLines{8299, 9368, 9369};

// The rows of a farming or fishing statement (T2042, T2121, T1163, T1273): the
// owner's rows, the fiscal period, the percentage, gross income, expenses, net
// income before adjustments and net income, then the rows after.
std::vector<FieldSpec> withPeriodAndIncome(std::initializer_list<FieldSpec> owner, StatementIncomeLines lines,
                                           std::initializer_list<FieldSpec> after = {});

// Base of the statements of farming, fishing and rental activities: each keys
// its own fields, and names its percentage, net income before adjustments and
// net income "Percentage", "NetIncomeBeforeAdj" and "NetIncome".
class TaxData_StatementForm : public CTaxData_Form
{
public:
    // Columns of an income or expense row (incomeExpenseRows).
    enum Column {
        C_Description, C_Code, C_Amount, C_ColumnCount
    };

protected:
    TaxData_StatementForm(const FieldTable &fields, int formType, const FieldTable &rowFields);

    // The three columns of an income or expense row (description, code, amount).
    static const FieldTable &incomeExpenseRows();

    // Net income before adjustments: income less expenses; net income: the
    // owner's percentage of it after the deductions, to the cent.
    void calculateNetIncome(double income, double expenses, double deductions = 0.0);

private:
    int m_percentage;
    int m_beforeAdjustments;
    int m_netIncome;
};
