#include "dataafr.h"

DataAFR::DataAFR()
{
    for (CDataField *f : std::initializer_list<CDataField *>{
             &fld_iFillOption, &fld_bT4, &fld_bT4A, &fld_bT4AOAS, &fld_bT4AP, &fld_bT4E, &fld_bT4FHSA,
             &fld_bT4RIF, &fld_bT1204, &fld_bT3, &fld_bT5, &fld_bPRPP, &fld_bRC62, &fld_bRC210, &fld_bT5007,
             &fld_bT5008, &fld_bTuition, &fld_bT2202, &fld_bMBSB, &fld_bInstalment, &fld_bRRSPLimit,
             &fld_bT4RSP, &fld_bRRSPContribution, &fld_bHBPLLP})
        registerField(f);
}

int DataAFR::checkData()
{
    return 0;
}

bool DataAFR::isSlipKindSelected(int slipType) const
{
    if (fld_iFillOption.value() == 0)
        return true;
    switch (slipType) {
    case 1: return fld_bT4;
    case 2: return fld_bT4A;
    case 3: return fld_bT4AP;
    case 4: return fld_bT4RSP;
    case 5: return fld_bT4E;
    case 6: return fld_bT4AOAS;
    case 7: return fld_bT4RIF;
    case 8: return fld_bT5;
    case 9: return fld_bT3;
    case 11: return fld_bT5007;
    case 17: return fld_bRC62;
    case 18: return fld_bRC210;
    case 19: return fld_bT5008;
    case 21: return fld_bMBSB;
    case 22: return fld_bPRPP;
    case 23: return fld_bT1204;
    case 25: return fld_bT2202;
    case 26: return fld_bT4FHSA;
    default: return false;
    }
}

bool DataAFR::isInstalmentSelected() const { return selected(fld_bInstalment); }
bool DataAFR::isTuitionSelected() const { return selected(fld_bTuition); }
bool DataAFR::isRRSPContributionSelected() const { return selected(fld_bRRSPContribution); }
bool DataAFR::isRRSPLimitSelected() const { return selected(fld_bRRSPLimit); }
bool DataAFR::isHBPLLPSelected() const { return selected(fld_bHBPLLP); }
