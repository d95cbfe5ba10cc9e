#include "fieldtable.h"
#include "fieldcaptions.h"
#include "mydatastream.h"
#include <QMutex>
#include <algorithm>
#include <cmath>
#include <numeric>

FieldTable::FieldTable(std::initializer_list<FieldSpec> specs, const FieldTable *base)
{
    if (base)
        m_specs = base->m_specs;
    m_specs.insert(m_specs.end(), specs.begin(), specs.end());
    build();
}

FieldTable::FieldTable(const std::vector<FieldSpec> &specs, const FieldTable *base)
{
    if (base)
        m_specs = base->m_specs;
    m_specs.insert(m_specs.end(), specs.begin(), specs.end());
    build();
}

void FieldTable::build()
{
    m_slot.resize(m_specs.size());
    for (size_t i = 0; i < m_specs.size(); ++i) {
        const FieldSpec &s = m_specs[i];
        m_slot[i] = isNumeric(s.kind) ? m_numeric++ : m_text++;
        if (isNumeric(s.kind))
            m_numDefaults.push_back(s.defaultValue);
        m_readKind.push_back(s.transient ? 0 : quint8(s.kind));
        m_hasTransient = m_hasTransient || s.transient;
        const QString key = QString::fromLatin1(s.key);
        Q_ASSERT_X(!m_byKey.contains(key), "FieldTable", s.key);
        m_byKey.insert(key, int(i));
        if (s.code != 0 && !m_byCode.contains(s.code))
            m_byCode.insert(s.code, int(i));
    }
}

const std::vector<FieldSpec> &FieldTable::describedSpecs(int kind, int type) const
{
    return described(kind, type).specs;
}

const std::vector<int> &FieldTable::shownOrder(int kind, int type) const
{
    return described(kind, type).shownOrder;
}

const FieldTable::Described &FieldTable::described(int kind, int type) const
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const int key = kind * 65536 + type;
    auto it = m_described.find(key);
    if (it != m_described.end())
        return *it;
    Described d;
    d.specs = withCaptions(kind, type);
    d.shownOrder.resize(d.specs.size());
    std::iota(d.shownOrder.begin(), d.shownOrder.end(), 0);
    const std::vector<FieldSpec> &specs = d.specs;
    std::stable_sort(d.shownOrder.begin(), d.shownOrder.end(),
                     [&specs](int a, int b) { return specs[size_t(a)].order < specs[size_t(b)].order; });
    return *m_described.insert(key, std::move(d));
}

std::vector<FieldSpec> FieldTable::withCaptions(int kind, int type) const
{
    std::vector<FieldSpec> specs = m_specs;
    if (const FormCaptions *captions = findFormCaptions(kind, type)) {
        QHash<QString, int> byKey;
        for (int i = 0; i < captions->count; ++i)
            byKey.insert(QString::fromLatin1(captions->rows[i].key), i);
        for (FieldSpec &spec : specs) {
            const int order = byKey.value(QString::fromLatin1(spec.key), -1);
            if (order < 0) {
                spec.internal = true;
                continue;
            }
            const FieldCaption *row = &captions->rows[order];
            spec.order = order;
            spec.caption = row->caption;
            spec.line = *row->line ? row->line : nullptr;
            spec.section = row->section;
            spec.choices = row->choices;
            spec.calculated = row->flags & FieldCaption::Calculated;
            spec.internal = row->flags & FieldCaption::Internal;
            spec.sin = row->flags & FieldCaption::Sin;
            spec.noPrint = row->flags & FieldCaption::NoPrint;
        }
    }
    return specs;
}

QStringList FieldTable::sectionNames(int kind, int type)
{
    QStringList names;
    if (const FormCaptions *captions = findFormCaptions(kind, type))
        for (int i = 0; i < captions->sectionCount; ++i)
            names << QString::fromUtf8(captions->sections[i]);
    return names;
}

