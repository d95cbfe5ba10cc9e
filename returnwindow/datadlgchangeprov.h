#pragma once
#include "datafields.h"

// The record of the "Change Tax Province" page.
class DataDlgChangeProv : public CWSBaseData
{
public:
    DataDlgChangeProv();
    int checkData() override;

    // the chosen province (0 none chosen)
    CIntField fld_NewTaxProv{0, 0, 0};
    // 0 change both persons of a coupled return, 1 the current person only
    CIntField fld_ChgBoth{0, 0};
};
