#pragma once
#include <QString>

// The provinces by number, as the province tables hold them.
namespace prov {
enum Number {
    ProvinceNone = 0, Alberta = 1, BritishColumbia = 2, Manitoba = 3, NewBrunswick = 4,
    NewfoundlandAndLabrador = 5, NorthwestTerritories = 6, NovaScotia = 7, Nunavut = 8,
    Ontario = 9, PrinceEdwardIsland = 10, Quebec = 11, Saskatchewan = 12, Yukon = 13,
};
} // namespace prov

// Which province a Canadian postal code belongs to, by its first letter.
class CPostCodeInfo
{
public:
    static CPostCodeInfo *GetInstance();

    // True when the postal code (or its first characters) starts with a letter of the
    // province: A NL, B NS, C PE, E NB, G H J QC, K L M N P ON, R MB, S SK, T AB, V BC,
    // X NT and NU, Y YT. An empty code or another letter belongs to no province.
    bool IsPostCodeFromProv(const QString &postCode, int province) const;

private:
    CPostCodeInfo() = default;
};

// Which 2024 AgriStability and AgriInvest form the farmers of a province file:
// 15 (T1163) where the federal administration runs the programs, 109 (T1273) where
// the province does (Alberta, Ontario, Prince Edward Island, Quebec, Saskatchewan);
// 0 for no province.
int GetCAISFormTypeFromProv(int province);
