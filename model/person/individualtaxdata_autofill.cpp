// Copying the downloaded Auto-fill data into a person's return. What a run adds
// carries the Auto-fill mark (slips and forms) or the Auto-fill column (Schedule 3
// rows), so that the next run replaces it and leaves what the user typed alone.
// An amount goes in only when the download holds it; one that replaces another
// amount of the return is named with it in the closing message.
#include "individualtaxdata.h"
#include "dataafr.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_sch11.h"
#include "taxdata_sch3.h"
#include "taxdata_sch7.h"
#include "taxdata_t1new.h"
#include "taxdata_t2125_new.h"
#include "taxslip.h"
#include "taxsliprrspreceipt.h"
#include "taxslipt1204.h"
#include "taxslipt2202.h"
#include "taxslipt5008.h"
#include "tddtaxdataoneperson.h"
#include "formtables.h"
#include "utils.h"
#include <QList>
#include <QLocale>
#include <QStringList>
#include <cmath>
#include <optional>

namespace {

constexpr int kProvincialTuitionCode = CProvincialTaxManager::kUnusedTuitionCode;

double amountOf(const std::string &text)
{
    return text.empty() ? 0.0 : myStringToDouble(text);
}

// A named member of a downloaded slip, or the box of the same number.
std::string boxOr(const TaxSlip &slip, const std::string &member, const char *box)
{
    return member.empty() ? slip.boxText(box) : member;
}

QString money(double v)
{
    return QLocale(QLocale::English, QLocale::Canada).toString(v, 'f', 2);
}

// A downloaded amount, when the download holds it (TDDTaxDataOnePerson::heldAmount).
using Held = std::optional<double>;

bool entered(const Held &v) { return v && isAmountEntered(*v); }

// What a run brought in, one line each, for the closing message.
class ImportNotes
{
public:
    explicit ImportNotes(QStringList *lines) : m_lines(lines) {}
    void add(const QString &line)
    {
        if (m_lines)
            m_lines->append(line);
    }
    void slip(int type, const CTaxData_Form &slip)
    {
        CString payer;
        slip.getDescription(payer);
        const QString name = QString(payer).trimmed();
        add(name.isEmpty() ? QStringLiteral("%1 slip").arg(slipName(type))
                           : QStringLiteral("%1 slip: %2").arg(slipName(type), name));
    }
    // A downloaded amount that took the place of what the return held: named with
    // the amount it replaced when that was another one.
    void amount(const QString &what, double before, double after)
    {
        if (isAmountEntered(before) && std::abs(before - after) >= 0.005)
            add(QStringLiteral("%1: %2 (replaces %3)").arg(what, money(after), money(before)));
        else if (isAmountEntered(after))
            add(QStringLiteral("%1: %2").arg(what, money(after)));
    }

private:
    QStringList *m_lines;
};

// Where a downloaded amount goes: a field of a form, wizard record or the T1 (none when null).
struct Target
{
    CTaxData_Form *form;
    int field;
};

// Puts a held amount into its targets; the first target present is where the return
// shows it, and what it held there is named when the download replaces it.
void put(ImportNotes &notes, const QString &what, std::initializer_list<Target> targets, const Held &value)
{
    if (!value)
        return;
    bool noted = false;
    for (const Target &t : targets) {
        if (!t.form)
            continue;
        if (!noted)
            notes.amount(what, t.form->amount(t.field), *value);
        noted = true;
        t.form->setAmount(t.field, *value);
    }
}

// A sum of downloaded amounts, held when any of them is.
struct HeldSum
{
    Held total;
    void add(const std::string &text)
    {
        if (const Held v = TDDTaxDataOnePerson::heldAmount(text))
            total = total.value_or(0.0) + *v;
    }
};

// The four sums of the downloaded RRSP receipts.
struct RrspTotals
{
    HeldSum ownPrior, ownCurrent, spousalPrior, spousalCurrent;

