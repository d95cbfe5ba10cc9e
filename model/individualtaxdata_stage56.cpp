// Stages 5 and 6: credits, balance and the filing forms; the CPP form and the instalments.
#include "calctrace.h"
#include "stageamounts.h"
#include "ctaxdata_gst370.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t1153.h"
#include "ctaxdata_t1219.h"
#include "ctaxdata_t1adj.h"
#include "ctaxdata_t1dd.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_instalmentcalc.h"
#include "taxdata_sch11.h"
#include "taxdata_sch12_multighomereno.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t1anew.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t224.h"
#include "taxdata_t225.h"
#include "taxdata_t5004.h"
#include "taxrates2024.h"

namespace {

using T1 = TaxData_T1New;

constexpr int kYukon = 13;
// Provincial values of the instalment worksheet.
constexpr int kInstalmentValue1 = 63855;
constexpr int kInstalmentValue2 = 63856;

QString userSetting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}

bool configSwitch(const char *key)
{
    const QString v = settingsSource()->configValue(QString::fromLatin1(key)).trimmed();
    return v.toInt() != 0 || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QString fullName(const T1 &t)
{
    return t.ConstructFullName();
}

QString address(const T1 &t, int kind)
{
    CString out;
    BQ_TRACE("stage 5: TaxData_T1New::GetFullAddressWithoutPostcode");
    t.GetFullAddressWithoutPostcode(kind, out);
    return out;
}

// The two names, the SIN, street, city and postcode, the province (unless the
// mailing address is abroad) and the telephone: the block T1DD, T183 and T185 share.
template <class F>
void fillIdentity(F &form, const T1 &t)
{
    form.setText(F::F_FirstName, t.firstName());
    form.setText(F::F_LastName, t.lastName());
    form.setText(F::F_SIN, t.sin());
    form.setText(F::F_Street, t.text(T1::F_Street));
    form.setText(F::F_City, t.text(T1::F_City));
    form.setText(F::F_Postcode, t.text(T1::F_Postcode));
    if (!t.flag(T1::F_ForeignMailing))
        form.setIntValue(F::F_Province, t.provinceOfResidence());
    form.setText(F::F_Phone, t.text(T1::F_Phone));
}

// The nine income sources of the loss carry-back, each split into an income and a loss side.
void fillLossCarryBack(TaxData_T1ANew &t1a, const T1 &t)
{
    using A = TaxData_T1ANew;
    const double nets[] = {
        t.amount(T1::F_10100) + t.amount(T1::F_10400) - t.amount(T1::F_20700) - t.amount(T1::F_21200),
        t.amount(T1::F_12000) + t.amount(T1::F_12100) - t.amount(T1::F_22100),
        t.amount(T1::F_12600),
        t.amount(T1::F_12700),
        t.amount(T1::F_13500),
        t.amount(T1::F_13700),
        t.amount(T1::F_13900),
        t.amount(T1::F_14100),
        t.amount(T1::F_14300),
    };
    constexpr int kSources = int(sizeof nets / sizeof nets[0]);
    FieldRowList &rows = t1a.rows(0);
    while (rows.count() < kSources)
        rows.append();
    for (int i = 0; i < kSources; ++i) {
        FieldRecord &r = rows.row(i);
        r.setNumber(A::C_Source, i + 1);
        // a net of exactly 0 gives 0 on both sides (never -0)
        r.setNumber(A::C_Income, nets[i] > 0.0 ? nets[i] : 0.0);
        r.setNumber(A::C_Loss, nets[i] < 0.0 ? -nets[i] : 0.0);
    }
    if (!t1a.flag(A::F_Switch)) {
        double deductions = 0.0;
        for (int f : {T1::F_20700, T1::F_20800, T1::F_21200, T1::F_21400, T1::F_21500, T1::F_21900, T1::F_22000,
                      T1::F_22100, T1::F_22200, T1::F_22900, T1::F_23100})
            deductions += t.amount(f);
        t1a.setAmount(A::F_DeductionsTotal, deductions);
    }
}

// Adjusted family net income of the line 45200 worksheet: net income without the
// UCCB and RDSP income, with the UCCB repayment; the spouse's the same way.
double medicalSupplementFamilyIncome(const T1 &t)
{
    double family = t.netIncome() - t.amount(T1::F_11700) - t.amount(T1::F_12500) + t.amount(T1::F_21300);
    if (t.HasSpouse())
        family += t.amount(T1::F_SpouseNetIncome) - t.amount(T1::F_SpouseUCCB) - t.amount(T1::F_SpouseRDSPIncome)
                  + t.amount(T1::F_SpouseUCCBRepayment);
    return tax2024::cents(family);
}

// Line 45200: the refundable medical expense supplement.
void calculateMedicalSupplement(T1 &t)
{
    tax2024::forms::MedicalSupplementInput in;
    in.eligible = t.dateOfBirth().isValid() && !t.IsAgeUnder18() && !t.shouldProrateAsImmigrant();
    in.employmentIncome = t.amount(T1::F_10100) + t.amount(T1::F_10400);
    in.employmentDeductions = t.amount(T1::F_20700) + t.amount(T1::F_21200) + t.amount(T1::F_22900)
                              + t.amount(T1::F_23100);
    in.selfEmploymentIncome = t.amount(T1::F_13500) + t.amount(T1::F_13700) + t.amount(T1::F_13900)
                              + t.amount(T1::F_14100) + t.amount(T1::F_14300);
    in.disabilitySupports = t.amount(T1::F_21500);
    in.allowableMedical = t.amount(T1::F_33200);
    in.familyNetIncome = medicalSupplementFamilyIncome(t);
    t.setAmount(T1::F_45200, tax2024::forms::medicalExpenseSupplement(in));
}

} // namespace

