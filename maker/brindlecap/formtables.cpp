#include "formtables.h"
#include "formtypes.h"

namespace {

constexpr unsigned ADD = FA_Addable;
constexpr unsigned MUL = FA_Multiple;
constexpr unsigned SHR = FA_Sharable;
constexpr unsigned SFD = FA_SFD;
constexpr unsigned DEP = FA_Dependants;
constexpr unsigned EXP = FA_Expired;
constexpr unsigned MAN = FA_Mandatory;
constexpr unsigned HID = FA_Hidden;

// Every form type with a row; types not listed are empty and expired.
constexpr FormInfo kForms[] = {
    {1, "T1", "T1 General Income Tax and Benefit Return", 0, MAN | DEP | HID},
    {2, "Unused", "Unused form", 0, EXP | HID},
    {3, "Schedule 2", "Federal Amounts Transferred From Your Spouse or Common-Law Partner", 0, ADD},
    {4, "Schedule 3", "Capital Gains (or Losses) in 2024", 0, ADD},
    {5, "Unused", "Unused form", 0, EXP | HID},
    {6, "Schedule 5", "Amounts for Spouse or Common-Law Partner and Dependants", 0, ADD | DEP},
    {7, "Schedule 7", "RRSP, PRPP and SPP Unused Contributions, Transfers, and HBP or LLP Activities", 0, ADD},
    {8, "Schedule 8 (old)", "Canada Pension Plan Contributions and Overpayment (former layout)", 0, ADD},
    {9, "Schedule 9", "Donations and Gifts", 0, ADD},
    {10, "Schedule 10", "Employment Insurance Premiums on Self-Employment and Other Eligible Earnings", 0, ADD},
    {11, "Schedule 11", "Federal Tuition, Education, and Textbook Amounts and Canada Training Credit", 0, ADD},
    {12, "T776", "Statement of Real Estate Rentals", 0, ADD | MUL | SFD | SHR},
    {13, "T778", "Child Care Expenses Deduction", 0, ADD | DEP},
    {14, "T929", "Disability Supports Deduction", 0, ADD},
    {15, "T1163", "Statement A - AgriStability and AgriInvest Programs Information and Statement of Farming Activities for Individuals", 0, ADD | MUL | SFD | SHR},
    {17, "T1172", "Additional Tax on Accumulated Income Payments from RESPs", 0, ADD},
    {18, "T1212", "Statement of Deferred Security Options Benefits", 0, ADD},
    {19, "T2032", "Statement of Professional Activities (obsolete)", 0, EXP | HID},
    {20, "T2038(IND)", "Investment Tax Credit (Individuals)", 0, ADD},
    {21, "T2042", "Statement of Farming Activities", 0, ADD | MUL | SFD | SHR},
    {22, "T2124", "Statement of Business Activities (obsolete)", 0, EXP | HID},
    {23, "T2204", "Employee Overpayment of 2024 Canada Pension Plan Contributions and 2024 Employment Insurance Premiums", 0, ADD},
    {24, "ON428", "Ontario Tax", 9, MAN | DEP | HID},
    {25, "ON479", "Ontario Credits", 9, ADD},
    {26, "ON(S2)", "Ontario Amounts Transferred From Your Spouse or Common-Law Partner", 9, ADD},
    {27, "ON(S11)", "Ontario Tuition and Education Amounts", 9, ADD},
    {28, "GST370", "Employee and Partner GST/HST Rebate Application", 0, ADD},
    {29, "T1206", "Tax on Split Income", 0, ADD},
    {30, "T626", "Overseas Employment Tax Credit", 0, ADD},
    {31, "T691", "Alternative Minimum Tax", 0, ADD},
    {32, "T936", "Calculation of Cumulative Net Investment Loss", 0, ADD},
    {33, "T2032", "Statement of Professional Activities (obsolete)", 0, EXP | HID},
    {34, "ON-BEN", "Application for the 2025 Ontario Trillium Benefit and Ontario Senior Homeowners' Property Tax Grant", 9, ADD},
    {35, "T2209", "Federal Foreign Tax Credits", 0, ADD | MUL},
    {37, "T2017", "Summary of Reserves on Dispositions of Capital Property", 0, ADD},
    {38, "T5013 Schedule", "Partnership Income Summary", 0, ADD},
    {39, "T1A", "Request for Loss Carryback", 0, ADD},
    {40, "T657", "Calculation of Capital Gains Deduction", 0, ADD},
    {41, "BC428", "British Columbia Tax", 2, MAN | DEP | HID},
    {42, "BC479", "British Columbia Credits", 2, MAN},
    {43, "BC(S2)", "British Columbia Amounts Transferred From Your Spouse or Common-Law Partner", 2, ADD},
    {44, "BC(S11)", "British Columbia Tuition and Education Amounts", 2, ADD},
    {45, "AB428", "Alberta Tax and Credits", 1, MAN | DEP | HID},
    {47, "AB(S2)", "Alberta Amounts Transferred From Your Spouse or Common-Law Partner", 1, ADD},
    {48, "AB(S11)", "Alberta Tuition and Education Amounts", 1, ADD},
    {49, "T2222", "Northern Residents Deductions", 0, ADD},
    {51, "T2121", "Statement of Fishing Activities", 0, ADD | MUL | SFD | SHR},
    {52, "T1DD", "Direct Deposit Request", 0, ADD},
    {53, "RC71", "Statement of Discount Transaction", 0, ADD},
    {55, "T5004", "Claim for Tax Shelter Loss or Deduction", 0, ADD},
    {57, "CPT20", "Election to Pay Canada Pension Plan Contributions", 0, ADD | MUL},
    {59, "T777", "Statement of Employment Expenses", 0, ADD},
    {62, "NL428", "Newfoundland and Labrador Tax and Credits", 5, MAN | DEP | HID},
    {63, "NL479", "Newfoundland and Labrador Credits", 5, MAN},
    {64, "NL(S2)", "Newfoundland and Labrador Amounts Transferred From Your Spouse or Common-Law Partner", 5, ADD},
    {65, "NL(S11)", "Newfoundland and Labrador Tuition and Education Amounts", 5, ADD},
    {66, "NS428", "Nova Scotia Tax and Credits", 7, MAN | DEP | HID},
    {67, "NS479", "Nova Scotia Credits", 7, MAN},
    {68, "NS(S2)", "Nova Scotia Amounts Transferred From Your Spouse or Common-Law Partner", 7, ADD},
    {69, "NS(S11)", "Nova Scotia Tuition and Education Amounts", 7, ADD},
    {70, "NT428", "Northwest Territories Tax", 6, MAN | DEP | HID},
    {71, "NT479", "Northwest Territories Credits", 6, MAN},
    {72, "NT(S2)", "Northwest Territories Amounts Transferred From Your Spouse or Common-Law Partner", 6, ADD},
    {73, "NT(S11)", "Northwest Territories Tuition and Education Amounts", 6, ADD},
    {74, "NU428", "Nunavut Tax", 8, MAN | DEP | HID},
    {75, "NU479", "Nunavut Credits", 8, MAN},
    {76, "NU(S2)", "Nunavut Amounts Transferred From Your Spouse or Common-Law Partner", 8, ADD},
    {77, "NU(S11)", "Nunavut Tuition and Education Amounts", 8, ADD},
    {78, "PE428", "Prince Edward Island Tax and Credits", 10, MAN | DEP | HID},
    {79, "PE(S2)", "Prince Edward Island Amounts Transferred From Your Spouse or Common-Law Partner", 10, ADD},
    {80, "PE(S11)", "Prince Edward Island Tuition and Education Amounts", 10, ADD},
    {81, "SK428", "Saskatchewan Tax", 12, MAN | DEP | HID},
    {82, "SK(S2)", "Saskatchewan Amounts Transferred From Your Spouse or Common-Law Partner", 12, ADD},
    {83, "SK(S11)", "Saskatchewan Tuition and Education Amounts", 12, ADD},
    {84, "SK479", "Saskatchewan Credits", 12, ADD},
    {86, "MB428", "Manitoba Tax", 3, MAN | DEP | HID},
    {87, "MB479", "Manitoba Credits", 3, MAN},
    {89, "T1219", "Provincial or Territorial Alternative Minimum Tax", 0, ADD},
    {90, "MB(S2)", "Manitoba Amounts Transferred From Your Spouse or Common-Law Partner", 3, ADD},
    {91, "MB(S11)", "Manitoba Tuition and Education Amounts", 3, ADD},
    {92, "TL2", "Claim for Meals and Lodging Expenses", 0, ADD},
    {93, "T1 Summary", "T1 Return Summary", 0, MAN | HID},
    {94, "NB(S2)", "New Brunswick Amounts Transferred From Your Spouse or Common-Law Partner", 4, ADD},
    {95, "NB(S11)", "New Brunswick Tuition and Education Amounts", 4, ADD},
    {96, "T183", "Information Return for Electronic Filing of an Individual's Income Tax and Benefit Return", 0, ADD},
    {97, "T1153", "Pre-bankruptcy and Post-bankruptcy Return Information", 0, ADD},
    {98, "NB428", "New Brunswick Tax and Credits", 4, MAN | DEP | HID},
    {100, "Obsolete", "Obsolete form", 0, EXP | HID},
    {101, "T1135", "Foreign Income Verification Statement", 0, ADD},
    {102, "T1-M", "Moving Expenses Deduction", 0, ADD | MUL},
    {103, "T1223", "Clergy Residence Deduction", 0, ADD},
    {105, "T746", "Calculating Your Deduction for Refund of Unused RRSP, PRPP and SPP Contributions", 0, ADD},
    {107, "T1229", "Statement of Resource Expenses and Depletion Allowance", 0, ADD},
    {108, "YT428", "Yukon Tax", 13, MAN | DEP | HID},
    {109, "T1273", "Statement A - Harmonized AgriStability and AgriInvest Programs Information and Statement of Farming Activities", 0, ADD | MUL | SFD | SHR},
    {110, "YT(S2)", "Yukon Amounts Transferred From Your Spouse or Common-Law Partner", 13, ADD},
    {111, "YT(S11)", "Yukon Tuition and Education Amounts", 13, ADD},
    {112, "YT479", "Yukon Credits", 13, MAN},
    {113, "T1170", "Capital Gains on Gifts of Certain Capital Property", 0, ADD},
    {114, "Obsolete", "Obsolete form", 0, EXP | HID},
    {115, "Obsolete", "Obsolete form", 0, EXP | HID},
    {116, "T1-ADJ", "T1 Adjustment Request", 0, ADD},
    {117, "T1013", "Authorizing or Cancelling a Representative", 0, ADD, "E-Auth"},
    {118, "T1032", "Joint Election to Split Pension Income", 0, ADD},
    {119, "Schedule 6", "Canada Workers Benefit", 0, ADD | DEP},
    {120, "Obsolete", "Obsolete form", 0, EXP | HID},
    {124, "T2205", "Amounts from a Spousal or Common-Law Partner RRSP, RRIF or SPP to Include in Income", 0, ADD},
    {125, "T2125", "Statement of Business or Professional Activities", 0, ADD | MUL | SFD | SHR},
    {131, "T2125 (Partnership)", "Statement of Business or Professional Activities - Partnership", 0, ADD | MUL | SFD | SHR},
    {133, "Schedule 12", "Multigenerational Home Renovation Tax Credit", 0, ADD},
    {134, "Obsolete", "Obsolete form", 0, EXP | HID},
    {136, "RC267", "Employee Contributions to a United States Retirement Plan - Temporary Assignments", 0, ADD},
    {137, "RC268", "Employee Contributions to a United States Retirement Plan - Cross-Border Commuters", 0, ADD},
    {138, "RC269", "Employee Contributions to a Foreign Pension Plan or Social Security Arrangement - Non-United States Plans or Arrangements", 0, ADD},
    {139, "Schedule 13", "Employment Insurance Maternity and Parental Benefits", 0, ADD},
    {141, "Obsolete", "Obsolete form", 0, EXP | HID},
    {145, "RC359", "Tax on Excess Employees Profit Sharing Plan Amounts", 0, ADD},
    {147, "T2091(IND)", "Designation of a Property as a Principal Residence by an Individual", 0, ADD | MUL},
    {148, "RC381", "Inter-Provincial Calculation for CPP and QPP Contributions and Overpayments", 0, ADD},
    {149, "RC383", "Tax-Exempt Earned Income and Contributions for a Pooled Registered Pension Plan", 0, ADD},
    {150, "Schedule 8", "Canada Pension Plan Contributions and Overpayment", 0, ADD},
    {151, "Unused", "Unused form", 0, EXP | HID},
    {156, "Provincial Worksheet", "Provincial Worksheet", 0, HID},
    {157, "Schedule 12 (HAE)", "Home Accessibility Expenses", 0, ADD},
    {159, "T1 Summary (Re-File)", "T1 Return Summary Before Re-File", 0, HID},
    {160, "T2091(IND)-WS", "Principal Residence Worksheet", 0, ADD | MUL},
    {161, "Provincial Credits", "Provincial Credits and Benefits Information", 0, HID},
    {165, "T1 Summary (2023)", "T1 Return Summary of the Prior Year", 0, HID},
    {166, "Unused", "Unused form", 0, EXP | HID},
    {171, "T90", "Income Exempt from Tax under the Indian Act", 0, ADD},
    {173, "T224", "Manitoba Community Enterprise Development Tax Credit Receipt", 0, ADD},
    {174, "T225", "Manitoba Employee Share Purchase Tax Credit Receipt", 0, ADD},
    {179, "T777S", "Statement of Employment Expenses for Working at Home Due to COVID-19", 0, EXP | HID},
    {181, "T185", "Pre-Authorized Debit Agreement", 0, ADD},
    {184, "RC59", "Business Consent for Online Access", 0, ADD | MUL},
    {185, "RC59X", "Cancel Business Consent or Delegated Authority", 0, ADD | MUL},
    {186, "T1044", "Non-Profit Organization Information Return Summary", 0, ADD},
    {193, "T2043", "Return of Fuel Charge Proceeds to Farmers Tax Credit", 0, ADD},
    {198, "Unused", "Unused form", 0, EXP | HID},
    {199, "T2039", "Air Quality Improvement Tax Credit", 0, ADD},
    {205, "Schedule 15", "FHSA Contributions, Transfers and Activities", 0, ADD},
    {207, "T1248 Sch D", "Information About Your Residency Status", 0, ADD},
    {209, "Instalments", "Instalment Calculation Worksheet", 0, ADD},
    {210, "5000-D1", "Federal Worksheet", 0, ADD},
    {212, "T2048", "Capital Gains Deduction for Qualifying Business Transfer", 0, ADD},
    {213, "T1198", "Statement of Qualifying Retroactive Lump-Sum Payment", 0, ADD},
};

struct FormRows { FormInfo rows[kFormTableSize]; };

constexpr FormRows buildFormRows()
{
    FormRows t{};
    for (int i = 0; i < kFormTableSize; ++i)
        t.rows[i] = FormInfo{i, "", "", 0, EXP | HID};
    for (const FormInfo &f : kForms)
        t.rows[f.type] = f;
    return t;
}

constexpr FormRows kFormRows = buildFormRows();

// Each name of formtypes.h stands for the row of that name.
constexpr bool sameName(const char *a, const char *b)
{
    return *a == *b && (*a == 0 || sameName(a + 1, b + 1));
}
static_assert(sameName(kFormRows.rows[FormType::T1].name, "T1"), "FormType::T1");
static_assert(sameName(kFormRows.rows[FormType::Schedule2].name, "Schedule 2"), "FormType::Schedule2");
static_assert(sameName(kFormRows.rows[FormType::Schedule3].name, "Schedule 3"), "FormType::Schedule3");
static_assert(sameName(kFormRows.rows[FormType::Schedule5].name, "Schedule 5"), "FormType::Schedule5");
static_assert(sameName(kFormRows.rows[FormType::Schedule7].name, "Schedule 7"), "FormType::Schedule7");
static_assert(sameName(kFormRows.rows[FormType::Schedule8Old].name, "Schedule 8 (old)"), "FormType::Schedule8Old");
static_assert(sameName(kFormRows.rows[FormType::Schedule9].name, "Schedule 9"), "FormType::Schedule9");
static_assert(sameName(kFormRows.rows[FormType::Schedule10].name, "Schedule 10"), "FormType::Schedule10");
static_assert(sameName(kFormRows.rows[FormType::Schedule11].name, "Schedule 11"), "FormType::Schedule11");
static_assert(sameName(kFormRows.rows[FormType::T776].name, "T776"), "FormType::T776");
static_assert(sameName(kFormRows.rows[FormType::T778].name, "T778"), "FormType::T778");
static_assert(sameName(kFormRows.rows[FormType::T929].name, "T929"), "FormType::T929");
static_assert(sameName(kFormRows.rows[FormType::T1163].name, "T1163"), "FormType::T1163");
static_assert(sameName(kFormRows.rows[FormType::T1172].name, "T1172"), "FormType::T1172");
static_assert(sameName(kFormRows.rows[FormType::T1212].name, "T1212"), "FormType::T1212");
static_assert(sameName(kFormRows.rows[FormType::T2038IND].name, "T2038(IND)"), "FormType::T2038IND");
static_assert(sameName(kFormRows.rows[FormType::T2042].name, "T2042"), "FormType::T2042");
static_assert(sameName(kFormRows.rows[FormType::T2204].name, "T2204"), "FormType::T2204");
static_assert(sameName(kFormRows.rows[FormType::ON428].name, "ON428"), "FormType::ON428");
static_assert(sameName(kFormRows.rows[FormType::ON479].name, "ON479"), "FormType::ON479");
static_assert(sameName(kFormRows.rows[FormType::ON_S2].name, "ON(S2)"), "FormType::ON_S2");
static_assert(sameName(kFormRows.rows[FormType::ON_S11].name, "ON(S11)"), "FormType::ON_S11");
static_assert(sameName(kFormRows.rows[FormType::GST370].name, "GST370"), "FormType::GST370");
static_assert(sameName(kFormRows.rows[FormType::T1206].name, "T1206"), "FormType::T1206");
static_assert(sameName(kFormRows.rows[FormType::T626].name, "T626"), "FormType::T626");
static_assert(sameName(kFormRows.rows[FormType::T691].name, "T691"), "FormType::T691");
static_assert(sameName(kFormRows.rows[FormType::T936].name, "T936"), "FormType::T936");
static_assert(sameName(kFormRows.rows[FormType::ON_BEN].name, "ON-BEN"), "FormType::ON_BEN");
static_assert(sameName(kFormRows.rows[FormType::T2209].name, "T2209"), "FormType::T2209");
static_assert(sameName(kFormRows.rows[FormType::T2017].name, "T2017"), "FormType::T2017");
static_assert(sameName(kFormRows.rows[FormType::T5013Schedule].name, "T5013 Schedule"), "FormType::T5013Schedule");
static_assert(sameName(kFormRows.rows[FormType::T1A].name, "T1A"), "FormType::T1A");
static_assert(sameName(kFormRows.rows[FormType::T657].name, "T657"), "FormType::T657");
static_assert(sameName(kFormRows.rows[FormType::BC428].name, "BC428"), "FormType::BC428");
static_assert(sameName(kFormRows.rows[FormType::BC479].name, "BC479"), "FormType::BC479");
static_assert(sameName(kFormRows.rows[FormType::BC_S2].name, "BC(S2)"), "FormType::BC_S2");
static_assert(sameName(kFormRows.rows[FormType::BC_S11].name, "BC(S11)"), "FormType::BC_S11");
static_assert(sameName(kFormRows.rows[FormType::AB428].name, "AB428"), "FormType::AB428");
static_assert(sameName(kFormRows.rows[FormType::AB_S2].name, "AB(S2)"), "FormType::AB_S2");
static_assert(sameName(kFormRows.rows[FormType::AB_S11].name, "AB(S11)"), "FormType::AB_S11");
static_assert(sameName(kFormRows.rows[FormType::T2222].name, "T2222"), "FormType::T2222");
static_assert(sameName(kFormRows.rows[FormType::T2121].name, "T2121"), "FormType::T2121");
static_assert(sameName(kFormRows.rows[FormType::T1DD].name, "T1DD"), "FormType::T1DD");
static_assert(sameName(kFormRows.rows[FormType::RC71].name, "RC71"), "FormType::RC71");
static_assert(sameName(kFormRows.rows[FormType::T5004].name, "T5004"), "FormType::T5004");
static_assert(sameName(kFormRows.rows[FormType::CPT20].name, "CPT20"), "FormType::CPT20");
static_assert(sameName(kFormRows.rows[FormType::T777].name, "T777"), "FormType::T777");
static_assert(sameName(kFormRows.rows[FormType::NL428].name, "NL428"), "FormType::NL428");
static_assert(sameName(kFormRows.rows[FormType::NL479].name, "NL479"), "FormType::NL479");
static_assert(sameName(kFormRows.rows[FormType::NL_S2].name, "NL(S2)"), "FormType::NL_S2");
static_assert(sameName(kFormRows.rows[FormType::NL_S11].name, "NL(S11)"), "FormType::NL_S11");
static_assert(sameName(kFormRows.rows[FormType::NS428].name, "NS428"), "FormType::NS428");
static_assert(sameName(kFormRows.rows[FormType::NS479].name, "NS479"), "FormType::NS479");
static_assert(sameName(kFormRows.rows[FormType::NS_S2].name, "NS(S2)"), "FormType::NS_S2");
static_assert(sameName(kFormRows.rows[FormType::NS_S11].name, "NS(S11)"), "FormType::NS_S11");
static_assert(sameName(kFormRows.rows[FormType::NT428].name, "NT428"), "FormType::NT428");
static_assert(sameName(kFormRows.rows[FormType::NT479].name, "NT479"), "FormType::NT479");
static_assert(sameName(kFormRows.rows[FormType::NT_S2].name, "NT(S2)"), "FormType::NT_S2");
static_assert(sameName(kFormRows.rows[FormType::NT_S11].name, "NT(S11)"), "FormType::NT_S11");
static_assert(sameName(kFormRows.rows[FormType::NU428].name, "NU428"), "FormType::NU428");
static_assert(sameName(kFormRows.rows[FormType::NU479].name, "NU479"), "FormType::NU479");
static_assert(sameName(kFormRows.rows[FormType::NU_S2].name, "NU(S2)"), "FormType::NU_S2");
static_assert(sameName(kFormRows.rows[FormType::NU_S11].name, "NU(S11)"), "FormType::NU_S11");
static_assert(sameName(kFormRows.rows[FormType::PE428].name, "PE428"), "FormType::PE428");
static_assert(sameName(kFormRows.rows[FormType::PE_S2].name, "PE(S2)"), "FormType::PE_S2");
static_assert(sameName(kFormRows.rows[FormType::PE_S11].name, "PE(S11)"), "FormType::PE_S11");
static_assert(sameName(kFormRows.rows[FormType::SK428].name, "SK428"), "FormType::SK428");
static_assert(sameName(kFormRows.rows[FormType::SK_S2].name, "SK(S2)"), "FormType::SK_S2");
static_assert(sameName(kFormRows.rows[FormType::SK_S11].name, "SK(S11)"), "FormType::SK_S11");
static_assert(sameName(kFormRows.rows[FormType::SK479].name, "SK479"), "FormType::SK479");
static_assert(sameName(kFormRows.rows[FormType::MB428].name, "MB428"), "FormType::MB428");
static_assert(sameName(kFormRows.rows[FormType::MB479].name, "MB479"), "FormType::MB479");
static_assert(sameName(kFormRows.rows[FormType::T1219].name, "T1219"), "FormType::T1219");
static_assert(sameName(kFormRows.rows[FormType::MB_S2].name, "MB(S2)"), "FormType::MB_S2");
static_assert(sameName(kFormRows.rows[FormType::MB_S11].name, "MB(S11)"), "FormType::MB_S11");
static_assert(sameName(kFormRows.rows[FormType::TL2].name, "TL2"), "FormType::TL2");
static_assert(sameName(kFormRows.rows[FormType::T1Summary].name, "T1 Summary"), "FormType::T1Summary");
static_assert(sameName(kFormRows.rows[FormType::NB_S2].name, "NB(S2)"), "FormType::NB_S2");
static_assert(sameName(kFormRows.rows[FormType::NB_S11].name, "NB(S11)"), "FormType::NB_S11");
static_assert(sameName(kFormRows.rows[FormType::T183].name, "T183"), "FormType::T183");
static_assert(sameName(kFormRows.rows[FormType::T1153].name, "T1153"), "FormType::T1153");
static_assert(sameName(kFormRows.rows[FormType::NB428].name, "NB428"), "FormType::NB428");
static_assert(sameName(kFormRows.rows[FormType::T1135].name, "T1135"), "FormType::T1135");
static_assert(sameName(kFormRows.rows[FormType::T1_M].name, "T1-M"), "FormType::T1_M");
static_assert(sameName(kFormRows.rows[FormType::T1223].name, "T1223"), "FormType::T1223");
static_assert(sameName(kFormRows.rows[FormType::T746].name, "T746"), "FormType::T746");
static_assert(sameName(kFormRows.rows[FormType::T1229].name, "T1229"), "FormType::T1229");
static_assert(sameName(kFormRows.rows[FormType::YT428].name, "YT428"), "FormType::YT428");
static_assert(sameName(kFormRows.rows[FormType::T1273].name, "T1273"), "FormType::T1273");
static_assert(sameName(kFormRows.rows[FormType::YT_S2].name, "YT(S2)"), "FormType::YT_S2");
static_assert(sameName(kFormRows.rows[FormType::YT_S11].name, "YT(S11)"), "FormType::YT_S11");
static_assert(sameName(kFormRows.rows[FormType::YT479].name, "YT479"), "FormType::YT479");
static_assert(sameName(kFormRows.rows[FormType::T1170].name, "T1170"), "FormType::T1170");
static_assert(sameName(kFormRows.rows[FormType::T1_ADJ].name, "T1-ADJ"), "FormType::T1_ADJ");
static_assert(sameName(kFormRows.rows[FormType::T1013].name, "T1013"), "FormType::T1013");
static_assert(sameName(kFormRows.rows[FormType::T1032].name, "T1032"), "FormType::T1032");
static_assert(sameName(kFormRows.rows[FormType::Schedule6].name, "Schedule 6"), "FormType::Schedule6");
static_assert(sameName(kFormRows.rows[FormType::T2205].name, "T2205"), "FormType::T2205");
static_assert(sameName(kFormRows.rows[FormType::T2125].name, "T2125"), "FormType::T2125");
static_assert(sameName(kFormRows.rows[FormType::T2125Partnership].name, "T2125 (Partnership)"), "FormType::T2125Partnership");
static_assert(sameName(kFormRows.rows[FormType::Schedule12].name, "Schedule 12"), "FormType::Schedule12");
static_assert(sameName(kFormRows.rows[FormType::RC267].name, "RC267"), "FormType::RC267");
static_assert(sameName(kFormRows.rows[FormType::RC268].name, "RC268"), "FormType::RC268");
static_assert(sameName(kFormRows.rows[FormType::RC269].name, "RC269"), "FormType::RC269");
static_assert(sameName(kFormRows.rows[FormType::Schedule13].name, "Schedule 13"), "FormType::Schedule13");
static_assert(sameName(kFormRows.rows[FormType::RC359].name, "RC359"), "FormType::RC359");
static_assert(sameName(kFormRows.rows[FormType::T2091IND].name, "T2091(IND)"), "FormType::T2091IND");
static_assert(sameName(kFormRows.rows[FormType::RC381].name, "RC381"), "FormType::RC381");
static_assert(sameName(kFormRows.rows[FormType::RC383].name, "RC383"), "FormType::RC383");
static_assert(sameName(kFormRows.rows[FormType::Schedule8].name, "Schedule 8"), "FormType::Schedule8");
static_assert(sameName(kFormRows.rows[FormType::ProvincialWorksheet].name, "Provincial Worksheet"), "FormType::ProvincialWorksheet");
static_assert(sameName(kFormRows.rows[FormType::Schedule12HAE].name, "Schedule 12 (HAE)"), "FormType::Schedule12HAE");
static_assert(sameName(kFormRows.rows[FormType::T1SummaryReFile].name, "T1 Summary (Re-File)"), "FormType::T1SummaryReFile");
static_assert(sameName(kFormRows.rows[FormType::T2091IND_WS].name, "T2091(IND)-WS"), "FormType::T2091IND_WS");
static_assert(sameName(kFormRows.rows[FormType::ProvincialCredits].name, "Provincial Credits"), "FormType::ProvincialCredits");
static_assert(sameName(kFormRows.rows[FormType::T1Summary2023].name, "T1 Summary (2023)"), "FormType::T1Summary2023");
static_assert(sameName(kFormRows.rows[FormType::T90].name, "T90"), "FormType::T90");
static_assert(sameName(kFormRows.rows[FormType::T224].name, "T224"), "FormType::T224");
static_assert(sameName(kFormRows.rows[FormType::T225].name, "T225"), "FormType::T225");
static_assert(sameName(kFormRows.rows[FormType::T777S].name, "T777S"), "FormType::T777S");
static_assert(sameName(kFormRows.rows[FormType::T185].name, "T185"), "FormType::T185");
static_assert(sameName(kFormRows.rows[FormType::RC59].name, "RC59"), "FormType::RC59");
static_assert(sameName(kFormRows.rows[FormType::RC59X].name, "RC59X"), "FormType::RC59X");
static_assert(sameName(kFormRows.rows[FormType::T1044].name, "T1044"), "FormType::T1044");
static_assert(sameName(kFormRows.rows[FormType::T2043].name, "T2043"), "FormType::T2043");
static_assert(sameName(kFormRows.rows[FormType::T2039].name, "T2039"), "FormType::T2039");
static_assert(sameName(kFormRows.rows[FormType::Schedule15].name, "Schedule 15"), "FormType::Schedule15");
static_assert(sameName(kFormRows.rows[FormType::T1248SchD].name, "T1248 Sch D"), "FormType::T1248SchD");
static_assert(sameName(kFormRows.rows[FormType::Instalments].name, "Instalments"), "FormType::Instalments");
static_assert(sameName(kFormRows.rows[FormType::Worksheet5000D1].name, "5000-D1"), "FormType::Worksheet5000D1");
static_assert(sameName(kFormRows.rows[FormType::T2048].name, "T2048"), "FormType::T2048");
static_assert(sameName(kFormRows.rows[FormType::T1198].name, "T1198"), "FormType::T1198");
static_assert(sameName(kFormRows.rows[FormType::Unused2].name, "Unused"), "FormType::Unused2");
static_assert(sameName(kFormRows.rows[FormType::Unused5].name, "Unused"), "FormType::Unused5");
static_assert(sameName(kFormRows.rows[FormType::T2032Old].name, "T2032"), "FormType::T2032Old");
static_assert(sameName(kFormRows.rows[FormType::T2124Old].name, "T2124"), "FormType::T2124Old");
static_assert(sameName(kFormRows.rows[FormType::T2032Old2].name, "T2032"), "FormType::T2032Old2");
static_assert(sameName(kFormRows.rows[FormType::Retired58].name, ""), "FormType::Retired58");
static_assert(sameName(kFormRows.rows[FormType::Obsolete100].name, "Obsolete"), "FormType::Obsolete100");
static_assert(sameName(kFormRows.rows[FormType::Obsolete114].name, "Obsolete"), "FormType::Obsolete114");
static_assert(sameName(kFormRows.rows[FormType::Obsolete115].name, "Obsolete"), "FormType::Obsolete115");
static_assert(sameName(kFormRows.rows[FormType::Obsolete120].name, "Obsolete"), "FormType::Obsolete120");
static_assert(sameName(kFormRows.rows[FormType::Obsolete134].name, "Obsolete"), "FormType::Obsolete134");
static_assert(sameName(kFormRows.rows[FormType::Obsolete141].name, "Obsolete"), "FormType::Obsolete141");
static_assert(sameName(kFormRows.rows[FormType::Unused151].name, "Unused"), "FormType::Unused151");
static_assert(sameName(kFormRows.rows[FormType::Unused166].name, "Unused"), "FormType::Unused166");
static_assert(sameName(kFormRows.rows[FormType::Retired177].name, ""), "FormType::Retired177");
static_assert(sameName(kFormRows.rows[FormType::Retired178].name, ""), "FormType::Retired178");
static_assert(sameName(kFormRows.rows[FormType::Unused198].name, "Unused"), "FormType::Unused198");

constexpr ProvinceFormRow kAB[] = {{45, 1}, {47, 0}, {48, 0}};
constexpr ProvinceFormRow kBC[] = {{41, 1}, {42, 1}, {43, 0}, {44, 0}};
constexpr ProvinceFormRow kMB[] = {{86, 1}, {87, 1}, {90, 0}, {91, 0}};
constexpr ProvinceFormRow kNB[] = {{98, 1}, {94, 0}, {95, 0}};
constexpr ProvinceFormRow kNL[] = {{62, 1}, {63, 1}, {64, 0}, {65, 0}};
constexpr ProvinceFormRow kNT[] = {{70, 1}, {71, 1}, {72, 0}, {73, 0}};
constexpr ProvinceFormRow kNS[] = {{66, 1}, {67, 1}, {68, 0}, {69, 0}};
constexpr ProvinceFormRow kNU[] = {{74, 1}, {75, 1}, {76, 0}, {77, 0}};
constexpr ProvinceFormRow kON[] = {{24, 1}, {25, 0}, {26, 0}, {27, 0}, {34, 0}};
constexpr ProvinceFormRow kPE[] = {{78, 1}, {79, 0}, {80, 0}};
constexpr ProvinceFormRow kSK[] = {{81, 1}, {82, 0}, {83, 0}, {84, 0}};
constexpr ProvinceFormRow kYT[] = {{108, 1}, {112, 1}, {110, 0}, {111, 0}};

template <int N>
constexpr ProvinceForms rowsOf(const ProvinceFormRow (&r)[N]) { return ProvinceForms{N, r}; }

} // namespace

