#pragma once
#include "netfilegenobjparamstru.h"

class IndividualTaxData;

// The filing document carries the statements of a T5013's first rows only.
constexpr int kFiledPartnershipRows = 4;

// The line-code records of one person and the selected financial data (SFD) of
// the business forms, written through the record writers into a context.

// Every line-code record of the person: the walk over the forms, then the T1's own records.
void addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context);
// The counted SFD records (sfdStatements), preceded by "t1:SelectedFinancialDataRecordCount"
// with their number (two digits, as the barcode's item 31); neither count nor record
// when there is none. Gives the number of records written.
int writeSelectedFinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context);
// One SFD record per T2091 (types 160 and 147) in list order, with no count; gives their number.
int writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context);

// True when any of the first count codes has been written; false for count <= 0 or no codes.
bool hasAnyFieldCode(const QMap<int, NetfileWrittenCode> &written, const int *codes, int count);

// The SFD record wrapper: the open tag into the context's text (filing text only) or
// into a text, and the close tag.
void writeSfdOpenTag(NetfileGenObjParamStru &context);
void writeSfdOpenTag2(CString &text);
void writeSfdCloseTag(NetfileGenObjParamStru &context);
