#include "serviceswitches.h"

bool padFilingAvailable = true;
bool t1135FilingAvailable = true;
bool t1013FilingAvailable = true;

void setAllServicesAvailable()
{
    padFilingAvailable = true;
    t1135FilingAvailable = true;
    t1013FilingAvailable = true;
}
