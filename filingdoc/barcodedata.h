#pragma once
#include "netfilegenobjparamstru.h"
#include <QByteArray>
#include <QList>

class CMemoryBlock;
class CTaxData_T5013;
class IndividualTaxData;
class MyDataStream;
class SFDBarcodeFixedData;
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
// The number of SFD blocks the writer makes for the person (0 without a T1 or when
// bankrupt); may be above 2, in which case none is written.
int getSfdBlockCount(IndividualTaxData &person);
// The SFD block texts of the person, in the writer's order, numbered from 1.
QList<QByteArray> buildSfdBlocks(IndividualTaxData &person);

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
// One block per row that files a statement of its own and whose kind has a code;
// each raises number first and is appended to blocks.
void writeSfdT5013(IndividualTaxData &person, CTaxData_T5013 &form, QList<QByteArray> &blocks, int &number);

// The person's barcode block of the return file.
void writeBarcodeData(IndividualTaxData &person, MyDataStream &ar);
