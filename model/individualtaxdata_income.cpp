#include "ctaxdata_t5013.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_t1163new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"

// The person's self-employment and statement forms.

namespace {
enum T2125Kind { Business = 0, Professional = 1 };

bool hasT2125OfKind(const EntryList<FormEntry> &forms, int kind)
{
    for (const FormEntry *e : forms.withKey(125))
        if (auto *f = dynamic_cast<const TaxData_T2125_New *>(e->object))
            if (f->incomeKind() == kind)
                return true;
    return false;
}

// True when a T5013 answers above 0 to the question.
template <class Question>
bool anyT5013(const EntryList<FormEntry> &forms, Question ask)
{
    for (const FormEntry *e : forms.withKey(38))
        if (auto *f = dynamic_cast<const CTaxData_T5013 *>(e->object))
            if (ask(*f) > 0)
                return true;
    return false;
}
} // namespace

bool IndividualTaxData::hasRentalIncome() const
{
    return hasForm(12) || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveRentalIncome(); });
}

bool IndividualTaxData::hasBusinessIncome() const
{
    return hasT2125OfKind(m_forms, Business)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveBusinessIncome(); });
}

bool IndividualTaxData::hasFishingIncome() const
{
    return hasForm(51) || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveFishIncome(); });
}

bool IndividualTaxData::hasFarmingIncome() const
{
    return hasForm(15) || hasForm(21) || hasForm(109)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveFarmIncome(); });
}

bool IndividualTaxData::hasCommissionIncome() const
{
    return hasForm(131) || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveCommissionIncome(); });
}

bool IndividualTaxData::hasProfessionalIncome() const
{
    return hasT2125OfKind(m_forms, Professional)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveProfessionalIncome(); });
}

bool IndividualTaxData::hasSelfEmploymentForms() const
{
    for (int type : {15, 19, 21, 22, 33, 51, 109, 125, 131})
        if (hasForm(type))
            return true;
    return anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.GetCountOfSFDForms(0); });
}

int IndividualTaxData::countSelfEmploymentForms() const
{
    int count = 0;
    for (const FormEntry *e : m_forms) {
        if (e->type == 38) {
            if (auto *f = dynamic_cast<const CTaxData_T5013 *>(e->object))
                count += f->GetCountOfSFDForms(1);
        } else if (e->type == 109) {
            count += 2;
        } else if (IsSFDForm(e->type)) {
            count += 1;
        }
    }
    return count;
}

double IndividualTaxData::totalSelfEmploymentIncome() const
{
    double total = 0.0;
    for (const FormEntry *e : m_forms) {
        const CTaxData_Form *o = e->object;
        if (!o)
            continue;
        double income = 0.0;
        if (auto *f = dynamic_cast<const TaxData_T1163New *>(o))
            income = f->amount(TaxData_T1163New::F_NetIncome);
        else if (auto *f = dynamic_cast<const TaxData_T2042New *>(o))
            income = f->amount(TaxData_T2042New::F_NetIncome);
        else if (auto *f = dynamic_cast<const TaxData_T2121New *>(o))
            income = f->amount(TaxData_T2121New::F_NetIncome);
        else if (auto *f = dynamic_cast<const TaxData_T2125_New *>(o))
            income = f->netIncome();   // business or professional, by the form's own kind
        else if (auto *f = dynamic_cast<const CTaxData_T5013 *>(o)) {
            total += f->GetTotalNonLossNetIncome();
            continue;
        }
        if (income >= 0.009 && (e->type == 15 || e->type == 21 || e->type == 51 || e->type == 125 || e->type == 131))
            total += income;
    }
    return total;
}
