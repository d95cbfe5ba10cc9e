#pragma once
#include "cstring.h"
#include <QList>

class IndividualTaxData;

// The checks between the two spouses of a coupled return, from the side of the
// person against the partner: amounts only one may claim, that both must agree on,
// or whose total over both returns is limited; then the provinces' couple checks.
// Reads both returns only. Appends its messages; gives the list's size.
int checkCoupledReturns(IndividualTaxData &person, int edition, QList<CString> &messages, IndividualTaxData &partner);
