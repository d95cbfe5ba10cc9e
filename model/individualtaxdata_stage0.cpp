// The stage dispatch: what is looked up and worked out before every stage, and
// stage 0, which sets the return up for the calculation.
#include "calctrace.h"
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

int IndividualTaxData::calculateStage0(const StageValues &v)
{
    T1 *t = v.t1;

    BQ_TRACE("stage 0: IndividualTaxData::resolveProvincialForms");
    const int result = resolveProvincialForms();

    BQ_TRACE("stage 0: IndividualTaxData::syncSch5DateToT1");
    syncSch5DateToT1(v.editedIsOther, v.editedType);

    BQ_TRACE("stage 0: CProvincialTaxManager::setTaxFormInfo");
    m_provinceManager.setTaxFormInfo(t, v.sch5);
    BQ_TRACE("stage 0: CProvincialTaxManager::calculateStagePart3");
    m_provinceManager.calculateStagePart3(v.editedIsOther, v.editedType, t);

    const auto *schD = formAs<TaxData_T1248SchD>(getForm(FormType::T1248SchD, 0, false), FormType::T1248SchD);
    t->setFlag(T1::F_FactualResident, schD && schD->isFactualResident());

    // the lines to which the spousal RRSP/RRIF attribution (T2205) adds in stage 1
    t->setAmount(T1::F_SpousalTransfer, 0.0);
    t->setAmount(T1::F_13000, 0.0);
    t->setAmount(T1::F_11500, 0.0);
    t->setIntValue(T1::F_OnlineMail, t->intValue(T1::F_OnlineMail) == 1 ? 1 : 0);
    t->setIntValue(T1::F_ElectronicReturn, 1);
    if (t->intValue(T1::F_OwnPreparerData) == 0) {
        BQ_TRACE("stage 0: IndividualTaxData::fillPreparerInfo");
        fillPreparerInfo();
    }

    const QString businessName = userSetting("BusinessName");
    const QString efileNumber = userSetting("BusinessEFileNum");
    const QString efilePassword = userSetting("BusinessEFilePassword");
    const QString code = softwareCode();

    if (TaxData_T183New *t183 = v.t183) {
        BQ_TRACE("stage 0: T183");
        using F = TaxData_T183New;
        t183->setFlag(F::F_Amended, t->intValue(T1::F_ReFile) != 0);
        t183->setText(F::F_Email, t->emailAddress());
        t183->setText(F::F_PreparerName, businessName);
        if (!efileNumber.isEmpty() && CStringField::IsEmptyIfRemoveBlank(t183->text(F::F_EFileNumber)))
            t183->setText(F::F_EFileNumber, efileNumber);
        const QString repId = userSetting("T1013RepID");
        if (!repId.isEmpty() && CStringField::IsEmptyIfRemoveBlank(t183->text(F::F_RepId)))
            t183->setText(F::F_RepId, repId);
        t183->setText(F::F_EFilePassword, efilePassword);
        t183->setText(F::F_SoftwareCode, code);
    }

    if (auto *t185 = formAs<TaxData_T185>(getForm(FormType::T185, 0, false), FormType::T185)) {
        BQ_TRACE("stage 0: T185");
        t185->setText(TaxData_T185::F_PreparerName, businessName);
        t185->setText(TaxData_T185::F_EFileNumber, efileNumber);
        t185->setText(TaxData_T185::F_EFilePassword, efilePassword);
        t185->setText(TaxData_T185::F_SoftwareCode, code);
    }

    if (TaxData_T1013New *t1013 = v.t1013) {
        using F = TaxData_T1013New;
        t1013->setText(F::F_SoftwareCode, code + QLatin1Char('H'));
        t1013->setText(F::F_FirstName, t->firstName());
        t1013->setText(F::F_LastName, t->lastName());
        t1013->setText(F::F_SIN, t->sin());
        t1013->setText(F::F_Postcode, t->text(T1::F_Postcode));
        BQ_TRACE("stage 0: TaxData_T1013New::Calculate01");
        t1013->Calculate01();
    }

    if (const CTaxData_Form *t1dd = getForm(FormType::T1DD, 0, false)) {
        t->setText(T1::F_DDBranch, t1dd->text(CTaxData_T1DD::F_Branch));
        t->setText(T1::F_DDInstitution, t1dd->text(CTaxData_T1DD::F_Institution));
        t->setText(T1::F_DDAccount, t1dd->text(CTaxData_T1DD::F_Account));
    } else {
        t->setText(T1::F_DDBranch, QString());
        t->setText(T1::F_DDInstitution, QString());
        t->setText(T1::F_DDAccount, QString());
    }

    if (auto *t1198 = formAs<TaxData_T1198>(getForm(FormType::T1198, 0, false), FormType::T1198)) {
        t1198->setText(TaxData_T1198::F_Name, t->ConstructFullName());
        t1198->setText(TaxData_T1198::F_SIN, t->sin());
        BQ_TRACE("stage 0: TaxData_T1198::Calculate01");
        t1198->Calculate01();
    }
    return result;
}