const FormInfo (&Global_Forms_Info)[kFormTableSize] = kFormRows.rows;

const SlipInfo Global_Slips_Info[kSlipTableSize] = {
    {0, "", "", 0},
    {1, "T4", "Statement of Remuneration Paid", 0},
    {2, "T4A", "Statement of Pension, Retirement, Annuity, and Other Income", 0},
    {3, "T4A(P)", "Statement of Canada Pension Plan Benefits", 0},
    {4, "T4RSP", "Statement of RRSP Income", 0},
    {5, "T4E", "Statement of Employment Insurance and Other Benefits", 0},
    {6, "T4A(OAS)", "Statement of Old Age Security", 0},
    {7, "T4RIF", "Statement of Income from a Registered Retirement Income Fund", 0},
    {8, "T5", "Statement of Investment Income", SHR},
    {9, "T3", "Statement of Trust Income Allocations and Designations", SHR},
    {10, "T5003", "Statement of Tax Shelter Information", 0},
    {11, "T5007", "Statement of Benefits", 0},
    {12, "", "", 0},
    {13, "T5013", "Statement of Partnership Income", SHR},
    {14, "T4PS", "Statement of Employee Profit-Sharing Plan Allocations and Payments", 0},
    {15, "T4A-RCA", "Statement of Distributions from a Retirement Compensation Arrangement (RCA)", 0},
    {16, "T5006", "Statement of Registered Labour-Sponsored Venture Capital Corporation Class A Shares", 0},
    {17, "RC62", "Universal Child Care Benefit Statement", 0},
    {18, "RC210", "Advanced Canada Workers Benefit Statement", 0},
    {19, "T5008", "Statement of Securities Transactions", SHR},
    {20, "RRSP", "RRSP Contribution Receipt", 0},
    {21, "MB Rent Assist", "Manitoba Rent Assist Statement", 0},
    {22, "PRPP", "Pooled Registered Pension Plan Contribution Receipt", 0},
    {23, "T1204", "Government Service Contract Payments", 0},
    {24, "NR4", "Statement of Amounts Paid or Credited to Non-Residents of Canada", 0},
    {25, "T2202", "Tuition and Enrolment Certificate", 0},
    {26, "T4FHSA", "First Home Savings Account Statement", 0},
};

