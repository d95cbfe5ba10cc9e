#include "taxdata_t183new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"PreparerName", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"PreAssessment", FieldKind::Flag},
        {"PostAssessment", FieldKind::Flag},
        {"SignDate", FieldKind::Date},
        {"Text", FieldKind::Text, 10002},
        {"DCN", FieldKind::Text},
        {"RepId", FieldKind::Text},
        {"EFilePassword", FieldKind::Text, 0, 0.0, true},
        {"SoftwareCode", FieldKind::Text},
        {"Amended", FieldKind::Flag},
        {"Email", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Phone", FieldKind::Text},
        {"MailProvince", FieldKind::Text},
        {"TotalIncome", FieldKind::Amount},
        {"NetIncome", FieldKind::Amount},
        {"TaxableIncome", FieldKind::Amount},
        {"Refund", FieldKind::Amount},
        {"BalanceOwing", FieldKind::Amount},
        {"DirectDeposit", FieldKind::Flag},
        {"SignTime", FieldKind::Text},
        {"ESigned", FieldKind::Flag},
        {"RepresentativeAuthorized", FieldKind::Flag},
        {"AuthorizationExpiry", FieldKind::Date},
        {"NoaRetrieval", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_T183New::TaxData_T183New() : CTaxData_Form(formFields(), KindForm, 96)
{
}

void TaxData_T183New::Calculate01()
{
    setText(F_EFileNumber, text(F_EFileNumber).trimmed());
}
