// Stages 5 and 6: credits, balance and the filing forms; the CPP form and the instalments.
#include "stagesteps.h"
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

// The steps of stage 5 and the forms they share.
class Stage5Steps
{
public:
    Stage5Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &values)
        : m_p(person), m_v(values), m_t(values.t1)
    {
    }

    void foreignTaxCredits();
    void provincialCredits();
    void fuelChargeForms();
    void yukonLines();
    void provincialTax();
    void workersBenefit();
    void medicalSupplement();
    void homeRenovation();
    void gstRebate();
    void totalPayable();
    void pensionSplit();
    void balance();
    void lossCarryBack();
    void taxShelter();
    void directDeposit();
    void electronicFiling();
    void preAuthorisedDebit();
    void discountedRefund();
    void adjustmentRequest();
    void foreignIncome();
    void bankruptcy();
    void wizardRecords();

private:
    template <class Form>
    void runProvincialFuelChargeForm(FormType::Type type);

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    QList<CTaxData_Form *> m_foreignTaxCredits;
    CTaxData_T1DD *m_t1dd = nullptr;
};

void Stage5Steps::foreignTaxCredits()
{
    m_p.copyForeignTaxCreditResults();
    m_p.collectForeignTaxCreditForms(m_foreignTaxCredits);
}

// The provinces' credits; refundable provincial credits start from 0.
void Stage5Steps::provincialCredits()
{
    ProvStageForms forms;
    forms.t1 = m_t;
    forms.form156 = m_p.singleForm(FormType::ProvincialWorksheet);
    forms.sch2 = m_p.singleForm(FormType::Schedule2);
    forms.sch3 = m_p.singleFormAs<TaxData_Sch3>(FormType::Schedule3);
    forms.sch9 = m_p.singleForm(FormType::Schedule9);
    forms.t1206 = m_p.singleForm(FormType::T1206);
    forms.foreignTaxCredits = &m_foreignTaxCredits;
    forms.t691 = m_p.singleForm(FormType::T691);
    forms.t1219 = m_p.singleForm(FormType::T1219);
    forms.t2017 = m_p.singleForm(FormType::T2017);
    m_t->setAmount(T1::F_47900, 0.0);
    m_p.m_provinceManager.calculateStagePart5(m_t, forms);
}

// A fuel-charge form between the provinces' parts 6 and 7.
template <class Form>
void Stage5Steps::runProvincialFuelChargeForm(FormType::Type type)
{
    if (auto *form = m_p.singleFormAs<Form>(type)) {
        form->setIntValue(Form::F_Age, m_t->GetAge());
        m_p.m_provinceManager.calculateStagePart6(type, form);
        form->Calculate01();
        m_p.m_provinceManager.calculateStagePart7(type, form);
    }
}

// T225, then T224.
void Stage5Steps::fuelChargeForms()
{
    runProvincialFuelChargeForm<TaxData_T225>(FormType::T225);
    runProvincialFuelChargeForm<TaxData_T224>(FormType::T224);
}

// Yukon First Nations tax and abatement only in Yukon.
void Stage5Steps::yukonLines()
{
    if (m_p.province() != Province::Yukon) {
        m_t->setAmount(T1::F_43200, 0.0);
        m_t->setAmount(T1::F_44100, 0.0);
    }
}

// The provinces' tax; provincial tax starts from 0.
void Stage5Steps::provincialTax()
{
    m_t->setAmount(T1::F_42800, 0.0);
    QStringList messages;
    m_p.m_provinceManager.calculateStagePart2(m_t, 0, m_p.singleForm(FormType::Schedule5), &messages);
}

// A full-time student for more than three months cannot claim.
void Stage5Steps::workersBenefit()
{
    auto *sch6 = m_p.singleFormAs<TaxData_Sch6>(FormType::Schedule6);
    if (!sch6) {
        m_t->setAmount(T1::F_45300, 0.0);
        m_t->setAmount(T1::F_41500, 0.0);
        return;
    }
    using W = TaxData_Sch6;
    auto *sch11 = m_p.singleFormAs<TaxData_Sch11>(FormType::Schedule11);
    sch6->setMainTaxProvince(m_t->getMainTaxProvince());
    if (sch11 && sch6->flag(W::F_Student) && positive(sch11->amount(TaxData_Sch11::F_FullTimeMonths) - 3.0))
        sch6->setFlag(W::F_ClaimBenefit, false);
    sch6->Calculate01();
    m_t->setAmount(T1::F_45300, sch6->amount(W::F_Benefit));
    m_t->setAmount(T1::F_41500, sch6->amount(W::F_ACWBReceived));
}