const ProvInfo Global_Provs_Info[kProvinceCount] = {
    {{"", "", "", "", ""}},
    {{"AB", "Alberta", "Alberta", "ProvAB", "Edmonton"}},
    {{"BC", "British Columbia", "Colombie-Britannique", "ProvBC", "Victoria"}},
    {{"MB", "Manitoba", "Manitoba", "ProvMB", "Winnipeg"}},
    {{"NB", "New Brunswick", "Nouveau-Brunswick", "ProvNB", "Fredericton"}},
    {{"NL", "Newfoundland and Labrador", "Terre-Neuve-et-Labrador", "ProvNL", "St. John's"}},
    {{"NT", "Northwest Territories", "Territoires du Nord-Ouest", "ProvNT", "Yellowknife"}},
    {{"NS", "Nova Scotia", "Nouvelle-Ecosse", "ProvNS", "Halifax"}},
    {{"NU", "Nunavut", "Nunavut", "ProvNU", "Iqaluit"}},
    {{"ON", "Ontario", "Ontario", "ProvON", "Toronto"}},
    {{"PE", "Prince Edward Island", "Ile-du-Prince-Edouard", "ProvPE", "Charlottetown"}},
    {{"QC", "Quebec", "Quebec", "ProvQC", "Quebec"}},
    {{"SK", "Saskatchewan", "Saskatchewan", "ProvSK", "Regina"}},
    {{"YT", "Yukon", "Yukon", "ProvYT", "Whitehorse"}},
};

