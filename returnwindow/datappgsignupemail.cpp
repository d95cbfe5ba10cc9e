#include "datappgsignupemail.h"

DataPpgSignupEmail::DataPpgSignupEmail()
{
    registerField(&fld_signup);
}

int DataPpgSignupEmail::checkData()
{
    return 0;
}
