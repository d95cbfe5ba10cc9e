#include "barcodedata.h"
#include "cmemoryblock.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t5013.h"
#include "filingformat.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "mydatastream.h"
#include "netfilerecords.h"
#include "settingsseam.h"
#include "sfdstatements.h"
#include "sfdbarcodefixeddata.h"
#include "t1answers.h"
#include "t1returnbarcodefixeddata.h"
#include "t1returndocument.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2091.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t776new.h"
#include "taxdata_t777new.h"
#include "taxdata_tl2_new.h"
#include "utils.h"
#include <algorithm>
#include <cmath>

namespace {

using T1 = TaxData_T1New;
using WrittenCodes = QMap<int, NetfileWrittenCode>;

enum FormType {
    T1Form = 1, T776 = 12, T2042 = 21, T5013 = 38, T2121 = 51, RC71 = 53, T777 = 59, TL2 = 92,
    T2125 = 125, T2125Partnership = 131, T2091Designation = 147, T2091 = 160,
};
enum Province { Manitoba = 3 };
enum Answer { Yes = 0, No = 1 };
constexpr int kMaxSfdBlocks = 2;
constexpr int kProfessional = 1;   // T2125 income kind

T1 *t1Of(IndividualTaxData &person) { return dynamic_cast<T1 *>(person.getForm(T1Form, 0, false)); }

CString format(const char *pattern, long long v)
{
    CString s;
    s.sprintf2023(pattern, v);
    return s;
}

// "%09d" of a whole number that must fit nine characters.
CString nineDigits(double v)
{
    if (std::isnan(v))
        return CString("000000000");
    const double t = std::trunc(v);
    const long long n = t > 999999999.0 ? 999999999LL : t < -99999999.0 ? -99999999LL : (long long)t;
    return format("%09lld", n);
}

CString ymd(const QDate &d)
{
    return d.isValid() ? format("%08lld", d.year() * 10000LL + d.month() * 100 + d.day()) : CString("00000000");
}

CString provinceCode(int province)
{
    return province >= 1 && province < kProvinceCount ? CString(Global_Provs_Info[province].word[0]) : CString();
}

CString streetText(const T1 &t)
{
    // the street line as the filing document forms it, apartment included
    CString line;
    t.GetFullAddressWithoutPostcode(11, line);
    QString s = line;
    auto add = [&s](const QString &part) {
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        if (!s.isEmpty())
            s += QLatin1Char(' ');
        s += part;
    };
    if (!t.text(T1::F_POBox).isEmpty())
        add(t.text(T1::F_POBox));
    if (!t.text(T1::F_RuralRoute).isEmpty())
        add(QStringLiteral("RR ") + t.text(T1::F_RuralRoute));
    return CString(s);
}

// An answer 0 (yes) gives yesText, 1 (no) noText; any other leaves the item.
void setAnswer(FixedBarcodeItem &item, int answer, const char *yesText, const char *noText)
{
    if (answer == Yes)
        item.SetValue(yesText);
    else if (answer == No)
        item.SetValue(noText);
}

// The answer as the document files it; the item's zeros when it is not filed.
void setFiled(FixedBarcodeItem &item, const QString &answer)
{
    if (answer.isEmpty())
        item.SetAllCharsTo('0');
    else
        item.SetValue(CString(answer));
}

// ---- the steps of fillT1BarcodeFixedData

void fillIdentity(IndividualTaxData &person, const T1 &t, T1ReturnBarcodeFixedData &r)
{
    if (auto *rc71 = dynamic_cast<CTaxData_RC71 *>(person.getForm(RC71, 0, false)))
        r.discounterNumber.SetValueLeftPadding(rc71->text(CTaxData_RC71::F_DiscounterCode).trimmed(), '0');
    r.sin.SetValueLeftPadding(t.sin().remove(QLatin1Char(' ')), '0');
    r.birthDate.SetValue(GetDateStr(t.dateOfBirth(), 1));
    r.province.SetValue(provinceCode(person.province()));
    r.province2.SetValue(provinceCode(person.province()));
    r.maritalStatus.SetValue(format("%1lld", t.maritalStatus() + 1));
    if (person.hasSpouseInformation()) {
        r.spouseSin.SetValueLeftPadding(t.spouseSin().remove(QLatin1Char(' ')), '0');
        r.spouseFirstName.SetValueRightPadding(t.spouseFirstName(), ' ');
    }
    r.firstName.SetValueRightPadding(t.firstName(), ' ');
    r.lastName.SetValueRightPadding(t.lastName(), ' ');
    r.blank26.SetAllCharsTo(' ');
}

void fillAddress(const T1 &t, T1ReturnBarcodeFixedData &r)
{
    r.street.SetValueRightPadding(streetText(t), ' ');
    r.city.SetValueRightPadding(t.text(T1::F_City), ' ');
    const int mailProvince = t1answers::mailingProvince(t);
    if (t.flag(T1::F_ForeignMailing) || mailProvince == 0)
        r.mailProvince.SetAllCharsTo(' ');
    else
        r.mailProvince.SetValue(provinceCode(mailProvince));
    r.postalCode.SetValueRightPadding(GetRawPostcode(t.text(T1::F_Postcode)), ' ');
    r.email.SetValueRightPadding(t.emailAddress(), ' ');
    const QDate moved = t1answers::dateOfMove(t);
    if (moved.isValid())
        r.dateOfMove.SetValue(GetDateStr(moved, 1));
    setAnswer(r.homeAddressSame, t.intValue(T1::F_HomeAddressSame), "1", "2");
    const QString phone = t.text(T1::F_Phone);
    if (phone.trimmed().isEmpty())
        r.phone.SetAllCharsTo('0');
    else
        r.phone.SetValueRightPadding(GetRawPhoneStr(phone, true), ' ');
    r.language.SetValue(format("%1lld", t.intValue(T1::F_Language) + 1));
}

void fillSpecialSituations(IndividualTaxData &person, const T1 &t, T1ReturnBarcodeFixedData &r)
{
    if (t.CanClaimSpouse()) {
        r.spouseNetIncome.SetValueLeftPadding(nineDigits(t.amount(T1::F_SpouseNetIncome)), '0');
        r.spouseUccb.SetValueLeftPadding(nineDigits(t.amount(T1::F_SpouseUCCB)), '0');
        r.spouseUccbRepayment.SetValueLeftPadding(nineDigits(t.amount(T1::F_SpouseUCCBRepayment)), '0');
    }
    if (t.KnowDeceasedDate()) {
        r.deceased.SetValue("1");
        r.deceasedDate.SetValue(ymd(t.date(T1::F_DeceasedDate)));
    }
    if (t.IsBankrupt()) {
        r.bankrupt.SetValue("1");
        r.bankruptNetIncome.SetValueLeftPadding(
            nineDigits(wholeBankruptAmount(t.amount(T1::F_PostBankruptNetIncome))), '0');
        if (person.province() == Manitoba)
            r.bankruptManitobaAmount.SetValueLeftPadding(
                nineDigits(wholeBankruptAmount(t.amount(T1::F_ManitobaBankruptAmount))), '0');
    }
    // the document's SFD record count
    r.selfEmploymentForms.SetValue(format("%02lld", qBound(0, sfdRecordCount(sfdStatements(person)), 99)));
    r.blank37.SetValueRightPadding(CString(), ' ');
    r.spouseSelfEmployed.SetValue(CString(t1answers::spouseSelfEmployed(t)));
    setAnswer(r.citizenship, t.intValue(T1::F_Citizenship), "1", "2");
    setFiled(r.electionsCanada, t1answers::electionsCanada(t));
}

void fillProvinceAnswers(IndividualTaxData &person, const T1 &t, T1ReturnBarcodeFixedData &r)
{
    const t1answers::Territory a = t1answers::territory(t, person.province());
    setFiled(r.provinceAnswer1, a.landResidence);
    setFiled(r.provinceAnswer2, a.tlicho);
    setFiled(r.provinceAnswer3, a.deline);
    if (a.firstNation.isEmpty())
        r.firstNationCode.SetAllCharsTo('0');
    else
        r.firstNationCode.SetValueLeftPadding(CString(a.firstNation), '0');
    setFiled(r.firstNationId, a.firstNationId);
}

void fillClosingItems(const T1 &t, T1ReturnBarcodeFixedData &r)
{
    const int residence = t.intValue(T1::F_CurrentProvince);
    if (residence != 0)
        r.residenceProvince.SetValue(provinceCode(residence));
    else
        r.residenceProvince.SetAllCharsTo(' ');
    if (t.flag(T1::F_T90Flag))
        r.t90.SetValue("1");
    if (t.isProvEligibleForCAI())
        r.ruralSupplement.SetValue(t.flag(T1::F_RuralSupplement) ? "1" : "2");
    if (t.HasMaritalChange())
        r.maritalChangeDate.SetValue(FormatQDate(t.date(T1::F_MaritalChangeDate), 7));
    if (t.isDonorInfoNeeded())
        r.organDonor.SetValue(t.flag(T1::F_OrganDonor) ? "1" : "2");
}

// ---- line entries

// The magnitude of an amount in whole units of 1/scale dollar, truncated: the
// amount is taken to the millionth first, so 4.35 gives 435 cents and not the
// 434 of its binary form.
long long wholeUnits(double amount, long long scale)
{
    const long long millionths = std::llround(std::fabs(amount) * 1e6);
    return millionths / (1000000 / scale);
}

// "code" and the units, or "code&" and the units of a negative amount.
CString unitsEntry(int code, double amount, long long scale)
{
    CString s;
    s.sprintf2023(amount < 0 ? "%d&%lld" : "%d%lld", code, wholeUnits(amount, scale));
    return s;
}

QByteArray lineEntry(int code, const NetfileWrittenCode &w)
{
    CString s;
    switch (w.entryType) {
    case 1: s = unitsEntry(code, w.amount, 1); break;
    case 2: s = unitsEntry(code, w.amount, 100); break;
    case 3: s.sprintf2023("%d%d", code, w.number); break;
    case 4: s = CString(QString::number(code) + w.text); break;
    default: return QByteArray();
    }
    return s.toUtf8();
}

// A barcode collector run by fill, then its entries and "-EOD" appended to the block.
template <class Fill>
void appendCollected(CMemoryBlock &block, Fill fill)
{
    CString text;
    int counter = 0;
    WrittenCodes written;
    NetfileGenObjParamStru context;
    context.mode = 1;
    context.outputKind = 2;
    context.recordText = &text;
    context.counter = &counter;
    context.writtenCodes = &written;
    fill(context);
    appendLineAmounts(written, block);
    block.Append("-EOD");
}

// ---- SFD records

CString twoDecimalPercentage(double v)
{
    return v > 99.99 ? CString("0000") : format("%04lld", (long long)(v * 100));
}

CString indicator(bool on) { return on ? CString("1") : CString("2"); }

void startSfdRecord(SFDBarcodeFixedData &r, int number, const char *code)
{
    r.blockNumber.SetValue(format("%02lld", qBound(0, number, 99)));
    r.formCode.SetValue(code);
}

void blankPartners(SFDBarcodeFixedData &r)
{
    for (SFDBarcodeFixedData::Partner &p : r.partners) {
        p.text1.SetAllCharsTo(' ');
        p.text2.SetAllCharsTo(' ');
        p.zeros.SetAllCharsTo('0');
        p.share.SetAllCharsTo('0');
    }
}

// "%06d" of a partner's share times 10000; all 0 above 99.
CString fourDecimalShare(double v)
{
    return v > 99.0 || v < 0.0 ? CString("000000") : format("%06lld", (long long)(v * 10000));
}

// A count above 0.5, truncated; else nothing (the item stays blank).
CString countText(double v)
{
    return v > 0.5 ? format("%lld", (long long)std::trunc(qMin(v, 1e9))) : CString();
}

// An identifier without its blanks and dashes, upper case.
QString compactId(const QString &text)
{
    QString out = text.trimmed().toUpper();
    out.remove(QLatin1Char(' '));
    out.remove(QLatin1Char('-'));
    return out;
}

struct PartnerValues
{
    QString name, address;
    double share = 0.0;
};

// The values of a statement form's record, from its own fields.
struct StatementValues
{
    const char *firstIndicator;      // null: the form's indicator
    bool firstFlag = false;
    QString code6;
    bool code6Padded = true;
    QString sin, text1, text2, postcode;
    bool blankText2 = false, blankPostcode = false, blankId8 = false;
    QDate start, end;
    QString id9, id8, id15;
    double percentage = 0.0;
    bool secondFlag = false;
    PartnerValues partners[SFDBarcodeFixedData::kPartners];
    // the business statement's counts and long texts
    double count1 = 0.0, count2 = 0.0;
    QString longText1, longText2;
};

// The identification that every statement form carries (statementidentity.h).
template <class Form>
void setIdentity(const Form &f, StatementValues &v)
{
    v.code6 = f.text(Form::F_IndustryCode).trimmed();
    v.id9 = compactId(f.text(Form::F_BusinessNumber));
    v.id8 = compactId(f.text(Form::F_TaxShelterId));
    v.id15 = compactId(f.text(Form::F_PartnershipBN));
    v.firstFlag = f.flag(Form::F_Partnership);
    v.secondFlag = f.flag(Form::F_LastYear);
    for (int k = 0; k < SFDBarcodeFixedData::kPartners; ++k) {
        const int first = Form::F_Partner1Name + k * kFieldsPerPartner;
        v.partners[k].name = f.text(first).trimmed();
        v.partners[k].address = f.text(first + 1).trimmed();
        v.partners[k].share = f.amount(first + 2);
    }
}

void fillPartners(const StatementValues &v, SFDBarcodeFixedData &r)
{
    for (int k = 0; k < SFDBarcodeFixedData::kPartners; ++k) {
        SFDBarcodeFixedData::Partner &p = r.partners[k];
        p.text1.SetValueRightPadding(v.partners[k].name, ' ');
        p.text2.SetValueRightPadding(v.partners[k].address, ' ');
        p.zeros.SetAllCharsTo('0');
        p.share.SetValue(fourDecimalShare(v.partners[k].share));
    }
}

void fillStatement(const StatementValues &v, SFDBarcodeFixedData &r)
{
    r.blank2.SetAllCharsTo(' ');
    r.indicator1.SetValue(v.firstIndicator ? CString(v.firstIndicator) : indicator(v.firstFlag));
    if (v.code6Padded)
        r.code6.SetValueRightPadding(v.code6, '0');
    else
        r.code6.SetValue(v.code6);
    r.sin.SetValueLeftPadding(CString(v.sin).remove(QLatin1Char(' ')), '0');
    r.textLine1.SetValueRightPadding(v.text1, ' ');
    if (v.blankText2)
        r.textLine2.SetAllCharsTo(' ');
    else
        r.textLine2.SetValueRightPadding(v.text2, ' ');
    if (v.blankPostcode)
        r.postalCode.SetAllCharsTo(' ');
    else
        r.postalCode.SetValueRightPadding(GetRawPostcode(v.postcode), ' ');
    r.date1.SetValue(ymd(v.start));
    r.date2.SetValue(ymd(v.end));
    r.id9.SetValueRightPadding(v.id9, '0');
    r.percentage.SetValue(twoDecimalPercentage(v.percentage));
    if (v.blankId8)
        r.id8.SetAllCharsTo(' ');
    else
        r.id8.SetValueRightPadding(v.id8, ' ');
    r.indicator2.SetValue(indicator(v.secondFlag));
    r.id15.SetValueRightPadding(v.id15, ' ');
    r.count1.SetValueRightPadding(countText(v.count1), ' ');
    r.longText1.SetValueRightPadding(v.longText1, ' ');
    r.longText2.SetValueRightPadding(v.longText2, ' ');
    r.count2.SetValueLeftPadding(countText(v.count2), ' ');
    fillPartners(v, r);
}

// Record, then the form's line entries.
template <class Form>
void finishSfdBlock(SFDBarcodeFixedData &r, Form &form, CMemoryBlock &block)
{
    r.OutputToMemoryBlock(block);
    appendCollected(block, [&form](NetfileGenObjParamStru &c) { form.WriteFreeData(1, c); });
}

const char *t5013KindCode(int kind)
{
    switch (kind) {
    case CTaxData_T5013::Rental: return "01";
    case CTaxData_T5013::Business:
    case CTaxData_T5013::Commission: return "02";
    case CTaxData_T5013::Professional: return "03";
    case CTaxData_T5013::Fishing: return "04";
    case CTaxData_T5013::Farming: return "05";
    default: return nullptr;
    }
}

// The barcode's order of the SFD records: its passes over the form list by type;
// -1 for a record it has no block for (a T1163).
int barcodePass(int formType)
{
    static const int order[] = {T776, T2042, T2121, T2125, T2125Partnership, T5013, T777, TL2};
    for (int i = 0; i < int(sizeof order / sizeof order[0]); ++i)
        if (order[i] == formType)
            return i;
    return formType == T2091 || formType == T2091Designation ? int(sizeof order / sizeof order[0]) : -1;
}

} // namespace

