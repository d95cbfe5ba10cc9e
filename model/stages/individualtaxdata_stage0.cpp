// The stage dispatch: what is looked up and worked out before every stage, and
// stage 0, which sets the return up for the calculation.
#include "stagesteps.h"
#include "ctaxdata_t1dd.h"
#include "datafields.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_sch5.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1198.h"
#include "taxdata_t1248schd.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t1new.h"
#include "utils.h"
#include <algorithm>

namespace {

using T1 = TaxData_T1New;

QString userSetting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}

QString softwareCode()
{
    return settingsSource()->configValue(QStringLiteral("EfileSoftwareCode"));
}

// A SIN as its digits alone, at most nine of them.
QString nineDigitSin(const QString &text)
{
    const auto asciiDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (text.size() == 9 && std::all_of(text.begin(), text.end(), asciiDigit))
        return text;   // already stored so: most calls
    return GetPureDigitStr(text).left(9);
}


const char *const kStageTrace[2][7] = {
    {"stage 0 self", "stage 1 self", "stage 2 self", "stage 3 self", "stage 4 self", "stage 5 self",
     "stage 6 self"},
    {"stage 0 spouse", "stage 1 spouse", "stage 2 spouse", "stage 3 spouse", "stage 4 spouse",
     "stage 5 spouse", "stage 6 spouse"},
};

} // namespace

int IndividualTaxData::calculateStage(bool editedIsOther, int editedType, unsigned int stage, bool isSpouse)
{
    StageValues v;
    v.editedIsOther = editedIsOther;
    v.editedType = editedType;
    v.isSpouse = isSpouse;
    v.t1 = t1();
    // Every stage works on the T1: a person without one (a spouse slot that holds
    // nothing, a block read without its plug-in) is left out of the calculation.
    if (!v.t1)
        return 0;
    v.sch5 = formAs<TaxData_Sch5>(getForm(FormType::Schedule5, 0, false), FormType::Schedule5);
    v.t183 = formAs<TaxData_T183New>(getForm(FormType::T183, 0, false), FormType::T183);
    v.t1013 = formAs<TaxData_T1013New>(getForm(FormType::T1013, 0, false), FormType::T1013);

    v.t1->setSin(nineDigitSin(v.t1->sin()));
    const QString spouseSin = v.t1->spouseSin();
    if (!CStringField::IsEmptyIfRemoveBlank(spouseSin))
        v.t1->setSpouseSin(nineDigitSin(spouseSin));

    v.daysInYear = GetDaysInYear(kTaxYear);
    v.bankruptDays = v.t1->GetBankruptDaysInTaxYear();
    v.residenceDays = v.t1->shouldProrateAsImmigrant()
        ? DaysInCanadaInTaxYear(v.t1->date(T1::F_EntryDate), v.t1->date(T1::F_DepartureDate), kTaxYear)
        : v.daysInYear;

    if (stage > 6)
        return 0;
    if (stage != 1 && stage != 2)
        m_stage1TotalsHeld = false;
    BQ_TRACE(kStageTrace[isSpouse ? 1 : 0][stage]);
    switch (stage) {
    case 0: return calculateStage0(v);
    case 1: return calculateStage1(v);
    case 2: return calculateStage2(v);
    case 3: return calculateStage3(v);
    case 4: return calculateStage4(v);
    case 5: return calculateStage5(v);
    default: return calculateStage6(v);
    }
}

// The steps of stage 0: the provincial forms, the filing marks, and the preparer's and
// taxpayer's details on the filing forms.
class Stage0Steps
{
public:
    Stage0Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &values)
        : m_p(person), m_v(values), m_t(values.t1)
    {
    }
    int formsMade() const { return m_made; }

    void provincialForms() { m_made = m_p.resolveProvincialForms(); }
    void schedule5Date() { m_p.syncSch5DateToT1(m_v.editedIsOther, m_v.editedType); }
    void provincialFormInfo() { m_p.m_provinceManager.setTaxFormInfo(m_t, m_v.sch5); }
    void provincialSetUp() { m_p.m_provinceManager.calculateStagePart3(m_v.editedIsOther, m_v.editedType, m_t); }
    void filingMarks();
    void preparer();
    void t183();
    void t185();
    void t1013();
    void directDeposit();
    void t1198();

private:
    using T1 = TaxData_T1New;

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    int m_made = 0;
};

// Residence (the province of the return is the province of residence on December 31,
// which the filing forms, the carbon rebate and the donor questions read), the lines the
// spousal attribution (T2205) adds to in stage 1, and the electronic return.
void Stage0Steps::filingMarks()
{
    m_t->setProvinceOfResidence(m_p.m_province);
    const auto *schD = formAs<TaxData_T1248SchD>(m_p.getForm(FormType::T1248SchD, 0, false), FormType::T1248SchD);
    m_t->setFlag(T1::F_FactualResident, schD && schD->isFactualResident());
    m_t->setAmount(T1::F_SpousalTransfer, 0.0);
    m_t->setAmount(T1::F_13000, 0.0);
    m_t->setAmount(T1::F_11500, 0.0);
    m_t->setIntValue(T1::F_OnlineMail, m_t->intValue(T1::F_OnlineMail) == 1 ? 1 : 0);
    m_t->setIntValue(T1::F_ElectronicReturn, 1);
}