int IndividualTaxData::calculateStage5(const StageValues &v)
{
    T1 *t = v.t1;

    // 1. forms of this stage
    CTaxData_Form *sch2 = singleForm(FormType::Schedule2);
    auto *sch3 = singleFormAs<TaxData_Sch3>(FormType::Schedule3);
    CTaxData_Form *sch9 = singleForm(FormType::Schedule9);
    auto *sch11 = singleFormAs<TaxData_Sch11>(FormType::Schedule11);
    CTaxData_Form *t691 = singleForm(FormType::T691);
    CTaxData_Form *t1206 = singleForm(FormType::T1206);
    CTaxData_Form *t1219 = singleForm(FormType::T1219);
    CTaxData_Form *t2017 = singleForm(FormType::T2017);
    CTaxData_Form *form156 = singleForm(FormType::ProvincialWorksheet);

    // 2. foreign tax credits as reported
    BQ_TRACE("stage 5: IndividualTaxData::copyForeignTaxCreditResults");
    copyForeignTaxCreditResults();
    QList<CTaxData_Form *> foreignTaxCredits;
    collectForeignTaxCreditForms(foreignTaxCredits);

    // 3. the provinces' credits (refundable provincial credits start from 0)
    ProvStageForms forms;
    forms.t1 = t;
    forms.form156 = form156;
    forms.sch2 = sch2;
    forms.sch3 = sch3;
    forms.sch9 = sch9;
    forms.t1206 = t1206;
    forms.foreignTaxCredits = &foreignTaxCredits;
    forms.t691 = t691;
    forms.t1219 = t1219;
    forms.t2017 = t2017;
    t->setAmount(T1::F_47900, 0.0);
    BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart5");
    m_provinceManager.calculateStagePart5(t, forms);

    // 4. T225, then T224, between the provinces' parts 6 and 7
    if (auto *t225 = singleFormAs<TaxData_T225>(FormType::T225)) {
        BQ_TRACE("stage 5: TaxData_T1New::GetAge");
        t225->setIntValue(TaxData_T225::F_Age, t->GetAge());
        BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart6");
        m_provinceManager.calculateStagePart6(174, t225);
        BQ_TRACE("stage 5: TaxData_T225::Calculate01");
        t225->Calculate01();
        BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart7");
        m_provinceManager.calculateStagePart7(174, t225);
    }
    if (auto *t224 = singleFormAs<TaxData_T224>(FormType::T224)) {
        BQ_TRACE("stage 5: TaxData_T1New::GetAge");
        t224->setIntValue(TaxData_T224::F_Age, t->GetAge());
        BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart6");
        m_provinceManager.calculateStagePart6(173, t224);
        BQ_TRACE("stage 5: TaxData_T224::Calculate01");
        t224->Calculate01();
        BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart7");
        m_provinceManager.calculateStagePart7(173, t224);
    }

    // 5. Yukon First Nations tax and abatement only in Yukon
    if (province() != kYukon) {
        t->setAmount(T1::F_43200, 0.0);
        t->setAmount(T1::F_44100, 0.0);
    }

    // 6. the provinces' tax (provincial tax starts from 0)
    t->setAmount(T1::F_42800, 0.0);
    QStringList messages;
    BQ_TRACE("stage 5: CMultiProvsTaxMgr::calculateStagePart2");
    m_provinceManager.calculateStagePart2(t, 0, singleForm(FormType::Schedule5), &messages);

    // 7. Canada workers benefit
    if (auto *sch6 = singleFormAs<TaxData_Sch6>(FormType::Schedule6)) {
        using W = TaxData_Sch6;
        sch6->setMainTaxProvince(t->getMainTaxProvince());
        // a full-time student for more than three months cannot claim
        if (sch11 && sch6->flag(W::F_Student) && positive(sch11->amount(TaxData_Sch11::F_FullTimeMonths) - 3.0))
            sch6->setFlag(W::F_ClaimBenefit, false);
        BQ_TRACE("stage 5: TaxData_Sch6::Calculate01");
        sch6->Calculate01();
        t->setAmount(T1::F_45300, sch6->amount(W::F_Benefit));
        t->setAmount(T1::F_41500, sch6->amount(W::F_ACWBReceived));
    } else {
        t->setAmount(T1::F_45300, 0.0);
        t->setAmount(T1::F_41500, 0.0);
    }

    // 7a. refundable medical expense supplement
    calculateMedicalSupplement(*t);

    // 8. multigenerational home renovation
    if (auto *reno = singleFormAs<TaxData_Sch12_MultigHomeReno>(FormType::Schedule12)) {
        BQ_TRACE("stage 5: TaxData_Sch12_MultigHomeReno::Calculate01");
        reno->Calculate01();
        t->setAmount(T1::F_45355, reno->amount(TaxData_Sch12_MultigHomeReno::F_Credit));
    } else {
        t->setAmount(T1::F_45355, 0.0);
    }

    // 9. GST/HST rebate
    if (auto *gst = singleFormAs<CTaxData_GST370>(FormType::GST370)) {
        using G = CTaxData_GST370;
        gst->setText(G::F_FirstName, t->firstName());
        gst->setText(G::F_LastName, t->lastName());
        gst->setText(G::F_SIN, t->sin());
        gst->setText(G::F_Year, QStringLiteral("2024"));
        BQ_TRACE("stage 5: CTaxData_GST370::Calculate01");
        gst->Calculate01();
        t->setAmount(T1::F_45700, gst->amount(G::F_Rebate));
    } else {
        t->setAmount(T1::F_45700, 0.0);
    }

    // 10. total payable
    BQ_TRACE("stage 5: TaxData_T1New::CalculateBeforeLine437");
    t->CalculateBeforeLine437(true);

    // 11. pension split after the total payable
    if (auto *t1032 = singleFormAs<TaxData_T1032_New>(FormType::T1032)) {
        using S = TaxData_T1032_New;
        const double payable = t->amount(T1::F_43500) + t->amount(T1::F_SplitPensionTax) + t->amount(T1::F_43700);
        t1032->setAmount(t1032->flag(S::F_Switch) ? S::F_IncomeAdjustmentA : S::F_IncomeAdjustmentB, payable);
        BQ_TRACE("stage 5: TaxData_T1032_New::CalculateIncomeTaxAfterAdjustment");
        t1032->CalculateIncomeTaxAfterAdjustment();
    }

    // 12. balance
    BQ_TRACE("stage 5: TaxData_T1New::CalculateBalance");
    t->CalculateBalance(true);

    // 13. loss carry-back
    if (auto *t1a = singleFormAs<TaxData_T1ANew>(FormType::T1A)) {
        using A = TaxData_T1ANew;
        t1a->setText(A::F_FullName, fullName(*t));
        t1a->setText(A::F_Address, address(*t, 10));
        t1a->setText(A::F_City, t->text(T1::F_City));
        t1a->setText(A::F_MailProvince, t->text(T1::F_MailProvince));
        t1a->setText(A::F_Postcode, t->text(T1::F_Postcode));
        t1a->setIntValue(A::F_Province, t->provinceOfResidence());
        t1a->setText(A::F_SIN, t->sin());
        t1a->setText(A::F_FirstName, t->firstName());
        t1a->setText(A::F_LastName, t->lastName());
        fillLossCarryBack(*t1a, *t);
        double capitalLoss = 0.0;
        if (sch3 && !positive(sch3->amount(TaxData_Sch3::F_TaxableGain)))
            capitalLoss = -sch3->amount(TaxData_Sch3::F_TaxableGain);
        t1a->setAmount(A::F_NetCapitalLoss, capitalLoss);
        BQ_TRACE("stage 5: TaxData_T1ANew::Calculate01");
        t1a->Calculate01();
    }

    // 14. tax shelter
    if (auto *t5004 = singleFormAs<TaxData_T5004>(FormType::T5004)) {
        t5004->setText(TaxData_T5004::F_SIN, t->sin());
        t5004->setText(TaxData_T5004::F_FullName, fullName(*t));
        BQ_TRACE("stage 5: TaxData_T5004::Calculate01");
        t5004->Calculate01();
    }

    // 15. direct deposit
    auto *t1dd = singleFormAs<CTaxData_T1DD>(FormType::T1DD);
    if (t1dd) {
        fillIdentity(*t1dd, *t);
        BQ_TRACE("stage 5: CTaxData_T1DD::Calculate01");
        t1dd->Calculate01();
    }

    // 16. electronic filing information
    if (auto *t183 = singleFormAs<TaxData_T183New>(FormType::T183)) {
        using E = TaxData_T183New;
        fillIdentity(*t183, *t);
        t183->setText(E::F_MailProvince, t->text(T1::F_MailProvince));
        t183->setAmount(E::F_TotalIncome, t->amount(T1::F_15000));
        t183->setAmount(E::F_NetIncome, t->amount(T1::F_23600));
        t183->setAmount(E::F_TaxableIncome, t->amount(T1::F_26000));
        t183->setAmount(E::F_Refund, t->amount(T1::F_48400));
        t183->setAmount(E::F_BalanceOwing, t->amount(T1::F_48500));
        BQ_TRACE("stage 5: TaxData_T183New::Calculate01");
        t183->Calculate01();
        if (t1dd)
            t183->setFlag(E::F_DirectDeposit, true);
    }

    // 17. pre-authorised debit
    if (auto *t185 = singleFormAs<TaxData_T185>(FormType::T185)) {
        using P = TaxData_T185;
        fillIdentity(*t185, *t);
        t185->setText(P::F_Email, t->emailAddress());
        if (!t185->flag(P::F_FixedAmount))
            t185->setAmount(P::F_Amount, t->amount(T1::F_48500));
        BQ_TRACE("stage 5: TaxData_T185::Calculate01");
        t185->Calculate01();
    }

    // 18. discounted refund
    if (auto *rc71 = singleFormAs<CTaxData_RC71>(FormType::RC71)) {
        using R = CTaxData_RC71;
        const QString discounter = userSetting("DiscounterCode");
        if (!discounter.isEmpty())
            rc71->setText(R::F_DiscounterCode, discounter);
        rc71->setText(R::F_FirstName, t->firstName());
        rc71->setText(R::F_LastName, t->lastName());
        rc71->setText(R::F_SIN, t->sin());
        rc71->setText(R::F_Address, address(*t, 0));
        rc71->setText(R::F_FullName, fullName(*t));
        rc71->setText(R::F_Text, t->text(T1::F_Phone));
        rc71->setAmount(R::F_ExpectedRefund, t->amount(T1::F_48400));
        BQ_TRACE("stage 5: CTaxData_RC71::Calculate01");
        rc71->Calculate01();
    }

    // 19. adjustment request
    if (auto *adj = singleFormAs<CTaxData_T1ADJ>(FormType::T1_ADJ)) {
        using J = CTaxData_T1ADJ;
        const QString rep = userSetting("T1013RepID");
        if (!rep.isEmpty())
            adj->setText(J::F_RepID, rep);
        const QString efile = userSetting("BusinessEFileNum");
        if (!efile.isEmpty())
            adj->setText(J::F_EFileNumber, efile);
        adj->setIntValue(J::F_Year, 2024);
        adj->setText(J::F_Name, t->lastName() + QStringLiteral(", ") + t->firstName());
        adj->setText(J::F_SIN, t->sin());
        BQ_TRACE("stage 5: CTaxData_T1ADJ::Calculate01");
        adj->Calculate01();
    }

    // 20. foreign income verification
    if (auto *t1135 = singleFormAs<TaxData_T1135New>(FormType::T1135)) {
        using V = TaxData_T1135New;
        t1135->setAmount(V::F_TotalCost, 0.0);
        BQ_TRACE("stage 5: TaxData_T1135New::isIndividual");
        if (t1135->isIndividual())
            t1135->setText(V::F_FirstName, fullName(*t));
        t1135->setText(V::F_LastName, t->lastName());
        t1135->setText(V::F_SIN, t->sin());
        BQ_TRACE("stage 5: TaxData_T1135New::Calculate01");
        t1135->Calculate01();
        t1135->setFlag(V::F_OverwriteStatus, configSwitch("OverwriteStatus"));
    }

    // 21. bankruptcy information
    if (auto *t1153 = singleFormAs<CTaxData_T1153>(FormType::T1153)) {
        using B = CTaxData_T1153;
        t1153->setText(B::F_FullName, fullName(*t));
        t1153->setText(B::F_SIN, t->sin());
        t1153->setText(B::F_Street, t->text(T1::F_Street));
        t1153->setDate(B::F_BankruptcyDate, t->date(T1::F_BankruptDate));
        t1153->setText(B::F_TaxpayerCity, t->text(T1::F_City));
        if (!t->flag(T1::F_ForeignMailing))
            t1153->setText(B::F_ProvinceName, provinceName(t->provinceOfResidence()));
        t1153->setText(B::F_TaxpayerPostcode, t->text(T1::F_Postcode));
    }

    // 22-23. the tax-wizard records from the return, then each one calculated
    BQ_TRACE("stage 5: IndividualTaxData::refreshWizardRecords");
    refreshWizardRecords(v.isSpouse);
    for (const WizardEntry *w : m_wizardData) {
        if (!w->object)
            continue;
        BQ_TRACE("stage 5: CTaxData_Form::calculateData");
        w->object->calculateData();
    }
    return 0;
}

