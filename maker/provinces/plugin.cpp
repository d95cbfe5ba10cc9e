// Entry point of one provincial plug-in; BQ_PROVINCE_ID names its province.
#include "provincetaxmanager.h"

extern "C" __attribute__((visibility("default"))) CProvincialTaxManager *GetTaxManager()
{
    return new ProvinceTaxManager(BQ_PROVINCE_ID);
}
