#include "filingeligibility.h"
#include "ctaxdata_t1dd.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_rc267new.h"
#include "taxdata_rc268new.h"
#include "taxdata_rc269.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1248schd.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "utils.h"

namespace {

using T1 = TaxData_T1New;
using KS = TaxData_T1KSNew;

enum FormType {
    FormT1 = 1, T1163 = 15, T2209 = 35, DirectDeposit = 52, ResultForm = 93, T1273 = 109,
    ReFileSnapshot = 159, T1248ScheduleD = 207, RC267 = 136, RC268 = 137, RC269 = 138,
};
enum Edition : quint8 { EFile = 1, NetFile = 2 };
constexpr int kFilingStatusAmendedInPreparation = 2;
constexpr int kMaxAccountDigits = 12;
constexpr int kMaxT2209Forms = 3;
constexpr int kMaxSelfEmploymentForms = 12;

const char *const kCannotCreate = "Brackenquill cannot create NETFILE/EFILE for this return file.";
const char *const kInBankruptcy =
    "This tax return is not eligible for NetFile/EFile, because the tax payer is in bankruptcy.";
const char *const kProvinceRefuses =
    "This tax return is not eligible for NETFILE/EFILE according to the rules of its province.";

bool present(double v) { return isAmountEntered(v); }

template <class Form>
Form *firstForm(const IndividualTaxData &person, int type)
{
    for (const FormEntry *e : person.forms().withKey(type))
        if (auto *f = dynamic_cast<Form *>(e->object))
            return f;
    return nullptr;
}

// ---- the tests of checkNetfileEligibility that need the T1, each appending its message

void checkSin(const T1 &t, quint8 edition, QList<CString> &messages)
{
    const QString sin = t.sin();
    if (edition == NetFile) {
        const QString start = sin.left(2);
        if (start == QLatin1String("09") || start == QLatin1String("08"))
            appendMessage(messages, "Tax return which has SIN number starting with 09 or 08 is not eligible for Netfile.");
    }
    if (edition == EFile && sin.startsWith(QLatin1Char('0')))
        appendMessage(messages, "Tax return which has SIN number starting with '0' is not eligible for EFILE.");
}

void checkResidency(const IndividualTaxData &person, const T1 &t, QList<CString> &messages)
{
    const auto *schD = firstForm<TaxData_T1248SchD>(person, T1248ScheduleD);
    if (schD && !schD->isEligibleForNetFile())
        appendMessage(messages, "NetFile/EFile doesn't allow the residency type specified in form T1248 Schedule D.");
    const int business = t.intValue(T1::F_ProvinceOfBusiness);
    if (business != 0 && business != t.getMainTaxProvince())
        appendMessage(messages, "The tax return is not eligible to use Netfile/Efile, because the self-employment "
                                "province is not the same as the tax province.");
}

double formAmount(const IndividualTaxData &person, int type, int field)
{
    const auto *form = firstForm<CTaxData_Form>(person, type);
    return form ? form->amount(field) : 0.0;
}

// Test 9: at most one of RC267, RC268 and RC269 carries its deduction to the T1.
bool combinesForeignPlans(const IndividualTaxData &person)
{
    const int carried = int(present(formAmount(person, RC267, TaxData_RC267New::F_Deduction)))
        + int(present(formAmount(person, RC268, TaxData_RC268New::F_Deduction)))
        + int(present(formAmount(person, RC269, TaxData_RC269::F_Deduction)));
    return carried >= 2;
}

void checkPersonStatus(const IndividualTaxData &person, const T1 &t, quint8 edition, QList<CString> &messages)
{
    if (edition == NetFile) {
        if (t.IsDeceased())
            appendMessage(messages, "This tax return is not eligible for NETFILE/EFILE, because the tax payer is deceased.");
        if (t.IsBankrupt() || t.IsPostBankrupt())
            appendMessage(messages, kInBankruptcy);
        if (combinesForeignPlans(person))
            appendMessage(messages, "This return is not eligible for Netfile, because there are combination of "
                                    "RC267/RC268/RC269 in tax return.");
    }
    if (edition == EFile) {
        if (t.IsBankrupt() && t.flag(T1::F_RevokeFiscalPeriod))
            appendMessage(messages, "This tax return is not eligible for EFILE because you chose to revoke the "
                                    "previously filed election to keep a fiscal period that does not end on a Dec. 31 "
                                    "fiscal period.");
        if (t.IsPostBankrupt())
            appendMessage(messages, kInBankruptcy);
    }
}

void checkFormCounts(const IndividualTaxData &person, const T1 &t, QList<CString> &messages)
{
    if (person.province() != kQuebec && present(t.amount(T1::F_MultiJurisdiction440)))
        appendMessage(messages, "This tax return is not eligible for NETFILE/EFILE, because tax payer is not a Quebec "
                                "resident, and indicated on line 440 of T1 that multiple jurisdiction applies.");
    const auto *deposit = firstForm<CTaxData_T1DD>(person, DirectDeposit);
    if (deposit && deposit->text(CTaxData_T1DD::F_Account).size() > kMaxAccountDigits)
        appendMessage(messages, "Netfile can not be created because the direct deposit account number is more than "
                                "12 digits.");
    if (person.countForms(T2209) > kMaxT2209Forms)
        appendMessage(messages, "This return is not eligible for Netfile or Efile, because it contains more than 3 "
                                "T2209 forms.");
    if (person.countSelfEmploymentForms() > kMaxSelfEmploymentForms)
        appendMessage(messages, "The tax return is not eligible for NETFILE/EFILE, because tax return has more than "
                                "12 self-business and/or work expenses forms.");
}

// Tests 16 and 17: one pass over the forms, one message per matching form.
void checkFarmForms(const IndividualTaxData &person, const T1 &t, QList<CString> &messages)
{
    for (const FormEntry *e : person.forms()) {
        if (e->type == T1273) {
            appendMessage(messages, "Brackenquill doesn't support NETFILE or EFILE for tax return with CAIS form T1273.");
        } else if (e->type == T1163 && e->object
                   && e->object->intValue(TaxData_T1163New::F_MainFarmProvince) != t.getMainTaxProvince()) {
            appendMessage(messages, "This tax return is not eligible for NETFILE, since the province of main farmstead "
                                    "in form T1163 is not same as the province of residence on Dec. 31.");
        }
    }
}

KS *resultForm(IndividualTaxData &person, int type)
{
    return dynamic_cast<KS *>(person.getForm(type, 0, false));
}

} // namespace

