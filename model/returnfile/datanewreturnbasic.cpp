#include "datanewreturnbasic.h"

DataNewReturnBasic::DataNewReturnBasic()
{
    // registered in their declared order; the wizard binds them by widget name
    registerField(&fld_FirstName);
    registerField(&fld_LastName);
    registerField(&fld_sin);
    registerField(&fld_dob);
    registerField(&fld_TaxPronv);
    registerField(&fld_MaritalStatus);
    registerField(&fld_FirstNameSpouse);
    registerField(&fld_LastNameSpouse);
    registerField(&fld_Coupled);
    registerField(&fld_SpouseNonResident);
    registerField(&fld_sinSpouse);
    registerField(&fld_dobSpouse);
    registerField(&fld_TaxPronvSpouse);
    registerField(&fld_bSch3);
    registerField(&fld_bSch4);
    registerField(&fld_bSch6);
    registerField(&fld_bSch7);
    registerField(&fld_bSch9);
    registerField(&fld_bSch11);
    registerField(&fld_bSch15);
    registerField(&fld_bT776);
    registerField(&fld_bT2125);
    registerField(&fld_bT1DD);
}

int DataNewReturnBasic::checkData()
{
    return 0;
}
