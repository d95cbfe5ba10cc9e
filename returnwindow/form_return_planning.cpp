// The return window's province, de-couple, planning and optimise commands.
#include "form_return.h"
#include "waitcursor.h"
#include "ui_form_return.h"
#include "creturnfile.h"
#include "datadlgchangeprov.h"
#include "datashareamtdlg.h"
#include "dlgchangeprov_tab1.h"
#include "dlgdecouplereturn.h"
#include "dlgoptimizereturn.h"
#include "dlgtaxplanning.h"
#include "folderview.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "shareamtdlg_tab1.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include "wizardbase.h"
#include <QApplication>
#include <QComboBox>

namespace {

using T1032 = TaxData_T1032_New;

class PersonComboAdapter : public CReturnFile::PersonCombo
{
public:
    explicit PersonComboAdapter(QComboBox *combo) : m_combo(combo) {}
    void clear() override { m_combo->clear(); }
    void addItem(const QString &text, int data) override { m_combo->addItem(text, data); }
    void setCurrentIndex(int index) override { m_combo->setCurrentIndex(index); }

private:
    QComboBox *m_combo;
};

// True when somebody the change applies to lives in another province.
bool anyoneMoves(const CReturnFile &rf, int newProvince, bool both)
{
    if (both && rf.isCoupled())
        return rf.self()->province() != newProvince || rf.spouse()->province() != newProvince;
    const IndividualTaxData *p = rf.currentPerson();
    return p && p->province() != newProvince;
}

double donationsClaimed(IndividualTaxData *p)
{
    auto *sch9 = dynamic_cast<TaxData_Sch9 *>(p->getForm(9, 0, false));
    return sch9 ? sch9->donationsClaimed() : 0.0;
}

T1032 *t1032Of(IndividualTaxData *p)
{
    return dynamic_cast<T1032 *>(p->getForm(118, 0, false));
}

// The T1032 of the person who transfers the pension; false when both persons
// have one and neither names its own person.
bool pensionSource(CReturnFile &rf, T1032 *&source)
{
    T1032 *mine = t1032Of(rf.self());
    T1032 *theirs = t1032Of(rf.spouse());
    source = nullptr;
    auto transfers = [](T1032 *f) { return f && f->intValue(T1032::F_Role) == 0; };
    if (mine && theirs) {
        source = transfers(mine) ? mine : transfers(theirs) ? theirs : nullptr;
        return source != nullptr;
    }
    T1032 *only = mine ? mine : theirs;
    source = transfers(only) ? only : nullptr;
    return true;
}

} // namespace

// Opens the current person's T1 in a tree rebuilt from scratch.
void Form_Return::reopenAfterReturnChange()
{
    m_rebuildGuard = true;
    refreshTree(true, true);
    int category = 0;
    ui->treeFolderView->selectItem(category, 0);
    m_rebuildGuard = false;
    if (FormEntry *t1 = m_return->findFormEntry(1, 0, false))
        openForm(-1, t1->object);
    QString summary;
    updateSummary(summary);
}

void Form_Return::changeProvince()
{
    if (!m_return)
        return;
    DataDlgChangeProv data;
    int result;
    {
        WizardBase wizard(this, tr("Change Tax Province"));
        wizard.addPage(new DlgChangeProv_tab1(&data, &wizard));
        wizard.initUI(770, 640);
        result = wizard.exec();
    }
    if (result != QDialog::Accepted)
        return;
    const int newProvince = data.fld_NewTaxProv.value();
    const bool both = data.fld_ChgBoth.value() == 0;
    if (!anyoneMoves(*m_return, newProvince, both)) {
        gMsgInformation(tr("Tax return province is not changed!"), this);
        return;
    }
    if (!CMultiProvsTaxMgr::canLoadProvince(newProvince)) {
        gMsgInformation(tr("Tax Province is not supported!"), this);
        return;
    }
    {
        WaitCursor wait;
        // the old province's forms go away with their pages
        m_rebuildGuard = true;
        clearFormTabs();
        ui->treeFolderView->setTaxData(nullptr);
        ui->treeFolderView->refreshAll();
        m_return->setProvince(newProvince, both);
        m_return->recalculate(-1, nullptr);
        ui->treeFolderView->setTaxData(m_return);
        reopenAfterReturnChange();
    }
    modifiedChanged();
    gMsgInformation(tr("Tax return file is changed to the new province, you need to save file the confirm the changes."),
                    this);
}