FieldRecord::FieldRecord(const FieldTable &table)
    : m_table(&table), m_num(table.numericDefaults()), m_str(size_t(table.textCount())),
      m_days(size_t(table.textCount()), kUnparsed)
{
}

void FieldRecord::reset()
{
    m_num = m_table->numericDefaults();
    for (QString &t : m_str)
        t = QString();
    std::fill(m_days.begin(), m_days.end(), kUnparsed);
}

QDate FieldRecord::date(int i) const
{
    const size_t s = size_t(m_table->slot(i));
    qint64 &day = m_days[s];
    if (day == kUnparsed)
        day = QDate::fromString(m_str[s], Qt::ISODate).toJulianDay();
    return QDate::fromJulianDay(day);
}

// "yyyy-MM-dd" as QDate::toString(Qt::ISODate) writes it, without its formatter.
static QString isoDateText(const QDate &d)
{
    int y = 0, m = 0, day = 0;
    d.getDate(&y, &m, &day);
    if (y < 1 || y > 9999)
        return d.toString(Qt::ISODate);
    const char text[10] = {char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10), char('0' + y % 10),
                           '-', char('0' + m / 10), char('0' + m % 10), '-', char('0' + day / 10), char('0' + day % 10)};
    return QString::fromLatin1(text, 10);
}

// Text of the form "dddd-dd-dd" with ASCII digits.
static bool isIsoDateText(const QString &t)
{
    if (t.size() != 10)
        return false;
    for (int k = 0; k < 10; ++k) {
        const QChar c = t.at(k);
        const bool ok = k == 4 || k == 7 ? c == QLatin1Char('-') : c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!ok)
            return false;
    }
    return true;
}

void FieldRecord::setDate(int i, const QDate &d)
{
    const size_t s = size_t(m_table->slot(i));
    if (!d.isValid()) {
        setText(i, QString());
        return;
    }
    // the same date written again keeps its text (already as written here), and allocates nothing
    if (m_days[s] == d.toJulianDay() && isIsoDateText(m_str[s]))
        return;
    setText(i, isoDateText(d));
    m_days[s] = d.toJulianDay();
}

QString FieldRecord::valueText(int i) const
{
    const FieldSpec &s = m_table->spec(i);
    switch (s.kind) {
    case FieldKind::Amount:
        return QString::number(number(i), 'f', 2);
    case FieldKind::Int:
    case FieldKind::Flag:
        return QString::number(qint64(number(i)));
    default:
        return text(i);
    }
}

bool FieldRecord::setValueText(int i, const QString &v)
{
    const FieldSpec &s = m_table->spec(i);
    if (!FieldTable::isNumeric(s.kind)) {
        if (s.kind == FieldKind::Date) {
            const QDate d = QDate::fromString(v.trimmed(), Qt::ISODate);
            if (!v.trimmed().isEmpty() && !d.isValid())
                return false;
            setDate(i, d);
        } else {
            setText(i, v);
        }
        return true;
    }
    bool ok = false;
    const double d = v.trimmed().isEmpty() ? 0.0 : v.trimmed().toDouble(&ok);
    if (!v.trimmed().isEmpty() && !ok)
        return false;
    setNumber(i, s.kind == FieldKind::Amount ? d : double(qint64(d)));
    return true;
}

namespace {
// Two amounts are the same when they differ only by the rounding of a
// recalculation that added the same figures in another order.
bool sameNumber(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}
} // namespace

bool FieldRecord::sameValues(const FieldRecord &other) const
{
    if (m_table != other.m_table)
        return false;
    // transient fields are never saved, so they never make a record differ
    for (int i = 0; i < m_table->count(); ++i) {
        if (m_table->isTransient(i))
            continue;
        const bool numeric = FieldTable::isNumeric(m_table->spec(i).kind);
        if (numeric ? !sameNumber(number(i), other.number(i)) : text(i) != other.text(i))
            return false;
    }
    return true;
}

