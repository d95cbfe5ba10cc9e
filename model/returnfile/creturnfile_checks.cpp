// Checks and confirmations of the return file before filing.
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"

namespace {

const QString kWarningTitle = QStringLiteral("Brackenquill Warning Message");

// Net income adjusted as Schedule 6 does, for one spouse.
double adjustedNetIncome(const TaxData_T1New &t)
{
    using T1 = TaxData_T1New;
    return t.amount(T1::F_23600) + t.amount(T1::F_21300) + t.amount(T1::F_23200) - t.amount(T1::F_11700)
        - t.amount(T1::F_12500);
}

double workingIncome(const IndividualTaxData &p, const TaxData_T1New &t)
{
    return t.amount(TaxData_T1New::F_10100) + t.amount(TaxData_T1New::F_10400) + p.totalSelfEmploymentIncome();
}

} // namespace

// The spouse-return group is appended even when it holds no message; the result is
// the number of groups of the person checks plus the number of couple messages.
int CReturnFile::checkForFiling(int edition, QList<ValidationMessageGroup *> &messages, QString &names,
                                bool spouseSide, bool withCouple)
{
    const bool coupled = isCoupled();
    if (spouseSide && !coupled)
        return 0;
    IndividualTaxData *p = spouseSide ? spouse() : self();
    QString name;
    p->getTaxpayerText(17, name);
    names = name;
    const int groups = p->checkForFiling(edition, messages);
    if (!coupled || !withCouple)
        return groups;
    auto *group = new ValidationMessageGroup(5, 0);
    const int coupleMessages = checkCoupledReturns(edition, group->messages, spouseSide);
    messages.append(group);
    return groups + coupleMessages;
}

int CReturnFile::checkCoupledReturns(int edition, QList<CString> &messages, bool spouseSide)
{
    if (!isCoupled())
        return 0;
    if (spouseSide)
        return spouse()->checkCoupledReturns(edition, messages, *self());
    return self()->checkCoupledReturns(edition, messages, *spouse());
}

bool CReturnFile::confirmBeforeFiling(int edition, bool dcnConfirmed)
{
    const QString title = QStringLiteral("Brackenquill 2024");
    if (!dcnConfirmed
        && !CYesNoContinueDlg::warnYesNoMsg(nullptr, title,
                                            QStringLiteral("Each return must be efiled with a unique DCN? Please "
                                                           "confirm this return has a unique DCN in form T183 "
                                                           "and proceed.")))
        return false;

    const bool coupled = isCoupled();
    if (!coupled && self()->hasSharedSlip()
        && !CYesNoContinueDlg::warnYesNoMsg(nullptr, kWarningTitle,
                                            QStringLiteral("This single return file has shared tax slips or tax "
                                                           "forms. Make sure other returns claim the rest of the "
                                                           "shared part.")))
        return false;

    auto claims367 = [](const IndividualTaxData *p) {
        double v = 0.0;
        return p->getAmount(367, v);
    };
    const QString onePerChild = QStringLiteral("As married or common-law, each child eligible for field 30500 can "
                                               "only be claimed by one person.");
    QString caregiver;
    if (coupled) {
        if (claims367(self()) && claims367(spouse()))
            caregiver = onePerChild;
    } else {
        const int status = self()->maritalStatus();
        if (status == 0 || status == 1) {
            if (claims367(self()))
                caregiver = onePerChild;
        } else if (!claims367(self()) && m_dependants.GetDepChildrenNumberBetweenAges_Infirm(0, 17, true) >= 1) {
            caregiver = QStringLiteral("You may be eligible to claim Canada caregiver amount for infirm children "
                                       "under age 18 at field 30500.");
        }
    }
    if (!caregiver.isEmpty() && !CYesNoContinueDlg::warnYesNoMsg(nullptr, kWarningTitle, caregiver))
        return false;

    if (suggestsSchedule6()
        && !CYesNoContinueDlg::warnYesNoMsg(nullptr, kWarningTitle,
                                            QStringLiteral("You may want to include Schedule 6 to calculate Canada "
                                                           "Workers Benefit. Press 'OK' button to skip Schedule 6.")))
        return false;

    IndividualTaxData *p = currentPerson();
    return p ? p->confirmPersonBeforeFiling(edition, dcnConfirmed) : true;
}

bool CReturnFile::suggestsSchedule6() const
{
    const IndividualTaxData *p = currentPerson();
    if (!p || p->hasForm(FormType::Schedule6))
        return false;
    if (!isCoupled())
        return p->passesCwbIncomeTest();
    const TaxData_T1New *mine = self()->t1();
    const TaxData_T1New *theirs = spouse()->t1();
    if (!mine || !theirs)
        return false;
    double threshold = 0.0;
    double limit = 0.0;
    IndividualTaxData::cwbFamilyDisabilityRow(self()->province(), threshold, limit);
    const double working = workingIncome(*self(), *mine) + workingIncome(*spouse(), *theirs);
    if (threshold > working)
        return false;
    return adjustedNetIncome(*mine) + adjustedNetIncome(*theirs) <= limit;
}

int CReturnFile::checkNetfileEligibility(quint8 edition, QList<CString> &messages)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->checkNetfileEligibility(edition, messages) : messages.size();
}

int CReturnFile::checkRefileBankruptcy(quint8 edition, QList<CString> &messages)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->checkRefileBankruptcy(edition, messages) : messages.size();
}

int CReturnFile::checkRefileChanges(QList<CString> &messages)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->checkRefileChanges(messages) : messages.size();
}

int CReturnFile::takeReFileSnapshot()
{
    IndividualTaxData *p = currentPerson();
    return p ? p->takeReFileSnapshot() : -1;
}

int CReturnFile::clearReFileMark()
{
    IndividualTaxData *p = currentPerson();
    return p ? p->clearReFileMark() : 0;
}