// ---- eligibility and count

bool isBarcodeEligible(IndividualTaxData &person)
{
    const T1 *t = t1Of(person);
    if (!t)
        return false;
    const QString sin = t->sin().remove(QLatin1Char(' '));
    if (sin.isEmpty() || sin.compare(QLatin1String("000000000"), Qt::CaseInsensitive) == 0)
        return false;
    if (!CheckSIN(sin) || sin.startsWith(QLatin1Char('0')))
        return false;
    return !t->IsEmmigrant() && !t->IsImmigrant();
}

int getSfdBlockCount(IndividualTaxData &person)
{
    return buildSfdBlocks(person).size();
}

QList<QByteArray> buildSfdBlocks(IndividualTaxData &person)
{
    // the document's SFD records, in the barcode's order
    QList<SfdStatement> statements = sfdStatements(person);
    std::stable_sort(statements.begin(), statements.end(), [](const SfdStatement &a, const SfdStatement &b) {
        return barcodePass(a.formType) < barcodePass(b.formType);
    });
    QList<QByteArray> blocks;
    CMemoryBlock block;
    for (const SfdStatement &s : statements) {
        block.Init();
        if (!writeSfdBlock(person, s, block, blocks.size() + 1))
            return {};   // one the barcode cannot hold: it holds none rather than others than filed
        blocks.append(block.bytes());
    }
    return blocks;
}

