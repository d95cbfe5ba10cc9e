#include "ctaxdata_form.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_t183new.h"
#include "taxdata_t1new.h"
#include "utils.h"

namespace {
// An amount as "%.2f" text, never "-0.00".
QString amountText(double v)
{
    return QString::fromStdString(myDoubleToString(v, 2));
}

// The name made usable as a file name: characters that no file system takes become "_".
QString makeValidFilename(const QString &name)
{
    static const QString invalid = QStringLiteral("\\/:*?\"<>|");
    QString out = name.trimmed();
    for (QChar &c : out)
        if (c.unicode() < 0x20 || invalid.contains(c))
            c = QLatin1Char('_');
    while (out.endsWith(QLatin1Char('.')) || out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    return out;
}

QString setting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}
} // namespace

bool IndividualTaxData::getTaxpayerText(int kind, QString &text) const
{
    const TaxData_T1New *t = t1();
    if (!t)
        return false;
    switch (kind) {
    case 1: text = t->sin(); return true;
    case 11: text = t->firstName(); return true;
    case 12: text = t->lastName(); return true;
    // the after-print address: the T1's e-mail, else the T183's
    case 15: text = t->emailAddress(); return true;
    case 16:
        if (auto *t183 = formAs<TaxData_T183New>(singleForm(FormType::T183), FormType::T183)) {
            text = t183->text(TaxData_T183New::F_Email);
            return true;
        }
        return false;
    case 17: text = t->firstName() + QLatin1Char(' ') + t->lastName(); return true;
    case 19: text = t->text(TaxData_T1New::F_Phone); return true;
    default: return false;
    }
}

bool IndividualTaxData::getAmount(int code, double &amount) const
{
    const TaxData_T1New *t = t1();
    if (!t)
        return false;
    switch (code) {
    case 150: amount = t->totalIncome(); return true;
    case 236: amount = t->netIncome(); return true;
    case 260: amount = t->taxableIncome(); return true;
    case 367: amount = t->caregiverChildAmount(); return amount >= 0.009;
    case 483: amount = t->netBalance(); return true;
    case 484: amount = t->balanceDue(); return true;
    case 485: amount = t->refund(); return true;
    default: return false;
    }
}

bool IndividualTaxData::getIntValue(int code, int &value) const
{
    if (code == 995) {
        value = m_taxYear;
        return true;
    }
    return getFlagValue(code, value);
}

void IndividualTaxData::markFilingStatus(int formType, int status, const QString &text, const QString &time)
{
    const QString stamp = time.isEmpty() ? GetCurTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : time;
    switch (formType) {
    case FormType::T1: markT1FilingStatus(status, text, stamp); break;
    case FormType::T1013: markT1013FilingStatus(status, text, stamp); break;
    case FormType::T1135: markT1135FilingStatus(status, text, stamp); break;
    case FormType::T185: markT185FilingStatus(status, text, stamp); break;
    default: break;
    }
}

void IndividualTaxData::markT1FilingStatus(int status, const QString &text, const QString &time)
{
    TaxData_T1New *t = t1();
    if (!t)
        return;
    if (status == 1) {
        t->setFilingTime(time);
        t->setFilingStatus(t->isReFile() ? 3 : 1);
        t->setConfirmationNumber(text);
        return;
    }
    if (status == -1) {
        t->setConfirmationNumber(text);
        t->setFilingTime(time);
    } else {
        t->setFilingStatus(status);
    }
    if (t->isReFile())
        t->setFilingStatus(2);
}

CString IndividualTaxData::returnFileName() const
{
    const TaxData_T1New *t = t1();
    const QString first = t ? t->firstName() : QString();
    const QString last = t ? t->lastName() : QString();
    return CString(makeValidFilename(first + QLatin1Char('_') + (last.isEmpty() ? QStringLiteral("unknown") : last)));
}

