#pragma once

struct NoteEntry;

// Visitor over a person's tax notes (IndividualTaxData::forEachNote).
class CEnumTaxNoteObj
{
public:
    virtual ~CEnumTaxNoteObj();
    virtual bool OnEnumItem(NoteEntry *entry, void *tree);

    int count = 0;
};
