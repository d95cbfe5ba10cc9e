// The province's points to confirm before filing and its checks between spouses.
#include "provincetaxmanager_checks.h"
#include "formtables.h"
#include "provincialcredits2024.h"
#include "provincetaxmanager.h"
#include "taxdata_provbenefitapp.h"
#include "taxdata_provcredits479.h"
#include "taxdata_provsch11.h"
#include "taxdata_provtax428.h"
#include "taxdata_t1new.h"
#include <QStringList>

bool endedTuitionCredit(int province)
{
    return tax2024::tuitionAmountEnded(static_cast<tax2024::Province>(province));
}

namespace {
bool entered(double v) { return isAmountEntered(v); }

// Applying for the energy and property tax credit without any cost of the home.
bool appliesWithoutCosts(const TaxData_ProvBenefitApp &app)
{
    using B = TaxData_ProvBenefitApp;
    if (!app.flag(B::F_ApplyEnergyPropertyTax))
        return false;
    if (entered(app.amount(B::F_RentPaid)) || entered(app.amount(B::F_PropertyTax))
        || entered(app.amount(B::F_LongTermCare)))
        return false;
    return !(app.flag(B::F_Reserve) && entered(app.amount(B::F_EnergyCosts)));
}

bool partnerApplies(CProvincialTaxManager *partner, int code)
{
    double value = 0.0;
    return partner && partner->getProvincialValue(code, value) && value != 0.0;
}

} // namespace

bool appliesFor(const TaxData_ProvBenefitApp *application, int code)
{
    if (!application)
        return false;
    if (code == ProvinceTaxManager::kEnergyPropertyApplicationCode)
        return application->flag(TaxData_ProvBenefitApp::F_ApplyEnergyPropertyTax);
    if (code == ProvinceTaxManager::kNorthernEnergyApplicationCode)
        return application->flag(TaxData_ProvBenefitApp::F_ApplyNorthernEnergy);
    return false;
}

const TaxData_ProvBenefitApp *ProvinceTaxManager::benefitApplication() const
{
    for (CTaxData_Form *f : qAsConst(m_forms))
        if (auto *app = dynamic_cast<const TaxData_ProvBenefitApp *>(f))
            return app;
    return nullptr;
}

void ProvinceTaxManager::collectWarnings(TaxData_T1New *t1, CTaxData_Form *, QStringList &texts)
{
    const TaxData_ProvBenefitApp *app = benefitApplication();
    if (app && appliesWithoutCosts(*app))
        texts << QStringLiteral("The energy and property tax credit is applied for on form %1 without rent, property "
                                "tax or long-term care costs for 2024. Please confirm the costs of the principal "
                                "residence.")
                     .arg(formName(app->formType()));
    if (m_lastForm) {
        typedAmountWarnings(*m_lastForm, texts);
        amountsOnTheWrongFormWarnings(*m_lastForm, texts);
        if (t1)
            adoptionMaximumWarning(*m_lastForm, *t1, texts);
    }
}

// Adoption expenses held to the amount known to be within a maximum the program does not know
// (NL), and no line typed in their place: the preparer may raise the line by hand.
void ProvinceTaxManager::adoptionMaximumWarning(const TaxData_ProvTax428 &form, const TaxData_T1New &t1,
                                                QStringList &texts) const
{
    using F = TaxData_ProvTax428;
    const auto province = static_cast<tax2024::Province>(m_provinceId);
    const double federal = t1.amount(TaxData_T1New::F_31300), claimed = form.amount(F::F_Adoption);
    if (tax2024::provincialAdoptionMaximumKnown(province) || federal - claimed < 0.005
        || entered(form.amount(F::F_AdoptionClaimed)))
        return;
    texts << QStringLiteral("The adoption expenses of line 31300 (%1) are more than form %2 claims on line 58330 "
                            "(%3): the 2024 %4 maximum per child is not known to the program, which claims at most "
                            "%5 a child. If the form's maximum allows more, type line 58330 on form %2 (Amounts you "
                            "enter).")
                 .arg(QString::number(federal, 'f', 2), formName(form.formType()), QString::number(claimed, 'f', 2),
                      provinceName(m_provinceId),
                      QString::number(tax2024::provincialAdoptionMaximum(province), 'f', 2));
}

