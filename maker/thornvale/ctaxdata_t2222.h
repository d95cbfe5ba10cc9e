#pragma once
#include "ctaxdata_form.h"

// T2222: northern residents deductions.
class CTaxData_T2222 : public CTaxData_Form
{
public:
    enum Field {
        F_Zone, F_Days, F_ResidencyDeduction, F_TravelDeduction, F_Deduction,
        // the other three day counts
        F_Days2, F_Days3, F_Days4,
        // days of the additional residency amount: the person maintained and lived in a
        // dwelling in the zone and no one else living in it claims the basic amount
        F_AdditionalDays,
        // non-taxable benefits for board and lodging in the zone
        F_BoardAndLodging,
        // set by the recalculation of a coupled return: the spouse claims the basic amount too
        F_SpouseClaimsBasic,
        F_Count
    };
    // Columns of the trips of the travel deduction.
    enum Column {
        C_Traveller, C_Medical, C_EmployerBenefit, C_StandardAmount, C_Expenses, C_Airfare, C_Deduction, C_ColumnCount
    };

    CTaxData_T2222();

    void Calculate01() override;
    int validate(int edition, QList<CString> &messages) override;
    void collectWarnings(QList<CString> &warnings) const override;
    // The deductions with the residency deduction held to 20 % of the net income.
    void calculateWithNetIncome(double netIncome);
    // Days of residence are claimed in a zone.
    bool claimsBasicAmount() const;

private:
    void calculate(double residencyLimit);
    double zoneShare() const;
    double residencyAmount() const;
    double calculateTrips();
};