void Stage5Steps::medicalSupplement()
{
    calculateMedicalSupplement(*m_t);
}

void Stage5Steps::homeRenovation()
{
    auto *reno = m_p.singleFormAs<TaxData_Sch12_MultigHomeReno>(FormType::Schedule12);
    if (reno)
        reno->Calculate01();
    m_t->setAmount(T1::F_45355, reno ? reno->amount(TaxData_Sch12_MultigHomeReno::F_Credit) : 0.0);
}

void Stage5Steps::gstRebate()
{
    auto *gst = m_p.singleFormAs<CTaxData_GST370>(FormType::GST370);
    if (gst) {
        using G = CTaxData_GST370;
        gst->setText(G::F_FirstName, m_t->firstName());
        gst->setText(G::F_LastName, m_t->lastName());
        gst->setText(G::F_SIN, m_t->sin());
        gst->setText(G::F_Year, QStringLiteral("2024"));
        gst->Calculate01();
    }
    m_t->setAmount(T1::F_45700, gst ? gst->amount(CTaxData_GST370::F_Rebate) : 0.0);
}

void Stage5Steps::totalPayable()
{
    m_t->CalculateBeforeLine437(true);
}

// The pension split after the total payable.
void Stage5Steps::pensionSplit()
{
    if (auto *t1032 = m_p.singleFormAs<TaxData_T1032_New>(FormType::T1032)) {
        using S = TaxData_T1032_New;
        const double payable =
            m_t->amount(T1::F_43500) + m_t->amount(T1::F_SplitPensionTax) + m_t->amount(T1::F_43700);
        t1032->setAmount(t1032->flag(S::F_Switch) ? S::F_IncomeAdjustmentA : S::F_IncomeAdjustmentB, payable);
        t1032->CalculateIncomeTaxAfterAdjustment();
    }
}

void Stage5Steps::balance()
{
    m_t->CalculateBalance(true);
}

void Stage5Steps::lossCarryBack()
{
    auto *t1a = m_p.singleFormAs<TaxData_T1ANew>(FormType::T1A);
    if (!t1a)
        return;
    using A = TaxData_T1ANew;
    t1a->setText(A::F_FullName, fullName(*m_t));
    t1a->setText(A::F_Address, address(*m_t, 10));
    t1a->setText(A::F_City, m_t->text(T1::F_City));
    t1a->setText(A::F_MailProvince, m_t->text(T1::F_MailProvince));
    t1a->setText(A::F_Postcode, m_t->text(T1::F_Postcode));
    t1a->setIntValue(A::F_Province, m_t->provinceOfResidence());
    t1a->setText(A::F_SIN, m_t->sin());
    t1a->setText(A::F_FirstName, m_t->firstName());
    t1a->setText(A::F_LastName, m_t->lastName());
    fillLossCarryBack(*t1a, *m_t);
    auto *sch3 = m_p.singleFormAs<TaxData_Sch3>(FormType::Schedule3);
    double capitalLoss = 0.0;
    if (sch3 && !positive(sch3->amount(TaxData_Sch3::F_TaxableGain)))
        capitalLoss = -sch3->amount(TaxData_Sch3::F_TaxableGain);
    t1a->setAmount(A::F_NetCapitalLoss, capitalLoss);
    t1a->Calculate01();
}

void Stage5Steps::taxShelter()
{
    if (auto *t5004 = m_p.singleFormAs<TaxData_T5004>(FormType::T5004)) {
        t5004->setText(TaxData_T5004::F_SIN, m_t->sin());
        t5004->setText(TaxData_T5004::F_FullName, fullName(*m_t));
        t5004->Calculate01();
    }
}

void Stage5Steps::directDeposit()
{
    m_t1dd = m_p.singleFormAs<CTaxData_T1DD>(FormType::T1DD);
    if (m_t1dd) {
        fillIdentity(*m_t1dd, *m_t);
        m_t1dd->Calculate01();
    }
}