    void add(const TaxSlipRRSPReceipt &receipt)
    {
        const bool spousal = amountOf(receipt.spouseContributionIndicator) >= 0.1;
        (spousal ? spousalPrior : ownPrior).add(receipt.priorYearContribution);
        (spousal ? spousalCurrent : ownCurrent).add(receipt.currentYearContribution);
    }
    bool anyEntered() const
    {
        return entered(ownPrior.total) || entered(ownCurrent.total) || entered(spousalPrior.total)
            || entered(spousalCurrent.total);
    }
};

// Tuition carried from 2023 and the training credit limit. Schedule 11 is made only when
// something goes into it (a carry-forward, a T2202 slip of this run, a limit); the
// provincial form only for a provincial carry-forward (a province that still gives a
// tuition amount pairs it with Schedule 11 when the return is calculated).
void importTuition(IndividualTaxData &p, const TDDTaxDataOnePerson &data, bool withSlips, ImportNotes &notes)
{
    const Held federal = data.federalTuitionCarryForwardForYear("2023");
    const Held provincial = data.provincialTuitionCarryForwardForYear("2023");
    const Held limit = TDDTaxDataOnePerson::heldAmount(data.summary.trainingCreditLimit);
    if (entered(provincial))
        p.addTuitionForms();
    CTaxData_Form *sch11 = p.getForm(FormType::Schedule11, 0, entered(federal) || entered(limit) || withSlips);
    TaxData_T1New *t = p.t1();
    // the T1 keeps the carried amounts beside the wizard record
    CTaxData_Form *lastYear = p.findWizardData(WizardRecord::LastYearAmounts, false);
    TaxData_T1New *t1ForRecord = lastYear ? t : nullptr;
    put(notes, QStringLiteral("Unused federal tuition amounts from 2023"),
        {{sch11, TaxData_Sch11::F_CarriedForward}, {t1ForRecord, TaxData_T1New::F_LYFedTuition},
         {lastYear, TaxData_LastYearAmounts::F_FedUnusedTuition}},
        federal);
    if (provincial) {
        double before = 0.0;
        if (!p.provinceManager().getProvincialValue(kProvincialTuitionCode, before) && t)
            before = t->amount(TaxData_T1New::F_LYProvTuition);
        notes.amount(QStringLiteral("Unused provincial tuition amounts from 2023"), before, *provincial);
        p.provinceManager().setProvincialAmount(kProvincialTuitionCode, *provincial);
        for (const Target &target : {Target{t1ForRecord, TaxData_T1New::F_LYProvTuition},
                                     Target{lastYear, TaxData_LastYearAmounts::F_ProvUnusedTuition}})
            if (target.form)
                target.form->setAmount(target.field, *provincial);
    }
    put(notes, QStringLiteral("Canada training credit limit"), {{sch11, TaxData_Sch11::F_TrainingCreditLimit}},
        limit);
}

// The RRSP receipts on Schedule 7, made only for an amount to hold.
void importReceipts(IndividualTaxData &p, const RrspTotals &rrsp, ImportNotes &notes)
{
    using S = TaxData_Sch7;
    CTaxData_Form *sch7 = p.getForm(FormType::Schedule7, 0, rrsp.anyEntered());
    put(notes, QStringLiteral("RRSP receipts, prior-year contributions"), {{sch7, S::F_ContribFirst60Days}},
        rrsp.ownPrior.total);
    put(notes, QStringLiteral("RRSP receipts, current-year contributions"), {{sch7, S::F_ContribRestOfYear}},
        rrsp.ownCurrent.total);
    put(notes, QStringLiteral("RRSP receipts to a spouse's plan, prior-year contributions"),
        {{sch7, S::F_SpousalPrior}}, rrsp.spousalPrior.total);
    put(notes, QStringLiteral("RRSP receipts to a spouse's plan, current-year contributions"),
        {{sch7, S::F_SpousalCurrent}}, rrsp.spousalCurrent.total);
}

// The RRSP deduction limit and unused contributions on Schedule 7 and in the wizard record.
void importRrspLimit(IndividualTaxData &p, const TDDTaxDataOnePerson &data, ImportNotes &notes)
{
    using S = TaxData_Sch7;
    using L = TaxData_LastYearAmounts;
    const Held limit = TDDTaxDataOnePerson::heldAmount(data.summary.rrspDeductionLimit);
    const Held unused = TDDTaxDataOnePerson::heldAmount(data.summary.rrspUnusedContribution);
    CTaxData_Form *sch7 = p.getForm(FormType::Schedule7, 0, entered(limit) || entered(unused));
    CTaxData_Form *lastYear = p.findWizardData(WizardRecord::LastYearAmounts, false);
    put(notes, QStringLiteral("RRSP deduction limit"),
        {{sch7, S::F_DeductionLimit}, {lastYear, L::F_RRSPDeductionLimit}}, limit);
    put(notes, QStringLiteral("Unused RRSP contributions"),
        {{sch7, S::F_UnusedContributions}, {lastYear, L::F_UnusedRRSPContrib}}, unused);
}

// The Home Buyers' Plan and Lifelong Learning Plan repayments required for 2024, kept
// by the wizard record of last year's amounts and the T1.
void importRepayments(IndividualTaxData &p, const TDDTaxDataOnePerson &data, ImportNotes &notes)
{
    using L = TaxData_LastYearAmounts;
    CTaxData_Form *lastYear = p.findWizardData(WizardRecord::LastYearAmounts, false);
    if (!lastYear)
        return;
    TaxData_T1New *t = p.t1();
    put(notes, QStringLiteral("Home Buyers' Plan repayment required for 2024"),
        {{t, TaxData_T1New::F_HBPRepayment}, {lastYear, L::F_HBPRepayment}}, data.hbpRepaymentForYear("2024"));
    put(notes, QStringLiteral("Lifelong Learning Plan repayment required for 2024"),
        {{t, TaxData_T1New::F_LLPRepayment}, {lastYear, L::F_LLPRepayment}}, data.llpRepaymentForYear("2024"));
}

// Removes the Schedule 3 rows that an earlier run appended.
void removeAutoFillRows(FieldRowList &rows)
{
    for (int i = rows.count() - 1; i >= 0; --i)
        if (rows.row(i).number(TaxData_Sch3::C_AutoFill) != 0.0)
            rows.removeAt(i);
}

// One disposition row per downloaded T5008: its quantity and securities, proceeds and cost.
void fillT5008Row(FieldRecord &row, const TaxSlipT5008 &slip)
{
    const QString quantity = QString::fromStdString(boxOr(slip, slip.box16, "16")).trimmed();
    const QString securities = QString::fromStdString(boxOr(slip, slip.box17, "17")).trimmed();
    QString description = securities.isEmpty() ? QString::fromStdString(slip.issuerName).trimmed() : securities;
    if (!quantity.isEmpty() && myStringToDouble(quantity.toStdString()) != 0.0)
        description = quantity + QLatin1Char(' ') + description;
    row.setText(TaxData_Sch3::C_Description, description);
    row.setNumber(TaxData_Sch3::C_Proceeds, amountOf(boxOr(slip, slip.box21, "21")));
    row.setNumber(TaxData_Sch3::C_Cost, amountOf(boxOr(slip, slip.box20, "20")));
    row.setNumber(TaxData_Sch3::C_Outlays, 0.0);
    row.setNumber(TaxData_Sch3::C_AutoFill, 1.0);
}

} // namespace

