#include "taxdata_t185.h"
#include "filingformat.h"
#include "utils.h"
#include "xmlwriters.h"
#include <QRegularExpression>

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Institution", FieldKind::Text},
        {"Branch", FieldKind::Text},
        {"Account", FieldKind::Text},
        {"Amount", FieldKind::Amount},
        {"DebitDate", FieldKind::Date},
        {"PadDate", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"Message", FieldKind::Text},
        {"PreparerName", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"EFilePassword", FieldKind::Text, 0, 0.0, true},
        {"SoftwareCode", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Phone", FieldKind::Text},
        {"Email", FieldKind::Text},
        {"FixedAmount", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_T185::TaxData_T185() : CTaxData_Form(formFields(), KindForm, 181)
{
}

void TaxData_T185::Calculate01()
{
    if (amount(F_Amount) < 0)
        setAmount(F_Amount, 0.0);
}

namespace {

bool digitsOnly(const QString &text, int least, int most)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return text.size() >= least && text.size() <= most && digits.match(text).hasMatch();
}

} // namespace

int TaxData_T185::ValidatePAD(int, QList<CString> &messages)
{
    if (!digitsOnly(text(F_Institution).trimmed(), 3, 3))
        messages.append(CString(QStringLiteral("T185: the financial institution number must have 3 digits.")));
    if (!digitsOnly(text(F_Branch).trimmed(), 5, 5))
        messages.append(CString(QStringLiteral("T185: the branch number must have 5 digits.")));
    if (!digitsOnly(text(F_Account).trimmed(), 5, 12))
        messages.append(CString(QStringLiteral("T185: the account number must have 5 to 12 digits.")));
    if (amount(F_Amount) < 0.009)
        messages.append(CString(QStringLiteral("T185: enter the amount to withdraw.")));
    if (!date(F_DebitDate).isValid())
        messages.append(CString(QStringLiteral("T185: enter the date of the withdrawal.")));
    return messages.size();
}

int TaxData_T185::getT185PadXMLContent(CString &document, CString &summary)
{
    QList<CString> faults;
    if (ValidatePAD(1, faults) > 0)
        return -1;
    const QString amountText = QString::number(amount(F_Amount), 'f', 2);
    const QString when = GetDateStr(date(F_DebitDate), 2);
    QString xml;
    writeXMLOpenTagString(xml, QStringLiteral("PreAuthorizedDebitAgreement"));
    writeXMLString(xml, QStringLiteral("SocialInsuranceNumber"), GetPureDigitStr(text(F_SIN)).left(9), 0);
    writeXMLOpenTagString(xml, QStringLiteral("PayerName"));
    writeXMLString(xml, QStringLiteral("GivenName"), text(F_FirstName).trimmed(), 30);
    writeXMLString(xml, QStringLiteral("FamilyName"), text(F_LastName).trimmed(), 60);
    writeXMLCloseTagString(xml, QStringLiteral("PayerName"));
    writeXMLString(xml, QStringLiteral("FinancialInstitutionNumber"), text(F_Institution).trimmed(), 0);
    writeXMLString(xml, QStringLiteral("BranchNumber"), text(F_Branch).trimmed(), 0);
    writeXMLString(xml, QStringLiteral("AccountNumber"), text(F_Account).trimmed(), 0);
    writeXMLString(xml, QStringLiteral("PaymentAmount"), amountText, 0);
    writeXMLString(xml, QStringLiteral("PaymentDate"), when, 0);
    writeXMLCloseTagString(xml, QStringLiteral("PreAuthorizedDebitAgreement"));
    document = CString(xml);
    summary = CString(QStringLiteral("Withdrawal of $%1 on %2 from the account ending in %3.")
                          .arg(amountText, when, text(F_Account).trimmed().right(3)));
    return 0;
}
