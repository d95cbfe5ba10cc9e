// Texts of the return file and the operations forwarded to the current person.
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "taxdata_t1new.h"

namespace {

QString amountText(double v)
{
    return QString::number(v, 'f', 2);
}

QString balanceText(const QString &name, double balance)
{
    if (balance > 0)
        return QStringLiteral("%1 [Bal. Due: %2]").arg(name, amountText(balance));
    return QStringLiteral("%1 [Refund: %2]").arg(name, amountText(0.0 - balance));
}

double amountOf(const IndividualTaxData *p, int code)
{
    double v = 0.0;
    return p && p->getAmount(code, v) ? v : 0.0;
}

QString summaryLine(double total, double net, double taxable, double balance)
{
    const QString head = QStringLiteral("[Total Income]=%1 [Net Income]=%2 [Taxable Income]=%3 ")
                             .arg(amountText(total), amountText(net), amountText(taxable));
    if (balance < 0)
        return head + QStringLiteral("[Refund]=%1").arg(amountText(-balance));
    return head + QStringLiteral("[Balance Due]=%1").arg(amountText(balance));
}

} // namespace

// ---- texts and amounts

void CReturnFile::getFullNames(QString &selfName, QString &spouseName) const
{
    selfName.clear();
    spouseName.clear();
    self()->getTaxpayerText(17, selfName);
    if (isCoupled())
        spouse()->getTaxpayerText(17, spouseName);
}

void CReturnFile::balanceSummaries(QString &selfText, QString &spouseText, QString &familyText) const
{
    selfText.clear();
    spouseText.clear();
    familyText.clear();
    QString name;
    self()->getTaxpayerText(11, name);
    const double mine = amountOf(self(), 483);
    selfText = balanceText(name, mine);
    if (!isCoupled())
        return;
    name.clear();
    spouse()->getTaxpayerText(11, name);
    const double theirs = amountOf(spouse(), 483);
    spouseText = balanceText(name, theirs);
    familyText = balanceText(QStringLiteral("Family"), mine + theirs);
}

void CReturnFile::getBalances(double &selfBalance, double &spouseBalance, double &familyBalance) const
{
    selfBalance = spouseBalance = familyBalance = 0.0;
    if (isCoupled()) {
        if (!self()->t1() || !spouse()->t1())
            return;
        selfBalance = amountOf(self(), 483);
        spouseBalance = amountOf(spouse(), 483);
        familyBalance = selfBalance + spouseBalance;
        return;
    }
    selfBalance = familyBalance = amountOf(self(), 483);
}

void CReturnFile::titleText(QString &out) const
{
    auto append = [&out](const IndividualTaxData *p) {
        const TaxData_T1New *t1 = p->t1();
        if (!t1)
            return;
        if (t1->acceptedByCra())
            return;
        out += t1->ConstructFullName();
        out += t1->filingStatus() == 2 ? QStringLiteral(": (amended)") : QStringLiteral(": (not filed/unknown)");
        out += QStringLiteral("  ");
    };
    append(self());
    if (isCoupled())
        append(spouse());
}

QString CReturnFile::statusText() const
{
    if (!isCoupled())
        return self()->resultSummaryLine();
    if (!self()->t1() || !spouse()->t1())
        return QStringLiteral("No tax return is opened.");
    auto sum = [this](int code) { return amountOf(self(), code) + amountOf(spouse(), code); };
    return summaryLine(sum(150), sum(236), sum(260), sum(483));
}

int CReturnFile::fillPersonCombo(PersonCombo &combo, bool spouseSelected)
{
    combo.clear();
    QString name;
    self()->getTaxpayerText(17, name);
    combo.addItem(name.trimmed().isEmpty() ? QStringLiteral("(self)") : name, kSelf);
    int added = 1;
    if (isCoupled()) {
        name.clear();
        spouse()->getTaxpayerText(17, name);
        combo.addItem(name.trimmed().isEmpty() ? QStringLiteral("(spouse/common-law)") : name, kSpouse);
        ++added;
    }
    if (spouseSelected && added > 1) {
        m_current = kSpouse;
        combo.setCurrentIndex(1);
    } else {
        m_current = kSelf;
        combo.setCurrentIndex(0);
    }
    return added;
}

QString CReturnFile::fileBaseName() const
{
    QString name = self()->returnFileName();
    if (isCoupled())
        name += QLatin1Char('_') + spouse()->returnFileName();
    return name;
}

bool CReturnFile::hasPassword() const
{
    return self()->fileVersion() > 66033 && !self()->password().isEmpty();
}

// ---- operations on the current person

int CReturnFile::formCount(int type) const
{
    const IndividualTaxData *p = currentPerson();
    return p ? p->formCount(type) : 0;
}

bool CReturnFile::hasForm(int type) const
{
    const IndividualTaxData *p = currentPerson();
    return p && p->hasForm(type);
}

CTaxData_Form *CReturnFile::getForm(int type, int id, bool create)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->getForm(type, id, create) : nullptr;
}

