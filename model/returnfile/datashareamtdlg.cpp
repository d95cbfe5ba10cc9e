#include "datashareamtdlg.h"

DataShareAmtDlg::DataShareAmtDlg()
{
    for (CFloatField *f : {&fld_BankInterest_1_Claimed, &fld_BankInterest_1, &fld_BankInterest_2_Claimed,
                           &fld_BankInterest_2, &fld_BankInterest_3, &fld_Donation_1_Claimed, &fld_Donation_1,
                           &fld_Donation_2_Claimed, &fld_Donation_2, &fld_Donation_3, &fld_CapGain_1_Claimed,
                           &fld_CapGain_1, &fld_CapGain_2_Claimed, &fld_CapGain_2, &fld_CapGain_3,
                           &fld_Pension_1_Claimed, &fld_Pension_1, &fld_Pension_2_Claimed, &fld_Pension_2})
        registerField(f);
}

DataShareAmtDlg::~DataShareAmtDlg() = default;

int DataShareAmtDlg::checkData()
{
    // a negative amount would make the optimiser move amounts the other way
    for (CFloatField *f : {&fld_BankInterest_1, &fld_BankInterest_2, &fld_BankInterest_3, &fld_Donation_1,
                           &fld_Donation_2, &fld_Donation_3, &fld_CapGain_1, &fld_CapGain_2, &fld_CapGain_3})
        if (f->value() < 0.0)
            *f = 0.0;
    if (fld_Donation_1.value() > fld_Donation_1_Claimed.value())
        fld_Donation_1 = fld_Donation_1_Claimed.value();
    if (fld_Donation_2.value() > fld_Donation_2_Claimed.value())
        fld_Donation_2 = fld_Donation_2_Claimed.value();
    return 0;
}