// A fitness or arts amount typed on the 479 (files of before) where the 428 now claims it: kept
// in the file but not counted, so the preparer is told where it goes.
void ProvinceTaxManager::amountsOnTheWrongFormWarnings(const TaxData_ProvTax428 &form, QStringList &texts) const
{
    using C = TaxData_ProvCredits479;
    struct Typed { int field; tax2024::TypedAmount line; const char *name; const char *code; };
    static constexpr Typed kTyped[] = {{C::F_FitnessAmount, tax2024::TypedAmount::Fitness, "fitness amount", "58325"},
                                       {C::F_ChildrenArts, tax2024::TypedAmount::Arts, "children's arts amount", "58326"}};
    const auto province = static_cast<tax2024::Province>(m_provinceId);
    for (const CTaxData_Form *f : qAsConst(m_forms)) {
        const auto *credits = dynamic_cast<const C *>(f);
        if (!credits)
            continue;
        for (const Typed &t : kTyped) {
            const double typed = credits->amount(t.field);
            if (typed < 0.005 || !tax2024::provincialTypedAmountLimit(province, t.line))
                continue;
            texts << QStringLiteral("The %1 entered on form %2 (%3) is not counted there: enter it on line %4 of "
                                    "form %5.")
                         .arg(QLatin1String(t.name), formName(credits->formType()), QString::number(typed, 'f', 2),
                              QLatin1String(t.code), formName(form.formType()));
        }
    }
}

// A typed amount over its limit (for the persons the dependants list, where the limit is per
// person): the claim is the limit.
void ProvinceTaxManager::typedAmountWarnings(const TaxData_ProvTax428 &form, QStringList &texts)
{
    using F = TaxData_ProvTax428;
    struct Typed { int typed; int line; const char *name; bool perPerson; };
    static constexpr Typed kTyped[] = {{F::F_FitnessFees, F::F_Fitness, "fitness amount", true},
                                       {F::F_ArtsFees, F::F_ChildrenArts, "children's arts amount", true},
                                       {F::F_WellnessFees, F::F_Wellness, "children's wellness amount", true},
                                       {F::F_TeacherSupplyExpenses, F::F_TeacherSupplies,
                                        "teacher school supply amount", false}};
    for (const Typed &t : kTyped) {
        const double typed = form.amount(t.typed), claimed = form.amount(t.line);
        if (typed - claimed < 0.005)
            continue;
        QString text = QStringLiteral("The %1 entered on form %2 (%3) is more than its limit")
                           .arg(QLatin1String(t.name), formName(form.formType()), QString::number(typed, 'f', 2));
        if (t.perPerson)
            text += QStringLiteral(" for the persons in the dependants list");
        text += QStringLiteral(": %1 is claimed.").arg(QString::number(claimed, 'f', 2));
        if (t.perPerson)
            text += QStringLiteral(" Please confirm the dependants' birth dates and disabilities.");
        texts << text;
    }
}

// One application per couple: only one spouse applies for each credit.
void ProvinceTaxManager::checkCoupledReturns(QStringList &messages, CProvincialTaxManager *partner)
{
    const TaxData_ProvBenefitApp *app = benefitApplication();
    if (!app)
        return;
    if (appliesFor(app, kEnergyPropertyApplicationCode) && partnerApplies(partner, kEnergyPropertyApplicationCode))
        messages << QStringLiteral("Only one of you and your spouse can apply for the energy and property tax "
                                   "credit on form %1.")
                        .arg(formName(app->formType()));
    if (appliesFor(app, kNorthernEnergyApplicationCode) && partnerApplies(partner, kNorthernEnergyApplicationCode))
        messages << QStringLiteral("Only one of you and your spouse can apply for the northern energy credit on "
                                   "form %1.")
                        .arg(formName(app->formType()));
}

void ProvinceTaxManager::checkForFiling(QStringList &messages, CTaxData_Form *, const ProvStageForms &)
{
    if (!endedTuitionCredit(m_provinceId))
        return;
    for (const CTaxData_Form *form : qAsConst(m_forms)) {
        const auto *s11 = dynamic_cast<const TaxData_ProvSch11 *>(form);
        if (s11 && isAmountEntered(s11->amount(TaxData_ProvSch11::F_Tuition))) {
            messages << QStringLiteral("%1 allows no tuition amount for 2024: remove the tuition amount of the year "
                                       "from its Schedule 11 and claim only the unused amounts carried forward.")
                            .arg(provinceName(m_provinceId));
            return;
        }
    }
}