void Stage5Steps::electronicFiling()
{
    auto *t183 = m_p.singleFormAs<TaxData_T183New>(FormType::T183);
    if (!t183)
        return;
    using E = TaxData_T183New;
    fillIdentity(*t183, *m_t);
    t183->setText(E::F_MailProvince, m_t->text(T1::F_MailProvince));
    t183->setAmount(E::F_TotalIncome, m_t->amount(T1::F_15000));
    t183->setAmount(E::F_NetIncome, m_t->amount(T1::F_23600));
    t183->setAmount(E::F_TaxableIncome, m_t->amount(T1::F_26000));
    t183->setAmount(E::F_Refund, m_t->amount(T1::F_48400));
    t183->setAmount(E::F_BalanceOwing, m_t->amount(T1::F_48500));
    t183->Calculate01();
    if (m_t1dd)
        t183->setFlag(E::F_DirectDeposit, true);
}

void Stage5Steps::preAuthorisedDebit()
{
    if (auto *t185 = m_p.singleFormAs<TaxData_T185>(FormType::T185)) {
        using P = TaxData_T185;
        fillIdentity(*t185, *m_t);
        t185->setText(P::F_Email, m_t->emailAddress());
        if (!t185->flag(P::F_FixedAmount))
            t185->setAmount(P::F_Amount, m_t->amount(T1::F_48500));
        t185->Calculate01();
    }
}

void Stage5Steps::discountedRefund()
{
    auto *rc71 = m_p.singleFormAs<CTaxData_RC71>(FormType::RC71);
    if (!rc71)
        return;
    using R = CTaxData_RC71;
    const QString discounter = userSetting("DiscounterCode");
    if (!discounter.isEmpty())
        rc71->setText(R::F_DiscounterCode, discounter);
    rc71->setText(R::F_FirstName, m_t->firstName());
    rc71->setText(R::F_LastName, m_t->lastName());
    rc71->setText(R::F_SIN, m_t->sin());
    rc71->setText(R::F_Address, address(*m_t, 0));
    rc71->setText(R::F_FullName, fullName(*m_t));
    rc71->setText(R::F_ClientPhone, m_t->text(T1::F_Phone));
    rc71->setAmount(R::F_ExpectedRefund, m_t->amount(T1::F_48400));
    rc71->Calculate01();
}

void Stage5Steps::adjustmentRequest()
{
    auto *adj = m_p.singleFormAs<CTaxData_T1ADJ>(FormType::T1_ADJ);
    if (!adj)
        return;
    using J = CTaxData_T1ADJ;
    const QString rep = userSetting("T1013RepID");
    if (!rep.isEmpty())
        adj->setText(J::F_RepID, rep);
    const QString efile = userSetting("BusinessEFileNum");
    if (!efile.isEmpty())
        adj->setText(J::F_EFileNumber, efile);
    adj->setIntValue(J::F_Year, 2024);
    adj->setText(J::F_Name, m_t->lastName() + QStringLiteral(", ") + m_t->firstName());
    adj->setText(J::F_SIN, m_t->sin());
    adj->Calculate01();
}

void Stage5Steps::foreignIncome()
{
    auto *t1135 = m_p.singleFormAs<TaxData_T1135New>(FormType::T1135);
    if (!t1135)
        return;
    using V = TaxData_T1135New;
    t1135->setAmount(V::F_TotalCost, 0.0);
    if (t1135->isIndividual())
        t1135->setText(V::F_FirstName, fullName(*m_t));
    t1135->setText(V::F_LastName, m_t->lastName());
    t1135->setText(V::F_SIN, m_t->sin());
    t1135->Calculate01();
    t1135->setFlag(V::F_OverwriteStatus, configSwitch("OverwriteStatus"));
}

void Stage5Steps::bankruptcy()
{
    auto *t1153 = m_p.singleFormAs<CTaxData_T1153>(FormType::T1153);
    if (!t1153)
        return;
    using B = CTaxData_T1153;
    t1153->setText(B::F_FullName, fullName(*m_t));
    t1153->setText(B::F_SIN, m_t->sin());
    t1153->setText(B::F_Street, m_t->text(T1::F_Street));
    t1153->setDate(B::F_BankruptcyDate, m_t->date(T1::F_BankruptDate));
    t1153->setText(B::F_TaxpayerCity, m_t->text(T1::F_City));
    if (!m_t->flag(T1::F_ForeignMailing))
        t1153->setText(B::F_ProvinceName, provinceName(m_t->provinceOfResidence()));
    t1153->setText(B::F_TaxpayerPostcode, m_t->text(T1::F_Postcode));
}

