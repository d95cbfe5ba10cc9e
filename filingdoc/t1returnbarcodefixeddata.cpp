#include "t1returnbarcodefixeddata.h"

T1ReturnBarcodeFixedData::T1ReturnBarcodeFixedData(const char *code) : softwareCode(*this, 3, code) {}

T1ReturnBarcodeFixedData::~T1ReturnBarcodeFixedData() = default;