bool writeSfdBlock(IndividualTaxData &person, const SfdStatement &s, CMemoryBlock &block, int number)
{
    CTaxData_Form &f = *s.form;
    switch (s.formType) {
    case T776: writeSfdT776(person, static_cast<TaxData_T776New &>(f), block, number); return true;
    case T2042: writeSfdT2042(person, static_cast<TaxData_T2042New &>(f), block, number); return true;
    case T2121: writeSfdT2121(person, static_cast<TaxData_T2121New &>(f), block, number); return true;
    case T2125:
    case T2125Partnership:
        writeSfdT2125(person, static_cast<TaxData_T2125_New &>(f), s.formType, block, number);
        return true;
    case T5013: return writeSfdT5013(person, static_cast<CTaxData_T5013 &>(f), s.row, block, number);
    case T777: writeSfdT777(person, static_cast<TaxData_T777New &>(f), block, number); return true;
    case TL2: writeSfdTL2(person, static_cast<TaxData_TL2_New &>(f), block, number); return true;
    case T2091:
    case T2091Designation:
        writeSfdT2091(person, static_cast<TaxData_T2091 &>(f), s.formType, block, number);
        return true;
    default: return false;
    }
}

// ---- T1 block

void fillT1BarcodeFixedData(IndividualTaxData &person, T1ReturnBarcodeFixedData &record)
{
    const T1 *t = t1Of(person);
    if (!t)
        return;
    fillIdentity(person, *t, record);
    fillAddress(*t, record);
    fillSpecialSituations(person, *t, record);
    fillProvinceAnswers(person, *t, record);
    fillClosingItems(*t, record);
}

