#include "provincetaxmanager.h"

ProvinceTaxManager::ProvinceTaxManager(int province) : CProvincialTaxManager(province) {}
ProvinceTaxManager::~ProvinceTaxManager() = default;
