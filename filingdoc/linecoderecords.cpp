#include "linecoderecords.h"
#include "cnetfilegenobj.h"
#include "ctaxdata_t5013.h"
#include "individualtaxdata.h"
#include "netfilerecords.h"
#include "sfdstatements.h"
#include "taxdata_sch3.h"
#include "taxdata_sch6.h"
#include "taxdata_t1new.h"
#include "xmlwriters.h"
#include <cmath>
#include <functional>

namespace {

using T1 = TaxData_T1New;
using WrittenCodes = QMap<int, NetfileWrittenCode>;

const QLatin1String kSfdTag("sfd:SelectedFinancialData");
const QLatin1String kSfdCountTag("t1:SelectedFinancialDataRecordCount");

enum FormType {
    T776 = 12, T1163 = 15, T2042 = 21, T2121 = 51, T777 = 59, T2125 = 125, T2125Partnership = 131,
    T5013 = 38, TL2 = 92, T2091Designation = 147, T2091 = 160, T778 = 13, T5004 = 55, T691 = 31,
    T936 = 32, RC71 = 53, Schedule3 = 4, Schedule6 = 119, Schedule8 = 150, RC381 = 148,
};
constexpr int kSpecialRecordNone = -1;
constexpr int kSpecialRecordCpp = 8;
constexpr int kMaritalWidowed = 2;

bool reaches(double v) { return v >= 0.009; }
bool present(double v) { return isAmountEntered(v); }

template <int N>
bool anyWritten(const WrittenCodes &written, const int (&codes)[N])
{
    return hasAnyFieldCode(written, codes, N);
}

template <class Form>
Form *firstForm(const IndividualTaxData &person, int type)
{
    for (const FormEntry *e : person.forms().withKey(type))
        if (auto *f = dynamic_cast<Form *>(e->object))
            return f;
    return nullptr;
}

// ---- the steps of addNetfileFieldRecords, each on the T1

// Step 3: CPP on self-employment without a CPP form.
int writeCppWithoutForm(const IndividualTaxData &person, T1 &t, NetfileGenObjParamStru &c)
{
    double cpp = 0.0, qpp = 0.0;
    t.getSelfEmploymentIncomeForCPP(cpp, qpp);
    if (!(reaches(cpp) || reaches(qpp)) || person.hasForm(Schedule8) || person.hasForm(RC381))
        return kSpecialRecordNone;
    if (t.flag(T1::F_CppElectionFirstPair)) {
        NETFILE_DOLLAR_VALUE_Func(50329, 1, c);
        NETFILE_DOLLAR_VALUE_Func(50330, 1, c);
    }
    NETFILE_DOLLAR_VALUE_Func(50340, 1, c);
    NETFILE_DOLLAR_VALUE_Func(50339, 1, c);
    return kSpecialRecordCpp;
}

// Step 4: gross and net self-employment lines, zero written as one.
void writeSelfEmploymentPairs(const IndividualTaxData &person, const T1 &t, NetfileGenObjParamStru &c)
{
    struct Pair
    {
        bool (IndividualTaxData::*test)() const;
        int grossCode, grossField, netCode, netField;
    };
    static const Pair pairs[] = {
        {&IndividualTaxData::hasRentalIncome, 12599, T1::F_12599, 12600, T1::F_12600},
        {&IndividualTaxData::hasBusinessIncome, 13499, T1::F_13499, 13500, T1::F_13500},
        {&IndividualTaxData::hasFishingIncome, 14299, T1::F_14299, 14300, T1::F_14300},
        {&IndividualTaxData::hasFarmingIncome, 14099, T1::F_14099, 14100, T1::F_14100},
        {&IndividualTaxData::hasCommissionIncome, 13899, T1::F_13899, 13900, T1::F_13900},
        {&IndividualTaxData::hasProfessionalIncome, 13699, T1::F_13699, 13700, T1::F_13700},
    };
    for (const Pair &p : pairs) {
        if (!(person.*p.test)())
            continue;
        NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(p.grossCode, t.amount(p.grossField), c);
        NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(p.netCode, t.amount(p.netField), c);
    }
}

// Step 5: the mark of a return without income.
void writeNoIncomeMark(const T1 &t, const WrittenCodes &written, NetfileGenObjParamStru &c)
{
    static const int incomeCodes[] = {10100, 10400, 11300, 11400, 11500, 11600, 11700, 11900,
                                      12000, 12100, 12200, 12500, 12600, 12700, 12800, 12900,
                                      13000, 13010, 13500, 13700, 13900, 14100, 14300, 14700};
    if (!present(t.totalIncome()) && !anyWritten(written, incomeCodes))
        NETFILE_NUMERIC_VALUE_Func(9915, 1, c);
}

// Steps 6 and 7: the spouse marks; true when 55220 was written.
bool writeSpouseMarks(const T1 &t, const WrittenCodes &written, NetfileGenObjParamStru &c)
{
    if (t.HasSpouse()) {
        static const int spouseCodes[] = {30400, 58160};
        if (anyWritten(written, spouseCodes))
            NETFILE_NUMERIC_VALUE_Func(55290, 1, c);
        return false;
    }
    static const int singleCodes[] = {30300, 52300, 52630, 52670, 53680, 55370, 55380,
                                      58120, 60900, 61580, 61880, 61970, 9918};
    bool wrote55220 = false;
    if (t.flag(T1::F_SelfEmployedJune15) || anyWritten(written, singleCodes))
        wrote55220 = NETFILE_NUMERIC_VALUE_Func(55220, 1, c) > 0 || written.contains(55220);
    static const int creditCodes[] = {32600, 58640, 68020};
    if (anyWritten(written, creditCodes))
        NETFILE_NUMERIC_VALUE_Func(57730, 1, c);
    return wrote55220;
}

// Step 8: taxable capital gains when Schedule 3 reports gains or losses.
void writeCapitalGains(const IndividualTaxData &person, const T1 &t, const WrittenCodes &written,
                       NetfileGenObjParamStru &c)
{
    auto *sch3 = firstForm<TaxData_Sch3>(person, Schedule3);
    if (sch3 && present(sch3->amount(TaxData_Sch3::F_Total)) && !written.contains(12700))
        NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(12700, t.amount(T1::F_12700), c);
}

// Steps 9 and 10: the Canada workers benefit marks.
void writeWorkersBenefit(const IndividualTaxData &person, const T1 &t, bool wrote55220, NetfileGenObjParamStru &c)
{
    auto *sch6 = firstForm<TaxData_Sch6>(person, Schedule6);
    if (!wrote55220 && sch6 && sch6->isFirstPartInNetfile() && t.maritalStatus() == kMaritalWidowed
        && !sch6->flag(TaxData_Sch6::F_Excluded))
        NETFILE_NUMERIC_VALUE_Func(55220, 1, c);

    const double line55320 = t.amount(T1::F_55320);
    if (!present(t.amount(T1::F_45300))) {
        if (present(line55320))
            NETFILE_DOLLAR_VALUE_Func(55320, line55320, c);
    } else if (sch6 && t.flag(T1::F_Disabled) && sch6->flag(TaxData_Sch6::F_Disabled)) {
        NETFILE_DOLLAR_VALUE_Func(55320, 1, c);
    } else {
        NETFILE_DOLLAR_VALUE_Func(55320, line55320, c);
    }
}

// Steps 11 to 14: supporting amounts of forms the return does not hold.
void writeSupportingAmounts(const IndividualTaxData &person, const T1 &t, NetfileGenObjParamStru &c)
{
    if (person.hasForm(T778) && reaches(t.amount(T1::F_21400)))
        NETFILE_DOLLAR_VALUE_Func(55300, person.getT778IncomeAdjustment(), c);
    if (!person.hasForm(T5004))
        NETFILE_DOLLAR_VALUE_Func(67650, t.amount(T1::F_67650), c);
    if (!person.hasForm(T691)) {
        NETFILE_DOLLAR_VALUE_Func(67830, t.amount(T1::F_67830), c);
        const bool counted = t.amount(T1::F_TaxShelterCount) > 0.99999999;
        bool triggered = counted;
        for (int f : {T1::F_12700, T1::F_SecurityOptions, T1::F_22100, T1::F_T1212Deferred, T1::F_12200})
            triggered = triggered || reaches(t.amount(f));
        const auto write = [&c](bool zeroAsOne, int code, double v) {
            zeroAsOne ? NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(code, v, c) : NETFILE_DOLLAR_VALUE_Func(code, v, c);
        };
        write(triggered, 67820, t.amount(T1::F_67820));
        write(triggered, 67860, t.amount(T1::F_67860));
        write(counted, 67840, t.amount(T1::F_67840));
        NETFILE_DOLLAR_VALUE_Func(67910, t.amount(T1::F_67910Part1) + t.amount(T1::F_67910Part2), c);
    }
    if (!person.hasForm(T936)) {
        NETFILE_DOLLAR_VALUE_Func(68080, t.amount(T1::F_68080), c);
        NETFILE_DOLLAR_VALUE_Func(68100, t.amount(T1::F_68100), c);
        NETFILE_DOLLAR_VALUE_Func(68110, t.amount(T1::F_68110), c);
    }
}

// Step 15: a farming loss as a positive whole amount.
void writeFarmingLoss(const IndividualTaxData &person, const T1 &t, NetfileGenObjParamStru &c)
{
    const double farming = t.amount(T1::F_14100);
    if (person.hasFarmingIncome() && t.flag(T1::F_FarmingLossReported) && farming < 0)
        NETFILE_DOLLAR_VALUE_Func(54950, -std::trunc(farming), c);
}

// Step 16: the EFILE filer record: 3 with an RC71, 2 when no fee was charged, else 1.
void writeEfileFilerRecord(const IndividualTaxData &person, const T1 &t, int mode, NetfileGenObjParamStru &c)
{
    if (mode & 2)
        return;
    const int value = person.hasForm(RC71) ? 3 : t.flag(T1::F_NoFeeCharged) ? 2 : 1;
    NETFILE_NUMERIC_VALUE_Func(49000, value, c);
}

// ---- selected financial data

// One SFD record: the wrapper around the form's own records. The form's codes go
// into a map of the record's own, apart from the person's line codes, so that two
// forms of a kind both write theirs and no statement code joins the T1's lines.
void writeSfdRecord(NetfileGenObjParamStru &context, const std::function<void(NetfileGenObjParamStru &)> &convert)
{
    WrittenCodes own;
    NetfileGenObjParamStru recordContext = context;
    recordContext.writtenCodes = &own;
    writeSfdOpenTag(recordContext);
    convert(recordContext);
    writeSfdCloseTag(recordContext);
}

// Writes the records of the statements taken by pick; gives how many.
template <class Pick>
int writeSfdRecords(const QList<SfdStatement> &statements, int mode, NetfileGenObjParamStru &context, Pick pick)
{
    int written = 0;
    for (const SfdStatement &s : statements) {
        if (!pick(s))
            continue;
        writeSfdRecord(context, [&s, mode](NetfileGenObjParamStru &c) {
            if (s.row >= 0)
                static_cast<CTaxData_T5013 *>(s.form)->ConvertToNetfile(mode, s.row, c);
            else
                s.form->ConvertToNetfile(mode, c);
        });
        ++written;
    }
    return written;
}

} // namespace

