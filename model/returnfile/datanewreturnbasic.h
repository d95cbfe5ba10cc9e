#pragma once
#include "datafields.h"

// The New Return wizard's record: both identities, the provinces, the marital
// status and the forms to put into the new return.
class DataNewReturnBasic : public CWSBaseData
{
public:
    DataNewReturnBasic();
    int checkData() override;
    // Married or common-law (status 0 or 1); -1 and 2 to 5 are without a spouse.
    bool hasSpouse() const { return unsigned(fld_MaritalStatus.value()) <= 1u; }

    CStringField fld_FirstName{0, "", 50, 0x10000};
    CStringField fld_LastName{0, "", 50, 0x10000};
    CStringField fld_sin{0, "", 50, 0x10000};
    CDateField fld_dob{0, 0};
    CIntField fld_TaxPronv{0, 0, 0};
    CIntField fld_MaritalStatus{-1, 0};
    CStringField fld_FirstNameSpouse{0, "", 50, 0x10000};
    CStringField fld_LastNameSpouse{0, "", 50, 0x10000};
    CBoolField fld_Coupled{0, 0};
    CBoolField fld_SpouseNonResident{0, 0};
    CStringField fld_sinSpouse{0, "", 50, 0x10000};
    CDateField fld_dobSpouse{0, 0};
    CIntField fld_TaxPronvSpouse{0, 0, 0};
    CBoolField fld_bSch3{0, 0};
    CBoolField fld_bSch4{0, 0};
    CBoolField fld_bSch6{0, 0};
    CBoolField fld_bSch7{0, 0};
    CBoolField fld_bSch9{0, 0};
    CBoolField fld_bSch11{0, 0};
    CBoolField fld_bSch15{0, 0};
    CBoolField fld_bT776{0, 0};
    CBoolField fld_bT2125{0, 0};
    CBoolField fld_bT1DD{0, 0};
};
