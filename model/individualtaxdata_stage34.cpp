// Stages 3 and 4: days, Schedules 5, 11, 12 and 2; then the federal tax.
#include "calctrace.h"
#include "taxrates2024.h"
#include "ctaxdata_t1219.h"
#include "individualtaxdata.h"
#include "struct_tax_stairs_jurisdiction.h"
#include "taxdata_sch11.h"
#include "taxdata_sch12_2016.h"
#include "taxdata_sch2.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_sch9.h"
#include "taxdata_t1170.h"
#include "taxdata_t1172new.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2038new.h"
#include "taxdata_t691new.h"
#include "taxdata_t777new.h"
#include "taxdata_t90.h"
#include "taxdata_ws_d1.h"
#include <QtGlobal>

namespace {

using T1 = TaxData_T1New;

// Schedule 11 switches to the tax-derived base once the previous base passes the first bracket.
const double kFirstBracketTop = tax2024::fed::kBrackets[1].lower;
constexpr double kLowestRate = 0.15;
// Spouse's age amount of Schedule 2 (2024).
constexpr double kAgeAmountMax = 8790.0;
constexpr double kAgeAmountThreshold = 44325.0;
constexpr double kAgeAmountRate = 0.15;
// Alternative minimum tax exemption (2024).
// Refundable Quebec abatement.
constexpr double kQuebecAbatementRate = 0.165;
constexpr int kQuebec = 11;

template <class F>
F *formOf(CTaxData_Form *object)
{
    return dynamic_cast<F *>(object);
}

double sumOf(const CTaxData_Form &form, std::initializer_list<int> fields)
{
    double total = 0.0;
    for (int f : fields)
        total += form.amount(f);
    return total;
}

} // namespace

// Employment expenses of the T777 forms of a commission employee (line 22900 in part).
double IndividualTaxData::commissionEmployeeExpenses() const
{
    double total = 0.0;
    for (const FormEntry *e : m_forms.withKey(59))
        if (const auto *f = dynamic_cast<const TaxData_T777New *>(e->object))
            if (f->amount(TaxData_T777New::F_Commission) >= 0.01)
                total += f->amount(TaxData_T777New::F_Deduction);
    return total;
}

