#pragma once
#include "ctaxdata_form.h"

// T185: pre-authorized debit agreement.
class TaxData_T185 : public CTaxData_Form
{
public:
    enum Field {
        F_Institution, F_Branch, F_Account, F_Amount, F_DebitDate, F_PadDate, F_Confirmation,
        F_Message, F_PreparerName, F_EFileNumber, F_EFilePassword, F_SoftwareCode,
        // the payer from the T1; set: the amount is typed, not the balance
        F_FirstName, F_LastName, F_SIN, F_Street, F_City, F_Postcode, F_Province, F_Phone, F_Email,
        F_FixedAmount,
        F_Count
    };

    TaxData_T185();

    void Calculate01() override;

    // The agreement's own checks: institution (3 digits), branch (5 digits), account
    // (5 to 12 digits), an amount, a withdrawal date. Appends a message per fault and
    // gives the size of the list.
    int ValidatePAD(int edition, QList<CString> &messages);
    // The PAD document and the sentence the filing dialog shows; 0, or -1 (nothing
    // written) when the agreement's own checks find a fault.
    int getT185PadXMLContent(CString &document, CString &summary);
};
