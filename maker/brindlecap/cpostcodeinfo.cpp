#include "cpostcodeinfo.h"

using namespace prov;

namespace {

constexpr int kT1163 = 15;
constexpr int kT1273 = 109;

// The provinces whose postal codes begin with the letter; a second province for X.
struct LetterProvinces
{
    int first;
    int second;
};

LetterProvinces provincesOfLetter(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'A': return {NewfoundlandAndLabrador, ProvinceNone};
    case 'B': return {NovaScotia, ProvinceNone};
    case 'C': return {PrinceEdwardIsland, ProvinceNone};
    case 'E': return {NewBrunswick, ProvinceNone};
    case 'G': case 'H': case 'J': return {Quebec, ProvinceNone};
    case 'K': case 'L': case 'M': case 'N': case 'P': return {Ontario, ProvinceNone};
    case 'R': return {Manitoba, ProvinceNone};
    case 'S': return {Saskatchewan, ProvinceNone};
    case 'T': return {Alberta, ProvinceNone};
    case 'V': return {BritishColumbia, ProvinceNone};
    case 'X': return {NorthwestTerritories, Nunavut};
    case 'Y': return {Yukon, ProvinceNone};
    default: return {ProvinceNone, ProvinceNone};
    }
}

} // namespace

CPostCodeInfo *CPostCodeInfo::GetInstance()
{
    static CPostCodeInfo instance;
    return &instance;
}

bool CPostCodeInfo::IsPostCodeFromProv(const QString &postCode, int province) const
{
    const QString code = postCode.trimmed();
    if (code.isEmpty() || province == ProvinceNone)
        return false;
    const LetterProvinces p = provincesOfLetter(code.at(0));
    return p.first == province || p.second == province;
}

int GetCAISFormTypeFromProv(int province)
{
    switch (province) {
    case Alberta: case Ontario: case PrinceEdwardIsland: case Quebec: case Saskatchewan:
        return kT1273;
    case BritishColumbia: case Manitoba: case NewBrunswick: case NewfoundlandAndLabrador:
    case NorthwestTerritories: case NovaScotia: case Nunavut: case Yukon:
        return kT1163;
    default:
        return 0;
    }
}
