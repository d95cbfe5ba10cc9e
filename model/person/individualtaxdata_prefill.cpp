#include "ctaxdata_rc71.h"
#include "ctaxdata_t1153.h"
#include "ctaxdata_t1adj.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t1163new.h"
#include "taxdata_t183new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t776new.h"
#include "taxdata_tl2_new.h"
#include "utils.h"

namespace {
QString setting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}

bool settingFlag(const char *name)
{
    const QString v = setting(name).trimmed();
    return v.toInt() != 0 || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// The owner block of the statement forms: name and SIN from the T1.
void fillOwner(CTaxData_Form *form, int nameField, int sinField, const TaxData_T1New &t)
{
    form->setText(nameField, t.firstName() + QLatin1Char(' ') + t.lastName());
    form->setText(sinField, t.sin());
}
} // namespace

void IndividualTaxData::prefillForm(CTaxData_Form *object)
{
    TaxData_T1New *t = t1();
    if (!object || !t)
        return;
    switch (object->formType()) {
    case FormType::T1:
        fillPreparerInfo();
        break;
    case FormType::Schedule5:
        if (t->CanClaimSpouse())
            object->setFlag(TaxData_Sch5::F_SpouseFlag, true);
        break;
    case FormType::Schedule7:
    case FormType::Schedule11:
    case FormType::T1212:
        if (CTaxData_Form *record = findWizardData(WizardRecord::LastYearAmounts, false))
            applyLastYearRecord(record, true);
        break;
    case FormType::T776:
        fillOwner(object, TaxData_T776New::F_OwnerName, TaxData_T776New::F_OwnerSIN, *t);
        break;
    case FormType::T2042:
        fillOwner(object, TaxData_T2042New::F_OwnerName, TaxData_T2042New::F_OwnerSIN, *t);
        break;
    case FormType::T2121:
        fillOwner(object, TaxData_T2121New::F_OwnerName, TaxData_T2121New::F_OwnerSIN, *t);
        break;
    case FormType::T2125:
    case FormType::T2125Partnership:
        fillOwner(object, TaxData_T2125_New::F_OwnerName, TaxData_T2125_New::F_OwnerSIN, *t);
        if (object->formType() == FormType::T2125Partnership)
            object->setIntValue(TaxData_T2125_New::F_IncomeKind, 0);
        break;
    case FormType::T1163:
        object->setText(TaxData_T1163New::F_FirstName, t->firstName());
        object->setText(TaxData_T1163New::F_LastName, t->lastName());
        object->setText(TaxData_T1163New::F_SIN, t->sin());
        break;
    case FormType::RC71: {
        const QString address = QStringList{setting("BusinessAddr"), setting("BusinessCity"), setting("BusinessProv"),
                                            setting("BusinessPostcode")}
                                    .join(QStringLiteral(", "));
        object->setText(CTaxData_RC71::F_DiscounterName, setting("BusinessName"));
        object->setText(CTaxData_RC71::F_DiscounterCode, setting("DiscounterCode"));
        object->setText(CTaxData_RC71::F_DiscounterAddress, address);
        object->setText(CTaxData_RC71::F_DiscounterPhone, setting("BusinessPhone"));
        break;
    }
    case FormType::TL2:
        object->setText(TaxData_TL2_New::F_SIN, t->sin());
        break;
    case FormType::T183: {
        object->setText(TaxData_T183New::F_PreparerName, setting("BusinessName"));
        const QString efile = setting("BusinessEFileNum");
        if (!efile.isEmpty())
            object->setText(TaxData_T183New::F_EFileNumber, efile);
        object->setFlag(TaxData_T183New::F_PreAssessment, settingFlag("PreAssessment"));
        object->setFlag(TaxData_T183New::F_PostAssessment, settingFlag("PostAssessment"));
        object->setDate(TaxData_T183New::F_SignDate, QDate());
        break;
    }
    case FormType::T1153:
        object->setText(CTaxData_T1153::F_TrusteeName, setting("BusinessName"));
        object->setText(CTaxData_T1153::F_DiscounterCode, setting("DiscounterCode"));
        object->setText(CTaxData_T1153::F_TrusteeAddress, setting("BusinessAddr"));
        object->setText(CTaxData_T1153::F_EFileNumber, setting("BusinessEFileNum"));
        object->setText(CTaxData_T1153::F_City, setting("BusinessCity"));
        object->setText(CTaxData_T1153::F_Province, setting("BusinessProv"));
        object->setText(CTaxData_T1153::F_Postcode, setting("BusinessPostcode"));
        break;
    case FormType::T1135: {
        QString first;
        CString second;
        splitFullName(first, second);
        object->setText(TaxData_T1135New::F_FirstName, first);
        object->setText(TaxData_T1135New::F_FirstName2, second);
        object->setText(TaxData_T1135New::F_LastName, t->lastName());
        object->setText(TaxData_T1135New::F_SIN, t->sin());
        CString street;
        t->GetFullAddressWithoutPostcode(10, street);
        object->setText(TaxData_T1135New::F_Address, street);
        object->setText(TaxData_T1135New::F_City, t->text(TaxData_T1New::F_City));
        object->setText(TaxData_T1135New::F_Province, t->text(TaxData_T1New::F_MailProvince));
        object->setText(TaxData_T1135New::F_Postcode, t->text(TaxData_T1New::F_Postcode));
        object->setText(TaxData_T1135New::F_Country, QStringLiteral("CAN"));
        object->setDate(TaxData_T1135New::F_YearStart, QDate(2024, 1, 1));
        object->setText(TaxData_T1135New::F_Phone, t->text(TaxData_T1New::F_Phone));
        object->setText(TaxData_T1135New::F_PreparerName, setting("BusinessName"));
        object->setText(TaxData_T1135New::F_PreparerAddress, setting("BusinessAddr"));
        object->setText(TaxData_T1135New::F_PreparerPostcode, setting("BusinessPostcode"));
        object->setText(TaxData_T1135New::F_PreparerPhone, setting("BusinessPhone"));
        break;
    }
    case FormType::T1_ADJ: {
        const QVector<FormEntry *> &adj = m_forms.withKey(FormType::T1_ADJ);
        if (adj.size() == 1 && adj.first()->object)
            adj.first()->object->setText(CTaxData_T1ADJ::F_Date,
                                         GetCurTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        break;
    }
    case FormType::T1013:
        object->setDate(TaxData_T1013New::F_Date, GetCurTime().date());
        // the tax years or periods authorized: this return's year
        object->setText(TaxData_T1013New::F_Text, QString::number(m_taxYear));
        break;
    case FormType::Schedule6:
        object->setFlag(TaxData_Sch6::F_SpouseFlag, !t->CanClaimSpouse());
        break;
    default:
        break;
    }
}