int IndividualTaxData::calculateStage3(const StageValues &v)
{
    T1 *t = v.t1;
    const int prorated = qMin(v.residenceDays, v.bankruptDays);

    // 1. day counts
    t->setAmount(T1::F_DaysInYear, v.daysInYear);
    t->setAmount(T1::F_DaysBeforeBankruptcy, v.bankruptDays);
    t->setAmount(T1::F_ResidenceDays, v.residenceDays);
    t->setAmount(T1::F_ResidenceDays2, v.residenceDays);
    t->setAmount(T1::F_ProratedDays, prorated);

    // 2. Schedule 5
    if (auto *sch5 = formOf<TaxData_Sch5>(singleForm(6))) {
        using S = TaxData_Sch5;
        sch5->setAmount(S::F_ProratedDays, prorated);
        sch5->setAmount(S::F_ResidenceDays, v.residenceDays);
        sch5->setAmount(S::F_BankruptDays, v.bankruptDays);
        sch5->setAmount(S::F_DaysInYear, v.daysInYear);
        sch5->setAmount(S::F_OtherAmount, t->amount(T1::F_23600));
        BQ_TRACE("stage 3: TaxData_T1New::HasMaritalChange");
        sch5->setFlag(S::F_MaritalChange, t->HasMaritalChange());
        sch5->setDate(S::F_Date, t->sch5Date());
        BQ_TRACE("stage 3: TaxData_T1New::HasSpouse");
        sch5->setFlag(S::F_HasSpouse, t->HasSpouse());
        BQ_TRACE("stage 3: TaxData_T1New::CanClaimSpouse");
        sch5->setFlag(S::F_CanClaimSpouse, t->CanClaimSpouse());
        BQ_TRACE("stage 3: TaxData_T1New::getSpouseNetIncForSpouseCredit");
        sch5->setAmount(S::F_SpouseNetIncome, t->getSpouseNetIncForSpouseCredit(true));
        sch5->setAmount(S::F_SpouseUCCB, t->amount(T1::F_SpouseUCCB));
        BQ_TRACE("stage 3: TaxData_Sch5::Calculate01");
        sch5->Calculate01();
        t->setAmount(T1::F_30300, sch5->amount(S::F_SpouseAmount));
        t->setAmount(T1::F_30400, sch5->amount(S::F_EligibleDependant));
        t->setAmount(T1::F_30450, sch5->amount(S::F_CaregiverAmount));
    } else {
        for (int f : {T1::F_30300, T1::F_30400, T1::F_30450})
            t->setAmount(f, 0.0);
    }

    // 3. Schedule 11
    if (auto *sch11 = formOf<TaxData_Sch11>(singleForm(11))) {
        using S = TaxData_Sch11;
        const bool hasT1206 = singleForm(29) != nullptr;
        const double tax = t->amount(T1::F_40400);
        sch11->setAmount(S::F_TaxBase, tax);
        double base = sch11->amount(S::F_IncomeBase) - kFirstBracketTop >= 0.009 ? tax / kLowestRate
                                                                                 : t->amount(T1::F_26000);
        if (hasT1206)
            base += t->amount(T1::F_23200);
        sch11->setAmount(S::F_IncomeBase, qMax(0.0, base));
        BQ_TRACE("stage 3: TaxData_T1New::isClaimAllowed");
        sch11->setFlag(S::F_ClaimAllowed, t->isClaimAllowed(0, 45350));
        // the credits claimed before tuition (Schedule 12's line from the previous pass)
        sch11->setAmount(S::F_CreditsBefore,
                         sumOf(*t, {T1::F_30000, T1::F_30100, T1::F_30300, T1::F_30400, T1::F_30425, T1::F_30450,
                                    T1::F_30500, T1::F_30800, T1::F_31000, T1::F_31200, T1::F_31205, T1::F_31210,
                                    T1::F_31215, T1::F_31217, T1::F_31220,
                                    T1::F_31240, T1::F_31260, T1::F_31270, T1::F_31285, T1::F_31300, T1::F_31350,
                                    T1::F_31400, T1::F_31600, T1::F_31800, T1::F_31900}));
        BQ_TRACE("stage 3: TaxData_Sch11::Calculate01");
        sch11->Calculate01();
        t->setAmount(T1::F_32300, sch11->amount(S::F_ClaimedAmount));
        t->setAmount(T1::F_45350, sch11->amount(S::F_TrainingCredit));
    } else {
        t->setAmount(T1::F_32300, 0.0);
        t->setAmount(T1::F_45350, 0.0);
    }

    // 4. Schedule 12 (home accessibility) gives line 31285; the adoption expenses of
    // line 31300 are those of each child, up to the 2024 maximum per child
    if (auto *sch12 = formOf<TaxData_Sch12_2016>(singleForm(157))) {
        BQ_TRACE("stage 3: TaxData_Sch12_2016::Calculate01");
        sch12->Calculate01();
        t->setAmount(T1::F_31285, sch12->amount(TaxData_Sch12_2016::F_Amount));
    } else {
        t->setAmount(T1::F_31285, 0.0);
    }
    double adoption = 0.0;
    for (int child = T1::F_31300Child1; child <= T1::F_31300Child6; ++child)
        adoption += qBound(0.0, t->amount(child), tax2024::fed::kAdoptionExpensesMax);
    t->setAmount(T1::F_31300, adoption);

    // 5. Schedule 2 inputs
    if (auto *sch2 = formOf<TaxData_Sch2>(singleForm(3))) {
        using S = TaxData_Sch2;
        BQ_TRACE("stage 3: STRUCT_TAX_STAIRS_JURISDICTION::CalcAlgoForSpouseF260S2");
        sch2->setAmount(S::F_SpouseAmountInput,
                        T1::m_taxStairs.CalcAlgoForSpouseF260S2(t->amount(T1::F_26000), sch2->amount(S::F_Result)));
        BQ_TRACE("stage 3: TaxData_T1New::IsSpouseAgeNotUnder65");
        sch2->setFlag(S::F_SpouseAge65, t->IsSpouseAgeNotUnder65());
        BQ_TRACE("stage 3: TaxData_T1New::IsSpouseAgeNotUnder18");
        sch2->setFlag(S::F_SpouseAge18, t->IsSpouseAgeNotUnder18());
        BQ_TRACE("stage 3: TaxData_T1New::canClaimSch2");
        sch2->setFlag(S::F_CanClaim, t->canClaimSch2());
    }
    return 0;
}