void writeT1BarcodeBlock(IndividualTaxData &person, CMemoryBlock &block)
{
    const T1 *t = t1Of(person);
    if (!t)
        return;
    const QByteArray code = settingsSource()->configValue(QStringLiteral("EfileSoftwareCode")).toUtf8();
    T1ReturnBarcodeFixedData record(code.constData());
    fillT1BarcodeFixedData(person, record);
    record.OutputToMemoryBlock(block);
    const CString efileNumber = t->text(T1::F_EFileNumber);
    appendCollected(block, [&](NetfileGenObjParamStru &c) {
        person.addNetfileFieldRecords(1, c);
        if (efileNumber.GetLength() == 5)
            NETFILE_STRING_VALUE_Func(48900, 5, efileNumber, c);
    });
}

void appendLineAmounts(const WrittenCodes &written, CMemoryBlock &block)
{
    bool first = true;
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        const QByteArray entry = lineEntry(it.key(), it.value());
        if (entry.isEmpty())
            continue;
        if (!first)
            block.Append("-");
        block.Append(entry);
        first = false;
    }
}

// ---- SFD blocks

void fillSfdHeader(IndividualTaxData &person, SFDBarcodeFixedData &r)
{
    const T1 *t = t1Of(person);
    r.blank2.SetAllCharsTo(' ');
    r.indicator1.SetValue("0");
    r.code6.SetAllCharsTo('0');
    r.sin.SetValueLeftPadding(t ? t->sin().remove(QLatin1Char(' ')) : QString(), '0');
    r.textLine1.SetAllCharsTo(' ');
    r.textLine2.SetAllCharsTo(' ');
    r.postalCode.SetAllCharsTo(' ');
    r.date1.SetValue("00000000");
    r.date2.SetValue("00000000");
    r.id9.SetAllCharsTo('0');
    r.percentage.SetValue("0000");
    r.id8.SetAllCharsTo(' ');
    r.indicator2.SetValue("0");
    r.id15.SetAllCharsTo(' ');
    blankPartners(r);
}

