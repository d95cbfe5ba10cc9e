#include "datafields.h"
#include "mydatastream.h"
#include <algorithm>

CDataField::~CDataField() = default;

QString CBoolField::toText() const { return m_value ? QStringLiteral("1") : QStringLiteral("0"); }
bool CBoolField::fromText(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes")) { m_value = true; return true; }
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("no")) { m_value = false; return true; }
    return false;
}
void CBoolField::write(MyDataStream &ar) const { ar << quint8(m_value); }
void CBoolField::read(MyDataStream &ar) { quint8 v = 0; ar >> v; m_value = v != 0; }

QString CIntField::toText() const { return QString::number(m_value); }
bool CIntField::fromText(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        m_value = v;
    return ok;
}
void CIntField::write(MyDataStream &ar) const { ar << qint32(m_value); }
void CIntField::read(MyDataStream &ar) { qint32 v = 0; ar >> v; m_value = v; }

QString CFloatField::toText() const { return QString::number(m_value, 'f', m_decimals); }
bool CFloatField::fromText(const QString &text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    bool ok = false;
    const double v = t.isEmpty() ? 0.0 : t.toDouble(&ok);
    if (t.isEmpty() || ok)
        m_value = v;
    return t.isEmpty() || ok;
}
void CFloatField::write(MyDataStream &ar) const { ar << m_value; }
void CFloatField::read(MyDataStream &ar) { double v = 0; ar >> v; m_value = v; }

QString CDateField::toText() const { return m_value.isValid() ? m_value.toString(Qt::ISODate) : QString(); }
bool CDateField::fromText(const QString &text)
{
    if (text.trimmed().isEmpty()) { m_value = QDate(); return true; }
    const QDate d = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (d.isValid())
        m_value = d;
    return d.isValid();
}
void CDateField::write(MyDataStream &ar) const { ar << m_value; }
void CDateField::read(MyDataStream &ar) { QDate d; ar >> d; m_value = d; }

void CStringField::write(MyDataStream &ar) const { ar << static_cast<const QString &>(m_value); }
void CStringField::read(MyDataStream &ar) { QString s; ar >> s; m_value = s; }

bool CStringField::IsEmptyIfRemoveBlank(const QString &text)
{
    for (QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

CWSBaseData::~CWSBaseData() = default;

int CWSBaseData::checkData() { return 0; }

bool CWSBaseData::Serialize(MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << qint32(m_fields.size());
        for (CDataField *f : m_fields)
            f->write(ar);
        return ar.ok();
    }
    qint32 n = 0;
    if (!ar.readCount(n, 1))
        return false;
    if (n != qint32(m_fields.size())) {
        ar.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    for (CDataField *f : m_fields)
        f->read(ar);
    return ar.ok();
}

void CWSBaseData::copyFrom(const CWSBaseData &other)
{
    const size_t n = std::min(m_fields.size(), other.m_fields.size());
    for (size_t i = 0; i < n; ++i)
        m_fields[i]->copyFrom(*other.m_fields[i]);
}

void CWSBaseData::ChangeToNewYearData() {}

CDataField *CWSBaseData::fieldByName(const QString &name) const
{
    for (CDataField *f : m_fields)
        if (f->name() == name)
            return f;
    return nullptr;
}

bool CWSBaseData::equals(const CWSBaseData &other) const
{
    if (m_fields.size() != other.m_fields.size())
        return false;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (!m_fields[i]->equals(*other.m_fields[i]))
            return false;
    return true;
}

void CWSBaseData::readFromStringMap(const QMap<QString, QString> &values)
{
    for (CDataField *f : m_fields) {
        if (f->name().isEmpty())
            continue;
        auto it = values.constFind(f->name());
        if (it != values.cend())
            f->fromText(it.value());
    }
}

QMap<QString, QString> CWSBaseData::writeToStringMap() const
{
    QMap<QString, QString> out;
    for (CDataField *f : m_fields)
        if (!f->name().isEmpty())
            out.insert(f->name(), f->toText());
    return out;
}

QString CWSBaseData::writeToString() const
{
    QString out;
    const QMap<QString, QString> m = writeToStringMap();
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        out += it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n');
    return out;
}

void CWSBaseData::registerField(CDataField *field, const char *name)
{
    if (name)
        field->setName(QString::fromLatin1(name));
    m_fields.push_back(field);
}
