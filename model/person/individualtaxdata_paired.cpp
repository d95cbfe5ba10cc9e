#include "individualtaxdata.h"
#include "taxdata_sch5.h"
#include "taxdata_t1new.h"

int IndividualTaxData::resolveProvincialForm(int type)
{
    const int partner = m_provinceManager.prerequisiteForm(type);
    if (partner == 0)
        return 0;
    const bool hasType = hasForm(type);
    const bool hasPartner = hasForm(partner);
    if (hasType == hasPartner)
        return 0;
    return getForm(hasType ? partner : type, 0, true) ? 1 : 0;
}

int IndividualTaxData::resolveProvincialForms()
{
    int made = resolveProvincialForm(FormType::Schedule2) + resolveProvincialForm(FormType::Schedule11);
    // the T778 brings its partner, never the other way round
    if (hasForm(FormType::T778)) {
        const int partner = m_provinceManager.prerequisiteForm(FormType::T778);
        if (partner != 0 && !hasForm(partner) && getForm(partner, 0, true))
            ++made;
    }
    return made;
}

int IndividualTaxData::ensureForm148or150(int selector)
{
    int type;
    if (selector == 1)
        type = FormType::Schedule8;
    else if (selector == 2)
        type = FormType::RC381;
    else
        return 0;
    if (hasForm(type))
        return 0;
    return getForm(type, 0, true) ? 1 : 0;
}

int IndividualTaxData::removeForm148or150()
{
    const TaxData_T1New *t = t1();
    if (!t)
        return 0;
    int drop;
    switch (t->cppFormSelector()) {
    case TaxData_T1New::Schedule8Form: drop = FormType::RC381; break;
    case TaxData_T1New::Rc381Form: drop = FormType::Schedule8; break;
    default: return 0;
    }
    const FormEntry *e = m_forms.firstWithKey(drop);
    if (!e || !e->object)
        return 0;
    removeForm(e->object, true, true);
    return 1;
}

void IndividualTaxData::syncSch5DateToT1(bool editedIsOther, int editedType)
{
    if (editedIsOther || editedType != FormType::Schedule5)
        return;
    auto *sch5 = formAs<TaxData_Sch5>(singleForm(FormType::Schedule5), FormType::Schedule5);
    TaxData_T1New *t = t1();
    if (sch5 && t)
        t->setSch5Date(sch5->date(TaxData_Sch5::F_Date));
}

void IndividualTaxData::getIncomeThresholds(QList<double> &amounts)
{
    if (const TaxData_T1New *t = t1())
        t->GetIncomeThresholds(amounts);
    m_provinceManager.getIncomeThresholds(amounts);
}
