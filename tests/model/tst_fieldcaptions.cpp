// The caption tables of the form pages against the forms' own field tables:
// every field of a type with a table is listed, shown with a caption or kept
// by the program on purpose, and every listed key is a field of the type.
#include "bqtest.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "dependantinfostruct.h"
#include "fieldcaptions.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "provincialcredits2024.h"
#include "returnbuilder.h"
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <memory>

namespace {
constexpr int kOntario = 9;
constexpr int kT1Summary = 93;
constexpr int kON428 = 24;

// A single return in the province with a T4 (and the T1 facts given), not yet recalculated.
CReturnFile *builtIn(int province, const QString &t1Facts = QStringLiteral("{}"))
{
    const QString description = QStringLiteral(R"({"persons": [{"firstName": "Sam", "lastName": "Whitfield",
        "sin": "046454286", "birthDate": "1960-05-17", "province": %1, "maritalStatus": 5, "t1": %2,
        "slips": [{"type": 1, "fields": {"Payer": "ACME", "Province": %1, "Box14": 50000, "Box16": 2766.75}}]}]})")
                                    .arg(province)
                                    .arg(t1Facts);
    return returnbuilder::build(QJsonDocument::fromJson(description.toUtf8()).object());
}

// A single return in the province with a T4, recalculated.
CReturnFile *returnIn(int province)
{
    CReturnFile *file = builtIn(province);
    if (file)
        returnbuilder::recalculate(*file);
    return file;
}

// The value of the shown row of the form's page that stands on the line; -1 without one.
double shownOnLine(const CTaxData_Form &form, const char *line)
{
    const std::vector<FieldSpec> &specs = form.fieldTable().describedSpecs(form.kind(), form.formType());
    for (size_t i = 0; i < specs.size(); ++i)
        if (!specs[i].internal && specs[i].line && qstrcmp(specs[i].line, line) == 0)
            return form.amount(int(i));
    return -1;
}

// The person's object of the kind and type, made when the return has none.
CTaxData_Form *objectOf(IndividualTaxData &person, int kind, int type)
{
    if (kind == CTaxData_Form::KindSlip) {
        FormEntry *entry = person.addSlip(type, 0, 0);
        return entry ? entry->object : nullptr;
    }
    if (CTaxData_Form *form = person.getForm(type, 0, false))
        return form;
    FormEntry *entry = person.addForm(type, 0, true, 0, true);
    return entry ? entry->object : nullptr;
}
} // namespace

