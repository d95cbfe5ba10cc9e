#pragma once
#include "netfilegenobjparamstru.h"
#include <QByteArray>
#include <QList>

class CMemoryBlock;
class CTaxData_T5013;
class IndividualTaxData;
class MyDataStream;
class SFDBarcodeFixedData;
struct SfdStatement;
class T1ReturnBarcodeFixedData;
class TaxData_T2042New;
class TaxData_T2091;
class TaxData_T2121New;
class TaxData_T2125_New;
class TaxData_T776New;
class TaxData_T777New;
class TaxData_TL2_New;

// The 2D-barcode data kept in each person's block of a saved return: a T1 block
// (fixed record, line entries, "-EOD") and up to two supplementary-form blocks.

// Whether the person gets barcode data at all: a T1 with a valid SIN not starting
// with 0, neither emigrant nor immigrant.
bool isBarcodeEligible(IndividualTaxData &person);
// The number of SFD blocks the writer makes for the person; may be above 2, in
// which case none is written.
int getSfdBlockCount(IndividualTaxData &person);
// The SFD block texts of the person: one per SFD record of the filing document
// (sfdStatements), in the barcode's order, numbered from 1; none when one of the
// records has no block.
QList<QByteArray> buildSfdBlocks(IndividualTaxData &person);
// One SFD record's block; false when the barcode has none for it.
bool writeSfdBlock(IndividualTaxData &person, const SfdStatement &statement, CMemoryBlock &block, int number);

void fillT1BarcodeFixedData(IndividualTaxData &person, T1ReturnBarcodeFixedData &record);
// Appends the whole T1 block text; nothing without a T1.
void writeT1BarcodeBlock(IndividualTaxData &person, CMemoryBlock &block);
// The line entries in ascending code order, "-" between two entries.
void appendLineAmounts(const QMap<int, NetfileWrittenCode> &written, CMemoryBlock &block);

// The common fill of the simple forms (T777, TL2, T2091).
void fillSfdHeader(IndividualTaxData &person, SFDBarcodeFixedData &record);
void writeSfdT776(IndividualTaxData &person, TaxData_T776New &form, CMemoryBlock &block, int number);
void writeSfdT2042(IndividualTaxData &person, TaxData_T2042New &form, CMemoryBlock &block, int number);
void writeSfdT2121(IndividualTaxData &person, TaxData_T2121New &form, CMemoryBlock &block, int number);
void writeSfdT2125(IndividualTaxData &person, TaxData_T2125_New &form, int formType, CMemoryBlock &block,
                   int number);
void writeSfdT777(IndividualTaxData &person, TaxData_T777New &form, CMemoryBlock &block, int number);
void writeSfdTL2(IndividualTaxData &person, TaxData_TL2_New &form, CMemoryBlock &block, int number);
void writeSfdT2091(IndividualTaxData &person, TaxData_T2091 &form, int formType, CMemoryBlock &block, int number);
// The block of one partnership row; false when the row's kind has no code.
bool writeSfdT5013(IndividualTaxData &person, CTaxData_T5013 &form, int row, CMemoryBlock &block, int number);

// The person's barcode block of the return file.
void writeBarcodeData(IndividualTaxData &person, MyDataStream &ar);