int IndividualTaxData::calculateStage6(const StageValues &v)
{
    // 1. default answers
    BQ_TRACE("stage 6: IndividualTaxData::setDefaultAnswers");
    setDefaultAnswers();

    // 2. the CPP form the T1 no longer asks for
    BQ_TRACE("stage 6: IndividualTaxData::removeForm148or150");
    const int removed = removeForm148or150();

    // 3-4. instalments
    auto *t1ks = singleForm(FormType::T1Summary);
    if (auto *instalments = singleFormAs<TaxData_InstalmentCalc>(FormType::Instalments)) {
        double first = 0.0;
        double second = 0.0;
        BQ_TRACE("stage 6: CMultiProvsTaxMgr::getProvincialValue");
        if (!m_provinceManager.getProvincialValue(kInstalmentValue1, first))
            first = 0.0;
        BQ_TRACE("stage 6: CMultiProvsTaxMgr::getProvincialValue");
        if (!m_provinceManager.getProvincialValue(kInstalmentValue2, second))
            second = 0.0;
        instalments->setAmount(TaxData_InstalmentCalc::F_ProvincialValue1, first);
        instalments->setAmount(TaxData_InstalmentCalc::F_ProvincialValue2, second);
        BQ_TRACE("stage 6: TaxData_InstalmentCalc::Calculate");
        instalments->Calculate(v.t1, t1ks);
    } else if (t1ks) {
        using K = TaxData_T1KSNew;
        for (int f : {K::F_Instalment1, K::F_Instalment2, K::F_Instalment3, K::F_Instalment4})
            t1ks->setAmount(f, 0.0);
    }
    return removed;
}