void writeSfdT776(IndividualTaxData &, TaxData_T776New &f, CMemoryBlock &block, int number)
{
    using F = TaxData_T776New;
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, "01");
    StatementValues v;
    setIdentity(f, v);
    v.firstIndicator = "0";
    v.code6Padded = false;
    v.sin = f.text(F::F_OwnerSIN);
    v.text1 = f.text(F::F_OwnerName);
    v.text2 = f.text(F::F_Address);
    v.postcode = f.text(F::F_Postcode);
    v.start = f.date(F::F_FiscalStart);
    v.end = f.date(F::F_FiscalEnd);
    v.percentage = f.amount(F::F_Percentage);
    fillStatement(v, r);
    finishSfdBlock(r, f, block);
}

template <class Form>
StatementValues farmingOrFishing(const Form &f)
{
    StatementValues v;
    setIdentity(f, v);
    v.firstIndicator = nullptr;
    v.sin = f.text(Form::F_OwnerSIN);
    v.text1 = f.text(Form::F_OwnerName);
    v.start = f.date(Form::F_FiscalStart);
    v.end = f.date(Form::F_FiscalEnd);
    v.percentage = f.amount(Form::F_Percentage);
    return v;
}

void writeSfdT2042(IndividualTaxData &, TaxData_T2042New &f, CMemoryBlock &block, int number)
{
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, "05");
    StatementValues v = farmingOrFishing(f);
    v.text2 = f.text(TaxData_T2042New::F_Address);
    v.postcode = f.text(TaxData_T2042New::F_Postcode);
    v.blankId8 = true;
    fillStatement(v, r);
    finishSfdBlock(r, f, block);
}

