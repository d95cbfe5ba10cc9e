// Copying the downloaded Auto-fill data into a person's return. What a run adds
// carries the Auto-fill mark (slips and forms) or the Auto-fill column (Schedule 3
// rows), so that the next run replaces it and leaves what the user typed alone.
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

namespace {

constexpr int kProvincialTuitionCode = 11001;

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

private:
    QStringList *m_lines;
};

// The four sums of the downloaded RRSP receipts.
struct RrspTotals
{
    double ownPrior = 0.0;
    double ownCurrent = 0.0;
    double spousalPrior = 0.0;
    double spousalCurrent = 0.0;

    bool any() const
    {
        return ownPrior >= 0.009 || ownCurrent >= 0.009 || spousalPrior >= 0.009 || spousalCurrent >= 0.009;
    }
};

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
            if (const auto *receipt = dynamic_cast<const TaxSlipRRSPReceipt *>(slip)) {
                const bool spousal = amountOf(receipt->spouseContributionIndicator) >= 0.1;
                const double prior = amountOf(receipt->priorYearContribution);
                const double current = amountOf(receipt->currentYearContribution);
                (spousal ? rrsp.spousalPrior : rrsp.ownPrior) += prior;
                (spousal ? rrsp.spousalCurrent : rrsp.ownCurrent) += current;
            }
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

    TaxData_T1New *t = t1();
    auto *lastYear = dynamic_cast<TaxData_LastYearAmounts *>(findWizardData(WizardRecord::LastYearAmounts, false));

    // 4. Instalments.
    if (options.isInstalmentSelected() && t) {
        const double instalments = amountOf(data.summary.instalmentAmount);
        t->setInstalmentsPaid(instalments);
        if (instalments >= 0.009)
            notes.add(QStringLiteral("Instalments paid: %1").arg(money(instalments)));
    }

    // 5. Tuition carried from 2023. The tuition forms are made only when something
    // goes into them: a carry-forward or a T2202 slip of this run; Schedule 11 also
    // for a training credit limit.
    if (options.isTuitionSelected()) {
        const double federal = data.federalTuitionCarryForwardForYear("2023");
        const double provincial = data.provincialTuitionCarryForwardForYear("2023");
        const double trainingLimit = amountOf(data.summary.trainingCreditLimit);
        if (federal >= 0.009 || provincial >= 0.009 || tuitionSlips > 0)
            addTuitionForms();
        else if (trainingLimit >= 0.009)
            findFormEntry(FormType::Schedule11, 0, true);
        if (federal >= 0.009 || provincial >= 0.009)
            notes.add(QStringLiteral("Unused tuition amounts from 2023: federal %1, provincial %2")
                          .arg(money(federal), money(provincial)));
        if (lastYear) {
            lastYear->setFedUnusedTuition(federal);
            lastYear->setProvUnusedTuition(provincial);
            if (t) {
                t->setAmount(TaxData_T1New::F_LYFedTuition, federal);
                t->setAmount(TaxData_T1New::F_LYProvTuition, provincial);
            }
        }
        m_provinceManager.setProvincialAmount(kProvincialTuitionCode, provincial);
        if (CTaxData_Form *sch11 = getForm(FormType::Schedule11, 0, false)) {
            sch11->setAmount(TaxData_Sch11::F_TrainingCreditLimit, trainingLimit);
            sch11->setAmount(TaxData_Sch11::F_CarriedForward, federal);
            if (trainingLimit >= 0.009)
                notes.add(QStringLiteral("Canada training credit limit: %1").arg(money(trainingLimit)));
        }
    }

    // 6. RRSP receipts.
    if (options.isRRSPContributionSelected() && rrsp.any()) {
        if (CTaxData_Form *sch7 = getForm(FormType::Schedule7, 0, true)) {
            sch7->setAmount(TaxData_Sch7::F_ContribFirst60Days, rrsp.ownPrior);
            sch7->setAmount(TaxData_Sch7::F_ContribRestOfYear, rrsp.ownCurrent);
            sch7->setAmount(TaxData_Sch7::F_SpousalPrior, rrsp.spousalPrior);
            sch7->setAmount(TaxData_Sch7::F_SpousalCurrent, rrsp.spousalCurrent);
            notes.add(QStringLiteral("RRSP contribution receipts on Schedule 7: own %1, to a spouse's plan %2")
                          .arg(money(rrsp.ownPrior + rrsp.ownCurrent), money(rrsp.spousalPrior + rrsp.spousalCurrent)));
        }
    }

    // 7. RRSP deduction limit and unused contributions.
    if (options.isRRSPLimitSelected()) {
        const double limit = amountOf(data.summary.rrspDeductionLimit);
        const double unused = amountOf(data.summary.rrspUnusedContribution);
        if (limit >= 0.009 || unused >= 0.009) {
            notes.add(QStringLiteral("RRSP deduction limit %1, unused RRSP contributions %2")
                          .arg(money(limit), money(unused)));
            if (CTaxData_Form *sch7 = getForm(FormType::Schedule7, 0, true)) {
                sch7->setAmount(TaxData_Sch7::F_DeductionLimit, limit);
                sch7->setAmount(TaxData_Sch7::F_UnusedContributions, unused);
            }
            if (lastYear) {
                lastYear->setAmount(TaxData_LastYearAmounts::F_RRSPDeductionLimit, limit);
                lastYear->setAmount(TaxData_LastYearAmounts::F_UnusedRRSPContrib, unused);
            }
        }
    }

    // 8. Home Buyers' Plan and Lifelong Learning Plan repayments of 2024.
    if (options.isHBPLLPSelected()) {
        const double hbp = data.hbpRepaymentForYear("2024");
        const double llp = data.llpRepaymentForYear("2024");
        if ((hbp >= 0.009 || llp >= 0.009) && lastYear) {
            lastYear->setAmount(TaxData_LastYearAmounts::F_HBPRepayment, hbp);
            lastYear->setAmount(TaxData_LastYearAmounts::F_LLPRepayment, llp);
            notes.add(QStringLiteral("Required repayments for 2024: Home Buyers' Plan %1, Lifelong Learning Plan %2")
                          .arg(money(hbp), money(llp)));
            if (t) {
                t->setAmount(TaxData_T1New::F_HBPRepayment, hbp);
                t->setAmount(TaxData_T1New::F_LLPRepayment, llp);
            }
        }
    }

    // 9. The T1 records the import.
    if (t) {
        t->setFlag(TaxData_T1New::F_AutoFill, true);
        t->setDate(TaxData_T1New::F_AutoFillDate, GetCurTime().date());
    }
    return 0;
}