const TaxWizardInfo Global_TaxWizard_Info[7] = {
    {0, "", false},
    {1, "General Information", true},
    {2, "Last Year's Amounts", true},
    {3, "Dependants", true},
    {4, "Medical Expenses", true},
    {5, "RRSP Contributions", true},
    {6, "Provincial Information", true},
};

const FederalFormRow Federal_Forms_Info[] = {
    {3, 1, 0}, {4, 1, 0}, {6, 1, 0}, {7, 1, 0}, {8, 0, 1}, {9, 1, 0}, {10, 1, 0}, {11, 1, 0},
    {12, 1, 0}, {13, 1, 0}, {14, 1, 0}, {15, 1, 0}, {17, 1, 0}, {18, 1, 0}, {20, 1, 0}, {21, 1, 0},
    {23, 1, 0}, {28, 1, 0}, {29, 1, 0}, {30, 1, 0}, {31, 1, 0}, {32, 1, 0}, {35, 1, 0}, {37, 1, 0},
    {38, 1, 0}, {39, 1, 0}, {40, 1, 0}, {49, 1, 0}, {51, 1, 0}, {52, 1, 0}, {53, 1, 0}, {55, 1, 0},
    {57, 1, 0}, {59, 1, 0}, {89, 1, 0}, {92, 1, 0}, {96, 1, 0}, {97, 1, 0}, {101, 1, 0}, {102, 1, 0},
    {103, 1, 0}, {105, 1, 0}, {107, 1, 0}, {113, 1, 0}, {116, 1, 0}, {117, 1, 0}, {118, 1, 0},
    {119, 1, 0}, {124, 1, 0}, {125, 1, 0}, {131, 1, 0}, {133, 1, 0}, {136, 1, 0}, {137, 1, 0},
    {138, 1, 0}, {139, 1, 0}, {145, 1, 0}, {147, 1, 0}, {148, 1, 0}, {149, 1, 0}, {150, 1, 0},
    {157, 1, 0}, {160, 1, 0}, {171, 1, 0}, {179, 1, 0}, {181, 1, 0}, {184, 1, 0}, {185, 1, 0},
    {186, 1, 0}, {193, 1, 0}, {199, 1, 0}, {205, 1, 0}, {207, 1, 0}, {209, 1, 0}, {210, 0, 0},
    {212, 1, 0}, {213, 1, 0}, {93, 0, 1}, {1, 0, 1}, {159, 0, 1}, {165, 0, 1},
};
const int Federal_Forms_Num = int(sizeof Federal_Forms_Info / sizeof Federal_Forms_Info[0]);

