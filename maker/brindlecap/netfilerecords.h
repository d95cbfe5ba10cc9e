#pragma once
#include "netfilegenobjparamstru.h"

class CFloatField;

// The line-code record writers. Each writes one record of a line code into the
// context: output kind 0 appends it to the record text as one XML element
// ("<t1:Line10100>60000.00</t1:Line10100>"), output kind 2 only collects it.
// In both kinds the code enters the map of written codes with its entry type
// (dollars and cents 2, integer 3, text 4). The writers leave the counter to the
// caller (the walk over the forms counts its foreign tax credit forms there).
// A code is written once per map: a second record of a code already written
// is dropped, so that the text and the map never disagree.
// Each writer answers 1 when it wrote the record, 0 when it did not.

// Amounts below 0.009 (either sign) are not written.
int NETFILE_DOLLAR_VALUE_Func(int code, double value, NetfileGenObjParamStru &context);
// A number written as a whole number; values below 0.009 are not written.
int NETFILE_NUMERIC_VALUE_Func(int code, double value, NetfileGenObjParamStru &context);
// Text of at most length characters (0: no limit); an empty text is not written.
int NETFILE_STRING_VALUE_Func(int code, int length, const CString &text, NetfileGenObjParamStru &context);
// An amount whose zero (below 0.009 either way) is written as 1.
int NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(int code, double value, NetfileGenObjParamStru &context);
int NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(int code, const CFloatField &field, NetfileGenObjParamStru &context);

// The XML element name of a line code's record.
CString netfileRecordTag(int code);
