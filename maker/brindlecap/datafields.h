#pragma once
#include "cstring.h"
#include <QDate>
#include <QMap>
#include <QString>
#include <vector>

class MyDataStream;

// A named field of a data record (wizard and dialog records).
class CDataField
{
public:
    explicit CDataField(const char *name = nullptr) : m_name(name ? QString::fromLatin1(name) : QString()) {}
    virtual ~CDataField();
    const QString &name() const { return m_name; }
    void setName(const QString &n) { m_name = n; }
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool r) { m_readOnly = r; }

    virtual QString toText() const = 0;
    virtual bool fromText(const QString &text) = 0;
    virtual void write(MyDataStream &ar) const = 0;
    virtual void read(MyDataStream &ar) = 0;
    virtual void copyFrom(const CDataField &other) = 0;
    virtual bool equals(const CDataField &other) const = 0;
    virtual void reset() = 0;

private:
    QString m_name;
    bool m_readOnly = false;
};

template <typename T>
class CValueField : public CDataField
{
public:
    explicit CValueField(T initial = T(), const char *name = nullptr) : CDataField(name), m_value(initial), m_initial(initial) {}
    const T &value() const { return m_value; }
    void setValue(const T &v) { m_value = v; }
    operator T() const { return m_value; }
    CValueField &operator=(const T &v) { m_value = v; return *this; }
    void copyFrom(const CDataField &other) override
    {
        if (auto o = dynamic_cast<const CValueField<T> *>(&other))
            m_value = o->m_value;
    }
    bool equals(const CDataField &other) const override
    {
        auto o = dynamic_cast<const CValueField<T> *>(&other);
        return o && o->m_value == m_value;
    }
    void reset() override { m_value = m_initial; }

protected:
    T m_value;
    T m_initial;
};

class CBoolField : public CValueField<bool>
{
public:
    explicit CBoolField(bool v = false, const char *name = nullptr) : CValueField<bool>(v, name) {}
    CBoolField(int v, int) : CValueField<bool>(v != 0, nullptr) {}
    using CValueField<bool>::operator=;
    QString toText() const override;
    bool fromText(const QString &text) override;
    void write(MyDataStream &ar) const override;
    void read(MyDataStream &ar) override;
};

class CIntField : public CValueField<int>
{
public:
    explicit CIntField(int v = 0, const char *name = nullptr) : CValueField<int>(v, name) {}
    // Extended forms: value then display attributes.
    CIntField(int v, int, int = 0) : CValueField<int>(v, nullptr) {}
    using CValueField<int>::operator=;
    QString toText() const override;
    bool fromText(const QString &text) override;
    void write(MyDataStream &ar) const override;
    void read(MyDataStream &ar) override;
};

class CFloatField : public CValueField<double>
{
public:
    explicit CFloatField(double v = 0.0, int decimals = 2, const char *name = nullptr)
        : CValueField<double>(v, name), m_decimals(decimals) {}
    // Extended form: read-only flag, value, decimals, then display attributes.
    CFloatField(bool readOnly, double v, int decimals, bool, int, int, int)
        : CValueField<double>(v, nullptr), m_decimals(decimals) { setReadOnly(readOnly); }
    using CValueField<double>::operator=;
    int decimals() const { return m_decimals; }
    QString toText() const override;
    bool fromText(const QString &text) override;
    void write(MyDataStream &ar) const override;
    void read(MyDataStream &ar) override;

private:
    int m_decimals;
};

class CDateField : public CValueField<QDate>
{
public:
    explicit CDateField(const QDate &v = QDate(), const char *name = nullptr) : CValueField<QDate>(v, name) {}
    CDateField(int, int) : CValueField<QDate>(QDate(), nullptr) {}
    using CValueField<QDate>::operator=;
    QString toText() const override;
    bool fromText(const QString &text) override;
    void write(MyDataStream &ar) const override;
    void read(MyDataStream &ar) override;
};

class CStringField : public CValueField<CString>
{
public:
    explicit CStringField(const CString &v = CString(), const char *name = nullptr) : CValueField<CString>(v, name) {}
    // Extended form: flags, default, maximum length, attribute word.
    CStringField(int flags, const char *v, int maxLength, int attributes)
        : CValueField<CString>(CString(v), nullptr), m_maxLength(maxLength) { Q_UNUSED(flags) Q_UNUSED(attributes) }
    int maxLength() const { return m_maxLength; }
    // True when the text is empty once every blank (space, tab, line break) is removed.
    static bool IsEmptyIfRemoveBlank(const QString &text);
    bool IsEmptyIfRemoveBlank() const { return IsEmptyIfRemoveBlank(m_value); }
    using CValueField<CString>::operator=;
    QString toText() const override { return m_value; }
    bool fromText(const QString &text) override { m_value = text; return true; }
    void write(MyDataStream &ar) const override;
    void read(MyDataStream &ar) override;

private:
    int m_maxLength = 0;
};

// Base of a wizard's or dialog's data record: its fields are registered in order.
class CWSBaseData
{
public:
    CWSBaseData() = default;
    CWSBaseData(const CWSBaseData &) = delete;
    CWSBaseData &operator=(const CWSBaseData &) = delete;
    virtual ~CWSBaseData();
    // Checks and adjusts the data; 0 when it is acceptable.
    virtual int checkData();
    virtual bool Serialize(MyDataStream &ar);
    virtual void copyFrom(const CWSBaseData &other);
    virtual void ChangeToNewYearData();

    int fieldCount() const { return int(m_fields.size()); }
    CDataField *field(int i) const { return m_fields[size_t(i)]; }
    CDataField *fieldByName(const QString &name) const;
    bool equals(const CWSBaseData &other) const;
    // Name/value maps of the named fields.
    void readFromStringMap(const QMap<QString, QString> &values);
    QMap<QString, QString> writeToStringMap() const;
    QString writeToString() const;

protected:
    void registerField(CDataField *field, const char *name = nullptr);

private:
    std::vector<CDataField *> m_fields;   // members of the derived record, not owned
};