void Form_Return::deCoupleReturn()
{
    if (!m_return || !m_return->isCoupled())
        return;
    DlgDeCoupleReturn dialog(m_return, this);
    dialog.setWindowTitle(tr("De-Couple Tax Return"));
    // nothing of the window may point into a person while the split is applied
    dialog.setBeforeSplit([this] {
        m_rebuildGuard = true;
        clearFormTabs();
        ui->treeFolderView->setTaxData(nullptr);
        ui->treeFolderView->refreshAll();
    });
    if (dialog.exec() != QDialog::Accepted) {
        m_rebuildGuard = false;
        return;
    }
    WaitCursor wait;
    m_rebuildGuard = true;
    m_return->recalculate(-1, nullptr);
    clearFormTabs();
    PersonComboAdapter combo(personCombo());
    m_return->fillPersonCombo(combo, false);
    ui->treeFolderView->setTaxData(m_return);
    reopenAfterReturnChange();
    // the window now holds a new return: its title and the next save's name follow
    setFileInfo(nullptr);
}

void Form_Return::taxPlanning()
{
    if (!m_return)
        return;
    CReturnFile scratch(m_return->mode());
    scratch.assign(*m_return);
    {
        DlgTaxPlanning dialog(&scratch, this);
        dialog.exec();
    }
    scratch.clear();
}

void Form_Return::optimizeReturn()
{
    if (!m_return)
        return;
    if (!m_return->isCoupled()) {
        gMsgInformation(tr("Right now, optimize function is only targeted coupled tax return for married/common-law "
                           "tax returns."),
                        this);
        return;
    }
    DataShareAmtDlg shares;
    shares.fld_Donation_1_Claimed = donationsClaimed(m_return->self());
    shares.fld_Donation_2_Claimed = donationsClaimed(m_return->spouse());
    T1032 *source = nullptr;
    if (!pensionSource(*m_return, source)) {
        gMsgInformation(tr("Please answer who is the pension transferer in form T1032 first."), this);
        return;
    }
    if (source) {
        shares.fld_Pension_1_Claimed = shares.fld_Pension_2_Claimed = source->amount(T1032::F_SplitAmount);
        shares.fld_Pension_1 = shares.fld_Pension_2 = source->amount(T1032::F_MaxSplit);
    }
    int result;
    {
        WizardBase wizard(this, tr("Identify Shareable Amounts"));
        wizard.addPage(new ShareAmtDlg_tab1(&shares, m_return, &wizard));
        wizard.initUI(930, 540);
        wizard.setButtonText(QWizard::FinishButton, tr("Optimize"));
        result = wizard.exec();
    }
    if (result != QDialog::Accepted)
        return;
    shares.checkData();

    CReturnFile scratch(m_return->mode());
    scratch.assign(*m_return);
    double bestSplit = 0.0;
    {
        WaitCursor wait;
        scratch.optimize(shares);
    }
    DlgOptimizeReturn dialog(&scratch, &shares, this);
    result = dialog.exec();
    bestSplit = dialog.m_bestPensionSplit;
    scratch.clear();
    if (result != QDialog::Accepted)
        return;

    WaitCursor wait;
    T1032 *mine = t1032Of(m_return->self());
    T1032 *theirs = t1032Of(m_return->spouse());
    if (mine && theirs) {
        for (T1032 *f : {mine, theirs}) {
            f->setFlag(T1032::F_Elected, true);
            f->setAmount(T1032::F_SplitAmount, bestSplit);
        }
    }
    m_return->recalculate(-1, nullptr);
    refreshPages();
    QString summary;
    updateSummary(summary);
    modifiedChanged();
    wait.release();
    // only the pension split reaches the return: say so, and what the user does for the rest
    if (mine && theirs)
        gMsgInformation(tr("The pension split of %1 is set in both persons' T1032. The donation allocation of the "
                           "optimization is not applied: to use it, enter the donations shown in each person's "
                           "Schedule 9.")
                            .arg(QString::number(bestSplit, 'f', 2)),
                        this);
    else
        gMsgInformation(tr("No pension split was set: both persons need a form T1032. Nothing of the optimization "
                           "was applied."),
                        this);
}
