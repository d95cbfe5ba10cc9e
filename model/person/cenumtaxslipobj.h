#pragma once

struct FormEntry;

// Visitor over a person's slip entries (IndividualTaxData::forEachSlip); tree is
// the navigation tree the visitor fills, opaque to the model.
class CEnumTaxSlipObj
{
public:
    virtual ~CEnumTaxSlipObj();
    virtual bool OnEnumItem(FormEntry *entry, void *tree);
    virtual bool OnEnumBegin(void *tree);
    virtual bool OnEnumEnd(void *tree);

    int count = 0;
};