void writeSfdT2121(IndividualTaxData &, TaxData_T2121New &f, CMemoryBlock &block, int number)
{
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, "04");
    StatementValues v = farmingOrFishing(f);
    v.blankText2 = true;
    v.blankPostcode = true;
    fillStatement(v, r);
    finishSfdBlock(r, f, block);
}

void writeSfdT2125(IndividualTaxData &, TaxData_T2125_New &f, int formType, CMemoryBlock &block, int number)
{
    using F = TaxData_T2125_New;
    const bool professional = formType == T2125 && f.intValue(F::F_IncomeKind) == kProfessional;
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, professional ? "03" : "02");
    StatementValues v;
    setIdentity(f, v);
    v.firstIndicator = "1";
    v.sin = f.text(F::F_OwnerSIN);
    v.text1 = f.text(F::F_BusinessName);
    v.text2 = f.text(F::F_Address);
    v.postcode = f.text(F::F_Postcode);
    v.start = f.date(F::F_FiscalStart);
    v.end = f.date(F::F_FiscalEnd);
    v.percentage = f.amount(F::F_Percentage);
    if (v.partners[0].name.isEmpty())
        v.partners[0].name = f.text(F::F_PartnerName).trimmed();
    v.count1 = f.amount(F::F_WebsiteCount);
    v.longText1 = f.text(F::F_Description).trimmed();
    v.longText2 = f.text(F::F_Websites).trimmed();
    v.count2 = f.amount(F::F_InternetIncomePercent);
    fillStatement(v, r);
    finishSfdBlock(r, f, block);
}