const ProvinceForms Province_Forms_Info[kProvinceCount] = {
    {0, nullptr}, rowsOf(kAB), rowsOf(kBC), rowsOf(kMB), rowsOf(kNB), rowsOf(kNL), rowsOf(kNT),
    rowsOf(kNS), rowsOf(kNU), rowsOf(kON), rowsOf(kPE), {0, nullptr}, rowsOf(kSK), rowsOf(kYT),
};

const int SFD_Forms_Info[] = {12, 15, 21, 51, 109, 125, 131};
const int SFD_Forms_Num = int(sizeof SFD_Forms_Info / sizeof SFD_Forms_Info[0]);

static unsigned formAttrs(int type)
{
    if (type < 0 || type >= kFormTableSize)
        return EXP | HID;
    return Global_Forms_Info[type].attrs;
}

bool IsProvinceSupported(int province)
{
    return province >= 1 && province < kProvinceCount;
}

bool IsFormExpired(int type, int)
{
    return formAttrs(type) & EXP;
}

bool IsMultipleForm(int type) { return formAttrs(type) & MUL; }
bool IsSFDForm(int type) { return formAttrs(type) & SFD; }
bool IsFormSharable(int type) { return formAttrs(type) & SHR; }
bool FormUsesDependants(int type) { return formAttrs(type) & DEP; }