void appendMessage(QList<CString> &messages, const char *text)
{
    messages.append(CString(text));
}

void appendFormattedMessage(QList<CString> &messages, const char *format, const char *argument)
{
    messages.append(CString(QString::asprintf(format, argument)));
}

void appendFormattedMessage(QList<CString> &messages, const char *format, const char *first, const char *second)
{
    messages.append(CString(QString::asprintf(format, first, second)));
}

int checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages)
{
    if (!IsProvinceSupported(person.province()))
        appendMessage(messages, kCannotCreate);
    const T1 *t = person.t1();
    if (!t) {
        appendMessage(messages, kCannotCreate);
        return messages.size();
    }
    checkSin(*t, edition, messages);
    checkResidency(person, *t, messages);
    checkPersonStatus(person, *t, edition, messages);
    checkFormCounts(person, *t, messages);
    checkFarmForms(person, *t, messages);
    if (person.provinceManager().checkNetfileEligibility() != 0)
        appendMessage(messages, kProvinceRefuses);
    return messages.size();
}

int checkRefileBankruptcy(IndividualTaxData &person, quint8, QList<CString> &messages)
{
    const T1 *t = person.t1();
    if (!t)
        appendMessage(messages, kCannotCreate);
    else if (t->IsBankrupt() || t->IsPostBankrupt())
        appendMessage(messages, "Re-File cannot change a return with regard to bankruptcy.");
    return messages.size();
}

int checkRefileChanges(IndividualTaxData &person, QList<CString> &messages)
{
    const KS *snapshot = resultForm(person, ReFileSnapshot);
    const KS *current = resultForm(person, ResultForm);
    if (!snapshot || !current) {
        appendMessage(messages, "Re-File data return file doesn't function properly, please send return file to "
                                "brackenquill support for help.");
        return messages.size();
    }
    static const int kLines[] = {KS::F_Line11600, KS::F_Line21000, KS::F_Line25200, KS::F_Line25300};
    for (int field : kLines) {
        if (present(current->amount(field) - snapshot->amount(field))) {
            appendMessage(messages, "Re-File cannot change pension-split amount (Field 11600/21000), or non-capital "
                                    "loss/capital loss (Field 25200/25300) amount.");
            break;
        }
    }
    return messages.size();
}

int takeReFileSnapshot(IndividualTaxData &person)
{
    T1 *t = person.t1();
    const KS *current = resultForm(person, ResultForm);
    if (!t || !current)
        return -1;
    // a Re-File already started keeps the values it started from
    if (t->isReFile() && resultForm(person, ReFileSnapshot))
        return 0;
    auto *snapshot = dynamic_cast<KS *>(person.getForm(ReFileSnapshot, 0, true));
    if (!snapshot)
        return -1;
    *snapshot = *current;
    t->setReFile(true);
    person.markFilingStatus(FormT1, kFilingStatusAmendedInPreparation, QString());
    return 0;
}

int clearReFileMark(IndividualTaxData &person)
{
    if (T1 *t = person.t1())
        t->setReFile(false);
    return 0;
}
