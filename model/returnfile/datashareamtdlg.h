#pragma once
#include "datafields.h"

// The shareable amounts of a coupled return, as the "Identify Shareable Amounts"
// page shows and edits them and the couple optimiser reads them. Suffix _1 is
// self, _2 the spouse, _3 the amount neither has claimed yet.
class DataShareAmtDlg : public CWSBaseData
{
public:
    DataShareAmtDlg();
    ~DataShareAmtDlg() override;
    // Keeps every editable amount at 0 or more and a shareable donation within
    // what the same spouse claims; returns 0.
    int checkData() override;

    CFloatField fld_BankInterest_1_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_BankInterest_1{0.0, 2};
    CFloatField fld_BankInterest_2_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_BankInterest_2{0.0, 2};
    CFloatField fld_BankInterest_3{0.0, 2};
    CFloatField fld_Donation_1_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_Donation_1{0.0, 2};
    CFloatField fld_Donation_2_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_Donation_2{0.0, 2};
    CFloatField fld_Donation_3{0.0, 2};
    CFloatField fld_CapGain_1_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_CapGain_1{0.0, 2};
    CFloatField fld_CapGain_2_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_CapGain_2{0.0, 2};
    CFloatField fld_CapGain_3{0.0, 2};
    CFloatField fld_Pension_1_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_Pension_1{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_Pension_2_Claimed{true, 0.0, 2, true, 0, 0, 0x10000};
    CFloatField fld_Pension_2{true, 0.0, 2, true, 0, 0, 0x10000};
};
