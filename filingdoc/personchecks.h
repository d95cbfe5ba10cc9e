#pragma once
#include "cstring.h"
#include <QList>

class IndividualTaxData;
class ValidationMessageGroup;

// The checks of one person's return before filing: a group for each slip and form
// that finds fault with itself, then one group of the checks across forms. Reads the
// return only. Gives the number of groups in the list.
int checkPersonForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &groups);
