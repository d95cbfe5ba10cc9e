#include "ctaxdata_form.h"
#include "formtypes.h"
#include "formtables.h"
#include "mydatastream.h"
#include <QDir>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamWriter>
#include "netfilerecords.h"
#include "utils.h"
#include <cmath>
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

void CTaxData_Form::openWithClosingAmounts(std::initializer_list<CarriedAmount> carried)
{
    std::vector<double> closing;
    closing.reserve(carried.size());
    for (const CarriedAmount &c : carried)
        closing.push_back(amount(c.closing));
    CTaxData_Form::carryForward(false);
    auto value = closing.cbegin();
    for (const CarriedAmount &c : carried)
        setAmount(c.opening, *value++);
}

void CTaxData_Form::copySharedPart(const CTaxData_Form &) {}

bool CTaxData_Form::isShared() const { return false; }

// A row list added to a class later is appended: a file written before it holds fewer
// lists, and the others are read empty.
int CTaxData_Form::serialise(int, const CString &, MyDataStream &ar)
{
    qint32 lists = qint32(m_rowLists.size());
    if (ar.IsStoring()) {
        ar << quint32(m_flags) << lists;
    } else {
        quint32 f = 0;
        ar >> f;
        if (!ar.readCount(lists, 4))
            return -1;
        m_flags = f;
        if (lists > qint32(m_rowLists.size())) {
            ar.setStatus(QDataStream::ReadCorruptData);
            return -1;
        }
    }
    if (!m_fields.serialise(ar))
        return -1;
    for (size_t i = 0; i < m_rowLists.size(); ++i) {
        if (qint32(i) >= lists)
            m_rowLists[i].clear();
        else if (!m_rowLists[i].serialise(ar))
            return -1;
    }
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

int CTaxData_Form::WriteFreeData(int, NetfileGenObjParamStru &context) const
{
    const FieldTable &t = fieldTable();
    int written = 0;
    for (int i = 0; i < t.count(); ++i) {
        const FieldSpec &spec = t.spec(i);
        if (!isLineCode(spec.code, true) || spec.transient || !FieldTable::isNumeric(spec.kind))
            continue;
        const double v = m_fields.number(i);
        written += spec.kind == FieldKind::Amount ? NETFILE_DOLLAR_VALUE_Func(spec.code, v, context)
                                                  : NETFILE_NUMERIC_VALUE_Func(spec.code, v, context);
    }
    return written;
}

namespace {

// The largest amount a filing record holds (13 characters with the cents).
constexpr double kMaxAmount = 9999999999.99;

// The summaries the program keeps of the T1 (never shown) copy its identity.
bool isT1Summary(int kind, int type)
{
    return kind == CTaxData_Form::KindForm
        && (type == FormType::T1Summary || type == FormType::T1SummaryReFile || type == FormType::T1Summary2023);
}

bool isSinField(const FieldSpec &spec)
{
    return spec.kind == FieldKind::Text && (spec.sin || QByteArray(spec.key).endsWith("SIN"));
}

QString fieldName(const FieldSpec &spec)
{
    return QString::fromUtf8(spec.caption ? spec.caption : spec.key);
}

} // namespace

// The checks every form and slip shares, over its field table: a social insurance
// number the check digit refuses, an amount no filing record can hold.
int CTaxData_Form::validate(int, QList<CString> &messages)
{
    const int before = messages.size();
    const std::vector<FieldSpec> &specs = fieldTable().describedSpecs(m_kind, m_formType);
    for (int i = 0; i < int(specs.size()); ++i) {
        const FieldSpec &spec = specs[size_t(i)];
        if (isSinField(spec)) {
            // a calculated S.I.N. is a copy of one typed elsewhere and checked there
            if (spec.calculated || isT1Summary(m_kind, m_formType))
                continue;
            QString sin = m_fields.text(i);
            sin.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
            if (!sin.isEmpty() && sin != QLatin1String("000000000") && !CheckSIN(sin))
                messages.append(CString(QStringLiteral("The social insurance number in \"%1\" is not valid.")
                                            .arg(fieldName(spec))));
        } else if (spec.kind == FieldKind::Amount) {
            const double v = m_fields.number(i);
            if (!std::isfinite(v) || std::fabs(v) > kMaxAmount)
                messages.append(CString(QStringLiteral("The amount in \"%1\" is out of range.").arg(fieldName(spec))));
        }
    }
    return messages.size() - before;
}

void CTaxData_Form::collectWarnings(QList<CString> &) const {}
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

// ---- files of the report engine

QString javaStringLiteral(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\%1").arg(u, 3, 8, QLatin1Char('0'));   // octal: \u escapes of line ends break the source
        else if (u >= 0x80)
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

namespace {

bool commitWhole(QSaveFile &file, const QByteArray &bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return false;
    return file.commit();
}

QString keyList(const FieldTable &t)
{
    QStringList keys;
    for (int i = 0; i < t.count(); ++i)
        keys << javaStringLiteral(QString::fromLatin1(t.spec(i).key));
    return keys.join(QStringLiteral(", "));
}

QString codeList(const FieldTable &t)
{
    QStringList codes;
    for (int i = 0; i < t.count(); ++i)
        codes << QString::number(t.spec(i).code);
    return codes.join(QStringLiteral(", "));
}

void writeFieldElements(QXmlStreamWriter &xml, const FieldTable &t, bool codedOnly)
{
    for (int i = 0; i < t.count(); ++i) {
        const FieldSpec &s = t.spec(i);
        if (codedOnly && s.code == 0)
            continue;
        xml.writeStartElement(QStringLiteral("field"));
        xml.writeAttribute(QStringLiteral("index"), QString::number(i));
        xml.writeAttribute(QStringLiteral("key"), QString::fromLatin1(s.key));
        xml.writeAttribute(QStringLiteral("kind"), QString::number(int(s.kind)));
        if (s.code != 0)
            xml.writeAttribute(QStringLiteral("code"), QString::number(s.code));
        xml.writeEndElement();
    }
}

} // namespace

int CTaxData_Form::writeJavaClass(const QString &folder, const QString &className, int) const
{
    if (folder.isEmpty() || className.isEmpty())
        return 1;
    QString src;
    QTextStream out(&src);
    out << "package brackenquill.makereport;\n\n"
        << "// Fields of form type " << formType() << ": keys and line codes, in stored order;\n"
        << "// then the keys of each list of rows.\n"
        << "public class " << className << "\n{\n"
        << "    public static final int TYPE = " << formType() << ";\n"
        << "    public static final String[] KEYS = {" << keyList(fieldTable()) << "};\n"
        << "    public static final int[] CODES = {" << codeList(fieldTable()) << "};\n";
    QStringList rowKeys;
    for (const FieldRowList &l : m_rowLists)
        rowKeys << QLatin1Char('{') + keyList(l.table()) + QLatin1Char('}');
    out << "    public static final String[][] ROW_KEYS = {" << rowKeys.join(QStringLiteral(", ")) << "};\n"
        << "}\n";
    out.flush();
    QSaveFile file(QDir(folder).filePath(className + QStringLiteral(".java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    return commitWhole(file, src.toUtf8()) ? 0 : 1;
}

static int writeFormXmlFile(const CTaxData_Form &form, const QString &folder, const QString &name,
                            const QString &fileName, int version, bool blank)
{
    if (folder.isEmpty() || fileName.isEmpty())
        return 1;
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(blank ? QStringLiteral("blankform") : QStringLiteral("form"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("type"), QString::number(form.formType()));
    xml.writeAttribute(QStringLiteral("version"), QString::number(version));
    writeFieldElements(xml, form.fieldTable(), blank);
    for (int l = 0; l < form.rowListCount(); ++l) {
        xml.writeStartElement(QStringLiteral("rows"));
        xml.writeAttribute(QStringLiteral("list"), QString::number(l));
        writeFieldElements(xml, form.rows(l).table(), blank);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    QSaveFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    return commitWhole(file, bytes) ? 0 : 1;
}

int CTaxData_Form::writeXml(const QString &folder, const QString &name, const QString &fileName, int version) const
{
    return writeFormXmlFile(*this, folder, name, fileName, version, false);
}

int CTaxData_Form::writeBlankFormXml(const QString &folder, const QString &name, const QString &fileName,
                                     int version) const
{
    return writeFormXmlFile(*this, folder, name, fileName, version, true);
}