void Stage0Steps::preparer()
{
    if (m_t->intValue(T1::F_OwnPreparerData) == 0)
        m_p.fillPreparerInfo();
}

// The preparer's EFILE number and representative ID fill the T183 only where empty.
void Stage0Steps::t183()
{
    TaxData_T183New *t183 = m_v.t183;
    if (!t183)
        return;
    using F = TaxData_T183New;
    t183->setFlag(F::F_Amended, m_t->intValue(T1::F_ReFile) != 0);
    t183->setText(F::F_Email, m_t->emailAddress());
    t183->setText(F::F_PreparerName, userSetting("BusinessName"));
    const QString efileNumber = userSetting("BusinessEFileNum");
    if (!efileNumber.isEmpty() && CStringField::IsEmptyIfRemoveBlank(t183->text(F::F_EFileNumber)))
        t183->setText(F::F_EFileNumber, efileNumber);
    const QString repId = userSetting("T1013RepID");
    if (!repId.isEmpty() && CStringField::IsEmptyIfRemoveBlank(t183->text(F::F_RepId)))
        t183->setText(F::F_RepId, repId);
    t183->setText(F::F_EFilePassword, userSetting("BusinessEFilePassword"));
    t183->setText(F::F_SoftwareCode, softwareCode());
}

void Stage0Steps::t185()
{
    auto *t185 = formAs<TaxData_T185>(m_p.getForm(FormType::T185, 0, false), FormType::T185);
    if (!t185)
        return;
    t185->setText(TaxData_T185::F_PreparerName, userSetting("BusinessName"));
    t185->setText(TaxData_T185::F_EFileNumber, userSetting("BusinessEFileNum"));
    t185->setText(TaxData_T185::F_EFilePassword, userSetting("BusinessEFilePassword"));
    t185->setText(TaxData_T185::F_SoftwareCode, softwareCode());
}

void Stage0Steps::t1013()
{
    TaxData_T1013New *t1013 = m_v.t1013;
    if (!t1013)
        return;
    using F = TaxData_T1013New;
    t1013->setText(F::F_SoftwareCode, softwareCode() + QLatin1Char('H'));
    t1013->setText(F::F_FirstName, m_t->firstName());
    t1013->setText(F::F_LastName, m_t->lastName());
    t1013->setText(F::F_SIN, m_t->sin());
    t1013->setText(F::F_Postcode, m_t->text(T1::F_Postcode));
    t1013->Calculate01();
}

// The account of the T1-DD on the T1; none without the form.
void Stage0Steps::directDeposit()
{
    const CTaxData_Form *t1dd = m_p.getForm(FormType::T1DD, 0, false);
    m_t->setText(T1::F_DDBranch, t1dd ? t1dd->text(CTaxData_T1DD::F_Branch) : QString());
    m_t->setText(T1::F_DDInstitution, t1dd ? t1dd->text(CTaxData_T1DD::F_Institution) : QString());
    m_t->setText(T1::F_DDAccount, t1dd ? t1dd->text(CTaxData_T1DD::F_Account) : QString());
}

void Stage0Steps::t1198()
{
    auto *t1198 = formAs<TaxData_T1198>(m_p.getForm(FormType::T1198, 0, false), FormType::T1198);
    if (!t1198)
        return;
    t1198->setText(TaxData_T1198::F_Name, m_t->ConstructFullName());
    t1198->setText(TaxData_T1198::F_SIN, m_t->sin());
    t1198->Calculate01();
}

namespace {

const StageStep<Stage0Steps> kStage0[] = {
    {"provincial forms", &Stage0Steps::provincialForms},
    {"Schedule 5 date", &Stage0Steps::schedule5Date},
    {"provincial form info", &Stage0Steps::provincialFormInfo},
    {"provincial set-up", &Stage0Steps::provincialSetUp},
    {"filing marks", &Stage0Steps::filingMarks},
    {"preparer", &Stage0Steps::preparer},
    {"T183", &Stage0Steps::t183},
    {"T185", &Stage0Steps::t185},
    {"T1013", &Stage0Steps::t1013},
    {"direct deposit", &Stage0Steps::directDeposit},
    {"T1198", &Stage0Steps::t1198},
};

} // namespace

int IndividualTaxData::calculateStage0(const StageValues &v)
{
    Stage0Steps steps(*this, v);
    runStageSteps("stage 0", kStage0, steps);
    return steps.formsMade();
}
