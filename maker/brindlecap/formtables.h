#pragma once
#include <QString>

// The code tables of forms, slips, provinces and tax-wizard records, and their predicates.

enum FormAttr : unsigned {
    FA_None = 0,
    FA_Multiple = 1u << 0,       // may occur several times in a return
    FA_Sharable = 1u << 1,       // may be shared between spouses
    FA_SFD = 1u << 2,            // supplementary (business/rental statement) form
    FA_Dependants = 1u << 3,     // uses the dependants record
    FA_Expired = 1u << 4,        // not used for this tax year
    FA_Mandatory = 1u << 5,      // every return holds it
    FA_Addable = 1u << 6,        // the user may add it
    FA_Hidden = 1u << 7,         // never offered to the user
};

struct FormInfo
{
    int type;             // form type number; 0 in an empty row
    const char *name;     // short name ("T1", "Schedule 9", "ON428")
    const char *title;    // full title
    int province;         // 0 federal, 1..13 the province that makes it
    unsigned attrs;
    const char *code = nullptr;   // code used by online services ("E-Auth"); null: the name
};

struct SlipInfo
{
    int type;
    const char *name;
    const char *title;
    unsigned attrs;       // FA_Sharable
};

// Five words per province: code, name, French name, plug-in base name, capital.
struct ProvInfo
{
    const char *word[5];
};

struct TaxWizardInfo
{
    int type;
    const char *name;     // shown in the tree and as the page's description (UTF-8)
    bool makeAtOnce;
};

struct FederalFormRow
{
    int type;
    unsigned char flag1;  // bit 0: the user may add it
    unsigned char flag2;  // non-zero: hidden
};

struct ProvinceFormRow
{
    int type;
    int mustHave;
};

struct ProvinceForms
{
    int count;
    const ProvinceFormRow *rows;
};

constexpr int kFormTableSize = 214;     // rows 0..213
constexpr int kSlipTableSize = 27;      // rows 0..26
constexpr int kProvinceCount = 14;      // rows 0..13
constexpr int kQuebec = 11;

extern const FormInfo (&Global_Forms_Info)[kFormTableSize];
extern const SlipInfo Global_Slips_Info[kSlipTableSize];
extern const ProvInfo Global_Provs_Info[kProvinceCount];
extern const TaxWizardInfo Global_TaxWizard_Info[7];     // rows 1..6; row 0 empty
extern const FederalFormRow Federal_Forms_Info[];
extern const int Federal_Forms_Num;
extern const ProvinceForms Province_Forms_Info[kProvinceCount];
extern const int SFD_Forms_Info[];
extern const int SFD_Forms_Num;

bool IsProvinceSupported(int province);
bool IsFormExpired(int type, int province);
bool IsMultipleForm(int type);
bool IsSFDForm(int type);
// The forms whose records the filing document and the barcode write as selected
// financial data, apart from the walk over the forms: the statements, the T777, the
// TL2, the T2091 forms and the T777 of 2020-2022 (12, 15, 21, 51, 59, 92, 109, 125,
// 131, 147, 160, 179). IsSFDForm keeps the narrower set of the add-form list.
bool IsFilingSFDForm(int type);
bool IsFormSharable(int type);
bool IsSlipSharable(int type);
bool IsFormMandatory(int edition, int province, int type);
bool FormUsesDependants(int type);
int getFormProv(int type);
// Name of a form or slip type, empty when the table has none.
QString formName(int type);
// The form's code for online services: its code column, else its name.
QString formCode(int type);
QString slipName(int type);
QString provinceName(int province);
QString provinceCode(int province);
// Province number (1 to 13) of a province code such as "ON", any case; 0 when unknown.
int provinceFromCode(const QString &code);
// The platform's file name of a library from its base name ("ProvON" -> "libProvON.so").
QString getOSLibFilename(const QString &baseName);
