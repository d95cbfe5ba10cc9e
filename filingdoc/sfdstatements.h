#pragma once
#include <QList>

class CTaxData_Form;
class IndividualTaxData;

// One selected-financial-data (SFD) record of a person: a statement form, one
// partnership row of a T5013, a T777 or TL2, or a T2091.
struct SfdStatement
{
    int formType = 0;
    CTaxData_Form *form = nullptr;   // of its form type's class
    int row = -1;                    // the T5013's partnership row; -1 for a whole form
    bool counted = true;             // in the record count; a T2091 is not
};

// The person's SFD records in the filing document's order: the statements (T2125
// of both types, T776, T2121, T2042, T1163, the T5013 rows that file one, and with
// a line 22900 claim the T777 and TL2 forms), none when bankrupt; then the T2091
// forms. The document's records and count and the barcode's blocks and item 31
// are all taken from it, so that they never differ.
QList<SfdStatement> sfdStatements(IndividualTaxData &person);
// The records counted in "t1:SelectedFinancialDataRecordCount" and barcode item 31.
int sfdRecordCount(const QList<SfdStatement> &statements);
