// Checks across forms: other income forms and slips, then the farm and business
// forms and the last checks.
#include "cpostcodeinfo.h"
#include "ctaxdata_t5013.h"
#include "filingeligibility.h"
#include "individualtaxdata.h"
#include "linecoderecords.h"
#include "personchecks_p.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1172new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t5004.h"
#include "taxdata_t776new.h"

namespace personchecks {
namespace {

using T = TaxData_T1New;

constexpr double kRentalLossLimit = -0.01;   // a loss counts below this by the amount tolerance
constexpr int kPostalAreaLength = 3;

bool isRentalLoss(double net) { return exceeds(kRentalLossLimit, net); }

void checkIncomeForms(const Context &c)
{
    if (const CTaxData_Form *t1172 = singleForm(c.person, T1172)) {
        using A = TaxData_T1172New;
        if (exceeds(t1172->amount(A::F_68270) + t1172->amount(A::F_68280), line(c, T::F_13000)))
            appendMessage(c.messages, "Field 68270 and field 68280 in form T1172 cannot be greater than field 13000 of "
                                      "T1.");
    }
    if (const CTaxData_Form *t5004 = singleForm(c.person, T5004))
        if (exceeds(c.t1.amount(T::F_67650), t5004->amount(TaxData_T5004::F_6765)))
            appendMessage(c.messages, "The supporting field 67650 is claimed for box 11 of T5003 slip, or for field "
                                      "22400, 23200 of form T1, or in form T5013, T776, T1163, T2042, T2124, T2121. "
                                      "Please also enter the full amount of field 6765 in form T5004.");
}

void checkRentalLoss(const Context &c)
{
    if (!isRentalLoss(line(c, T::F_12600)))
        return;
    for (const FormEntry *e : c.person.forms().withKey(T776)) {
        const CTaxData_Form *t776 = e->object;
        if (t776 && isRentalLoss(t776->amount(TaxData_T776New::F_NetIncome))
            && positive(t776->amount(TaxData_T776New::F_CCA))) {
            appendMessage(c.messages, "Please lower CCA claim amount (Field 9936) in Rental form T776, CCA claim "
                                      "cannot create/increase a rental loss.");
            return;
        }
    }
}

void checkFishingAndWorkForms(const Context &c)
{
    const auto &t2121s = c.person.forms().withKey(T2121);
    if (!t2121s.isEmpty() && positive(c.slips.fishingT4Tax)) {
        double withheld = 0.0;
        for (const FormEntry *e : t2121s)
            if (e->object)
                withheld += e->object->amount(TaxData_T2121New::F_5345);
        if (zero(withheld))
            appendMessage(c.messages, "You reported income tax deducted in T4F tax slip, however, you didn't enter box "
                                      "14 of the T4F slip as supporting field 5345 income with tax withheld at the "
                                      "bottom on page 1 of form T2121.");
    }
    if (c.t1.flag(T::F_FishingT4Indicator) && c.t1.intValue(T::F_T2121Count) == 0)
        appendMessage(c.messages, "You added fishing related T4 slip in tax return, you also need to add form T2121 to "
                                  "report the details of fishing activity.");
    if (singleForm(c.person, T929) && !c.t1.isDisabled())
        appendMessage(c.messages, "Form T929 can be included in the tax return only when disability amount is claimed "
                                  "on field 316 of Schedule 1.");
    if ((c.person.hasForm(T777) || c.person.hasForm(T777S) || c.person.hasForm(TL2)) && zero(line(c, T::F_22900)))
        appendMessage(c.messages, "Please remove form T777/T777S or TL2 from the tax return, because there is no work "
                                  "expense claimed on line 22900 of T1.");
}

// The filing document carries the statements of a T5013's first four rows only.
void checkPartnershipStatements(const Context &c, const CTaxData_T5013 &form)
{
    const FieldRowList &rows = form.rows(0);
    for (int i = kFiledPartnershipRows; i < rows.count(); ++i) {
        if (!form.IsThisSFD(i))
            continue;
        const QString name = rows.row(i).text(CTaxData_T5013::C_Partnership).trimmed();
        const QString row = name.isEmpty() ? QString::number(i + 1) : QStringLiteral("%1 (%2)").arg(i + 1).arg(name);
        appendFormattedMessage(c.messages,
                               "Partnership row %s of the T5013 Schedule files its own statement, but only the "
                               "statements of the first four rows can be filed electronically: move it into the "
                               "first four rows, clear \"Files its own statement\" on it, or file the return on paper.",
                               row.toUtf8().constData());
    }
}

bool postCodeOutsideProvince(const Context &c, const CTaxData_Form &form, int postcodeField)
{
    const QString area = form.text(postcodeField).trimmed().left(kPostalAreaLength);
    return !CPostCodeInfo::GetInstance()->IsPostCodeFromProv(area, c.person.province());
}

// Walks the farm and business forms in list order; gives the number of T2125 forms
// whose income came through a placement agency.
int checkBusinessPlaces(const Context &c)
{
    int placementForms = 0;
    for (const FormEntry *e : c.person.forms()) {
        const CTaxData_Form *form = e->object;
        if (!form)
            continue;
        switch (e->type) {
        case T1163:
            if (form->intValue(TaxData_T1163New::F_MainFarmProvince) != c.t1.getMainTaxProvince())
                appendMessage(c.messages, "The province of main farmstead is not same as residence province on Dec. 31.");
            if (postCodeOutsideProvince(c, *form, TaxData_T1163New::F_Postcode))
                appendMessage(c.messages, "Postcode in form T1163 indicates you are NOT doing business in the tax "
                                          "province. Please correct the postcode or the tax return is NOT eligible for "
                                          "NETFILE/EFILE service.");
            break;
        case T2042:
            if (postCodeOutsideProvince(c, *form, TaxData_T2042New::F_Postcode))
                appendMessage(c.messages, "Postcode in form T2042 indicates you are NOT doing business in the tax "
                                          "province. Please correct the postcode or the tax return is NOT eligible for "
                                          "NETFILE/EFILE service.");
            break;
        case T2125:
        case T2125Commission:
            if (postCodeOutsideProvince(c, *form, TaxData_T2125_New::F_Postcode))
                appendMessage(c.messages, e->type == T2125
                                              ? "Postcode in form T2125 indicates you are NOT doing business in the tax "
                                                "province. Please correct the postcode or the tax return is NOT "
                                                "eligible for NETFILE/EFILE service."
                                              : "Postcode in Commission form indicates you are NOT doing business in the "
                                                "tax province. Please correct the postcode or the tax return is NOT "
                                                "eligible for NETFILE/EFILE service.");
            if (form->flag(TaxData_T2125_New::F_PlacementAgency))
                ++placementForms;
            break;
        case T5013:
            if (!c.bankrupt)
                if (auto *t5013 = dynamic_cast<const CTaxData_T5013 *>(form))
                    checkPartnershipStatements(c, *t5013);
            break;
        default:
            break;
        }
    }
    return placementForms;
}

void checkLast(const Context &c, int placementForms)
{
    if (placementForms > 0 && !c.slips.anyT4)
        appendFormattedMessage(c.messages, "There is no [%s] tax slip in the return.", "T4");
    if (placementForms == 0 && nonZero(c.slips.placementAgencyIncome))
        appendMessage(c.messages, "You claimed placement agency income in T4 slip; however, you didn't report the "
                                  "income in any self-employment business form.");
    const int caisForm = GetCAISFormTypeFromProv(c.person.province());
    if (c.person.hasForm(T1163) && caisForm != T1163)
        appendMessage(c.messages, "Remove form T1163 since it's not allowed in this tax province.");
    if (c.person.hasForm(T1273) && caisForm != T1273)
        appendMessage(c.messages, "Remove form T1273 since it's not allowed in this tax province.");
    if (!c.person.hasForm(T2125) && c.slips.t1204Slips > 0)
        appendFormattedMessage(c.messages, "Tax form %s is needed because %s.", "T2125",
                               "tax slip T1204 is entered into tax return");
}

} // namespace

void checkBusinessForms(const Context &c)
{
    checkIncomeForms(c);
    checkRentalLoss(c);
    checkFishingAndWorkForms(c);
    checkLast(c, checkBusinessPlaces(c));
}

} // namespace personchecks
