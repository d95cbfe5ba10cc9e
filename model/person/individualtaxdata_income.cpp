#include "ctaxdata_t5013.h"
#include "formcast.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_t1163new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1new.h"

// The person's self-employment and statement forms.

namespace {
enum T2125Kind { Business = 0, Professional = 1 };

bool hasT2125OfKind(const EntryList<FormEntry> &forms, int kind)
{
    for (const FormEntry *e : forms.withKey(FormType::T2125))
        if (auto *f = formAs<TaxData_T2125_New>(e->object, FormType::T2125))
            if (f->incomeKind() == kind)
                return true;
    return false;
}

// True when a T5013 answers above 0 to the question.
template <class Question>
bool anyT5013(const EntryList<FormEntry> &forms, Question ask)
{
    for (const FormEntry *e : forms.withKey(FormType::T5013Schedule))
        if (auto *f = formAs<CTaxData_T5013>(e->object, FormType::T5013Schedule))
            if (ask(*f) > 0)
                return true;
    return false;
}

// Net income of a statement counted as self-employment income (0 for other forms).
double statementNetIncome(const CTaxData_Form *o)
{
    switch (o->formType()) {
    case FormType::T1163:
        if (auto *f = formAs<TaxData_T1163New>(o, FormType::T1163))
            return f->amount(TaxData_T1163New::F_NetIncome);
        break;
    case FormType::T2042:
        if (auto *f = formAs<TaxData_T2042New>(o, FormType::T2042))
            return f->amount(TaxData_T2042New::F_NetIncome);
        break;
    case FormType::T2121:
        if (auto *f = formAs<TaxData_T2121New>(o, FormType::T2121))
            return f->amount(TaxData_T2121New::F_NetIncome);
        break;
    case FormType::T2125:
    case FormType::T2125Partnership:
        if (auto *f = formAs<TaxData_T2125_New>(o, o->formType()))
            return f->netIncome();   // business or professional, by the form's own kind
        break;
    default:
        break;
    }
    return 0.0;
}
} // namespace

bool IndividualTaxData::hasRentalIncome() const
{
    return hasForm(FormType::T776)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveRentalIncome(); });
}

bool IndividualTaxData::hasBusinessIncome() const
{
    return hasT2125OfKind(m_forms, Business)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveBusinessIncome(); });
}

bool IndividualTaxData::hasFishingIncome() const
{
    return hasForm(FormType::T2121)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveFishIncome(); });
}

bool IndividualTaxData::hasFarmingIncome() const
{
    return hasForm(FormType::T1163) || hasForm(FormType::T2042) || hasForm(FormType::T1273)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveFarmIncome(); });
}

bool IndividualTaxData::hasCommissionIncome() const
{
    return hasForm(FormType::T2125Partnership)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveCommissionIncome(); });
}

bool IndividualTaxData::hasProfessionalIncome() const
{
    return hasT2125OfKind(m_forms, Professional)
        || anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.HaveProfessionalIncome(); });
}

bool IndividualTaxData::hasSelfEmploymentForms() const
{
    for (int type : {FormType::T1163, FormType::T2032Old, FormType::T2042, FormType::T2124Old, FormType::T2032Old2,
                     FormType::T2121, FormType::T1273, FormType::T2125, FormType::T2125Partnership})
        if (hasForm(type))
            return true;
    return anyT5013(m_forms, [](const CTaxData_T5013 &f) { return f.GetCountOfSFDForms(0); });
}

int IndividualTaxData::countSelfEmploymentForms() const
{
    int count = 0;
    for (const FormEntry *e : m_forms) {
        if (e->type == FormType::T5013Schedule) {
            if (auto *f = formAs<CTaxData_T5013>(e->object, FormType::T5013Schedule))
                count += f->GetCountOfSFDForms(1);
        } else if (e->type == FormType::T1273) {
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
        if (auto *f = formAs<CTaxData_T5013>(o, FormType::T5013Schedule)) {
            total += f->GetTotalNonLossNetIncome();
            continue;
        }
        const double income = statementNetIncome(o);
        if (income >= 0.009
            && (e->type == FormType::T1163 || e->type == FormType::T2042 || e->type == FormType::T2121
                || e->type == FormType::T2125 || e->type == FormType::T2125Partnership))
            total += income;
    }
    return total;
}

namespace {
constexpr int kEmploymentCodeFisher = 17;   // box 29: self-employed fisher (T4F)
constexpr int kCppFirstAge = 18;
constexpr int kCppLastAge = 70;
} // namespace

void IndividualTaxData::fillCheckIndicators(TaxData_T1New &t) const
{
    using T1 = TaxData_T1New;
    t.setIntValue(T1::F_T2121Count, countForms(FormType::T2121));
    bool fishingT4 = false;
    for (const FormEntry *e : m_slips.withKey(SlipType::T4))
        if (e->object && e->object->intValue(TaxData_Slip_T4::F_EmploymentCode) == kEmploymentCodeFisher)
            fishingT4 = true;
    t.setFlag(T1::F_FishingT4Indicator, fishingT4);
    // the CPP covers the years from 18 to 70
    const int age = t.GetAge();
    t.setIntValue(T1::F_ContributionIndicator, t.dateOfBirth().isValid() && age >= kCppFirstAge && age <= kCppLastAge);
}