bool hasAnyFieldCode(const QMap<int, NetfileWrittenCode> &written, const int *codes, int count)
{
    if (count <= 0 || written.isEmpty())
        return false;
    return containsAnyCode(written, codes, count);
}

void writeSfdOpenTag(NetfileGenObjParamStru &context)
{
    if (context.outputKind == 0 && context.recordText)
        writeSfdOpenTag2(*context.recordText);
}

void writeSfdOpenTag2(CString &text)
{
    writeXMLOpenTagString(text, kSfdTag);
}

void writeSfdCloseTag(NetfileGenObjParamStru &context)
{
    if (context.outputKind == 0 && context.recordText)
        writeXMLCloseTagString(*context.recordText, kSfdTag);
}

void addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context)
{
    WrittenCodes ownCodes;
    WrittenCodes *callerCodes = context.writtenCodes;
    if (!callerCodes)
        context.writtenCodes = &ownCodes; // the steps test what was written
    const WrittenCodes &written = *context.writtenCodes;

    CNetfileGenObj walk;
    person.forEachForm(&walk, &context);

    if (T1 *t = person.t1()) {
        t->setSpecialRecordMarker(kSpecialRecordNone);
        const int marker = writeCppWithoutForm(person, *t, context);
        t->setSpecialRecordMarker(marker);
        writeSelfEmploymentPairs(person, *t, context);
        writeNoIncomeMark(*t, written, context);
        const bool wrote55220 = writeSpouseMarks(*t, written, context);
        writeCapitalGains(person, *t, written, context);
        writeWorkersBenefit(person, *t, wrote55220, context);
        writeSupportingAmounts(person, *t, context);
        writeFarmingLoss(person, *t, context);
        writeEfileFilerRecord(person, *t, mode, context);
    }
    context.writtenCodes = callerCodes;
}

int writeSelectedFinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context)
{
    // the count is of the records that follow, as the barcode's item 31
    const QList<SfdStatement> statements = sfdStatements(person);
    const int count = sfdRecordCount(statements);
    if (count <= 0)
        return 0;
    if (context.outputKind == 0 && context.recordText)
        writeXMLString(*context.recordText, kSfdCountTag, QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0')), 0);
    return writeSfdRecords(statements, mode, context, [](const SfdStatement &s) { return s.counted; });
}

int writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context)
{
    return writeSfdRecords(sfdStatements(person), mode, context, [](const SfdStatement &s) { return !s.counted; });
}
