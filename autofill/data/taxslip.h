#pragma once
#include "cstring.h"
#include <functional>
#include <map>
#include <string>

class CTaxData_Form;
class TiXmlElement;

// One slip downloaded by Auto-fill. Box values stay the texts of the reply,
// keyed by the box number text ("14", "16A", "104"). A kind of slip fills the
// matching slip object of the return from them.
class TaxSlip
{
public:
    // Fills boxLabels from the kind's label table (taxsliplabels.cpp).
    explicit TaxSlip(int slipType);
    TaxSlip(const TaxSlip &) = delete;
    TaxSlip &operator=(const TaxSlip &) = delete;
    virtual ~TaxSlip();

    // Display name of the slip type.
    virtual const char *slipTypeName() const;
    // A named child element of the slip (not a box); the base keeps the issuer's name.
    virtual int setNamedField(const std::string &name, const std::string &value);
    // What the kind reads of the slip element beyond the common fields.
    virtual int parseSpecialFields(const TiXmlElement *slip);
    // Appends the kind's header lines to the report.
    virtual int htmlHeader(CString &out, int index);
    // Fills the return's slip object when it is of the kind's class; else nothing.
    virtual int copyToSlip(CTaxData_Form *form) = 0;

    // Reads the tax year, the boxes, the named fields and the version of the slip element.
    int parseCommon(const TiXmlElement *slip);
    // The red title line, then the tax year and version lines.
    int htmlTitle(CString &out, int index) const;
    // One line per labelled box with a value; answers the number of boxes visited.
    int htmlBoxList(CString &out) const;
    // "label: value<br>" unless the value is empty or equals skip (any case).
    bool htmlBoxLine(CString &out, const std::string &box, const std::string &label, const std::string &skip) const;

    // The box's value as a number; 0 when the slip lacks the box.
    double boxAmount(const std::string &box) const;
    // The box's text trimmed; empty when absent.
    std::string boxText(const std::string &box) const;
    CString boxString(const std::string &box) const;
    // Stores a box as read (the last value of a box wins).
    void setBox(const std::string &box, const CString &text) { boxAmounts[box] = text; }

    std::string taxYear;
    std::string version;
    int slipType;
    std::string issuerName;
    std::map<std::string, CString> boxAmounts;
    std::map<std::string, CString> boxLabels;

protected:
    using ChildVisitor = std::function<void(const std::string &name, const char *box, const std::string &text)>;
    // Each direct child element that has text, in document order; box is the
    // "boxNumber" attribute or null.
    static void forEachTextChild(const TiXmlElement *slip, const ChildVisitor &visit);
    // True when the element name ends with suffix (case kept).
    static bool nameEndsWith(const std::string &name, const char *suffix);
    // One header line of a field; the value escaped.
    static void headerItem(CString &out, const std::string &value, const char *label, const char *skip = "");
    // Writes the listed boxes into the target's amounts of the same box numbers.
    void copyBoxes(CTaxData_Form &target, std::initializer_list<const char *> boxes) const;
};

// The return's code of a box number text: "16A" answers as 1601.
int slipBoxCode(const std::string &box);