// The tax-wizard records from the return, then each one calculated.
void Stage5Steps::wizardRecords()
{
    m_p.refreshWizardRecords(m_v.isSpouse);
    for (const WizardEntry *w : m_p.m_wizardData)
        if (w->object)
            w->object->calculateData();
}

// The steps of stage 6: default answers, the CPP form no longer asked for, instalments.
class Stage6Steps
{
public:
    Stage6Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &values)
        : m_p(person), m_v(values)
    {
    }

    void defaultAnswers() { m_p.setDefaultAnswers(); }
    void unusedCppForm() { m_removed = m_p.removeForm148or150(); }
    void instalments();
    int removed() const { return m_removed; }

private:
    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    int m_removed = 0;
};

void Stage6Steps::instalments()
{
    auto *t1ks = m_p.singleForm(FormType::T1Summary);
    if (auto *instalments = m_p.singleFormAs<TaxData_InstalmentCalc>(FormType::Instalments)) {
        double first = 0.0;
        double second = 0.0;
        if (!m_p.m_provinceManager.getProvincialValue(kInstalmentValue1, first))
            first = 0.0;
        if (!m_p.m_provinceManager.getProvincialValue(kInstalmentValue2, second))
            second = 0.0;
        instalments->setAmount(TaxData_InstalmentCalc::F_ProvincialValue1, first);
        instalments->setAmount(TaxData_InstalmentCalc::F_ProvincialValue2, second);
        instalments->Calculate(m_v.t1, t1ks);
    } else if (t1ks) {
        using K = TaxData_T1KSNew;
        for (int f : {K::F_Instalment1, K::F_Instalment2, K::F_Instalment3, K::F_Instalment4})
            t1ks->setAmount(f, 0.0);
    }
}

namespace {

const StageStep<Stage5Steps> kStage5[] = {
    {"foreign tax credits", &Stage5Steps::foreignTaxCredits},
    {"provincial credits", &Stage5Steps::provincialCredits},
    {"fuel charge forms", &Stage5Steps::fuelChargeForms},
    {"Yukon lines", &Stage5Steps::yukonLines},
    {"provincial tax", &Stage5Steps::provincialTax},
    {"Canada workers benefit", &Stage5Steps::workersBenefit},
    {"medical expense supplement", &Stage5Steps::medicalSupplement},
    {"multigenerational home renovation", &Stage5Steps::homeRenovation},
    {"GST/HST rebate", &Stage5Steps::gstRebate},
    {"total payable", &Stage5Steps::totalPayable},
    {"pension split", &Stage5Steps::pensionSplit},
    {"balance", &Stage5Steps::balance},
    {"loss carry-back", &Stage5Steps::lossCarryBack},
    {"tax shelter", &Stage5Steps::taxShelter},
    {"direct deposit", &Stage5Steps::directDeposit},
    {"electronic filing information", &Stage5Steps::electronicFiling},
    {"pre-authorised debit", &Stage5Steps::preAuthorisedDebit},
    {"discounted refund", &Stage5Steps::discountedRefund},
    {"adjustment request", &Stage5Steps::adjustmentRequest},
    {"foreign income verification", &Stage5Steps::foreignIncome},
    {"bankruptcy information", &Stage5Steps::bankruptcy},
    {"tax-wizard records", &Stage5Steps::wizardRecords},
};

const StageStep<Stage6Steps> kStage6[] = {
    {"default answers", &Stage6Steps::defaultAnswers},
    {"unused CPP form", &Stage6Steps::unusedCppForm},
    {"instalments", &Stage6Steps::instalments},
};

} // namespace

int IndividualTaxData::calculateStage5(const StageValues &v)
{
    Stage5Steps steps(*this, v);
    runStageSteps("stage 5", kStage5, steps);
    return 0;
}

int IndividualTaxData::calculateStage6(const StageValues &v)
{
    Stage6Steps steps(*this, v);
    runStageSteps("stage 6", kStage6, steps);
    return steps.removed();
}
