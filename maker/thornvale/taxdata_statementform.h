#pragma once
#include "ctaxdata_form.h"

// Base of the statements of farming, fishing and rental activities: each keys
// its own fields, and names its percentage, net income before adjustments and
// net income "Percentage", "NetIncomeBeforeAdj" and "NetIncome".
class TaxData_StatementForm : public CTaxData_Form
{
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
