#pragma once
#include "datafields.h"

// The user's Auto-fill choices: everything (option 0) or only the ticked kinds.
class DataAFR : public CWSBaseData
{
public:
    DataAFR();

    int checkData() override;

    bool isSlipKindSelected(int slipType) const;
    bool isInstalmentSelected() const;
    bool isTuitionSelected() const;
    bool isRRSPContributionSelected() const;
    bool isRRSPLimitSelected() const;
    bool isHBPLLPSelected() const;

    CIntField fld_iFillOption{-1, "fld_iFillOption"};   // 0 all, 1 the ticked kinds, -1 not chosen
    CBoolField fld_bT4{false, "fld_bT4"};
    CBoolField fld_bT4A{false, "fld_bT4A"};
    CBoolField fld_bT4AOAS{false, "fld_bT4AOAS"};
    CBoolField fld_bT4AP{false, "fld_bT4AP"};
    CBoolField fld_bT4E{false, "fld_bT4E"};
    CBoolField fld_bT4FHSA{false, "fld_bT4FHSA"};
    CBoolField fld_bT4RIF{false, "fld_bT4RIF"};
    CBoolField fld_bT1204{false, "fld_bT1204"};
    CBoolField fld_bT3{false, "fld_bT3"};
    CBoolField fld_bT5{false, "fld_bT5"};
    CBoolField fld_bPRPP{false, "fld_bPRPP"};
    CBoolField fld_bRC62{false, "fld_bRC62"};
    CBoolField fld_bRC210{false, "fld_bRC210"};
    CBoolField fld_bT5007{false, "fld_bT5007"};
    CBoolField fld_bT5008{false, "fld_bT5008"};
    CBoolField fld_bTuition{false, "fld_bTuition"};
    CBoolField fld_bT2202{false, "fld_bT2202"};
    CBoolField fld_bMBSB{false, "fld_bMBSB"};
    CBoolField fld_bInstalment{false, "fld_bInstalment"};
    CBoolField fld_bRRSPLimit{false, "fld_bRRSPLimit"};
    CBoolField fld_bT4RSP{false, "fld_bT4RSP"};
    CBoolField fld_bRRSPContribution{false, "fld_bRRSPContribution"};
    CBoolField fld_bHBPLLP{false, "fld_bHBPLLP"};

private:
    bool selected(const CBoolField &flag) const { return fld_iFillOption.value() == 0 || flag.value(); }
};