void FieldRecord::copyFrom(const FieldRecord &other)
{
    if (m_table != other.m_table)
        return;
    m_num = other.m_num;
    m_str = other.m_str;
    m_days = other.m_days;
}

static void skipValue(MyDataStream &ar, quint8 kind)
{
    switch (FieldKind(kind)) {
    case FieldKind::Amount: { double d; ar >> d; break; }
    case FieldKind::Int: { qint32 v; ar >> v; break; }
    case FieldKind::Flag: { quint8 v; ar >> v; break; }
    case FieldKind::Date:
    case FieldKind::Text: { QString s; ar >> s; break; }
    default: ar.setStatus(QDataStream::ReadCorruptData); break;
    }
}

bool FieldRecord::serialise(MyDataStream &ar)
{
    const int n = m_table->count();
    if (ar.IsStoring()) {
        ar << quint16(n);
        for (int i = 0; i < n; ++i) {
            const FieldSpec &s = m_table->spec(i);
            ar << quint8(s.kind);
            const double v = s.transient || !FieldTable::isNumeric(s.kind) ? s.defaultValue : number(i);
            switch (s.kind) {
            case FieldKind::Amount: ar << v; break;
            case FieldKind::Int: ar << qint32(v); break;
            case FieldKind::Flag: ar << quint8(v != 0.0); break;
            default: ar << (s.transient ? QString() : text(i)); break;
            }
        }
        return ar.ok();
    }
    quint16 stored = 0;
    ar >> stored;
    for (int i = 0; i < int(stored) && ar.ok(); ++i) {
        quint8 kind = 0;
        ar >> kind;
        if (!ar.ok())
            break;
        if (kind < quint8(FieldKind::Amount) || kind > quint8(FieldKind::Text)) {
            ar.setStatus(QDataStream::ReadCorruptData);   // no such kind: the file is damaged
            break;
        }
        // a transient field (read kind 0) or one whose kind changed is skipped
        if (i >= n || m_table->readKind(i) != kind) {
            skipValue(ar, kind);
            continue;
        }
        const size_t s = size_t(m_table->slot(i));
        switch (FieldKind(kind)) {
        case FieldKind::Amount: ar >> m_num[s]; break;
        case FieldKind::Int: { qint32 v = 0; ar >> v; m_num[s] = v; break; }
        case FieldKind::Flag: { quint8 v = 0; ar >> v; m_num[s] = v ? 1 : 0; break; }
        default: ar >> m_str[s]; m_days[s] = kUnparsed; break;
        }
    }
    return ar.ok();
}

FieldRecord &FieldRowList::append()
{
    m_rows.emplace_back(*m_table);
    return m_rows.back();
}

void FieldRowList::removeAt(int i)
{
    if (i >= 0 && i < count())
        m_rows.erase(m_rows.begin() + i);
}

bool FieldRowList::sameValues(const FieldRowList &other) const
{
    if (m_table != other.m_table || m_rows.size() != other.m_rows.size())
        return false;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].sameValues(other.m_rows[i]))
            return false;
    return true;
}

void FieldRowList::copyFrom(const FieldRowList &other)
{
    if (m_table != other.m_table)
        return;
    m_rows = other.m_rows;
}

bool FieldRowList::serialise(MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << qint32(m_rows.size());
        for (FieldRecord &r : m_rows)
            r.serialise(ar);
        return ar.ok();
    }
    qint32 n = 0;
    // every stored row holds at least its two-byte field count
    if (!ar.readCount(n, 2))
        return false;
    m_rows.clear();
    m_rows.reserve(size_t(n));
    for (qint32 i = 0; i < n && ar.ok(); ++i)
        append().serialise(ar);
    return ar.ok();
}

double FieldRowList::sum(int column) const
{
    double total = 0;
    for (const FieldRecord &r : m_rows)
        total += r.number(column);
    return total;
}
