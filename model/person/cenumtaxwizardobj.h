#pragma once

struct WizardEntry;

// Visitor over a person's tax-wizard records (IndividualTaxData::forEachWizardData).
class CEnumTaxWizardObj
{
public:
    virtual ~CEnumTaxWizardObj();
    virtual bool OnEnumItem(WizardEntry *entry, void *tree);

    int count = 0;
};
