#pragma once
#include "ctaxdata_form.h"

// T5013 schedule: partnership income summary, one row per partnership.
// A row's kind: 0 business, 1 professional, 2 commission, 3 farming, 4 fishing, 5 rental.
class CTaxData_T5013 : public CTaxData_Form
{
public:
    enum Field {
        F_TotalNonLossNetIncome, F_Count
    };
    // Columns of a partnership row.
    enum Column {
        C_Partnership, C_Filer, C_Kind, C_IsSFD, C_NetIncome, C_Share,
        // the partnership's statement identification
        C_IndustryCode, C_Postcode, C_FiscalStart, C_FiscalEnd, C_LimitedPartner, C_BusinessNumber,
        C_TaxShelterId, C_LastYear, C_PartnershipBN,
        C_ColumnCount
    };

    CTaxData_T5013();

    enum IncomeKind { Business, Professional, Commission, Farming, Fishing, Rental };

    void Calculate01() override;
    // Counts of partnership rows of each kind.
    int HaveRentalIncome() const { return countKind(Rental); }
    int HaveBusinessIncome() const { return countKind(Business); }
    int HaveFishIncome() const { return countKind(Fishing); }
    int HaveFarmIncome() const { return countKind(Farming); }
    int HaveCommissionIncome() const { return countKind(Commission); }
    int HaveProfessionalIncome() const { return countKind(Professional); }
    // Rows that make a statement of their own, whatever their kind (both modes).
    int GetCountOfSFDForms(int mode) const;
    int GetCountOfBarcodeSFDForms() const;
    bool IsThisSFD(int row) const;
    // The selected financial data of one partnership row (slot): its net income and
    // its share; gives the number of records written.
    using CTaxData_Form::ConvertToNetfile;
    int ConvertToNetfile(int mode, int slot, NetfileGenObjParamStru &context);
    // The line entries of one row's barcode block (the same records as its SFD).
    int WriteFreeData(int mode, int row, NetfileGenObjParamStru &context);
    double GetTotalNonLossNetIncome() const;

private:
    int countKind(int kind) const;
};
