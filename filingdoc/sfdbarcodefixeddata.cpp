#include "sfdbarcodefixeddata.h"

SFDBarcodeFixedData::SFDBarcodeFixedData()
{
    count1.SetAllCharsTo(' ');
    longText1.SetAllCharsTo(' ');
    longText2.SetAllCharsTo(' ');
    count2.SetAllCharsTo(' ');
}

SFDBarcodeFixedData::~SFDBarcodeFixedData() = default;
