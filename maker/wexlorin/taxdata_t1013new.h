#pragma once
#include "ctaxdata_form.h"

// T1013: authorizing or cancelling a representative.
class TaxData_T1013New : public CTaxData_Form
{
public:
    enum Field {
        F_Date, F_Text, F_RepId, F_BusinessNumber, F_Level, F_Expiry, F_SignDate, F_FilingStatus,
        F_FilingTime, F_Confirmation, F_Error, F_SoftwareCode, F_FirstName, F_LastName, F_SIN,
        F_Postcode,
        // the representative as the preparer's settings give it (with F_RepId and F_BusinessNumber)
        F_RepFirstName, F_RepLastName, F_GroupId, F_GroupName, F_BusinessName, F_MailAddress, F_Phone,
        F_Count
    };

    TaxData_T1013New();

    void Calculate01() override;
    bool hasSignDate() const { return date(F_SignDate).isValid(); }
};
