#pragma once

class IndividualTaxData;

// The questions asked, one at a time, before the person's return is filed: points
// that are legal but often wrong. True when every question was answered with going
// on; false at the first one declined, and without a T1 (then nothing is asked).
// edition: 1 EFILE, 2 NETFILE. Changes nothing in the return.
bool confirmPersonBeforeFiling(IndividualTaxData &person, int edition);
