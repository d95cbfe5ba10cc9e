#pragma once
#include "ctaxdata_form.h"

// T183: information return for electronic filing of an individual's return.
class TaxData_T183New : public CTaxData_Form
{
public:
    enum Field {
        F_PreparerName, F_EFileNumber, F_PreAssessment, F_PostAssessment, F_SignDate, F_Text,
        F_DCN, F_RepId, F_EFilePassword, F_SoftwareCode, F_Amended, F_Email,
        // the taxpayer and the return's main amounts from the T1
        F_FirstName, F_LastName, F_SIN, F_Street, F_City, F_Postcode, F_Province, F_Phone, F_MailProvince,
        F_TotalIncome, F_NetIncome, F_TaxableIncome, F_Refund, F_BalanceOwing, F_DirectDeposit,
        // the e-signature: local time of signing ("HH:mm:ss", with F_SignDate) and the signed switch
        F_SignTime, F_ESigned,
        // the representative's authorisation and its expiry; the preparer may retrieve the
        // notice of assessment
        F_RepresentativeAuthorized, F_AuthorizationExpiry, F_NoaRetrieval,
        F_Count
    };

    TaxData_T183New();

    void Calculate01() override;
    bool hasSignDate() const { return date(F_SignDate).isValid(); }
    // The document control number of the filing.
    CString getDCN() const { return CString(text(F_DCN)); }
};
