#include "paddocument.h"
#include "filingformat.h"
#include "individualtaxdata.h"
#include "taxdata_t185.h"
#include "validationmessagegroup.h"

namespace {

constexpr int kFormT185 = 181;
constexpr int kOwnChecks = 2;
constexpr int kNoForm = -100;

TaxData_T185 *t185Of(IndividualTaxData &person)
{
    return dynamic_cast<TaxData_T185 *>(person.getForm(kFormT185, 0, false));
}

} // namespace

int validatePad(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    TaxData_T185 *t185 = t185Of(person);
    if (!t185)
        return 0;
    auto *group = new ValidationMessageGroup(kOwnChecks, kFormT185);
    const int result = t185->ValidatePAD(edition, group->messages);
    if (group->messages.isEmpty())
        delete group;
    else
        groups.append(group);
    return result;
}

int getT185PadXml(IndividualTaxData &person, CString &document, CString &summary)
{
    TaxData_T185 *t185 = t185Of(person);
    return t185 ? t185->getT185PadXMLContent(document, summary) : kNoForm;
}

int confirmPadWithdrawal(IndividualTaxData &person, CString &text)
{
    const TaxData_T185 *t185 = t185Of(person);
    if (!t185 || t185->amount(TaxData_T185::F_Amount) < 0.009)
        return 0;
    text = CString(QStringLiteral("Please confirm that you authorize the CRA to withdraw $%1 from your account on %2.")
                       .arg(QString::number(t185->amount(TaxData_T185::F_Amount), 'f', 2),
                            FormatQDate(t185->date(TaxData_T185::F_DebitDate), 18)));
    return 1;
}
