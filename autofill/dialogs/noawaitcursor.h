#pragma once

// Lets the notice requests show the wait cursor: installs the cursor hook of
// noataxdataoneperson.h (call once on the GUI thread, e.g. before a download).
void installNoaWaitCursor();
