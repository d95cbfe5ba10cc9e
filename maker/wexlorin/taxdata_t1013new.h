#pragma once
#include "ctaxdata_form.h"
#include "templatefiller.h"

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
        // the preparer's EFILE number, set when the document is made
        F_EFileNumber,
        F_Count
    };

    TaxData_T1013New();

    bool hasSignDate() const { return date(F_SignDate).isValid(); }

    // The checks of the 2024 form: the taxpayer's SIN and name, one well-formed
    // representative identifier, the level, the dates of signature and expiry.
    // None once the form has been filed and accepted.
    int validate(int edition, QList<CString> &messages) override;
    // The T1013 document: the templates "t1013part1", "t1013part2" and "t1013partend"
    // of vars (texts) filled from vars and the form, with the form's sections between
    // the last two. 0 and the document appended; -1 (nothing appended) when the own
    // checks find a fault; else the template filler's result.
    int getT1013XMLContent(CString &document, TemplateVars &vars);
    // The representative identifier sent: the RepID, else the GroupID, else the business number.
    QString representativeId() const;
};
