#include "cenumtaxnoteobj.h"

CEnumTaxNoteObj::~CEnumTaxNoteObj() = default;

bool CEnumTaxNoteObj::OnEnumItem(NoteEntry *, void *)
{
    ++count;
    return true;
}
