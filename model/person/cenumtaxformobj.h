#pragma once

struct FormEntry;

// Visitor over a person's form entries (IndividualTaxData::forEachForm).
// The defaults count the entry and go on; begin and end do nothing.
class CEnumTaxFormObj
{
public:
    virtual ~CEnumTaxFormObj();
    // false stops the walk (the end is still called)
    virtual bool OnEnumItem(FormEntry *entry, void *param);
    virtual bool OnEnumBegin(void *param);
    virtual bool OnEnumEnd(void *param);

    int count = 0;   // entries visited
};