FormEntry *CReturnFile::findFormEntry(int type, int id, bool create)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->findFormEntry(type, id, create) : nullptr;
}

FormEntry *CReturnFile::addForm(int type, int id, bool insert, int linkedId, bool prefill)
{
    IndividualTaxData *p = currentPerson();
    if (!p)
        return nullptr;
    FormEntry *e = p->addForm(type, id, insert, linkedId, prefill);
    // the pension split needs the T1032 on both sides
    if (type == FormType::T1032 && isCoupled())
        if (IndividualTaxData *partner = otherPerson())
            partner->findFormEntry(FormType::T1032, 0, true);
    return e;
}

FormEntry *CReturnFile::addSlip(int type, int id, int linkedId)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->addSlip(type, id, linkedId) : nullptr;
}

NoteEntry *CReturnFile::addNote(int id)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->addNote(id) : nullptr;
}

void CReturnFile::removeNote(TaxData_TaxNote *note)
{
    if (IndividualTaxData *p = currentPerson())
        p->removeNote(note);
}

void CReturnFile::removeSlip(CTaxData_Form *slip)
{
    if (IndividualTaxData *p = currentPerson())
        p->removeSlip(slip);
}

void CReturnFile::removeForm(CTaxData_Form *form, bool alsoPartner)
{
    if (IndividualTaxData *p = currentPerson())
        p->removeForm(form, true, alsoPartner);
}

int CReturnFile::prerequisiteForm(int type) const
{
    IndividualTaxData *p = currentPerson();
    return p ? p->prerequisiteForm(type) : 0;
}

CString CReturnFile::resultSummaryLine(int kind) const
{
    Q_UNUSED(kind)
    const IndividualTaxData *p = currentPerson();
    return p ? p->resultSummaryLine() : CString();
}

bool CReturnFile::getTaxpayerText(int kind, QString &text) const
{
    const IndividualTaxData *p = currentPerson();
    return p && p->getTaxpayerText(kind, text);
}

bool CReturnFile::getAmount(int code, double &amount) const
{
    const IndividualTaxData *p = currentPerson();
    return p && p->getAmount(code, amount);
}

bool CReturnFile::getIntValue(int code, int &value) const
{
    const IndividualTaxData *p = currentPerson();
    return p && p->getIntValue(code, value);
}

bool CReturnFile::setValue(int code, bool flag, double amount)
{
    IndividualTaxData *p = currentPerson();
    if (!p)
        return false;
    const bool done = p->setValue(code, flag, amount);
    // both T1032s of a couple carry the election
    if ((code == 10321 || code == 10322) && isCoupled())
        if (IndividualTaxData *partner = otherPerson())
            partner->setValue(code, flag, amount);
    return done;
}

bool CReturnFile::setText(int code, const QString &text)
{
    IndividualTaxData *p = currentPerson();
    return p && p->setText(code, text);
}

CString CReturnFile::returnFileName() const
{
    const IndividualTaxData *p = currentPerson();
    return p ? p->returnFileName() : CString();
}

void CReturnFile::fillEfileHeaderVars(QMap<QString, QString> &vars, int requestKind)
{
    if (IndividualTaxData *p = currentPerson())
        p->fillEfileHeaderVars(vars, requestKind);
}

int CReturnFile::buildNetfileDocument(QString &text, int mode)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->buildNetfileDocument(text, quint8(mode & 0xff)) : -1;
}

int CReturnFile::validatePad(int edition, QList<ValidationMessageGroup *> &groups)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->validatePad(quint8(edition), groups) : 0;
}

int CReturnFile::getT185PadXml(CString &document, CString &summary)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->getT185PadXml(document, summary) : -100;
}

int CReturnFile::confirmPadWithdrawal(CString &text)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->confirmPadWithdrawal(text) : 0;
}

int CReturnFile::collectT1013Messages(int edition, QList<ValidationMessageGroup *> &groups)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->collectT1013Messages(quint8(edition), groups) : 0;
}

int CReturnFile::collectT1135Messages(int edition, QList<ValidationMessageGroup *> &groups)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->collectT1135Messages(quint8(edition), groups) : 0;
}

int CReturnFile::buildT1013Xml(CString &document)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->buildT1013Xml(document) : -100;
}

int CReturnFile::buildT1135Xml(QString &document)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->buildT1135Xml(document) : -100;
}

void CReturnFile::fillNetfileRequestVars(QMap<QString, QString> &vars, int edition, QString *text, double *amount,
                                         int flag)
{
    if (IndividualTaxData *p = currentPerson())
        p->fillNetfileRequestVars(vars, edition, text, amount, flag);
}

void CReturnFile::markFilingStatus(int formType, int status, const QString &text, const QString &time)
{
    if (IndividualTaxData *p = currentPerson())
        p->markFilingStatus(formType, status, text, time);
}

int CReturnFile::writeSlipSummaryHtml(QTextStream &out)
{
    IndividualTaxData *p = currentPerson();
    return p ? p->writeSlipSummaryHtml(out) : -1;
}