CString IndividualTaxData::resultSummaryLine() const
{
    const QVector<FormEntry *> &ofType = m_forms.withKey(FormType::T1);
    if (ofType.isEmpty())
        return CString("No tax return is opened.");
    const TaxData_T1New *t = ofType.size() == 1 ? dynamic_cast<const TaxData_T1New *>(ofType.first()->object) : nullptr;
    if (!t)
        return CString();
    const QString head = QStringLiteral("[Total Income]=%1 [Net Income]=%2 [Taxable Income]=%3 ")
                             .arg(amountText(t->totalIncome()), amountText(t->netIncome()),
                                  amountText(t->taxableIncome()));
    if (t->refund() >= 0.009)
        return CString(head + QStringLiteral("[Refund]=") + amountText(t->refund()));
    return CString(head + QStringLiteral("[Balance Due]=") + amountText(t->balanceDue()));
}

void IndividualTaxData::getFilingIdentity(QString &sin, QString &firstName, QString &middleName, QString &lastName,
                                          QString &furtherName, QDate &dateOfBirth, double &netBalance) const
{
    const TaxData_T1New *t = t1();
    if (!t)
        return;
    sin = t->sin();
    firstName = t->firstName().trimmed();
    middleName = t->text(TaxData_T1New::F_Initial).trimmed();
    lastName = t->lastName().trimmed();
    furtherName = t->text(TaxData_T1New::F_CareOf).trimmed();
    dateOfBirth = t->dateOfBirth();
    netBalance = t->netBalance();
}

void IndividualTaxData::splitFullName(QString &firstPart, CString &lastPart) const
{
    const TaxData_T1New *t = t1();
    const QString name = t ? t->firstName().trimmed() : QString();
    const int space = name.lastIndexOf(QLatin1Char(' '));
    if (space < 0) {
        firstPart = name;
        lastPart = CString();
        return;
    }
    firstPart = name.left(space).trimmed();
    lastPart = CString(name.mid(space + 1));
}

QString IndividualTaxData::lastName() const { const TaxData_T1New *t = t1(); return t ? t->lastName() : QString(); }
QString IndividualTaxData::firstName() const { const TaxData_T1New *t = t1(); return t ? t->firstName() : QString(); }
QString IndividualTaxData::sin() const { const TaxData_T1New *t = t1(); return t ? t->sin() : QString(); }
QDate IndividualTaxData::dateOfBirth() const { const TaxData_T1New *t = t1(); return t ? t->dateOfBirth() : QDate(); }
QString IndividualTaxData::spouseSin() const { const TaxData_T1New *t = t1(); return t ? t->spouseSin() : QString(); }
QString IndividualTaxData::spouseFirstName() const
{
    const TaxData_T1New *t = t1();
    return t ? t->spouseFirstName() : QString();
}
QString IndividualTaxData::spouseLastName() const
{
    const TaxData_T1New *t = t1();
    return t ? t->spouseLastName() : QString();
}
QDate IndividualTaxData::spouseDateOfBirth() const
{
    const TaxData_T1New *t = t1();
    return t ? t->spouseDateOfBirth() : QDate();
}
int IndividualTaxData::maritalStatus() const { const TaxData_T1New *t = t1(); return t ? t->maritalStatus() : 0; }

void IndividualTaxData::setMaritalStatus(int status)
{
    if (TaxData_T1New *t = t1())
        t->setMaritalStatus(status);
}

bool IndividualTaxData::isRrspContributionAge() const
{
    const TaxData_T1New *t = t1();
    if (!t)
        return false;
    const int age = t->GetAge();
    return age >= 18 && age <= 71;
}

void IndividualTaxData::fillPreparerInfo()
{
    TaxData_T1New *t = t1();
    if (!t)
        return;
    auto copyIfSet = [t](int field, const QString &value) {
        if (!value.isEmpty())
            t->setText(field, value);
    };
    copyIfSet(TaxData_T1New::F_PreparerPhone, setting("BusinessPhone"));
    copyIfSet(TaxData_T1New::F_PreparerName, setting("BusinessName"));
    copyIfSet(TaxData_T1New::F_PreparerAddress, setting("BusinessAddr"));
    QString cityLine = setting("BusinessCity");
    const QString prov = setting("BusinessProv");
    const QString postcode = setting("BusinessPostcode");
    if (!prov.isEmpty())
        cityLine += QStringLiteral(", ") + prov;
    if (!postcode.isEmpty())
        cityLine += QLatin1Char(' ') + postcode;
    copyIfSet(TaxData_T1New::F_PreparerCityLine, cityLine);
    copyIfSet(TaxData_T1New::F_EFileNumber, setting("BusinessEFileNum"));
}
