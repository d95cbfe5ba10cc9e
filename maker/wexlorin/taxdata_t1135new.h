#pragma once
#include "ctaxdata_form.h"
#include "templatefiller.h"

// T1135: foreign income verification statement, one row per property.
class TaxData_T1135New : public CTaxData_Form
{
public:
    enum Field {
        F_Kind, F_FirstName, F_FirstName2, F_LastName, F_SIN, F_Address, F_City, F_Province,
        F_Postcode, F_Country, F_YearStart, F_Amended, F_FilingStatus, F_FilingTime,
        F_Confirmation, F_TotalCost,
        // the status overwrite switch of the configuration
        F_OverwriteStatus,
        // the reporting method (Method: 0 simplified, 1 detailed); for the simplified
        // method the kinds of property held, the country codes (separated by spaces or
        // commas) and the totals of income and gain
        F_Method, F_HasFunds, F_HasShares, F_HasIndebtedness, F_HasTrustInterests, F_HasRealProperty,
        F_HasOtherProperty, F_HasDealerAccount, F_Countries, F_SimpleIncome, F_SimpleGain,
        // the self-employment answer (set: self-employed), the certification and the preparer
        F_SelfEmployed, F_CertDate, F_Phone, F_PreparerName, F_PreparerAddress, F_PreparerPostcode,
        F_PreparerPhone,
        F_Count
    };
    // Columns of a property row.
    enum Column {
        C_Description, C_Country, C_MaxCost, C_YearEndCost, C_Income, C_Gain,
        // the property's category (Category below) and, for a trust, the capital received
        C_Category, C_CapitalReceived,
        C_ColumnCount
    };
    enum Method { MethodSimplified = 0, MethodDetailed = 1 };
    // The categories of specified foreign property, in the form's order.
    enum Category {
        CategoryFunds = 1, CategoryShares, CategoryIndebtedness, CategoryTrustInterests, CategoryRealProperty,
        CategoryOtherProperty, CategoryDealerAccount, CategoryCount = CategoryDealerAccount
    };

    TaxData_T1135New();

    void Calculate01() override;
    // True when the filer is an individual (kind 0).
    bool isIndividual() const { return intValue(F_Kind) == 0; }

    // The checks of the 2024 form: an individual's identification and address, and
    // the properties of the method chosen.
    int validate(int edition, QList<CString> &messages) override;
    // The statement's body: the template texts "t1135part2" and "t1135part3" of vars
    // filled from vars and the form, with the properties between them; appended to
    // text. 0; -1 (nothing appended) when the own checks find a fault; else the
    // template filler's result.
    int getT1135XMLContent(CString &text, TemplateVars &vars);
    // The country codes of the simplified method, upper case, in their order.
    QStringList simplifiedCountries() const;
};
