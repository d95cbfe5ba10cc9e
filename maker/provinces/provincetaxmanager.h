#pragma once
#include "cprovincialtaxmanager.h"

// The manager that every provincial plug-in hands out, set up for its province.
class ProvinceTaxManager : public CProvincialTaxManager
{
public:
    explicit ProvinceTaxManager(int province);
    ~ProvinceTaxManager() override;
};
