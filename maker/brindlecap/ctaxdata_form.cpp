#include "ctaxdata_form.h"
#include "formtables.h"
#include "mydatastream.h"
#include "netfilerecords.h"
#include <typeinfo>

CTaxData_Form::CTaxData_Form(const FieldTable &table, int kind, int formType)
    : m_fields(table), m_kind(kind), m_formType(quint16(formType))
{
}

CTaxData_Form::~CTaxData_Form() = default;

void CTaxData_Form::copyAll(const CTaxData_Form &source)
{
    if (&source == this || &source.fieldTable() != &fieldTable())
        return;
    m_fields.copyFrom(source.m_fields);
    for (size_t i = 0; i < m_rowLists.size() && i < source.m_rowLists.size(); ++i)
        m_rowLists[i].copyFrom(source.m_rowLists[i]);
    m_flags = source.m_flags;
}

bool CTaxData_Form::differs(const CTaxData_Form &other) const
{
    if (&other.fieldTable() != &fieldTable() || typeid(other) != typeid(*this))
        return true;
    if (m_flags != other.m_flags || !m_fields.sameValues(other.m_fields))
        return true;
    if (m_rowLists.size() != other.m_rowLists.size())
        return true;
    for (size_t i = 0; i < m_rowLists.size(); ++i)
        if (!m_rowLists[i].sameValues(other.m_rowLists[i]))
            return true;
    return false;
}

bool CTaxData_Form::mayCarryForward(int, int) const { return true; }

void CTaxData_Form::carryForward(bool keepData)
{
    if (!keepData) {
        m_fields.reset();
        for (FieldRowList &l : m_rowLists)
            l.clear();
    }
    m_flags = 0;
}

void CTaxData_Form::copySharedPart(const CTaxData_Form &) {}

bool CTaxData_Form::isShared() const { return false; }

int CTaxData_Form::serialise(int, const CString &, MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << quint32(m_flags) << qint32(m_rowLists.size());
    } else {
        quint32 f = 0;
        qint32 lists = 0;
        ar >> f;
        if (!ar.readCount(lists, 4))
            return -1;
        m_flags = f;
        if (lists != qint32(m_rowLists.size())) {
            ar.setStatus(QDataStream::ReadCorruptData);
            return -1;
        }
    }
    if (!m_fields.serialise(ar))
        return -1;
    for (FieldRowList &l : m_rowLists)
        if (!l.serialise(ar))
            return -1;
    return ar.ok() ? 0 : -1;
}

void CTaxData_Form::getDescription(CString &out) const { out.Empty(); }
void CTaxData_Form::Calculate01() {}
void CTaxData_Form::calculateData() {}
void CTaxData_Form::calculateEntry() {}

namespace {
bool isLineCode(int code, bool selectedFinancialData)
{
    return (code >= 10000 && code <= 99999) || (selectedFinancialData && code >= 1000 && code <= 9999);
}
} // namespace

int CTaxData_Form::ConvertToNetfile(int, NetfileGenObjParamStru &context)
{
    const FieldTable &t = fieldTable();
    const bool sfd = m_kind == KindForm && IsFilingSFDForm(m_formType);
    int written = 0;
    for (int i = 0; i < t.count(); ++i) {
        const FieldSpec &spec = t.spec(i);
        if (!isLineCode(spec.code, sfd) || spec.transient || !FieldTable::isNumeric(spec.kind))
            continue;
        const double v = m_fields.number(i);
        written += spec.kind == FieldKind::Amount ? NETFILE_DOLLAR_VALUE_Func(spec.code, v, context)
                                                  : NETFILE_NUMERIC_VALUE_Func(spec.code, v, context);
    }
    return written;
}

int CTaxData_Form::validate(int, QList<CString> &) { return 0; }
void CTaxData_Form::setDependants(DependantInfoStruct *dependants) { m_dependants = dependants; }

void CTaxData_Form::fillForTestPrint()
{
    const FieldTable &t = fieldTable();
    for (int i = 0; i < t.count(); ++i) {
        switch (t.spec(i).kind) {
        case FieldKind::Amount: m_fields.setNumber(i, 1234.56); break;
        case FieldKind::Int: m_fields.setNumber(i, 1); break;
        case FieldKind::Flag: m_fields.setNumber(i, 1); break;
        case FieldKind::Date: m_fields.setDate(i, QDate(2024, 12, 31)); break;
        case FieldKind::Text: m_fields.setText(i, QString::fromLatin1(t.spec(i).key)); break;
        }
    }
}

double CTaxData_Form::valueByCode(int code) const
{
    const int i = fieldTable().indexOfCode(code);
    if (i < 0 || !FieldTable::isNumeric(fieldTable().spec(i).kind))
        return 0.0;
    return m_fields.number(i);
}

bool CTaxData_Form::setValueByCode(int code, double v)
{
    const int i = fieldTable().indexOfCode(code);
    if (i < 0 || !FieldTable::isNumeric(fieldTable().spec(i).kind))
        return false;
    m_fields.setNumber(i, v);
    return true;
}

QString CTaxData_Form::valueByKey(const QString &key) const
{
    const int i = fieldTable().indexOf(key);
    return i < 0 ? QString() : m_fields.valueText(i);
}

bool CTaxData_Form::setValueByKey(const QString &key, const QString &value)
{
    const int i = fieldTable().indexOf(key);
    return i >= 0 && m_fields.setValueText(i, value);
}

int CTaxData_Form::addRowList(const FieldTable &rowTable)
{
    m_rowLists.emplace_back(rowTable);
    return int(m_rowLists.size()) - 1;
}
