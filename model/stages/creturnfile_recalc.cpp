// The recalculation of a return file: stages 0 to 6 for self and, in a coupled
// return, for the spouse, the exchange of shared amounts after each stage, the
// whole run twice, and the summary and benefit estimates closing each round.
#include "calctrace.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "ctaxdata_t2205.h"
#include "ctaxdata_t2222.h"
#include "individualtaxdata.h"
#include "stageamounts.h"
#include "taxdata_sch11.h"
#include "taxdata_sch2.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1new.h"
#include "taxdata_t778new.h"
#include "utils.h"

namespace {

using T1 = TaxData_T1New;
constexpr int kStages = 7;

// The entry of the type whose id is id in a list; null for none (no fallback to
// the only entry of the type: a shared copy is matched by its id alone).
FormEntry *entryWithId(const EntryList<FormEntry> &list, int type, int id)
{
    for (FormEntry *e : list.withKey(type))
        if (e->id == id)
            return e;
    return nullptr;
}

// The object of the only form of the type; null for none or several.
template <class Form>
Form *singleForm(const IndividualTaxData &p, int type)
{
    const QVector<FormEntry *> &v = p.forms().withKey(type);
    return v.size() == 1 ? formAs<Form>(v.first()->object, type) : nullptr;
}

// ---- stage 0: identity into the partner's T1 as the spouse's, and the T1032 election

void copyIdentity(const T1 &from, T1 &to)
{
    to.setSpouseFirstName(from.firstName());
    to.setSpouseLastName(from.lastName());
    to.setSpouseSin(from.sin());
    to.setSpouseDateOfBirth(from.dateOfBirth());
}

void copyElection(const TaxData_T1032_New &from, TaxData_T1032_New &to)
{
    using S = TaxData_T1032_New;
    to.setText(S::F_Address, from.text(S::F_Address));
    for (int f : {S::F_EligiblePension, S::F_SplitAmount, S::F_Elected, S::F_MaxSplit,
                  S::F_TaxDeductedTransferred, S::F_F5344})
        to.setAmount(f, from.amount(f));
    to.setIntValue(S::F_Months, from.intValue(S::F_Months));
    to.setFlag(S::F_SplitFromPensionPlan, from.flag(S::F_SplitFromPensionPlan));
}

void exchangeStage0(IndividualTaxData &cur, IndividualTaxData &other, T1 *ct, T1 *ot)
{
    if (ct && ot) {
        copyIdentity(*ct, *ot);
        copyIdentity(*ot, *ct);
    }
    using S = TaxData_T1032_New;
    auto *c = singleForm<S>(cur, FormType::T1032);
    auto *o = singleForm<S>(other, FormType::T1032);
    if (!c || !o)
        return;
    const int role = c->intValue(S::F_Role);
    if (role == 0) {
        o->setIntValue(S::F_Role, 1);
        copyElection(*c, *o);
    } else if (role == 1) {
        o->setIntValue(S::F_Role, 0);
        copyElection(*o, *c);
    }
    o->setFlag(S::F_Switch, c->flag(S::F_Switch));
    o->setAmount(S::F_IncomeTax, c->amount(S::F_IncomeTax));
}

// ---- stage 1: the CWB adjustments, self-employment, the spousal RRSP/RRIF attribution, the
// northern residency of the dwelling

void copyCwbAdjustments(const T1 &from, T1 &to)
{
    to.setAmount(T1::F_SpouseUCCB, from.amount(T1::F_11700));
    to.setAmount(T1::F_SpouseRDSPIncome, from.amount(T1::F_12500));
    to.setAmount(T1::F_SpouseUCCBRepayment, from.amount(T1::F_21300));
    to.setAmount(T1::F_SpouseOtherDeductions, from.amount(T1::F_23200));
}

// Each T2205 of owner moves its attributed income to the partner (the contributor).
void attributeT2205(IndividualTaxData &owner, T1 &ownerT1, T1 &partnerT1)
{
    using S = CTaxData_T2205;
    const QString partnerName = partnerT1.firstName() + QLatin1Char(' ') + partnerT1.lastName();
    for (FormEntry *e : owner.forms().withKey(FormType::T2205)) {
        if (!e->object)
            continue;
        e->object->setText(S::F_SpouseName, partnerName);
        const double moved = e->object->amount(S::F_Income);
        partnerT1.setAmount(T1::F_SpousalTransfer, partnerT1.amount(T1::F_SpousalTransfer) + moved);
        ownerT1.setAmount(T1::F_SpousalTransfer, ownerT1.amount(T1::F_SpousalTransfer) - moved);
        const int line = partnerT1.GetAge() < 65 ? T1::F_13000 : T1::F_11500;
        partnerT1.setAmount(line, partnerT1.amount(line) + moved);
    }
}

// Spouses live in one dwelling: a spouse who claims the basic residency amount leaves the
// other no additional residency amount.
void shareNorthernResidency(IndividualTaxData &cur, IndividualTaxData &other)
{
    auto *c = singleForm<CTaxData_T2222>(cur, FormType::T2222);
    auto *o = singleForm<CTaxData_T2222>(other, FormType::T2222);
    if (c)
        c->setFlag(CTaxData_T2222::F_SpouseClaimsBasic, o && o->claimsBasicAmount());
    if (o)
        o->setFlag(CTaxData_T2222::F_SpouseClaimsBasic, c && c->claimsBasicAmount());
}

void exchangeStage1(IndividualTaxData &cur, IndividualTaxData &other, T1 *ct, T1 *ot)
{
    shareNorthernResidency(cur, other);
    if (!ct || !ot)
        return;
    copyCwbAdjustments(*ct, *ot);
    copyCwbAdjustments(*ot, *ct);
    ct->setFlag(T1::F_SpouseSelfEmployed, other.hasSelfEmploymentForms());
    ot->setFlag(T1::F_SpouseSelfEmployed, cur.hasSelfEmploymentForms());
    ct->setAmount(T1::F_SpousalTransfer, 0.0);
    ot->setAmount(T1::F_SpousalTransfer, 0.0);
    attributeT2205(cur, *ct, *ot);
    attributeT2205(other, *ot, *ct);
}

// ---- stage 2: net and taxable income, child care (T778), the provincial exchange

void copyIncomes(const T1 &from, T1 &to)
{
    to.setAmount(T1::F_SpouseNetIncome, from.netIncome());
    to.setAmount(T1::F_SpouseTaxableIncome, from.taxableIncome());
}

void exchangeStage2(IndividualTaxData &cur, IndividualTaxData &other, T1 *ct, T1 *ot)
{
    if (ct && ot) {
        copyIncomes(*ct, *ot);
        copyIncomes(*ot, *ct);
        using S = TaxData_T778New;
        auto *c = singleForm<S>(cur, FormType::T778);
        auto *o = singleForm<S>(other, FormType::T778);
        if (c && c->flag(S::F_PartnerMark)) {
            if (o)
                o->setAmount(S::F_PartnerNetIncome, ct->netIncome());
        } else if (o && o->flag(S::F_PartnerMark)) {
            if (c)
                c->setAmount(S::F_PartnerNetIncome, ot->netIncome());
        }
    }
    other.provinceManager().exchangeStage2(cur.provinceManager());
}

// Of a couple, one return claims the spouse amount by default: that of the spouse with the
// higher net income, whose claim the other's income reduces least and who has the tax to
// use it (the first person on equal incomes). A box the preparer set stays as set.
void shareSpouseAmount(IndividualTaxData &first, IndividualTaxData &second)
{
    using S = TaxData_Sch5;
    auto *a = singleForm<S>(first, FormType::Schedule5);
    auto *b = singleForm<S>(second, FormType::Schedule5);
    const bool aDefault = a && a->keepsDefaultClaim();
    const bool bDefault = b && b->keepsDefaultClaim();
    const T1 *at = first.t1();
    const T1 *bt = second.t1();
    if (aDefault && bDefault && at && bt) {
        const bool firstClaims = at->netIncome() - bt->netIncome() > -0.005;
        a->setDefaultClaim(firstClaims);
        b->setDefaultClaim(!firstClaims);
    } else if (aDefault && !bDefault) {
        a->setDefaultClaim(!(b && b->flag(S::F_SpouseFlag)));
    } else if (bDefault && !aDefault) {
        b->setDefaultClaim(!(a && a->flag(S::F_SpouseFlag)));
    }
}

// ---- stage 3: the amounts Schedule 2 takes from the partner

// A partner's amount as the receiving person counts it: prorated by the receiver's
// residence days when only the receiver is an immigrant or emigrant.
double prorated(double amount, const T1 &from, const T1 &to)
{
    if (from.shouldProrateAsImmigrant() || !to.shouldProrateAsImmigrant())
        return amount;
    return amount * div(to.amount(T1::F_ResidenceDays), to.amount(T1::F_DaysInYear), 0);
}

// The partner's own credits, claimed before any amount is transferred: the basic
// personal amount, the spouse and dependant amounts, CPP, QPP, EI and PPIP, the Canada
// employment amount, the other credits that cannot be transferred and the partner's
// own tuition claim (line 32300).
double ownCreditsBeforeTransfer(const T1 &t)
{
    return sumOf(t, {T1::F_30000, T1::F_30300, T1::F_30400, T1::F_30425, T1::F_30450, T1::F_30800, T1::F_31000,
                     T1::F_31200, T1::F_31205, T1::F_31210, T1::F_31215, T1::F_31217, T1::F_31220, T1::F_31240,
                     T1::F_31260, T1::F_31270, T1::F_31285, T1::F_31300, T1::F_31350, T1::F_32300});
}

void fillSch2FromPartner(IndividualTaxData &me, const T1 &mine, const IndividualTaxData &partner, const T1 &theirs)
{
    using S = TaxData_Sch2;
    auto *sch2 = singleForm<S>(me, FormType::Schedule2);
    if (!sch2)
        return;
    // what the partner's own tax needs of the transferable amounts: the partner's taxable
    // income as a credit base, less the partner's own credits
    sch2->setAmount(S::F_SpouseAmountInput,
                    T1::m_taxStairs.CalcAlgoForSpouseF260S2(theirs.amount(T1::F_26000), ownCreditsBeforeTransfer(theirs)));
    sch2->setAmount(S::F_Pension, prorated(theirs.amount(T1::F_31400), theirs, mine));
    sch2->setAmount(S::F_Disability, prorated(theirs.amount(T1::F_31600), theirs, mine));
    sch2->setAmount(S::F_CaregiverChildren, prorated(theirs.amount(T1::F_30500), theirs, mine));
    sch2->setAmount(S::F_SpouseNetIncome, theirs.netIncome());
    const auto *sch11 = singleForm<const TaxData_Sch11>(partner, FormType::Schedule11);
    sch2->setAmount(S::F_Tuition, sch11 ? sch11->amount(TaxData_Sch11::F_TransferClaimed) : 0.0);
}

void exchangeStage3(IndividualTaxData &cur, IndividualTaxData &other, T1 *ct, T1 *ot)
{
    if (!ct || !ot)
        return;
    fillSch2FromPartner(cur, *ct, other, *ot);
    fillSch2FromPartner(other, *ot, cur, *ct);
}

// ---- stage 4: the provincial exchange, Schedule 6 and the T1032 pension amounts

void crossSch6(TaxData_Sch6 &a, TaxData_Sch6 &b)
{
    using S = TaxData_Sch6;
    const int pairs[][2] = {{S::F_WorkingIncome, S::F_SpouseWorkingIncome},
                            {S::F_AdjustedNetIncome, S::F_SpouseNetIncome},
                            {S::F_IncomePairA, S::F_IncomePairB}};
    for (const auto &p : pairs) {
        const double aFirst = a.amount(p[0]);
        const double bFirst = b.amount(p[0]);
        a.setAmount(p[1], bFirst);
        b.setAmount(p[1], aFirst);
    }
}

void fillSch6FromPartner(TaxData_Sch6 &sch6, bool partnerHasSch6, const IndividualTaxData &partner, const T1 &theirs)
{
    using S = TaxData_Sch6;
    const double employment = theirs.amount(T1::F_10100) + theirs.amount(T1::F_10400);
    const double selfEmployed = partner.totalSelfEmploymentIncome();
    sch6.setAmount(S::F_IncomePairA, employment);
    sch6.setAmount(S::F_IncomePairB, selfEmployed);
    if (!partnerHasSch6) {
        sch6.setAmount(S::F_SpouseWorkingIncome, employment + selfEmployed);
        sch6.setAmount(S::F_SpouseNetIncome, theirs.netIncome());
    }
}

double pensionIncome(const T1 &t)
{
    return t.amount(T1::F_11500) + t.amount(T1::F_11600) + t.amount(T1::F_12900);
}

// One spouse takes the family's basic workers benefit: the one who claims it, and when
// both claim, the return's first person (the couple checks warn of it).
void shareSch6(TaxData_Sch6 *first, TaxData_Sch6 *second, const T1 *firstT1, const T1 *secondT1)
{
    using S = TaxData_Sch6;
    const bool firstClaims = first && first->flag(S::F_ClaimBenefit) && !first->flag(S::F_Excluded)
                             && !first->flag(S::F_Student);
    const bool firstDisabled = first ? first->flag(S::F_Disabled) : firstT1 && firstT1->isDisabled();
    const bool secondDisabled = second ? second->flag(S::F_Disabled) : secondT1 && secondT1->isDisabled();
    if (first)
        first->setPartnerFacts(false, secondDisabled);
    if (second)
        second->setPartnerFacts(firstClaims, firstDisabled);
}

void exchangeStage4(IndividualTaxData &cur, IndividualTaxData &other, T1 *ct, T1 *ot, bool curIsFirst)
{
    other.provinceManager().exchangeStage4(cur.provinceManager());
    cur.provinceManager().exchangeStage4(other.provinceManager());

    using S = TaxData_Sch6;
    auto *c = singleForm<S>(cur, FormType::Schedule6);
    auto *o = singleForm<S>(other, FormType::Schedule6);
    if (curIsFirst)
        shareSch6(c, o, ct, ot);
    else
        shareSch6(o, c, ot, ct);
    if (c && o)
        crossSch6(*c, *o);
    else if (c)
        c->setFlag(S::F_SpouseFlag, true);
    else if (o)
        o->setFlag(S::F_SpouseFlag, true);
    if (ct && ot) {
        if (c)
            fillSch6FromPartner(*c, o != nullptr, other, *ot);
        if (o)
            fillSch6FromPartner(*o, c != nullptr, cur, *ct);
        using P = TaxData_T1032_New;
        for (auto side : {std::make_pair(singleForm<P>(cur, FormType::T1032), ot),
                          std::make_pair(singleForm<P>(other, FormType::T1032), ct)}) {
            if (P *t1032 = side.first)
                t1032->setAmount(t1032->intValue(P::F_Role) == 0 ? P::F_IncomeAdjustmentA : P::F_IncomeAdjustmentB,
                                 pensionIncome(*side.second));
        }
    }
}

void exchangeStage5(IndividualTaxData &cur, IndividualTaxData &other)
{
    other.provinceManager().exchangeStage5(cur.provinceManager());
    cur.provinceManager().exchangeStage5(other.provinceManager());
}

const char *const kExchangeTrace[kStages] = {"exchange 0", "exchange 1", "exchange 2", "exchange 3",
                                             "exchange 4", "exchange 5", "exchange 6"};

} // namespace

