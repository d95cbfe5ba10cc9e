#include "taxdata_instalmentcalc.h"
#include "taxdata_t1ksnew.h"
#include "utils.h"

namespace {

using T1 = TaxData_T1New;

// Instalments are due when the net tax owing is over this (Quebec: federal tax only).
constexpr double kInstalmentThreshold = 3000.0;
constexpr double kInstalmentThresholdQuebec = 1800.0;
constexpr int kQuebec = 11;

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ProvincialValue1", FieldKind::Amount},
        {"ProvincialValue2", FieldKind::Amount},
        {"NetTaxOwing", FieldKind::Amount},
        {"Instalment2025", FieldKind::Amount},
        {"Quarter", FieldKind::Amount}
    };
    return table;
}

// The tax deducted and the refundable credits of the T1 that reduce the net tax
// owing: every credit of line 48200 but the instalments paid (47600) and the
// provincial credits (47900), which the plug-in answers.
double federalCredits(const T1 &t1)
{
    double total = 0.0;
    for (int f : {T1::F_43700, T1::F_44000, T1::F_44100, T1::F_44800, T1::F_45000, T1::F_45200, T1::F_45300,
                  T1::F_45350, T1::F_45355, T1::F_45400, T1::F_45600, T1::F_45700, T1::F_46900, T1::F_47555,
                  T1::F_47556, T1::F_47557})
        total += t1.amount(f);
    return total;
}

} // namespace

TaxData_InstalmentCalc::TaxData_InstalmentCalc() : CTaxData_Form(formFields(), KindForm, 209)
{
}

// 2024 net tax owing: total payable (43500) with the provincial tax taken from
// the plug-in (value 1, the line 42800 already inside 43500 is replaced, not
// added), less the tax deducted, the refundable credits and the provincial
// credits (value 2). Instalments for 2025 are due when it is over 3,000
// (1,800 for a resident of Quebec, whose T1 carries federal tax only); each
// quarterly instalment is a quarter of it.
void TaxData_InstalmentCalc::Calculate(TaxData_T1New *t1, CTaxData_Form *t1ks)
{
    double owing = 0.0;
    bool quebec = false;
    if (t1) {
        const double payable = t1->amount(T1::F_43500) - t1->amount(T1::F_42800) + amount(F_ProvincialValue1);
        owing = roundToCent(payable - federalCredits(*t1) - amount(F_ProvincialValue2));
        int province = t1->getMainTaxProvince();
        if (province <= 0)
            province = t1->provinceOfResidence();
        quebec = province == kQuebec;
    }
    setAmount(F_NetTaxOwing, owing);
    const double threshold = quebec ? kInstalmentThresholdQuebec : kInstalmentThreshold;
    setAmount(F_Instalment2025, owing > threshold ? owing : 0.0);
    const double quarter = roundToCent(amount(F_Instalment2025) / 4.0);
    setAmount(F_Quarter, quarter);
    if (auto *summary = dynamic_cast<TaxData_T1KSNew *>(t1ks))
        for (int f : {TaxData_T1KSNew::F_Instalment1, TaxData_T1KSNew::F_Instalment2, TaxData_T1KSNew::F_Instalment3,
                      TaxData_T1KSNew::F_Instalment4})
            summary->setAmount(f, quarter);
}