bool IsSlipSharable(int type)
{
    return type > 0 && type < kSlipTableSize && (Global_Slips_Info[type].attrs & SHR);
}

bool IsFormMandatory(int, int province, int type)
{
    if (type == 1 || type == 93)
        return true;
    if (province < 1 || province >= kProvinceCount)
        return false;
    const ProvinceForms &p = Province_Forms_Info[province];
    for (int i = 0; i < p.count; ++i)
        if (p.rows[i].type == type)
            return p.rows[i].mustHave != 0;
    return false;
}

int getFormProv(int type)
{
    if (type < 0 || type >= kFormTableSize)
        return 0;
    return Global_Forms_Info[type].province;
}

QString formName(int type)
{
    if (type < 0 || type >= kFormTableSize)
        return QString();
    return QString::fromUtf8(Global_Forms_Info[type].name);
}

QString formCode(int type)
{
    if (type < 0 || type >= kFormTableSize)
        return QString();
    const FormInfo &f = Global_Forms_Info[type];
    return QString::fromUtf8(f.code ? f.code : f.name);
}

QString slipName(int type)
{
    if (type < 0 || type >= kSlipTableSize)
        return QString();
    return QString::fromUtf8(Global_Slips_Info[type].name);
}

QString provinceName(int province)
{
    if (province < 0 || province >= kProvinceCount)
        return QString();
    return QString::fromUtf8(Global_Provs_Info[province].word[1]);
}

QString provinceCode(int province)
{
    if (province < 0 || province >= kProvinceCount)
        return QString();
    return QString::fromUtf8(Global_Provs_Info[province].word[0]);
}

int provinceFromCode(const QString &code)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return 0;
    for (int p = 1; p < kProvinceCount; ++p)
        if (provinceCode(p).compare(c, Qt::CaseInsensitive) == 0)
            return p;
    return 0;
}

QString getOSLibFilename(const QString &baseName)
{
    if (baseName.isEmpty())
        return QString();
    return QStringLiteral("lib") + baseName + QStringLiteral(".so");
}

bool IsFilingSFDForm(int type)
{
    switch (type) {
    case 12: case 15: case 21: case 51: case 59: case 92: case 109:
    case 125: case 131: case 147: case 160: case 179:
        return true;
    default:
        return false;
    }
}
