// Every calculator class's enum Field against its field table: the same fields in
// the same order, so that F_X reads and writes the row of key "X". The enums are
// read from the class headers under maker/, the tables from one object of each
// class that the factory, the tax wizard and the provincial plug-ins make.
#include "bqtest.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_taxnote.h"
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

// ---- the enums of the headers

struct ClassDecl
{
    QString base;                          // first public base, else empty
    QHash<QString, QStringList> enums;     // enum name -> enumerators as written ("F_A = B::F_C")
};

QString withoutComments(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    text.remove(QRegularExpression(QStringLiteral("//[^\\n]*")));
    return text;
}

// The text between the brace at open and its match.
QString braced(const QString &text, int open)
{
    int depth = 0;
    for (int i = open; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('{'))
            ++depth;
        else if (text[i] == QLatin1Char('}') && --depth == 0)
            return text.mid(open + 1, i - open - 1);
    }
    return QString();
}

void readHeader(const QString &path, QHash<QString, ClassDecl> &classes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = withoutComments(QString::fromUtf8(file.readAll()));
    static const QRegularExpression head(
        QStringLiteral("\\bclass\\s+(\\w+)\\s*(?:final\\s*)?(?::\\s*public\\s+(\\w+)[^{;]*)?\\{"));
    static const QRegularExpression enumDecl(QStringLiteral("\\benum\\s+(\\w+)\\s*(?::\\s*\\w+\\s*)?\\{([^}]*)\\}"));
    for (auto m = head.globalMatch(text); m.hasNext();) {
        const QRegularExpressionMatch c = m.next();
        ClassDecl decl;
        decl.base = c.captured(2);
        const QString body = braced(text, c.capturedEnd() - 1);
        for (auto e = enumDecl.globalMatch(body); e.hasNext();) {
            const QRegularExpressionMatch en = e.next();
            QStringList items;
            for (const QString &item : en.captured(2).split(QLatin1Char(',')))
                if (!item.trimmed().isEmpty())
                    items.append(item.simplified());
            decl.enums.insert(en.captured(1), items);
        }
        classes.insert(c.captured(1), decl);
    }
}

QHash<QString, ClassDecl> readHeaders()
{
    QHash<QString, ClassDecl> classes;
    QDirIterator it(QStringLiteral(BQ_SOURCE_DIR "/maker"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        readHeader(it.next(), classes);
    return classes;
}

// The names an enum of a class (or of its nearest base that has one) gives the rows
// of a table, in order: its enumerators up to the count, after the base enum's
// names when its first enumerator continues one (F_First = Base::F_CommonCount).
// An empty list without error when neither the class nor a base declares the enum.
QStringList declaredNames(const QHash<QString, ClassDecl> &classes, const QString &cls, const QString &enumName,
                          const QString &countName, QString &error)
{
    QString owner = cls;
    while (classes.contains(owner) && !classes[owner].enums.contains(enumName))
        owner = classes[owner].base;
    if (!classes.contains(owner))
        return {};
    QStringList items = classes[owner].enums[enumName];
    if (items.isEmpty() || items.last() != countName) {
        error = QStringLiteral("%1: enum %2 does not end with %3").arg(owner, enumName, countName);
        return {};
    }
    items.removeLast();
    QStringList names;
    static const QRegularExpression continued(QStringLiteral("^(\\w+)\\s*=\\s*(\\w+)::(\\w+)$"));
    const QRegularExpressionMatch m = items.isEmpty() ? QRegularExpressionMatch() : continued.match(items.first());
    if (m.hasMatch()) {
        const QString base = m.captured(2);
        const QString end = m.captured(3);
        for (const QStringList &baseItems : classes.value(base).enums)
            if (baseItems.contains(end))
                names = baseItems.mid(0, baseItems.indexOf(end));
        if (names.isEmpty()) {
            error = QStringLiteral("%1: %2::%3 not found").arg(owner, base, end);
            return {};
        }
        items.first() = m.captured(1);
    }
    for (const QString &item : qAsConst(items)) {
        if (item.contains(QLatin1Char('='))) {
            error = QStringLiteral("%1: an enumerator with a value: %2").arg(owner, item);
            return {};
        }
        names.append(item);
    }
    return names;
}

// F_X (or C_X, M_X) names the row of key "X"; a line number F_12599 may name
// "Line12599" or "Gross12599".
bool namesKey(const QString &name, const QString &key)
{
    const QString bare = name.mid(name.indexOf(QLatin1Char('_')) + 1);
    if (bare == key)
        return true;
    static const QRegularExpression lineKey(QStringLiteral("^[A-Za-z]+(\\d.*)$"));
    const QRegularExpressionMatch m = lineKey.match(key);
    return m.hasMatch() && m.captured(1) == bare;
}

// The first row where the names and the table part; empty when they agree.
QString disagreement(const QStringList &names, const FieldTable &table)
{
    if (names.size() != table.count())
        return QStringLiteral("%1 names for %2 rows").arg(names.size()).arg(table.count());
    for (int i = 0; i < table.count(); ++i) {
        const QString key = QString::fromLatin1(table.spec(i).key);
        if (!namesKey(names[i], key))
            return QStringLiteral("row %1: %2 against key %3").arg(i).arg(names[i], key);
    }
    return QString();
}

// The enum of a class that names the columns of its rows: enum Column, or the
// enum whose count is X_ColumnCount (the T1's MedicalColumn).
QPair<QString, QString> columnEnumOf(const ClassDecl &decl)
{
    for (auto e = decl.enums.cbegin(); e != decl.enums.cend(); ++e)
        if (e.key() != QLatin1String("Column") && !e.value().isEmpty()
            && e.value().last().endsWith(QLatin1String("_ColumnCount")))
            return {e.key(), e.value().last()};
    return {QStringLiteral("Column"), QStringLiteral("C_ColumnCount")};
}

// ---- one object of every calculator class

QString className(const CTaxData_Form &object)
{
    const char *mangled = typeid(object).name();
    int status = 0;
    char *demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    const QString name = QString::fromLatin1(status == 0 && demangled ? demangled : mangled);
    std::free(demangled);
    return name;
}

CReturnFile *returnIn(int province)
{
    const QString description = QStringLiteral(R"({"persons": [{"firstName": "Sam", "lastName": "Whitfield",
        "sin": "046454286", "birthDate": "1960-05-17", "province": %1, "maritalStatus": 5}]})")
                                    .arg(province);
    return returnbuilder::build(QJsonDocument::fromJson(description.toUtf8()).object());
}

