#pragma once
#include "fixedbarcodeitem.h"
#include "list_fixedbarcodeitem.h"

// The fixed-width record (49 items, 484 characters) that opens a person's T1
// barcode block. The members' order is the record's order.
class T1ReturnBarcodeFixedData : public List_FixedBarcodeItem
{
public:
    static constexpr int kWidth = 484;

    explicit T1ReturnBarcodeFixedData(const char *softwareCode);
    ~T1ReturnBarcodeFixedData() override;

    FixedBarcodeItem recordType{*this, 2, "01"};
    FixedBarcodeItem taxYear{*this, 4, "2024"};
    FixedBarcodeItem discounterNumber{*this, 8, "00000000"};
    FixedBarcodeItem sin{*this, 9};
    FixedBarcodeItem birthDate{*this, 8};
    FixedBarcodeItem province{*this, 2};
    FixedBarcodeItem province2{*this, 2};
    FixedBarcodeItem maritalStatus{*this, 1};
    FixedBarcodeItem spouseSin{*this, 9, "000000000"};
    FixedBarcodeItem spouseFirstName{*this, 4, "    "};
    FixedBarcodeItem firstName{*this, 30};
    FixedBarcodeItem lastName{*this, 30};
    FixedBarcodeItem blank26{*this, 26};
    FixedBarcodeItem street{*this, 60};
    FixedBarcodeItem city{*this, 50};
    FixedBarcodeItem mailProvince{*this, 2};
    FixedBarcodeItem postalCode{*this, 6};
    FixedBarcodeItem email{*this, 75};
    FixedBarcodeItem dateOfMove{*this, 8, "00000000"};
    FixedBarcodeItem homeAddressSame{*this, 1, "0"};
    FixedBarcodeItem phone{*this, 10};
    FixedBarcodeItem language{*this, 1};
    FixedBarcodeItem spouseNetIncome{*this, 9, "000000000"};
    FixedBarcodeItem spouseUccb{*this, 9, "000000000"};
    FixedBarcodeItem spouseUccbRepayment{*this, 9, "000000000"};
    FixedBarcodeItem deceased{*this, 1, "0"};
    FixedBarcodeItem deceasedDate{*this, 8, "00000000"};
    FixedBarcodeItem bankrupt{*this, 1, "0"};
    FixedBarcodeItem bankruptNetIncome{*this, 9, "000000000"};
    FixedBarcodeItem bankruptManitobaAmount{*this, 9, "000000000"};
    FixedBarcodeItem selfEmploymentForms{*this, 2};
    FixedBarcodeItem softwareCode;
    FixedBarcodeItem fixedF{*this, 1, "F"};
    FixedBarcodeItem blank37{*this, 37};
    FixedBarcodeItem fixedDate{*this, 8, "20260525"};
    FixedBarcodeItem spouseSelfEmployed{*this, 1};
    FixedBarcodeItem citizenship{*this, 1, "0"};
    FixedBarcodeItem electionsCanada{*this, 2, "00"};
    FixedBarcodeItem provinceAnswer1{*this, 1, "0"};
    FixedBarcodeItem provinceAnswer2{*this, 1, "0"};
    FixedBarcodeItem provinceAnswer3{*this, 1, "0"};
    FixedBarcodeItem firstNationCode{*this, 5, "00000"};
    FixedBarcodeItem firstNationId{*this, 1, "0"};
    FixedBarcodeItem residenceProvince{*this, 2};
    FixedBarcodeItem t90{*this, 1, "0"};
    FixedBarcodeItem fixedTail{*this, 8, "   00000"};
    FixedBarcodeItem ruralSupplement{*this, 1, "0"};
    FixedBarcodeItem maritalChangeDate{*this, 4, "0000"};
    FixedBarcodeItem organDonor{*this, 1, "0"};
};