int IndividualTaxData::applyAutoFillData(const TDDTaxDataOnePerson &data, const DataAFR &options,
                                          QStringList *imported)
{
    ImportNotes notes(imported);
    // 1. What an earlier run added for the kinds chosen now goes first.
    for (bool removed = true; removed;) {
        removed = false;
        for (FormEntry *e : m_slips) {
            if (e->object && e->object->isAutoFill() && options.isSlipKindSelected(e->type)) {
                removeSlip(e->object);
                removed = true;
                break;
            }
        }
    }
    // The business forms made for T1204 slips are refilled in place, so that they keep
    // their place, their id and what the user added to them; those left over at the end go.
    QList<FormEntry *> earlierStatements;
    if (options.isSlipKindSelected(SlipType::T1204)) {
        QList<FormEntry *> statements;
        collectForms(FormType::T2125, statements);
        for (FormEntry *e : qAsConst(statements))
            if (e->object && e->object->isAutoFill())
                earlierStatements.append(e);
    }
    if (options.isSlipKindSelected(SlipType::T5008))
        if (auto *sch3 = formAs<TaxData_Sch3>(getForm(FormType::Schedule3, 0, false), FormType::Schedule3))
            removeAutoFillRows(sch3->dispositions());

    // 2. The downloaded slips in order.
    RrspTotals rrsp;
    int tuitionSlips = 0;
    QList<const TaxSlipT5008 *> dispositions;
    for (int i = 0; i < data.slipCount(); ++i) {
        TaxSlip *slip = data.slip(i);
        if (!slip)
            continue;
        if (slip->slipType == SlipType::RRSP) {
            if (const auto *receipt = dynamic_cast<const TaxSlipRRSPReceipt *>(slip))
                rrsp.add(*receipt);
            continue;
        }
        if (slip->slipType == SlipType::T5008) {
            if (const auto *t5008 = dynamic_cast<const TaxSlipT5008 *>(slip))
                dispositions.append(t5008);
            continue;
        }
        if (!options.isSlipKindSelected(slip->slipType))
            continue;
        FormEntry *entry = addSlip(slip->slipType, nextEntryId(), 0);
        if (!entry)
            continue;
        slip->copyToSlip(entry->object);
        entry->object->setAutoFill(true);
        notes.slip(slip->slipType, *entry->object);
        if (slip->slipType == SlipType::T2202) {
            ++tuitionSlips;
            const auto *t2202 = dynamic_cast<const TaxSlipT2202 *>(slip);
            if (t2202 && t2202->sessionsNotKept > 0)
                notes.add(QStringLiteral("T2202 slip: %1 tuition session(s) after the first %2 were not copied; "
                                         "enter them on the slip yourself")
                              .arg(t2202->sessionsNotKept)
                              .arg(TaxSlipT2202::kMaxSessions));
        }

        if (slip->slipType == SlipType::T1204) {
            const auto *t1204 = dynamic_cast<const TaxSlipT1204 *>(slip);
            FormEntry *form = earlierStatements.isEmpty() ? addForm(FormType::T2125, nextEntryId(), true, 0, true)
                                                          : earlierStatements.takeFirst();
            auto *statement = form ? dynamic_cast<TaxData_T2125_New *>(form->object) : nullptr;
            if (statement) {
                statement->setAutoFill(true);
                statement->setText(TaxData_T2125_New::F_Description, QStringLiteral("Government Service Contract"));
                statement->setIncomeKind(0);
                const double gross = t1204 ? amountOf(boxOr(*t1204, t1204->box82, "82")) +
                                                 amountOf(boxOr(*t1204, t1204->box84, "84"))
                                           : slip->boxAmount("82") + slip->boxAmount("84");
                statement->setAmount(TaxData_T2125_New::F_GrossIncome, gross);
                notes.add(QStringLiteral("Business statement \"Government Service Contract\": gross income %1")
                              .arg(money(gross)));
            }
        }
    }

    for (FormEntry *e : qAsConst(earlierStatements))
        removeForm(e->object, true, false);

    // 3. The T5008 dispositions after the rows Schedule 3 holds.
    if (!dispositions.isEmpty() && options.isSlipKindSelected(SlipType::T5008)) {
        if (auto *sch3 = formAs<TaxData_Sch3>(getForm(FormType::Schedule3, 0, true), FormType::Schedule3)) {
            FieldRowList &rows = sch3->dispositions();
            for (const TaxSlipT5008 *slip : qAsConst(dispositions))
                fillT5008Row(rows.append(), *slip);
            notes.add(QStringLiteral("T5008 slips: %1 disposition(s) added to Schedule 3").arg(dispositions.size()));
        }
    }

    // 4. to 8.: each amount only when the download holds it.
    TaxData_T1New *t = t1();
    if (options.isInstalmentSelected() && t)
        put(notes, QStringLiteral("Instalments paid"), {{t, TaxData_T1New::F_47600}},
            TDDTaxDataOnePerson::heldAmount(data.summary.instalmentAmount));
    if (options.isTuitionSelected())
        importTuition(*this, data, tuitionSlips > 0, notes);
    if (options.isRRSPContributionSelected())
        importReceipts(*this, rrsp, notes);
    if (options.isRRSPLimitSelected())
        importRrspLimit(*this, data, notes);
    if (options.isHBPLLPSelected())
        importRepayments(*this, data, notes);

    // 9. The T1 records the import.
    if (t) {
        t->setFlag(TaxData_T1New::F_AutoFill, true);
        t->setDate(TaxData_T1New::F_AutoFillDate, GetCurTime().date());
    }
    return 0;
}
