#pragma once
#include <QDate>
#include <QString>

class TaxData_T1New;

// The T1 answers that the filing document and the 2D barcode both carry, worked
// out once so that the two always say the same. An empty text: not filed.
namespace t1answers {

// "1" for a yes choice (0), "2" for a no choice (1), empty for any other value.
QString yesNo(int choice);

// "01" authorises the CRA to give the information to Elections Canada (box
// ticked), "02" does not; empty when the person is not a Canadian citizen.
QString electionsCanada(const TaxData_T1New &t1);

// "1" when the person has a spouse or common-law partner who was self-employed
// in the year (the June 15 filing deadline), else "0".
QString spouseSelfEmployed(const TaxData_T1New &t1);

// The date of the move to the province of residence when it falls in the tax
// year or the next; an invalid date otherwise.
QDate dateOfMove(const TaxData_T1New &t1);

// The province or territory (1 to 13) whose two-letter code the mailing address
// holds, in either letter case; 0 for anything else (a name, an abbreviation,
// nothing at all). Only the code is filed.
int mailingProvince(const TaxData_T1New &t1);

// The residence answers of Yukon, the Northwest Territories and Newfoundland and
// Labrador, each "1" yes or "2" no, of the person's province.
struct Territory
{
    QString landResidence;   // Yukon First Nation settlement land, or the Labrador Inuit area
    QString firstNation;     // Yukon First Nation code, digits without padding
    QString firstNationId;   // citizen of the named Yukon First Nation, or of the Deline First Nation
    QString tlicho;
    QString deline;
};
Territory territory(const TaxData_T1New &t1, int province);

} // namespace t1answers
