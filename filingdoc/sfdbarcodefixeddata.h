#pragma once
#include "fixedbarcodeitem.h"
#include "list_fixedbarcodeitem.h"

// The fixed-width record (33 items, 564 characters) that opens a supplementary-form
// (SFD) barcode block. The members' order is the record's order.
class SFDBarcodeFixedData : public List_FixedBarcodeItem
{
public:
    static constexpr int kWidth = 564;
    static constexpr int kPartners = 3;

    SFDBarcodeFixedData();
    ~SFDBarcodeFixedData() override;

    struct Partner
    {
        explicit Partner(List_FixedBarcodeItem &list)
            : text1(list, 30), text2(list, 30), zeros(list, 8), share(list, 6)
        {
        }
        FixedBarcodeItem text1, text2, zeros, share;
    };

    FixedBarcodeItem recordType{*this, 2, "03"};
    FixedBarcodeItem blockNumber{*this, 2};
    FixedBarcodeItem formCode{*this, 2};
    FixedBarcodeItem blank2{*this, 2, "  "};
    FixedBarcodeItem indicator1{*this, 1};
    FixedBarcodeItem code6{*this, 6};
    FixedBarcodeItem sin{*this, 9};
    FixedBarcodeItem textLine1{*this, 30};
    FixedBarcodeItem textLine2{*this, 30};
    FixedBarcodeItem postalCode{*this, 6};
    FixedBarcodeItem date1{*this, 8};
    FixedBarcodeItem date2{*this, 8};
    FixedBarcodeItem id9{*this, 9, "000000000"};
    FixedBarcodeItem percentage{*this, 4, "0000"};
    FixedBarcodeItem id8{*this, 8, "        "};
    FixedBarcodeItem indicator2{*this, 1};
    FixedBarcodeItem id15{*this, 15};
    FixedBarcodeItem count1{*this, 4, "    "};
    FixedBarcodeItem longText1{*this, 96};
    FixedBarcodeItem longText2{*this, 96};
    FixedBarcodeItem count2{*this, 3, "   "};
    Partner partners[kPartners]{Partner(*this), Partner(*this), Partner(*this)};
};