int CReturnFile::recalculate(int kind, void *editedItem)
{
    Q_UNUSED(kind)
    const bool coupled = isCoupled();
    const bool spouseCurrent = m_current == kSpouse;
    IndividualTaxData *current = spouseCurrent ? spouse() : self();
    IndividualTaxData *other = spouseCurrent ? self() : spouse();

    int type = 0;
    bool editedIsOther = false;
    if (const auto *item = static_cast<const CTaxData_Form *>(editedItem)) {
        type = item->formType();
        editedIsOther = item->kind() == CTaxData_Form::KindOther;
        if (coupled && (item->kind() == CTaxData_Form::KindForm || item->kind() == CTaxData_Form::KindSlip)) {
            // A shared form or slip hands its shared part to the partner's copy first.
            const bool isForm = item->kind() == CTaxData_Form::KindForm;
            FormEntry *mine = isForm ? current->formEntryOf(item) : current->slipEntryOf(item);
            if (mine && mine->linkedId > 0) {
                const EntryList<FormEntry> &theirs = isForm ? other->forms() : other->slips();
                if (FormEntry *partner = entryWithId(theirs, type, mine->linkedId)) {
                    if (partner->object)
                        partner->object->copySharedPart(*item);
                } else if (isForm) {
                    current->setFormLinkedId(mine->object, 0);
                } else {
                    current->setSlipLinkedId(mine->object, 0);
                }
            }
            editedIsOther = false;
        }
    }

    int sum = 0;
    for (int round = 0; round < 2; ++round) {
        if (coupled) {
            for (unsigned int stage = 0; stage < kStages; ++stage) {
                const int a = current->calculateStage(editedIsOther, type, stage, spouseCurrent);
                const int b = other->calculateStage(false, 0, stage, !spouseCurrent);
                exchangeBetweenSpouses(int(stage));
                sum += a + b;
            }
            BQ_TRACE(spouseCurrent ? "estimateBenefits spouse" : "estimateBenefits self");
            current->estimateBenefits(true, other);
            BQ_TRACE(spouseCurrent ? "estimateBenefits self" : "estimateBenefits spouse");
            other->estimateBenefits(false, current);
        } else {
            // a single return is calculated on self, whoever is current
            for (unsigned int stage = 0; stage < kStages; ++stage)
                sum += self()->calculateStage(editedIsOther, type, stage, false);
            BQ_TRACE("estimateBenefits self");
            self()->estimateBenefits(true, nullptr);
        }
    }
    return sum;
}

void CReturnFile::exchangeBetweenSpouses(int stage)
{
    if (!isCoupled() || stage < 0 || stage >= kStages)
        return;
    IndividualTaxData &cur = m_current == kSpouse ? *spouse() : *self();
    IndividualTaxData &other = m_current == kSpouse ? *self() : *spouse();
    T1 *ct = cur.t1();
    T1 *ot = other.t1();
    BQ_TRACE(kExchangeTrace[stage]);
    switch (stage) {
    case 0: exchangeStage0(cur, other, ct, ot); break;
    case 1: exchangeStage1(cur, other, ct, ot); break;
    case 2:
        exchangeStage2(cur, other, ct, ot);
        shareSpouseAmount(*self(), *spouse());
        break;
    case 3: exchangeStage3(cur, other, ct, ot); break;
    case 4: exchangeStage4(cur, other, ct, ot, &cur == self()); break;
    case 5: exchangeStage5(cur, other); break;
    default: break;
    }
}