class TestFieldCaptions : public QObject
{
    Q_OBJECT

private slots:
    void everyFieldListed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("type");
        for (int type = 1; type < kSlipTableSize; ++type)
            if (findFormCaptions(CTaxData_Form::KindSlip, type))
                QTest::newRow(qPrintable(QStringLiteral("slip %1").arg(Global_Slips_Info[type].name)))
                    << int(CTaxData_Form::KindSlip) << type;
        for (int type = 1; type < kFormTableSize; ++type)
            if (findFormCaptions(CTaxData_Form::KindForm, type))
                QTest::newRow(qPrintable(QStringLiteral("form %1").arg(Global_Forms_Info[type].name)))
                    << int(CTaxData_Form::KindForm) << type;
    }
    void everyFieldListed()
    {
        QFETCH(int, kind);
        QFETCH(int, type);
        const int province = kind == CTaxData_Form::KindForm && Global_Forms_Info[type].province
            ? Global_Forms_Info[type].province : kOntario;
        std::unique_ptr<CReturnFile> file(returnIn(province));
        QVERIFY(file);
        CTaxData_Form *object = objectOf(*file->self(), kind, type);
        QVERIFY(object);
        const FieldTable &table = object->fieldTable();
        const FormCaptions *captions = findFormCaptions(kind, type);

        QSet<QString> listed;
        for (int i = 0; i < captions->count; ++i) {
            const FieldCaption &row = captions->rows[i];
            const QString key = QString::fromLatin1(row.key);
            QVERIFY2(table.indexOf(key) >= 0, qPrintable(key + QStringLiteral(": no such field")));
            QVERIFY2(!listed.contains(key), qPrintable(key + QStringLiteral(": listed twice")));
            listed.insert(key);
            const bool internal = row.flags & FieldCaption::Internal;
            QVERIFY2(internal || *row.caption, qPrintable(key + QStringLiteral(": shown without a caption")));
            QVERIFY2(row.section >= 0 && row.section < qMax(1, captions->sectionCount), row.key);
        }
        for (int i = 0; i < table.count(); ++i) {
            const QString key = QString::fromLatin1(table.spec(i).key);
            QVERIFY2(listed.contains(key), qPrintable(key + QStringLiteral(": neither captioned nor kept internal")));
            const FieldSpec &described = table.describedSpecs(kind, type)[size_t(i)];
            // planning amounts live for the session only: never a page row
            if (table.isTransient(i))
                QVERIFY2(described.internal, qPrintable(key + QStringLiteral(": a transient field is shown")));
        }
    }

    // No two shown rows of a type read the same: one caption names two values
    // only on two lines of the form (the T1's two social benefits repayments).
    void labelsDistinct_data() { everyFieldListed_data(); }
    void labelsDistinct()
    {
        QFETCH(int, kind);
        QFETCH(int, type);
        const FormCaptions *captions = findFormCaptions(kind, type);
        QHash<QString, QString> lineOf;   // by caption
        for (int i = 0; i < captions->count; ++i) {
            const FieldCaption &row = captions->rows[i];
            if (row.flags & FieldCaption::Internal)
                continue;
            const QString caption = QString::fromUtf8(row.caption);
            const QString line = QString::fromLatin1(row.line);
            if (lineOf.contains(caption))
                QVERIFY2(!line.isEmpty() && !lineOf.value(caption).isEmpty() && lineOf.value(caption) != line,
                         qPrintable(caption));
            lineOf.insert(caption, line);
        }
    }

    // Every row list of a type with a table is shown in a table: each column
    // captioned or kept internal, each listed key a column of the list.
    void everyRowColumnListed_data() { everyFieldListed_data(); }
    void everyRowColumnListed()
    {
        QFETCH(int, kind);
        QFETCH(int, type);
        const int province = kind == CTaxData_Form::KindForm && Global_Forms_Info[type].province
            ? Global_Forms_Info[type].province : kOntario;
        std::unique_ptr<CReturnFile> file(returnIn(province));
        CTaxData_Form *object = objectOf(*file->self(), kind, type);
        QVERIFY(object);
        const QList<const RowListCaptions *> lists = findRowListCaptions(kind, type);
        QCOMPARE(lists.size(), object->rowListCount());
        const int sections = qMax(1, findFormCaptions(kind, type)->sectionCount);
        for (const RowListCaptions *captions : lists) {
            QVERIFY(captions->list < object->rowListCount());
            QVERIFY(captions->section >= 0 && captions->section < sections);
            const FieldTable &columns = object->rows(captions->list).table();
            QSet<QString> listed;
            for (int i = 0; i < captions->count; ++i) {
                const FieldCaption &column = captions->columns[i];
                const QString key = QString::fromLatin1(column.key);
                QVERIFY2(columns.indexOf(key) >= 0, qPrintable(key + QStringLiteral(": no such column")));
                QVERIFY2(!listed.contains(key), qPrintable(key + QStringLiteral(": listed twice")));
                listed.insert(key);
                QVERIFY2((column.flags & FieldCaption::Internal) || *column.caption,
                         qPrintable(key + QStringLiteral(": shown without a caption")));
                if (column.choices)
                    QVERIFY2(!choiceList(QString::fromLatin1(column.choices)).isEmpty(), column.choices);
            }
            for (int i = 0; i < columns.count(); ++i)
                QVERIFY2(listed.contains(QString::fromLatin1(columns.spec(i).key)), columns.spec(i).key);
        }
    }

    // The result page names every field of the T1 summary in words, never by
    // its key ("Province 9", "CAIFlag", "Instalment1"); a code shows its label;
    // only the estimate choices and the file's password take input.
    void summaryInWords()
    {
        std::unique_ptr<CReturnFile> file(returnIn(kOntario));
        CTaxData_Form *summary = file->self()->getForm(kT1Summary, 0, false);
        QVERIFY(summary);
        const FieldTable &table = summary->fieldTable();
        const std::vector<FieldSpec> &specs = table.describedSpecs(summary->kind(), summary->formType());
        static const QRegularExpression identifier(QStringLiteral("[a-z][A-Z]|[A-Z]{2}[a-z]|[A-Za-z][0-9]+$"));
        const QSet<QString> typed{"CAIFlag", "CCBFlag", "GSTCreditFlag", "Password"};
        for (int i = 0; i < table.count(); ++i) {
            const FieldSpec &spec = specs[size_t(i)];
            const QString key = QString::fromLatin1(spec.key);
            QVERIFY2(!spec.internal && spec.caption, qPrintable(key));
            const QString caption = QString::fromUtf8(spec.caption);
            QVERIFY2(caption != key && !identifier.match(caption).hasMatch(), qPrintable(key + ": " + caption));
            QVERIFY2(spec.calculated != typed.contains(key), qPrintable(key));
            if (spec.kind == FieldKind::Int)
                QVERIFY2(spec.choices && !choiceList(QString::fromLatin1(spec.choices)).isEmpty(), qPrintable(key));
        }
        const FieldSpec &province = specs[size_t(table.indexOf(QStringLiteral("ProvincialBenefitEstimate")))];
        QVERIFY(QString::fromUtf8(province.caption).contains(QLatin1String("(estimate)")));
        QVERIFY(specs[size_t(table.indexOf(QStringLiteral("Password")))].noPrint);
    }

    // Every field and row column of every Express Wizard record is named in words on
    // its page, never by its key ("ElectionsCanada", "RRSPDeductionLimit", "RentPaid").
    void wizardRecordsInWords_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 1; type <= 6; ++type)
            QTest::newRow(Global_TaxWizard_Info[type].name) << type;
    }
    void wizardRecordsInWords()
    {
        QFETCH(int, type);
        std::unique_ptr<CReturnFile> file(returnIn(kOntario));
        CTaxData_Form *record = file->self()->findWizardData(type, false);
        QVERIFY(record);
        QVERIFY(findFormCaptions(record->kind(), type));
        QCOMPARE(FieldTable::sectionNames(record->kind(), type),
                 QStringList{QString::fromUtf8(Global_TaxWizard_Info[type].name)});
        static const QRegularExpression identifier(QStringLiteral("[a-z][A-Z]|[A-Z]{2}[a-z]|[A-Za-z][0-9]+$"));
        auto inWords = [](const QString &key, const char *caption) {
            const QString text = QString::fromUtf8(caption);
            return !text.isEmpty() && text != key && !identifier.match(text).hasMatch();
        };
        const FieldTable &table = record->fieldTable();
        const std::vector<FieldSpec> &specs = table.describedSpecs(record->kind(), type);
        for (int i = 0; i < table.count(); ++i) {
            const FieldSpec &spec = specs[size_t(i)];
            const QString key = QString::fromLatin1(spec.key);
            QVERIFY2(!spec.internal && spec.caption && inWords(key, spec.caption),
                     qPrintable(key + QStringLiteral(": ") + QString::fromUtf8(spec.caption ? spec.caption : "")));
        }
        const QList<const RowListCaptions *> lists = findRowListCaptions(record->kind(), type);
        QCOMPARE(lists.size(), record->rowListCount());
        for (const RowListCaptions *list : lists) {
            const FieldTable &columns = record->rows(list->list).table();
            QSet<QString> listed;
            for (int c = 0; c < list->count; ++c) {
                const FieldCaption &column = list->columns[c];
                const QString key = QString::fromLatin1(column.key);
                QVERIFY2(columns.indexOf(key) >= 0, qPrintable(key));
                listed.insert(key);
                if (!(column.flags & FieldCaption::Internal))
                    QVERIFY2(inWords(key, column.caption), qPrintable(key + QStringLiteral(": ") + column.caption));
            }
            for (int c = 0; c < columns.count(); ++c)
                QVERIFY2(listed.contains(QString::fromLatin1(columns.spec(c).key)), columns.spec(c).key);
        }
    }

    // The ON428's Ontario tax reduction rows: 60969 the dependent children born in 2006 or
    // later, 60970 the dependants with a mental or physical impairment (here the infirm
    // dependants 19 or older of the household), whatever disability amounts are claimed.
    void ontarioReductionRows_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<bool>("infirmParent");
        QTest::addColumn<int>("children");
        QTest::addColumn<int>("impaired");
        // a child of 2010 (14) and the filer's infirm mother of 1950 (74)
        QTest::newRow("child and infirm parent") << false << true << 1 << 1;
        // the filer's own disability amount (58440) is not a dependant with an impairment
        QTest::newRow("own disability amount, child") << true << false << 1 << 0;
    }
    void ontarioReductionRows()
    {
        QFETCH(bool, disabled);
        QFETCH(bool, infirmParent);
        QFETCH(int, children);
        QFETCH(int, impaired);
        std::unique_ptr<CReturnFile> file(
            builtIn(kOntario, disabled ? QStringLiteral(R"({"Disabled": true})") : QStringLiteral("{}")));
        QVERIFY(file);
        DependantInfo &child = file->dependants().at(0);
        child.firstName = QStringLiteral("Noor");
        child.birthDate = QDate(2010, 4, 2);
        child.relation = DependantInfo::Child;
        if (infirmParent) {
            DependantInfo &mother = file->dependants().at(1);
            mother.firstName = QStringLiteral("Ada");
            mother.birthDate = QDate(1950, 8, 9);
            mother.relation = DependantInfo::Other;
            mother.infirm = true;
            mother.netIncome = 9000;
        }
        returnbuilder::recalculate(*file);
        const CTaxData_Form *on428 = file->self()->getForm(kON428, 0, false);
        QVERIFY(on428);
        QCOMPARE(shownOnLine(*on428, "60969"), double(children));
        QCOMPARE(shownOnLine(*on428, "60970"), double(impaired));
    }

    // A fitness or arts amount is typed on the 479 only where the province's 428 has no such
    // line (MB fitness and arts, YT arts): on both it would be claimed twice.
    void typedAmountsOnOneForm()
    {
        using tax2024::TypedAmount;
        const std::pair<const char *, TypedAmount> rows[] = {{"FitnessAmount", TypedAmount::Fitness},
                                                             {"ChildrenArts", TypedAmount::Arts}};
        int forms = 0;
        for (int type = 1; type < kFormTableSize; ++type) {
            const FormInfo &info = Global_Forms_Info[type];
            if (!info.name || !QByteArray(info.name).endsWith("479") || !findFormCaptions(CTaxData_Form::KindForm, type))
                continue;
            ++forms;
            std::unique_ptr<CReturnFile> file(returnIn(info.province));
            const CTaxData_Form *object = objectOf(*file->self(), CTaxData_Form::KindForm, type);
            QVERIFY(object);
            const auto province = static_cast<tax2024::Province>(info.province);
            for (const auto &row : rows) {
                const int field = object->fieldTable().indexOf(QLatin1String(row.first));
                const FieldSpec &spec = object->fieldTable().describedSpecs(CTaxData_Form::KindForm, type)[size_t(field)];
                const bool on428 = tax2024::provincialTypedAmountLimit(province, row.second) != nullptr;
                QVERIFY2(spec.internal == on428, qPrintable(QStringLiteral("%1 %2").arg(info.name, row.first)));
            }
        }
        QVERIFY(forms > 0);
    }

    // Schedule 9's first line holds the official receipts: two receipts of 1,000 and 500,
    // no donation on a slip: line 1 = 1,500.00; line 34000 = the lesser of 1,500 and 75 % of
    // the net income of 50,000 (37,500) = 1,500.00.
    // The amount carried in from slips and the Express Wizard is 0.00, on a row of its own.
    void scheduleNineReceiptsOnTheFormsLine()
    {
        const QString description = QStringLiteral(R"({"persons": [{"firstName": "Sam", "lastName": "Whitfield",
            "sin": "046454286", "birthDate": "1960-05-17", "province": 9, "maritalStatus": 5,
            "slips": [{"type": 1, "fields": {"Payer": "ACME", "Province": 9, "Box14": 50000}}],
            "forms": [{"type": 9, "rows": [{"Charity": "Food bank", "ReceiptNumber": "FB-1", "Amount": 1000},
                                           {"Charity": "Library", "ReceiptNumber": "L-9", "Amount": 500}]}]}]})");
        std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(description.toUtf8()).object()));
        QVERIFY(file);
        returnbuilder::recalculate(*file);
        const CTaxData_Form *sch9 = file->self()->getForm(9, 0, false);
        QVERIFY(sch9);
        const std::vector<FieldSpec> &specs = sch9->fieldTable().describedSpecs(CTaxData_Form::KindForm, 9);
        auto shownAs = [&](const QString &caption) {
            for (size_t i = 0; i < specs.size(); ++i)
                if (!specs[i].internal && specs[i].caption && QString::fromUtf8(specs[i].caption) == caption)
                    return sch9->amount(int(i));
            return -1.0;
        };
        QCOMPARE(shownAs(QStringLiteral("Donations to registered charities and other qualified donees")), 1500.0);
        QCOMPARE(shownOnLine(*sch9, "34000"), 1500.0);
        int carriedIn = -1;
        for (size_t i = 0; i < specs.size(); ++i)
            if (qstrcmp(specs[i].key, "Donations") == 0)
                carriedIn = int(i);
        QVERIFY(carriedIn >= 0 && !specs[size_t(carriedIn)].internal);
        const QString caption = QString::fromUtf8(specs[size_t(carriedIn)].caption);
        QVERIFY2(caption.contains(QLatin1String("Express Wizard")), qPrintable(caption));
        QCOMPARE(sch9->amount(carriedIn), 0.0);
    }

    // A field the recalculation writes is read-only on the page: typed into, it
    // would be overwritten at once.
    void calculatedLinesMarked_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::newRow("Schedule 9 credit") << 9 << "Credit";
        QTest::newRow("Schedule 11 claimed") << 11 << "ClaimedAmount";
        QTest::newRow("ON428 tax") << 24 << "ProvincialTax";
        QTest::newRow("T2125 net income") << 125 << "NetIncome";
        QTest::newRow("Schedule 7 deduction") << 7 << "Deduction";
    }
    void calculatedLinesMarked()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        std::unique_ptr<CReturnFile> file(returnIn(kOntario));
        CTaxData_Form *object = objectOf(*file->self(), CTaxData_Form::KindForm, type);
        QVERIFY(object);
        const int field = object->fieldTable().indexOf(key);
        const FieldSpec &spec = object->fieldTable().describedSpecs(CTaxData_Form::KindForm, type)[size_t(field)];
        QVERIFY(spec.calculated && !spec.internal);
        const double typed = 4321.17;
        object->setAmount(field, typed);
        returnbuilder::recalculate(*file);
        QVERIFY(object->amount(field) != typed);
    }
};

BQ_TEST_MAIN_CORE(TestFieldCaptions)
#include "tst_fieldcaptions.moc"
