#pragma once
#include <string>

// The telephone numbers of the government programs against whose debts a
// refund may be set off, from the resource ":/tdd/tdd/cde-elements-22b.csv"
// (second column the program's English abbreviation, last column the telephone).

// The program's telephone (UTF-8) as the table holds it; empty when the code is
// not in the table. The table is loaded once per process, from any thread.
std::string codeDescription(const std::string &programCode);
// Fills the table from the resource on the first call in the process (the
// first row of a code wins); later calls do nothing.
void loadCodeDescriptions();