void addObject(QHash<QString, const CTaxData_Form *> &objects, const FormEntry *entry)
{
    if (entry && entry->object)
        objects.insert(className(*entry->object), entry->object);
}

} // namespace

class TestFieldEnums : public QObject
{
    Q_OBJECT

    QHash<QString, ClassDecl> m_classes;
    std::vector<std::unique_ptr<CReturnFile>> m_files;
    QHash<QString, const CTaxData_Form *> m_objects;   // by class name

    // Every form, slip and tax-wizard record of a return in the province; the
    // provincial forms and record come from the province's plug-in.
    void collect(int province)
    {
        m_files.emplace_back(returnIn(province));
        QVERIFY(m_files.back());
        IndividualTaxData &person = *m_files.back()->self();
        for (int type = 1; type < kFormTableSize; ++type)
            if (!person.hasForm(type))
                person.addForm(type, 0, true, 0, false);
        for (int type = 1; type < kSlipTableSize; ++type)
            person.addSlip(type, 0, 0);
        for (int type = WizardRecord::General; type <= WizardRecord::Provincial; ++type)
            person.findWizardData(type, true);
        for (const FormEntry *e : person.forms())
            addObject(m_objects, e);
        for (const FormEntry *e : person.slips())
            addObject(m_objects, e);
        for (const WizardEntry *e : person.wizardData())
            if (e->object)
                m_objects.insert(className(*e->object), e->object);
        if (const NoteEntry *note = person.addNote(0))
            m_objects.insert(className(*note->note), note->note);
    }

private slots:
    void initTestCase()
    {
        m_classes = readHeaders();
        QVERIFY(m_classes.size() > 100);
        for (int province = Province::Alberta; province <= Province::Yukon; ++province)
            if (Province_Forms_Info[province].count > 0)
                collect(province);
        QVERIFY(m_objects.size() > 100);
    }

    void enumMatchesTable_data()
    {
        QTest::addColumn<QString>("cls");
        QStringList names = m_objects.keys();
        names.sort();
        for (const QString &cls : qAsConst(names))
            QTest::newRow(qPrintable(cls)) << cls;
    }
    void enumMatchesTable()
    {
        QFETCH(QString, cls);
        const CTaxData_Form *object = m_objects.value(cls);
        QString error;
        const QStringList fields =
            declaredNames(m_classes, cls, QStringLiteral("Field"), QStringLiteral("F_Count"), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const FieldTable &table = object->fieldTable();
        QVERIFY2(!fields.isEmpty() || table.count() == 0, "fields without an enum Field");
        if (!fields.isEmpty())
            QVERIFY2(disagreement(fields, table).isEmpty(), qPrintable(disagreement(fields, table)));

        // the rows of its lists against its enum of columns
        const QPair<QString, QString> columnEnum = columnEnumOf(m_classes.value(cls));
        const QStringList columns = declaredNames(m_classes, cls, columnEnum.first, columnEnum.second, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (int list = 0; list < object->rowListCount(); ++list) {
            QVERIFY2(!columns.isEmpty(), "rows without an enum Column");
            const QString columnError = disagreement(columns, object->rows(list).table());
            QVERIFY2(columnError.isEmpty(), qPrintable(QStringLiteral("list %1: ").arg(list) + columnError));
        }
    }

    // Each class that declares an enum Field is one that a return makes, so the
    // walk above leaves none out.
    void everyEnumWalked()
    {
        for (auto it = m_classes.cbegin(); it != m_classes.cend(); ++it)
            if (it.value().enums.contains(QStringLiteral("Field")))
                QVERIFY2(m_objects.contains(it.key()), qPrintable(it.key() + QStringLiteral(": no object made")));
    }
};

BQ_TEST_MAIN_CORE(TestFieldEnums)
#include "tst_fieldenums.moc"
