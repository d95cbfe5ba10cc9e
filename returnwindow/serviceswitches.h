#pragma once

// Availability of the online services, program-wide: on when the program is
// built, nothing turns them off at run time; a return window made in test mode
// sets them on again. The switches of the other online services join these.
extern bool padFilingAvailable;
extern bool t1135FilingAvailable;
extern bool t1013FilingAvailable;

void setAllServicesAvailable();
