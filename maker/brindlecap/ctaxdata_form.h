#pragma once
#include "cstring.h"
#include "fieldtable.h"
#include <QList>
#include <initializer_list>
#include <vector>

class MyDataStream;
class DependantInfoStruct;
struct NetfileGenObjParamStru;

// Base of every form, slip, note and wizard-data calculator. Each class declares
// its fields once in a FieldTable (and any repeating rows), so that copying,
// comparing and serialising are done here for all of them.
class CTaxData_Form
{
public:
    enum Kind { KindForm = 0, KindSlip = 1, KindOther = 2 };
    enum Flag : quint32 { FlagAutoFill = 0x1 };

    CTaxData_Form(const FieldTable &table, int kind, int formType);
    CTaxData_Form(const CTaxData_Form &) = delete;
    CTaxData_Form &operator=(const CTaxData_Form &) = delete;

    // Virtual operations, in their fixed order.
    virtual ~CTaxData_Form();
    virtual void copyAll(const CTaxData_Form &source);
    virtual bool differs(const CTaxData_Form &other) const;
    virtual bool mayCarryForward(int edition, int province) const;
    virtual void carryForward(bool keepData);
    virtual void copySharedPart(const CTaxData_Form &partner);
    virtual bool isShared() const;
    virtual int serialise(int version, const CString &marker, MyDataStream &ar);
    virtual void getDescription(CString &out) const;
    virtual void Calculate01();      // calculate a form
    virtual void calculateData();    // calculate a note, wizard record or slip
    virtual void calculateEntry();   // first-stage calculation of a form or slip
    // Writes the form's line-code records: every numeric field whose code is a
    // five-digit line code (and, for a form written as selected financial data,
    // a four-digit one) with its value. Gives the number of records written.
    virtual int ConvertToNetfile(int mode, NetfileGenObjParamStru &context);
    // The line entries of the form's barcode block: every numeric field coded with a
    // line code of four or five digits. Gives the number of records written.
    int WriteFreeData(int mode, NetfileGenObjParamStru &context) const;
    virtual void setDependants(DependantInfoStruct *dependants);
    virtual void fillForTestPrint();
    // The form's own checks before filing (edition 1 EFILE, 2 NETFILE): appends its
    // messages and gives the number it appended. The base has none.
    virtual int validate(int edition, QList<CString> &messages);
    // Points of the form a preparer is asked to confirm before filing (legal, but often
    // wrong): appends one text per point. The base has none.
    virtual void collectWarnings(QList<CString> &warnings) const;

    int kind() const { return m_kind; }
    quint16 formType() const { return m_formType; }
    quint32 flags() const { return m_flags; }
    void setFlags(quint32 f) { m_flags = f; }
    bool isAutoFill() const { return m_flags & FlagAutoFill; }
    void setAutoFill(bool on) { m_flags = on ? (m_flags | FlagAutoFill) : (m_flags & ~quint32(FlagAutoFill)); }

    void setCoupledReturn(bool coupled) { m_coupled = coupled; }
    bool isCoupledReturn() const { return m_coupled; }
    void setMainTaxProvince(int province) { m_mainProvince = province; }
    int getMainTaxProvince() const { return m_mainProvince; }
    DependantInfoStruct *dependants() const { return m_dependants; }

    // The field store.
    const FieldTable &fieldTable() const { return m_fields.table(); }
    FieldRecord &fields() { return m_fields; }
    const FieldRecord &fields() const { return m_fields; }
    double amount(int field) const { return m_fields.number(field); }
    void setAmount(int field, double v) { m_fields.setNumber(field, v); }
    int intValue(int field) const { return int(m_fields.number(field)); }
    void setIntValue(int field, int v) { m_fields.setNumber(field, v); }
    bool flag(int field) const { return m_fields.number(field) != 0.0; }
    void setFlag(int field, bool v) { m_fields.setNumber(field, v ? 1 : 0); }
    QString text(int field) const { return m_fields.text(field); }
    void setText(int field, const QString &v) { m_fields.setText(field, v); }
    QDate date(int field) const { return m_fields.date(field); }
    void setDate(int field, const QDate &d) { m_fields.setDate(field, d); }

    // Amount of a line or box by its code; 0 when the class has no such code.
    double valueByCode(int code) const;
    bool hasCode(int code) const { return m_fields.table().indexOfCode(code) >= 0; }
    bool setValueByCode(int code, double v);
    // Field by key as text (name/value maps, tools).
    QString valueByKey(const QString &key) const;
    bool setValueByKey(const QString &key, const QString &value);

    // Files of the report engine (a developer function), written from the field
    // table: the Java data class of the fields' keys and line codes, and
    // the form's XML files. Each returns 0 when its file was written whole.
    int writeJavaClass(const QString &folder, const QString &className, int flag) const;
    int writeXml(const QString &folder, const QString &name, const QString &fileName, int version) const;
    int writeBlankFormXml(const QString &folder, const QString &name, const QString &fileName, int version) const;

    // Repeating rows, registered by the subclass's constructor.
    int rowListCount() const { return int(m_rowLists.size()); }
    FieldRowList &rows(int list = 0) { return m_rowLists[size_t(list)]; }
    const FieldRowList &rows(int list = 0) const { return m_rowLists[size_t(list)]; }

protected:
    int addRowList(const FieldTable &rowTable);

    // The carry-forward of a form whose amounts run on from year to year: the new year
    // opens each field `opening` with this year's amount of its `closing` field, and every
    // other value starts afresh, whatever the import keeps of other forms.
    struct CarriedAmount
    {
        int opening;
        int closing;
    };
    void openWithClosingAmounts(std::initializer_list<CarriedAmount> carried);

private:
    FieldRecord m_fields;
    std::vector<FieldRowList> m_rowLists;
    int m_kind;
    quint16 m_formType;
    quint32 m_flags = 0;
    bool m_coupled = false;
    int m_mainProvince = 0;
    DependantInfoStruct *m_dependants = nullptr;
};

// A Java string literal of the text, quotes included, that compiles whatever it holds.
QString javaStringLiteral(const QString &text);

// True when an amount counts as entered.
inline bool isAmountEntered(double v) { return v >= 0.009 || v <= -0.009; }
