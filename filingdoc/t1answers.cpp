#include "t1answers.h"
#include "formtables.h"
#include "taxdata_t1new.h"

namespace t1answers {

namespace {

using T1 = TaxData_T1New;

enum Province { NewfoundlandLabrador = 5, NorthwestTerritories = 6, Yukon = 13 };
enum Choice { Yes = 0, No = 1, Citizen = 0 };
constexpr int kLargestFirstNationCode = 99999;   // five digits in the barcode

// The Yukon First Nation code: the code typed, else a settlement number of digits.
int yukonFirstNationCode(const T1 &t)
{
    const int code = t.intValue(T1::F_YukonFirstNation);
    if (code > 0)
        return code <= kLargestFirstNationCode ? code : 0;
    const QString number = t.text(T1::F_YukonSettlementNumber).trimmed();
    bool digits = !number.isEmpty();
    for (const QChar c : number)
        digits = digits && c.isDigit() && c.unicode() < 128;
    const int n = digits && number.size() <= 5 ? number.toInt() : 0;
    return n > 0 ? n : 0;
}

void fillYukon(const T1 &t, Territory &a)
{
    a.landResidence = yesNo(t.intValue(T1::F_SettlementLand));
    const int code = yukonFirstNationCode(t);
    if (code > 0) {
        a.firstNation = QString::number(code);
        a.firstNationId = yesNo(t.intValue(T1::F_FirstNationIdentification));
    }
}

void fillNorthwestTerritories(const T1 &t, Territory &a)
{
    a.tlicho = yesNo(t.intValue(T1::F_Tlicho));
    const int deline = t.intValue(T1::F_Deline);
    a.deline = yesNo(deline);
    if (deline == Yes)
        a.firstNationId = yesNo(t.intValue(T1::F_DelineFirstNation));
}

} // namespace

QString yesNo(int choice)
{
    if (choice == Yes)
        return QStringLiteral("1");
    if (choice == No)
        return QStringLiteral("2");
    return QString();
}

QString electionsCanada(const TaxData_T1New &t1)
{
    if (t1.intValue(T1::F_Citizenship) != Citizen)
        return QString();
    return t1.flag(T1::F_ElectionsCanada) ? QStringLiteral("01") : QStringLiteral("02");
}

QString spouseSelfEmployed(const TaxData_T1New &t1)
{
    return t1.HasSpouse() && t1.flag(T1::F_SpouseSelfEmployed) ? QStringLiteral("1") : QStringLiteral("0");
}

QDate dateOfMove(const TaxData_T1New &t1)
{
    const QDate moved = t1.date(T1::F_DateOfMove);
    return moved.isValid() && (moved.year() == 2024 || moved.year() == 2025) ? moved : QDate();
}

int mailingProvince(const TaxData_T1New &t1)
{
    return provinceFromCode(t1.text(T1::F_MailProvince));
}

Territory territory(const TaxData_T1New &t1, int province)
{
    Territory a;
    if (province == Yukon)
        fillYukon(t1, a);
    else if (province == NorthwestTerritories)
        fillNorthwestTerritories(t1, a);
    else if (province == NewfoundlandLabrador)
        a.landResidence = yesNo(t1.intValue(T1::F_LabradorInuit));
    return a;
}

} // namespace t1answers