template <class Form>
void writeSimpleSfd(IndividualTaxData &person, Form &f, const char *code, CMemoryBlock &block, int number)
{
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, code);
    fillSfdHeader(person, r);
    finishSfdBlock(r, f, block);
}

void writeSfdT777(IndividualTaxData &person, TaxData_T777New &f, CMemoryBlock &block, int number)
{
    writeSimpleSfd(person, f, "07", block, number);
}

void writeSfdTL2(IndividualTaxData &person, TaxData_TL2_New &f, CMemoryBlock &block, int number)
{
    writeSimpleSfd(person, f, "08", block, number);
}

void writeSfdT2091(IndividualTaxData &person, TaxData_T2091 &f, int formType, CMemoryBlock &block, int number)
{
    writeSimpleSfd(person, f, formType == T2091 ? "12" : "11", block, number);
}

namespace {

// A partnership row's own statement identification; the SIN is the return's.
StatementValues partnershipValues(const FieldRecord &row, const QString &sin)
{
    using P = CTaxData_T5013;
    StatementValues v;
    v.firstIndicator = nullptr;
    v.firstFlag = row.number(P::C_LimitedPartner) != 0.0;
    v.code6 = row.text(P::C_IndustryCode).trimmed();
    v.sin = sin;
    v.text1 = row.text(P::C_Partnership);
    v.text2 = row.text(P::C_Filer);
    v.postcode = row.text(P::C_Postcode);
    v.start = row.date(P::C_FiscalStart);
    v.end = row.date(P::C_FiscalEnd);
    v.id9 = compactId(row.text(P::C_BusinessNumber));
    v.percentage = row.number(P::C_Share);
    v.id8 = compactId(row.text(P::C_TaxShelterId));
    v.secondFlag = row.number(P::C_LastYear) != 0.0;
    v.id15 = compactId(row.text(P::C_PartnershipBN));
    return v;
}

} // namespace

bool writeSfdT5013(IndividualTaxData &person, CTaxData_T5013 &form, int row, CMemoryBlock &block, int number)
{
    if (row < 0 || row >= form.rows(0).count())
        return false;
    const FieldRecord &values = form.rows(0).row(row);
    const char *code = t5013KindCode(int(values.number(CTaxData_T5013::C_Kind)));
    if (!code)
        return false;
    const T1 *t = t1Of(person);
    SFDBarcodeFixedData r;
    startSfdRecord(r, number, code);
    fillStatement(partnershipValues(values, t ? t->sin() : QString()), r);
    blankPartners(r);
    r.OutputToMemoryBlock(block);
    appendCollected(block, [&form, row](NetfileGenObjParamStru &c) { form.WriteFreeData(1, row, c); });
    return true;
}

// ---- the person's barcode block

void writeBarcodeData(IndividualTaxData &person, MyDataStream &ar)
{
    if (!isBarcodeEligible(person)) {
        ar << qint32(0);
        return;
    }
    CMemoryBlock block;
    writeT1BarcodeBlock(person, block);
    block.WriteToT1BarcodeArchive(ar);
    // the count is the number of blocks built, so that the reader always agrees
    const QList<QByteArray> blocks = buildSfdBlocks(person);
    if (blocks.isEmpty() || blocks.size() > kMaxSfdBlocks) {
        ar << qint32(0);
        return;
    }
    ar << qint32(blocks.size());
    for (const QByteArray &b : blocks) {
        block.Init();
        block.Append(b);
        block.WriteToT1BarcodeArchive(ar);
    }
}
