#pragma once
#include "datafields.h"

// The record of the online mail sign-up page.
class DataPpgSignupEmail : public CWSBaseData
{
public:
    DataPpgSignupEmail();
    int checkData() override;

    // -1 no choice yet, 0 sign up, 1 do not sign up
    CIntField fld_signup{-1, 0};
};
