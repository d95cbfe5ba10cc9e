#pragma once
#include "cenumtaxformobj.h"

// Passes the coupled flag to every form object; the walk's param points to a bool.
class CSetCoupledFlagObj : public CEnumTaxFormObj
{
public:
    bool OnEnumItem(FormEntry *entry, void *param) override;
};
