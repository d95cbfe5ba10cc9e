#include "taxdata_slip_t2202.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Period1PartTime", FieldKind::Amount, 24},
        {"Period1FullTime", FieldKind::Amount, 25},
        {"Period1Fees", FieldKind::Amount, 26},
        {"Period2PartTime", FieldKind::Amount, 124},
        {"Period2FullTime", FieldKind::Amount, 125},
        {"Period2Fees", FieldKind::Amount, 126},
        {"Period3PartTime", FieldKind::Amount, 224},
        {"Period3FullTime", FieldKind::Amount, 225},
        {"Period3Fees", FieldKind::Amount, 226},
        {"Period4PartTime", FieldKind::Amount, 324},
        {"Period4FullTime", FieldKind::Amount, 325},
        {"Period4Fees", FieldKind::Amount, 326},
        {"Box10", FieldKind::Text, 10},
        {"SchoolType", FieldKind::Text, 11},
        {"FlyingSchool", FieldKind::Text, 12},
        {"ProgramName", FieldKind::Text, 13},
        {"StudentNumber", FieldKind::Text, 14},
        {"Period1From", FieldKind::Text, 19},
        {"Period1To", FieldKind::Text, 20},
        {"Period2From", FieldKind::Text, 119},
        {"Period2To", FieldKind::Text, 120},
        {"Period3From", FieldKind::Text, 219},
        {"Period3To", FieldKind::Text, 220},
        {"Period4From", FieldKind::Text, 319},
        {"Period4To", FieldKind::Text, 320}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T2202::TaxData_Slip_T2202() : TaxData_SlipBase(formFields(), 25)
{
}
