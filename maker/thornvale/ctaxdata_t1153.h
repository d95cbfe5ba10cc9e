#pragma once
#include "ctaxdata_form.h"

// T1153: pre-bankruptcy and post-bankruptcy return information.
class CTaxData_T1153 : public CTaxData_Form
{
public:
    enum Field {
        F_TrusteeName, F_DiscounterCode, F_TrusteeAddress, F_EFileNumber, F_City, F_Province,
        F_Postcode, F_BankruptcyDate,
        // the taxpayer from the T1
        F_FullName, F_SIN, F_Street, F_TaxpayerCity, F_ProvinceName, F_TaxpayerPostcode,
        F_Count
    };

    CTaxData_T1153();

    void Calculate01() override;
};
