#pragma once
#include <vector>
#include "ctaxdata_form.h"

// Base of the slip classes: the payer's identity, then the slip's own boxes.
// Each slip keys its amounts by box number, so valueByCode(box) answers a box.
class TaxData_SlipBase : public CTaxData_Form
{
public:
    enum CommonField { F_Payer, F_AccountNumber, F_CommonCount };

    // The fields every slip begins with; a slip's table extends this one.
    static const FieldTable &commonFields();

    TaxData_SlipBase(const FieldTable &table, int slipType);

    void getDescription(CString &out) const override;
    // The shared part of a jointly held slip is all of it but the claimant's share.
    void copySharedPart(const CTaxData_Form &partner) override;
    // True when the claimant's share is below 100 percent.
    bool isShared() const override;

    // The field of the claimant's share (a percentage); -1 for a slip without one.
    virtual int shareField() const { return -1; }
    double sharePercent() const { return shareField() < 0 ? 100.0 : amount(shareField()); }
    void setSharePercent(double percent);

    // Calculated amounts of a jointly held slip answer at this offset above their box.
    static constexpr int kCalculatedCode = 1000;

protected:
    // An entered box and its calculated counterpart, by field index.
    struct SharedBox
    {
        int box;
        int calculated;
    };
    // The boxes of a slip table that have a calculated counterpart.
    static std::vector<SharedBox> sharedBoxes(const FieldTable &table);
    // Fills each calculated amount with the box amount times the share (a percentage);
    // `boxes` are sharedBoxes(fieldTable()), worked out once per slip class.
    void applySharePercent(int shareField, const std::vector<SharedBox> &boxes);
};