int IndividualTaxData::calculateStage4(const StageValues &v)
{
    T1 *t = v.t1;
    const int daysInYear = int(t->amount(T1::F_DaysInYear));
    const int residenceDays = int(t->amount(T1::F_ResidenceDays));

    // 1. forms of this stage
    auto *sch3 = formOf<TaxData_Sch3>(singleForm(4));
    auto *wsD1 = formOf<TaxData_WS_D1>(singleForm(210));
    auto *t691 = formOf<TaxData_T691New>(singleForm(31));
    auto *t1219 = formOf<CTaxData_T1219>(singleForm(89));
    auto *t1170 = formOf<TaxData_T1170>(singleForm(113));
    auto *sch2 = formOf<TaxData_Sch2>(singleForm(3));
    auto *sch5 = formOf<TaxData_Sch5>(singleForm(6));

    // 2. Schedule 2: amounts transferred from the spouse, prorated to the pre-bankruptcy days
    if (sch2) {
        using S = TaxData_Sch2;
        BQ_TRACE("stage 4: TaxData_T1New::canClaimSch2");
        const bool ageFlag = t->canClaimSch2() ? sch2->flag(S::F_AgeAnswer) : false;
        sch2->setAmount(S::F_DaysInYear, daysInYear);
        sch2->setAmount(S::F_ResidenceDays, residenceDays);
        BQ_TRACE("stage 4: TaxData_T1New::getSpouseNetIncForSpouseCredit");
        const double spouseNet = t->getSpouseNetIncForSpouseCredit(false);
        BQ_TRACE("stage 4: TaxData_T1New::CalculateAgeAmount");
        sch2->setAmount(S::F_SpouseAgeAmount,
                        t->CalculateAgeAmount(ageFlag, spouseNet, v.daysInYear, v.daysInYear, kAgeAmountMax,
                                              kAgeAmountThreshold, kAgeAmountRate));
        BQ_TRACE("stage 4: TaxData_T1New::canNotOverwriteSpouseAgeAmount");
        if (t->canNotOverwriteSpouseAgeAmount())
            sch2->setFlag(S::F_AllowOverwrite, false);
        BQ_TRACE("stage 4: TaxData_Sch2::Calculate01");
        sch2->Calculate01();
        t->setAmount(T1::F_32600, v.daysInYear > 0 ? sch2->amount(S::F_Result) * v.bankruptDays / v.daysInYear : 0.0);
    } else {
        t->setAmount(T1::F_32600, 0.0);
    }

    // 3. Schedule 9: donations
    if (auto *sch9 = formOf<TaxData_Sch9>(singleForm(9))) {
        using S = TaxData_Sch9;
        sch9->setAmount(S::F_CapitalGains, t->amount(T1::F_12700));
        BQ_TRACE("stage 4: TaxData_T1New::IsDeceased");
        sch9->setFlag(S::F_Deceased, t->IsDeceased());
        sch9->setAmount(S::F_NetIncome, t->amount(T1::F_23600));
        sch9->setAmount(S::F_TaxableIncome, t->amount(T1::F_26000));
        BQ_TRACE("stage 4: TaxData_Sch9::Calculate01");
        sch9->Calculate01();
        t->setAmount(T1::F_34900, sch9->amount(S::F_Credit));
    } else {
        t->setAmount(T1::F_34900, 0.0);
    }

    // 4. T1 flags; the caregiver amount for children from Schedule 5; allowable medical expenses
    BQ_TRACE("stage 4: TaxData_T1New::IsDeceased");
    t->setFlag(T1::F_DeceasedFlag, t->IsDeceased());
    BQ_TRACE("stage 4: TaxData_T1New::IsAgeUnder18");
    t->setFlag(T1::F_Under18Flag, t->IsAgeUnder18());
    BQ_TRACE("stage 4: IndividualTaxData::hasSpouseInformation");
    t->setFlag(T1::F_SpouseInfoFlag, hasSpouseInformation());
    t->setAmount(T1::F_30500, sch5 ? sch5->amount(TaxData_Sch5::F_CaregiverChild) : 0.0);
    t->setAmount(T1::F_33200, t->amount(T1::F_33099) + t->amount(T1::F_33199));

    // 5. credits and the first step of the federal tax
    BQ_TRACE("stage 4: TaxData_T1New::CalculateLine314ByWorkSheet");
    t->CalculateLine314ByWorkSheet();
    BQ_TRACE("stage 4: IndividualTaxData::calculatePensionSplitTax");
    calculatePensionSplitTax();
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField338AndField410_414");
    t->CalculateField338AndField410_414();
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField350");
    t->CalculateField350();
    BQ_TRACE("stage 4: TaxData_T1New::CalculateFedTax1stStep");
    t->CalculateFedTax1stStep();

    // 6. tax on split income, basic federal tax, deferred security option benefits
    auto *t1206 = formOf<TaxData_T1206New>(singleForm(29));
    t->setAmount(T1::F_40424, t1206 ? t1206->amount(TaxData_T1206New::F_TaxOnSplitIncome) : 0.0);
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField404");
    t->CalculateField404();
    double t1212Value = 0.0;
    if (auto *t1212 = formOf<TaxData_T1212New>(singleForm(18))) {
        BQ_TRACE("stage 4: TaxData_T1212New::getF67910");
        t1212Value = t1212->getF67910();
    }
    t->setAmount(T1::F_T1212Deferred, t1212Value);

    // 7. minimum tax up to its line 65
    if (t691) {
        using M = TaxData_T691New;
        t691->setAmount(M::F_TaxableIncome, t->amount(T1::F_26000));
        t691->setAmount(M::F_DividendGross, t->amount(T1::F_12000));
        t691->setAmount(M::F_OtherDividends, t->amount(T1::F_12010));
        t691->setAmount(M::F_Donations, t->amount(T1::F_34900));
        t691->setAmount(M::F_Credits33800, t->amount(T1::F_33800));
        t691->setAmount(M::F_PoliticalCredit, t->amount(T1::F_41000));
        // basic federal tax before the carryover, with the political contribution credit as in the comparison
        t691->setAmount(M::F_RegularBeforeCarryover,
                        qMax(0.0, t->amount(T1::F_40400) - t->amount(T1::F_35000) - t->amount(T1::F_40425))
                            + t->amount(T1::F_41000));
        t691->setAmount(M::F_Exemption, tax2024::forms::kAmtExemption);
        t691->setAmount(M::F_GainsDeductions, t->amount(T1::F_25395) + t->amount(T1::F_25400));
        t691->setAmount(M::F_HalvedDeductions,
                        t->amount(T1::F_22100) + qMax(0.0, t->amount(T1::F_22900) - commissionEmployeeExpenses())
                            + t->amount(T1::F_25100) + t->amount(T1::F_25200));
        t691->setAmount(M::F_CapitalGains,
                        sch3 ? sch3->amount(TaxData_Sch3::F_TaxableGain) + sch3->amount(TaxData_Sch3::F_GiftCapitalGains)
                             : 0.0);
        t691->setAmount(M::F_OtherGains,
                        sch3 ? sumOf(*sch3, {TaxData_Sch3::F_T3T5Gains, TaxData_Sch3::F_T5013Gains,
                                             TaxData_Sch3::F_T2017Reserves, TaxData_Sch3::F_T1170Gains})
                             : 0.0);
        t691->setAmount(M::F_T1170Gains,
                        t1170 ? sumOf(*t1170, {TaxData_T1170::F_Gain, TaxData_T1170::F_Exempt, TaxData_T1170::F_Taxable,
                                               TaxData_T1170::F_Result})
                              : 0.0);
        double line24 = 0.0;
        if (t1170) {
            BQ_TRACE("stage 4: TaxData_T1170::feedT691Line24");
            line24 = t1170->feedT691Line24();
        }
        t691->setAmount(M::F_T1170Line24, line24);
        t691->setAmount(M::F_T1212Value, t1212Value);
        t691->setAmount(M::F_T1206Amount, t1206 ? t1206->amount(TaxData_T1206New::F_SplitIncome) : 0.0);
        t691->setAmount(M::F_Deductions, t1206 ? t1206->amount(TaxData_T1206New::F_TOSIDeduction)
                                               : t->amount(T1::F_23200));
        BQ_TRACE("stage 4: TaxData_T691New::CalculateToLine65andMinitaxCarryOverAndLine102");
        t691->CalculateToLine65andMinitaxCarryOverAndLine102();
        t->setAmount(T1::F_40427, t691->amount(M::F_CarryoverApplied));
    } else {
        t->setAmount(T1::F_40427, 0.0);
    }

    // 8. basic federal tax; the Quebec abatement only where the main tax province is Quebec
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField429AndNonResiSurTax");
    t->CalculateField429AndNonResiSurTax();
    const double basicTax = t->amount(T1::F_42900);
    t->setAmount(T1::F_BasicFedTaxCopy, basicTax);
    const bool minimumTaxQuebec = t691 && province() == kQuebec
        && t691->amount(TaxData_T691New::F_MinimumTax) >= 0.009;
    t->setAmount(T1::F_AbatementBase, minimumTaxQuebec ? t691->amount(TaxData_T691New::F_Line95) : basicTax);
    t->setAmount(T1::F_44000, t->getMainTaxProvince() == kQuebec
                                  ? kQuebecAbatementRate * t->amount(T1::F_AbatementBase)
                                  : 0.0);

    // 9. foreign tax credits, then the provinces' first part
    BQ_TRACE("stage 4: IndividualTaxData::calculateForeignTaxCredits");
    calculateForeignTaxCredits();
    BQ_TRACE("stage 4: CMultiProvsTaxMgr::calculateStagePart1");
    m_provinceManager.calculateStagePart1(t);

    // 10. investment tax credit up to line C; net federal tax before it
    auto *t2038 = formOf<TaxData_T2038New>(singleForm(20));
    if (t2038) {
        BQ_TRACE("stage 4: TaxData_T2038New::CalculateToLineC");
        t2038->CalculateToLineC();
        t->setAmount(T1::F_41200, t2038->amount(TaxData_T2038New::F_LineC));
    }
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField406");
    t->CalculateField406();
    if (t2038) {
        using I = TaxData_T2038New;
        t2038->setAmount(I::F_NetFederalTax, t->amount(T1::F_40600) - t->amount(T1::F_40500));
        t2038->setAmount(I::F_AMTAmount, t->amount(T1::F_40427));
        BQ_TRACE("stage 4: TaxData_T2038New::CalculateToLineD");
        t2038->CalculateToLineD();
    }

    // 11. minimum tax to line 95; the investment tax credit to its end
    if (t691) {
        using M = TaxData_T691New;
        t691->setAmount(M::F_Credits33800, t->amount(T1::F_33800));
        t691->setAmount(M::F_Donations, t->amount(T1::F_34900));
        t691->setAmount(M::F_PoliticalCredit, t->amount(T1::F_41000));
        t691->setAmount(M::F_ITCAmounts, t2038 ? t2038->amount(TaxData_T2038New::F_LineC)
                                                     + t2038->amount(TaxData_T2038New::F_LineD)
                                               : 0.0);
        t691->setAmount(M::F_DividendCredit, t->amount(T1::F_40425));
        BQ_TRACE("stage 4: TaxData_T691New::CalculateToLine95");
        t691->CalculateToLine95();
    }
    const bool minimumTax = t691 && t691->amount(TaxData_T691New::F_MinimumTax) >= 0.009;
    if (t2038) {
        using I = TaxData_T2038New;
        t2038->setAmount(I::F_T691Amount, t691 ? t691->amount(TaxData_T691New::F_Line95) : 0.0);
        BQ_TRACE("stage 4: TaxData_T2038New::CalculateToEnd");
        t2038->CalculateToEnd(minimumTax);
        t->setAmount(T1::F_41200, t2038->amount(I::F_Credit));
        t->setAmount(T1::F_45400, t2038->amount(I::F_Refund));
    } else {
        t->setAmount(T1::F_41200, 0.0);
        t->setAmount(T1::F_45400, 0.0);
    }

    // 12. net federal tax
    BQ_TRACE("stage 4: TaxData_T1New::CalculateField417");
    t->CalculateField417(minimumTax);

    // 13. federal tax on split income; minimum tax to its end
    if (t1206) {
        using S = TaxData_T1206New;
        t1206->setAmount(S::F_FederalTaxable, t->amount(T1::F_26000));
        t1206->setAmount(S::F_DividendCredit, t->amount(T1::F_40425));
        t1206->setAmount(S::F_TOSIOther, t->amount(T1::F_23200));
        BQ_TRACE("stage 4: TaxData_T1206New::CalculateFederal");
        t1206->CalculateFederal();
        t->setFlag(T1::F_SplitIncomeFlag, true);
        t->setAmount(T1::F_40424, t1206->amount(S::F_TaxOnSplitIncome));
    } else {
        t->setFlag(T1::F_SplitIncomeFlag, false);
        t->setAmount(T1::F_40424, 0.0);
    }
    if (t691) {
        using M = TaxData_T691New;
        // regular tax for the comparison: three T1 amounts and the tax on split income
        const double splitTax = t1206 ? t1206->amount(TaxData_T1206New::F_TaxOnSplitIncome) : 0.0;
        t691->setAmount(M::F_BasicTax,
                        t->amount(T1::F_42900) + t->amount(T1::F_41000) + t->amount(T1::F_41200) + splitTax);
        BQ_TRACE("stage 4: TaxData_T691New::CalculateToEnd");
        t691->CalculateToEnd();
        const bool applies = isAmountEntered(t691->amount(M::F_MinimumAmount))
            && isAmountEntered(t691->amount(M::F_Line95)) && isAmountEntered(t691->amount(M::F_MinimumTax));
        // cleared otherwise, so that an amount of an earlier pass does not stay
        t->setAmount(T1::F_MinimumTaxExcess, applies ? t691->amount(M::F_Result) : 0.0);
    } else {
        t->setAmount(T1::F_MinimumTaxExcess, 0.0);
    }

    // 14. tax on accumulated income payments; replaces the part added on the previous pass
    auto *t1172 = formOf<TaxData_T1172New>(singleForm(17));
    double aipTax = 0.0;
    if (t1172) {
        using A = TaxData_T1172New;
        t1172->setIntValue(A::F_Province, province());
        t1172->setText(A::F_FirstName, t->firstName());
        t1172->setText(A::F_LastName, t->lastName());
        CString address;
        BQ_TRACE("stage 4: TaxData_T1New::GetFullAddressWithoutPostcode");
        t->GetFullAddressWithoutPostcode(0, address);
        t1172->setText(A::F_Address, address);
        t1172->setText(A::F_SIN, t->sin());
        BQ_TRACE("stage 4: TaxData_T1172New::Calculate01");
        t1172->Calculate01();
        const int field = !t1172->flag(A::F_SwitchA) ? A::F_FederalTax
                                                     : (t1172->flag(A::F_SwitchB) ? A::F_QuebecTax : A::F_Result);
        aipTax = t1172->amount(field);
    }
    t->setAmount(T1::F_41800, t->amount(T1::F_41800) - t->amount(T1::F_T1172Tax) + aipTax);
    t->setAmount(T1::F_T1172Tax, aipTax);

    // 15. net federal tax
    BQ_TRACE("stage 4: TaxData_T1New::CalculateFedTax");
    t->CalculateFedTax();

    // 16. the provinces' tax; self-employment totals
    QList<CTaxData_Form *> foreignTaxCredits;
    collectForeignTaxCreditForms(foreignTaxCredits);
    ProvStageForms forms;
    forms.t1 = t;
    forms.sch3 = sch3;
    forms.sch2 = sch2;
    forms.wsD1 = wsD1;
    forms.sch5 = sch5;
    forms.sch9 = singleForm(9);
    forms.sch11 = singleForm(11);
    forms.t1206 = t1206;
    forms.foreignTaxCredits = &foreignTaxCredits;
    forms.t691 = t691;
    forms.t1219 = t1219;
    BQ_TRACE("stage 4: CMultiProvsTaxMgr::calculateStagePart4");
    m_provinceManager.calculateStagePart4(forms);
    BQ_TRACE("stage 4: IndividualTaxData::totalSelfEmploymentIncome");
    const double selfEmployment = totalSelfEmploymentIncome();
    t->setAmount(T1::F_SelfEmploymentTotal, selfEmployment);
    BQ_TRACE("stage 4: IndividualTaxData::selfEmploymentIncomeRemainder");
    t->setAmount(T1::F_SelfEmploymentRemainder, selfEmploymentIncomeRemainder(selfEmployment));

    // 17. Canada workers benefit inputs; income exempt under the Indian Act
    auto *sch6 = formOf<TaxData_Sch6>(singleForm(119));
    if (sch6) {
        using W = TaxData_Sch6;
        sch6->setIntValue(W::F_SpouseFlag, t->HasSpouse() ? 1 : 0);
        sch6->setFlag(W::F_EligibleDependant, isAmountEntered(t->amount(T1::F_30400)));
        sch6->setFlag(W::F_Disabled, t->isDisabled());
        sch6->setAmount(W::F_WorkingIncome,
                        t->amount(T1::F_10100) + t->amount(T1::F_10400) + t->amount(T1::F_SelfEmploymentTotal));
        sch6->setAmount(W::F_AdjustedNetIncome, t->amount(T1::F_23600) + t->amount(T1::F_21300)
                                                     + t->amount(T1::F_23200) - t->amount(T1::F_11700)
                                                     - t->amount(T1::F_12500));
        sch6->setAmount(W::F_SpouseNetIncome, t->amount(T1::F_SpouseNetIncome) - t->amount(T1::F_SpouseUCCB));
        sch6->setAmount(W::F_IncomePairA, t->amount(T1::F_23600));
        sch6->setAmount(W::F_IncomePairB, t->amount(T1::F_23600));
    }
    if (auto *t90 = formOf<TaxData_T90>(singleForm(171))) {
        t->setFlag(T1::F_T90Flag, true);
        BQ_TRACE("stage 4: TaxData_T90::Calculate01");
        t90->Calculate01();
        if (sch6) {
            sch6->setAmount(TaxData_Sch6::F_IncomePairA,
                            sch6->amount(TaxData_Sch6::F_IncomePairA) + t90->amount(TaxData_T90::F_WorkingIncome));
            sch6->setAmount(TaxData_Sch6::F_IncomePairB,
                            sch6->amount(TaxData_Sch6::F_IncomePairB) + t90->amount(TaxData_T90::F_NetIncomeAdd));
        }
    }
    return 0;
}
