#include "ctaxdata_t2222.h"
#include "taxrates2024.h"
#include "utils.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

namespace nr = tax2024::forms;

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Zone", FieldKind::Int},
        {"Days", FieldKind::Int},
        {"ResidencyDeduction", FieldKind::Amount},
        {"TravelDeduction", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 25500},
        {"Days2", FieldKind::Int},
        {"Days3", FieldKind::Int},
        {"Days4", FieldKind::Int},
        {"AdditionalDays", FieldKind::Int},
        {"BoardAndLodging", FieldKind::Amount},
        {"SpouseClaimsBasic", FieldKind::Flag}
    };
    return table;
}

const FieldTable &tripFields()
{
    static const FieldTable table{
        {"Traveller", FieldKind::Text},
        {"Medical", FieldKind::Flag},
        {"EmployerBenefit", FieldKind::Amount},
        {"StandardAmount", FieldKind::Amount},
        {"Expenses", FieldKind::Amount},
        {"Airfare", FieldKind::Amount},
        {"Deduction", FieldKind::Amount}
    };
    return table;
}

// A traveller's name as the trips match it: an empty name is the person.
QString travellerKey(const FieldRecord &trip)
{
    return trip.text(CTaxData_T2222::C_Traveller).trimmed().toCaseFolded();
}

} // namespace

CTaxData_T2222::CTaxData_T2222() : CTaxData_Form(formFields(), KindForm, 49)
{
    addRowList(tripFields());
}

void CTaxData_T2222::Calculate01()
{
    calculate(std::numeric_limits<double>::max());
}

// The residency deduction is at most 20 % of net income (line 23600), nil with a loss.
void CTaxData_T2222::calculateWithNetIncome(double netIncome)
{
    calculate(roundToCent(std::max(0.0, netIncome) * nr::kNorthernNetIncomeShare));
}

bool CTaxData_T2222::claimsBasicAmount() const
{
    return zoneShare() > 0.0 && intValue(F_Days) > 0;
}

void CTaxData_T2222::calculate(double residencyLimit)
{
    setAmount(F_ResidencyDeduction, roundToCent(std::min(residencyAmount(), residencyLimit)));
    setAmount(F_TravelDeduction, calculateTrips());
    setAmount(F_Deduction, amount(F_ResidencyDeduction) + amount(F_TravelDeduction));
}

// 1 in the northern zone (A), one half in the intermediate zone (B), 0 without a zone.
double CTaxData_T2222::zoneShare() const
{
    switch (intValue(F_Zone)) {
    case 1: return 1.0;
    case 2: return nr::kIntermediateZoneShare;
    default: return 0.0;
    }
}

// The basic amount for the days of residence, the additional amount for the days the
// person kept the dwelling as its only claimant (none when the spouse claims the basic
// amount too), less the board and lodging benefits; each at the zone's share.
double CTaxData_T2222::residencyAmount() const
{
    const int days = std::max(0, intValue(F_Days));
    const int additional = flag(F_SpouseClaimsBasic) ? 0 : std::clamp(intValue(F_AdditionalDays), 0, days);
    const double perDay = nr::kNorthernDailyAmount * zoneShare();
    const double boardAndLodging = std::max(0.0, amount(F_BoardAndLodging)) * zoneShare();
    return std::max(0.0, perDay * (days + additional) - boardAndLodging);
}

// Each trip gives the lowest of the employer's travel benefit (or, for a traveller with
// none, the part of the 1,200 standard amount given to the trip), its expenses and the
// lowest return airfare to the nearest designated city; a traveller's trips beyond the
// second that are not for medical care give nothing. Each at the zone's share.
double CTaxData_T2222::calculateTrips()
{
    FieldRowList &trips = rows(0);
    QHash<QString, bool> employerPaid;
    for (int i = 0; i < trips.count(); ++i)
        if (isAmountEntered(trips.row(i).number(C_EmployerBenefit)))
            employerPaid.insert(travellerKey(trips.row(i)), true);

    QHash<QString, double> standardUsed;
    QHash<QString, int> otherTrips;
    double total = 0.0;
    for (int i = 0; i < trips.count(); ++i) {
        FieldRecord &trip = trips.row(i);
        const QString who = travellerKey(trip);
        double deduction = 0.0;
        if (trip.number(C_Medical) != 0.0 || ++otherTrips[who] <= nr::kNorthernNonMedicalTrips) {
            double benefit = std::max(0.0, trip.number(C_EmployerBenefit));
            if (!employerPaid.value(who)) {
                double &used = standardUsed[who];
                benefit = std::clamp(trip.number(C_StandardAmount), 0.0, nr::kNorthernStandardTravelAmount - used);
                used += benefit;
            }
            deduction = roundToCent(std::max(
                0.0, std::min({benefit, trip.number(C_Expenses), trip.number(C_Airfare)}) * zoneShare()));
        }
        trip.setNumber(C_Deduction, deduction);
        total += deduction;
    }
    return roundToCent(total);
}

int CTaxData_T2222::validate(int, QList<CString> &messages)
{
    if (intValue(F_AdditionalDays) <= std::max(0, intValue(F_Days)))
        return 0;
    messages.append(CString("The days of the additional residency amount in form T2222 can NOT be more than the days "
                            "of residence in the zone."));
    return 1;
}

void CTaxData_T2222::collectWarnings(QList<CString> &warnings) const
{
    const FieldRowList &trips = rows(0);
    for (int i = 0; i < trips.count(); ++i) {
        if (isAmountEntered(trips.row(i).number(C_Expenses)) && !isAmountEntered(trips.row(i).number(C_Airfare))) {
            warnings.append(CString("A trip in form T2222 has travel expenses but no lowest return airfare to the "
                                    "nearest designated city, so it gives no travel deduction. Please confirm the "
                                    "airfare of each trip."));
            return;
        }
    }
}
