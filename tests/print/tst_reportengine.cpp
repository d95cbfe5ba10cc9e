// The report engine run through the bridge in a probe process: the condensed
// print's symbols decode to the barcode texts stored in the saved file, and the
// client copy shows what its print mask and selection ask for.
#include "bqtest.h"
#include "creturnfile.h"
#include "fieldtable.h"
#include "fixturebarcodes.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "probe.h"
#include "returnbuilder.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <memory>
#include <sys/stat.h>

namespace {

QByteArray runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return QByteArray();
    return p.readAllStandardOutput();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString pdfText(const QString &pdf, int page = 0, bool layout = false)
{
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return QString::fromUtf8(runTool(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-")));
}

// The saved file's barcode texts of one person, as the developer tool prints them.
QList<QByteArray> storedTexts(const QString &r24, bool spouse)
{
    const QByteArray out = runTool(QCoreApplication::applicationDirPath() + QStringLiteral("/bqreturntool"),
                                   {QStringLiteral("barcodes"), r24});
    QList<QByteArray> texts;
    int person = -1;
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith("# ")) {
            ++person;
            continue;
        }
        if (!line.isEmpty() && person == (spouse ? 1 : 0))
            texts << line;
    }
    return texts;
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    fixturebarcodes::Writer m_writer;
    QString m_couple, m_selfEmployed, m_senior;
    int m_t183Id = 0;
    int m_t4Id = 0;
    QStringList m_summaryKeys;   // the fields of the T1 summary, by their keys

    QString save(const QString &json, const QString &name, bool addT183)
    {
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/") + json);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        QJsonObject description = QJsonDocument::fromJson(f.readAll()).object();
        if (addT183) {
            QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
            QJsonObject self = persons.at(0).toObject();
            // a text of more than 8-bit letters, as stored in UTF-8
            self.insert(QStringLiteral("t1"), QJsonObject{{QStringLiteral("City"), QStringLiteral("Trois-Rivi\u00e8res \u7a0e")}});
            QJsonArray forms = self.value(QStringLiteral("forms")).toArray();
            forms.append(QJsonObject{{QStringLiteral("type"), 96},
                                     {QStringLiteral("fields"), QJsonObject{{QStringLiteral("DCN"), QStringLiteral("AB123456")},
                                                                            {QStringLiteral("PreAssessment"), 1}}}});
            self.insert(QStringLiteral("forms"), forms);
            persons.replace(0, self);
            description.insert(QStringLiteral("persons"), persons);
        }
        QString error;
        std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
        if (!file)
            return QString();
        returnbuilder::recalculate(*file);
        if (addT183) {
            for (const FormEntry *e : file->self()->forms())
                if (e->type == 96)
                    m_t183Id = e->id;
            for (const FormEntry *e : file->self()->slips())
                if (e->type == 1)
                    m_t4Id = e->id;
            const FieldTable &summary = file->self()->getForm(93, 0, false)->fieldTable();
            for (int i = 0; i < summary.count(); ++i)
                m_summaryKeys << QString::fromLatin1(summary.spec(i).key);
        }
        const QString path = m_dir.filePath(name);
        return file->save(path, 1, &error) == 0 ? path : QString();
    }

    probe::Result print(const QString &r24, const QString &out, int kind, int mask, bool spouse = false,
                        int category = 0, int form = 0, const QString &pdfFolder = QString())
    {
        QDir().mkpath(out);
        QStringList args{QStringLiteral("--set"), QStringLiteral("JAVACLASSPATH=" BQ_BIN_DIR "/itext13.jar:" BQ_BIN_DIR "/mr.jar"),
                         QStringLiteral("--set"), QStringLiteral("PDFPATH=") + pdfFolder,
                         QStringLiteral("--out"), out,
                         QStringLiteral("--kind"), QString::number(kind),
                         QStringLiteral("--mask"), QString::number(mask),
                         QStringLiteral("--category"), QString::number(category),
                         QStringLiteral("--form"), QString::number(form)};
        if (spouse)
            args << QStringLiteral("--spouse");
        return probe::run(args << r24);
    }

private slots:
    void initTestCase()
    {
        IndividualTaxData::setFilingServices(&m_writer);
        m_couple = save(QStringLiteral("08-ontario-couple.json"), QStringLiteral("couple.r24"), true);
        m_selfEmployed = save(QStringLiteral("04-novascotia-selfemployed.json"), QStringLiteral("selfemployed.r24"), false);
        m_senior = save(QStringLiteral("02-bc-senior.json"), QStringLiteral("senior.r24"), false);
        IndividualTaxData::setFilingServices(nullptr);
        QVERIFY(!m_couple.isEmpty());
        QVERIFY(!m_selfEmployed.isEmpty());
        QVERIFY(!m_senior.isEmpty());
        QVERIFY(m_t183Id > 0);
    }

    void condensedPrintDecodesToTheStoredTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("spouse");
        QTest::addColumn<bool>("continued");   // a text goes on in a second symbol
        QTest::newRow("couple, self") << "couple" << false << true;
        QTest::newRow("couple, spouse") << "couple" << true << false;
        QTest::newRow("self-employed, with an SFD block") << "selfemployed" << false << true;
    }
    void condensedPrintDecodesToTheStoredTexts()
    {
        QFETCH(QString, file);
        QFETCH(bool, spouse);
        QFETCH(bool, continued);
        const QString r24 = file == QLatin1String("couple") ? m_couple : m_selfEmployed;
        const QList<QByteArray> stored = storedTexts(r24, spouse);
        QVERIFY(!stored.isEmpty());

        const QString out = m_dir.filePath(QStringLiteral("condensed-") + QTest::currentDataTag());
        const probe::Result r = print(r24, out, 1, 0, spouse);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString pdf = r.pdfNames.at(0);
        QVERIFY(QFile::exists(pdf));

        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf,
                                             out + QStringLiteral("/page")});
        QStringList pages = QDir(out).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
        QVERIFY(!pages.isEmpty());
        QList<QByteArray> decoded;
        static const QRegularExpression part(QStringLiteral("part (\\d+) of (\\d+)"));
        // the first page is the return's identification and certification, without a symbol
        QVERIFY(!part.match(pdfText(pdf, 1)).hasMatch());
        for (int i = 1; i < pages.size(); ++i) {
            const QByteArray bytes = runTool(QStringLiteral("ZXingReader"),
                                             {QStringLiteral("-format"), QStringLiteral("PDF417"), QStringLiteral("-bytes"),
                                              out + QLatin1Char('/') + pages.at(i)});
            const QRegularExpressionMatch m = part.match(pdfText(pdf, i + 1));
            QVERIFY2(m.hasMatch(), qPrintable(pages.at(i)));
            if (m.captured(1).toInt() > 1 && !decoded.isEmpty())
                decoded.last() += bytes;
            else
                decoded << bytes;
        }
        QCOMPARE(pages.size() - 1 > stored.size(), continued);
        QCOMPARE(decoded, stored);
    }

    // The condensed print is signed and mailed: its first page carries the
    // T1's identification and mailing address and the certification with the
    // lines to sign, give a telephone number and date; the page has no symbol.
    void condensedPrintFirstPage()
    {
        const QString out = m_dir.filePath(QStringLiteral("condensed-first"));
        const probe::Result r = print(m_couple, out, 1, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString pdf = r.pdfNames.at(0);
        const QString first = pdfText(pdf, 1, true).simplified();   // a caption and its value on one line
        for (const char *shown :
             {"T1 Income Tax and Benefit Return 2024", "Identification", "First name Sam", "Last name Whitfield",
              "Mailing address", "Social insurance number (SIN) 046 454 286", "Date of birth (YYYY/MM/DD)",
              "Province or territory of residence on December 31, 2024", "Ontario", "Certification",
              "I certify that the information given on this return and in any documents attached is correct, "
              "complete, and fully discloses all of my income.",
              "Sign here", "It is a serious offence to make a false return.", "Telephone", "Date"})
            QVERIFY2(first.contains(QString::fromUtf8(shown)), qPrintable(QString::fromUtf8(shown) + QStringLiteral(" missing in:\n") + first));
        QVERIFY2(first.contains(QStringLiteral("Trois-Rivi\u00e8res")), qPrintable(first));
        QVERIFY(!first.contains(QLatin1String("part 1 of")));
        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                                             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                             QStringLiteral("1"), pdf, out + QStringLiteral("/first")});
        const QStringList pages = QDir(out).entryList({QStringLiteral("first*.png")}, QDir::Files);
        QCOMPARE(pages.size(), 1);
        QVERIFY(runTool(QStringLiteral("ZXingReader"), {QStringLiteral("-format"), QStringLiteral("PDF417"),
                                                        QStringLiteral("-bytes"), out + QLatin1Char('/') + pages.first()})
                    .isEmpty());
    }

    void clientCopy_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        QTest::newRow("plain") << 0 << QStringList{"Sam Whitfield", "S.I.N.: 0*****286", "T4", "15000"}
                               << QStringList{"046454286", "Dear Sam", "Invoice"};
        QTest::newRow("full S.I.N.") << 0x10 << QStringList{"S.I.N.: 046454286"} << QStringList{"0*****286"};
        QTest::newRow("client letter") << 0x24 << QStringList{"Dear Sam,", "0*****286"} << QStringList{"Invoice"};
        QTest::newRow("one letter bit only") << 0x04 << QStringList{} << QStringList{"Dear Sam"};
        // the captions the pages show, a province by its name, never the program's keys
        QTest::newRow("captions") << 0 << QStringList{"Employment income", "Province of employment", "Ontario",
                                                      "Total income", "Basic personal amount"}
                                  << QStringList{"Box14", "BasicPersonal", "Province 9.00", "TotalIncome"};
        QTest::newRow("invoice") << 0x08 << QStringList{"Invoice", "Bill to: Sam Whitfield"} << QStringList{"Dear Sam"};
    }
    void clientCopy()
    {
        QFETCH(int, mask);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        const probe::Result r = print(m_couple, m_dir.filePath(QStringLiteral("copy-%1").arg(mask)), 0, mask);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0));
        for (const QString &s : shown)
            QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" missing in:\n") + text));
        for (const QString &s : notShown)
            QVERIFY2(!text.contains(s), qPrintable(s));
    }

    void clientLetterFromTheTemplate()
    {
        // the preparer's own letter: here the client copy of another return
        QString error;
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/01-ontario-employee.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        std::unique_ptr<CReturnFile> other(returnbuilder::build(QJsonDocument::fromJson(f.readAll()).object(), &error));
        QVERIFY(other);
        const QString otherR24 = m_dir.filePath(QStringLiteral("t1_clientletter_own.r24"));
        QCOMPARE(other->save(otherR24, 1, &error), 0);
        const QString pdfFolder = m_dir.filePath(QStringLiteral("pdf"));
        const probe::Result made = print(otherR24, pdfFolder, 0, 0);
        QCOMPARE(made.jobs, QList<int>({0}));
        const QString letterText = pdfText(made.pdfNames.at(0)).section(QLatin1Char('\n'), 1, 1);
        QVERIFY(letterText.startsWith(QLatin1String("Name: ")));

        const probe::Result r = print(m_couple, m_dir.filePath(QStringLiteral("template")), 0, 0x24, false, 0, 0, pdfFolder);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0));
        QVERIFY2(text.contains(letterText), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Name: Sam Whitfield")));
        QVERIFY(!text.contains(QLatin1String("Dear Sam")));
    }

    // A customised letter on disk that is not whole: the standard letter is
    // printed in its place, and the copy with it.
    void damagedLetterTemplateGivesTheStandardLetter()
    {
        QString error;
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/01-ontario-employee.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        std::unique_ptr<CReturnFile> other(returnbuilder::build(QJsonDocument::fromJson(f.readAll()).object(), &error));
        QVERIFY(other);
        const QString otherR24 = m_dir.filePath(QStringLiteral("damaged-letter.r24"));
        QCOMPARE(other->save(otherR24, 1, &error), 0);
        const QString pdfFolder = m_dir.filePath(QStringLiteral("damaged-pdf"));
        const probe::Result made = print(otherR24, pdfFolder, 0, 0);
        QCOMPARE(made.jobs, QList<int>({0}));
        // cut short, then closed as if whole: the cross-references point past its end
        const QByteArray whole = contents(made.pdfNames.at(0));
        QFile letter(pdfFolder + QStringLiteral("/t1_clientletter_own.pdf"));
        QVERIFY(letter.open(QIODevice::WriteOnly));
        letter.write(whole.left(whole.size() - 300) + "\n%%EOF\n");
        letter.close();

        const probe::Result r = print(m_couple, m_dir.filePath(QStringLiteral("damaged-letter")), 0, 0x24, false, 0, 0,
                                      pdfFolder);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0));
        QVERIFY2(text.contains(QLatin1String("Dear Sam,")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("Name: Sam Whitfield")));
    }

    // An output folder that does not exist yet is made, owner-only, with the
    // folders above it that are missing.
    void outputFolderNotYetMade()
    {
        const QString above = m_dir.filePath(QStringLiteral("made-by-the-engine"));
        const QString out = above + QStringLiteral("/pdf");
        const probe::Result r = probe::run({QStringLiteral("--set"),
                                            QStringLiteral("JAVACLASSPATH=" BQ_BIN_DIR "/itext13.jar:" BQ_BIN_DIR "/mr.jar"),
                                            QStringLiteral("--out"), out, QStringLiteral("--jobs"), QStringLiteral("1"),
                                            m_couple});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QCOMPARE(QFileInfo(r.pdfNames.at(0)).absolutePath(), QFileInfo(out).absoluteFilePath());
        for (const QString &folder : {above, out}) {
            struct stat st;
            QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 0777), 0700);
        }
    }

    // One entry printed alone shows its content as its page does (the T183 the
    // client signs: names, amounts, answers), under a file name of its own that
    // leaves the whole return's copy as it was.
    void selectedEntryAlone_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("T183") << 0 << "couple_T183_%1.pdf"
                              << QStringList{"T183 - Information Return", "Taxpayer: first name", "Sam",
                                             "Taxpayer: social insurance number", "0*****286", "15000", "Total income",
                                             "50,000.00", "Document control number (DCN)", "AB123456",
                                             "Authorize the CRA to discuss this return with the filer", "Yes"};
        QTest::newRow("T4 slip") << 1 << "couple_T4_%1.pdf"
                                 << QStringList{"T4 - Statement of Remuneration Paid", "Box 14", "Employment income", "50,000.00", "Box 10",
                                                "Province of employment", "Ontario"};
    }
    void selectedEntryAlone()
    {
        QFETCH(int, category);
        QFETCH(QString, name);
        QFETCH(QStringList, shown);
        const QString out = m_dir.filePath(QStringLiteral("selected-%1").arg(category));
        const probe::Result whole = print(m_couple, out, 0, 0);
        QCOMPARE(whole.jobs, QList<int>({0}));
        const QByteArray wholeText = pdfText(whole.pdfNames.at(0)).toUtf8();
        const int id = category == 0 ? m_t183Id : m_t4Id;
        const probe::Result r = print(m_couple, out, 0, 0, false, category, id);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QCOMPARE(QFileInfo(r.pdfNames.at(0)).fileName(), name.arg(id));
        const QString text = pdfText(r.pdfNames.at(0));
        for (const QString &s : shown)
            QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" missing in:\n") + text));
        QVERIFY2(!text.contains(QLatin1String(category == 0 ? "Statement of Remuneration Paid" : "T183")),
                 qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("ON428")), qPrintable(text));
        QCOMPARE(pdfText(whole.pdfNames.at(0)).toUtf8(), wholeText);
    }

    // A slip is headed by its own name and title, as the slip itself shows
    // them, never by the program's name of its kind.
    void slipsUnderTheirOwnNames()
    {
        const probe::Result r = print(m_senior, m_dir.filePath(QStringLiteral("senior")), 0, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0));
        for (const char *heading : {"T4A(OAS) - Statement of Old Age Security",
                                    "T4A(P) - Statement of Canada Pension Plan Benefits"})
            QVERIFY2(text.contains(QLatin1String(heading)), qPrintable(QLatin1String(heading) + QStringLiteral(" missing in:\n") + text));
        for (const char *name : {"T4A_OAS", "T4A_P", "Slip "})
            QVERIFY2(!text.contains(QLatin1String(name)), qPrintable(text));
    }

    // The T183 sent for e-signature carries what is signed: the taxpayer's and
    // the electronic filer's declarations, each with its lines to sign and date.
    void t183CarriesItsDeclarationsAndSignatureLines()
    {
        const QString out = m_dir.filePath(QStringLiteral("t183-signed"));
        const probe::Result r = print(m_couple, out, 0, 0, false, 0, m_t183Id);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0), 0, true);
        const QString flowing = text.simplified();
        for (const char *shown :
             {"Declaration of the taxpayer",
              "I declare that the information entered in this form is correct and complete",
              "I authorize the electronic filer named in this form to file my 2024 income tax and benefit return "
              "electronically.",
              "Declaration of the electronic filer", "I declare that the return filed electronically is the one"})
            QVERIFY2(flowing.contains(QLatin1String(shown)), qPrintable(QLatin1String(shown) + QStringLiteral(" missing in:\n") + text));
        // each a line of its own, in the order they are signed
        QStringList lines;
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (line.trimmed().startsWith(QLatin1String("Taxpayer's signature"))
                || line.trimmed().startsWith(QLatin1String("Preparer's signature"))
                || line.trimmed() == QLatin1String("Date"))
                lines << line.trimmed();
        QCOMPARE(lines, (QStringList{"Taxpayer's signature", "Date", "Preparer's signature", "Date"}));
        // a slip printed alone has none
        const probe::Result slip = print(m_couple, out, 0, 0, false, 1, m_t4Id);
        QVERIFY(!pdfText(slip.pdfNames.at(0)).contains(QLatin1String("Declaration of the taxpayer")));
    }

    // The client copy and the result page name no field by its key: not the
    // summary's ("Province 9", "MaritalStatus 0", "CAIFlag", "Instalment1",
    // "Password"), not a program's code ("303 Claim the spouse ... Yes").
    void noInternalNames_data()
    {
        QTest::addColumn<bool>("spouse");
        QTest::addColumn<int>("category");
        QTest::newRow("whole copy, self") << false << 0;
        QTest::newRow("whole copy, spouse") << true << 0;
        QTest::newRow("result page, self") << false << 99;
        QTest::newRow("result page, spouse") << true << 99;
    }
    void noInternalNames()
    {
        QFETCH(bool, spouse);
        QFETCH(int, category);
        const probe::Result r = print(m_couple, m_dir.filePath(QStringLiteral("names-%1").arg(QTest::currentDataTag()))
                                                    .replace(' ', '_').replace(',', '_'),
                                      0, 0, spouse, category, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        const QString text = pdfText(r.pdfNames.at(0));
        QVERIFY(text.contains(QLatin1String("T1 Summary")));
        QVERIFY(text.contains(QLatin1String("Province or territory of residence on December 31, 2024")));
        QVERIFY(text.contains(QLatin1String("Ontario")));
        QVERIFY(text.contains(QLatin1String("Married")));
        // the summary's own rows: from its heading to the next entry's
        const QString summary = text.mid(text.indexOf(QLatin1String("T1 Summary"))).section(QStringLiteral("\nT1 - "), 0, 0);
        static const QRegularExpression runTogether(QStringLiteral("[a-z][A-Z]|[A-Z]{2}[a-z]|[0-9]"));
        for (const QString &key : m_summaryKeys) {
            // a key of words run together never shows; one that is a word never stands for a caption
            if (runTogether.match(key).hasMatch())
                QVERIFY2(!text.contains(key), qPrintable(key));
            QVERIFY2(!summary.contains(QRegularExpression(QStringLiteral("(^|\\n)\\s*%1\\s+-?[0-9]").arg(key))),
                     qPrintable(key));
        }
        QVERIFY(!text.contains(QLatin1String("Password")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("(^|\\n)\\s*[0-9]{3}\\s"))));   // a three-digit code
        QVERIFY(!text.contains(QLatin1String("Claim the spouse")));
        if (category == 0)
            QVERIFY(text.contains(QLatin1String("Yukon")) == false);   // a code not given prints nothing
    }

    void outputFolderWithAccentAndCjk()
    {
        const QString out = m_dir.filePath(QStringLiteral("sortie-\u00e9-\u7a0e"));
        const probe::Result r = print(m_couple, out, 0, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QCOMPARE(r.pdfNames.at(0), out + QStringLiteral("/couple.pdf"));
        QVERIFY(QFile::exists(r.pdfNames.at(0)));
    }

    // Names and addresses in other scripts reach the client copy as written
    // (the fonts for them are embedded), read back as text from the PDF.
    void nonLatinNameAndAddress_data()
    {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<QString>("street");
        QTest::newRow("Cyrillic") << QStringLiteral("\u0410\u043d\u043d\u0430") << QStringLiteral("\u041f\u0435\u0442\u0440\u043e\u0432\u0430")
                                  << QStringLiteral("\u0443\u043b. \u041b\u0435\u043d\u0438\u043d\u0430 5");
        QTest::newRow("Chinese and Japanese") << QStringLiteral("\u6d69\u7136") << QStringLiteral("\u738b")
                                              << QStringLiteral("\u6771\u4eac\u90fd 1-2-3");
        QTest::newRow("Greek and accents") << QStringLiteral("\u0394\u03ae\u03bc\u03b7\u03c4\u03c1\u03b1") << QStringLiteral("C\u00f4t\u00e9")
                                           << QStringLiteral("\u0152uvre \u2116 7");
    }
    void nonLatinNameAndAddress()
    {
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        QFETCH(QString, street);
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/01-ontario-employee.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QJsonObject description = QJsonDocument::fromJson(f.readAll()).object();
        QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
        QJsonObject self = persons.at(0).toObject();
        self.insert(QStringLiteral("firstName"), firstName);
        self.insert(QStringLiteral("lastName"), lastName);
        self.insert(QStringLiteral("t1"), QJsonObject{{QStringLiteral("Street"), street}});
        persons.replace(0, self);
        description.insert(QStringLiteral("persons"), persons);
        QString error;
        std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
        QVERIFY2(file, qPrintable(error));
        const QString r24 = m_dir.filePath(QStringLiteral("script-%1.r24").arg(QTest::currentDataTag()).replace(' ', '_'));
        QCOMPARE(file->save(r24, 1, &error), 0);
        const probe::Result r = print(r24, m_dir.filePath(QStringLiteral("script")), 0, 0x08);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        const QString text = pdfText(r.pdfNames.at(0));
        for (const QString &s : {QStringLiteral("Name: ") + firstName + QLatin1Char(' ') + lastName, street,
                                 QStringLiteral("Bill to: ") + firstName})
            QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" missing in:\n") + text));
        // embedded, and in the body's weight: only headings are bold, and they are Latin
        const QByteArray fonts = runTool(QStringLiteral("pdffonts"), {r.pdfNames.at(0)});
        QVERIFY2(fonts.contains("+DejaVuSans ") || fonts.contains("+DroidSansFallback "), fonts.constData());
        QVERIFY2(!fonts.contains("DejaVuSans-Bold"), fonts.constData());
    }

    void personWithoutBarcodeData()
    {
        // saved without the fixture writer: every person's block is a single 0
        QString error;
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/01-ontario-employee.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(f.readAll()).object(), &error));
        QVERIFY(file);
        const QString r24 = m_dir.filePath(QStringLiteral("plain.r24"));
        QCOMPARE(file->save(r24, 1, &error), 0);
        const probe::Result r = print(r24, m_dir.filePath(QStringLiteral("plain")), 1, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QVERIFY(r.output.contains(QLatin1String("read data:  5166")));
        QVERIFY(pdfText(r.pdfNames.at(0)).contains(QLatin1String("no barcode data")));
    }

    void olderFileVersion()
    {
        // a file of version 66063: its SFD blocks are passed over to the closing marker
        QFile in(m_selfEmployed);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        const qint32 older = 66063;
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData()), 66098);
        qToLittleEndian(older, bytes.data());
        const QString r24 = m_dir.filePath(QStringLiteral("older.r24"));
        QFile out(r24);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), qint64(bytes.size()));
        out.close();
        const probe::Result r = print(r24, m_dir.filePath(QStringLiteral("older")), 1, 0);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QVERIFY(r.output.contains(QLatin1String("read data:  5167")));
        const QString text = pdfText(r.pdfNames.at(0));
        QVERIFY(text.contains(QLatin1String("T1 barcode, part 1")));
        QVERIFY(!text.contains(QLatin1String("SFD barcode")));
    }

    // A print is owner-only from its creation (nothing makes it so afterwards:
    // the probe changes no mode, and the umask lets others read). One that fails
    // part way, here when the written PDF cannot take its place (a folder of
    // files holds its name), leaves what stood there as it was, and nothing
    // beside it.
    void failedPrintKeepsTheEarlierPdf()
    {
        ::umask(022);
        const QString out = m_dir.filePath(QStringLiteral("again"));
        const probe::Result first = print(m_couple, out, 0, 0);
        QCOMPARE(first.jobs, QList<int>({0}));
        const QString pdf = first.pdfNames.at(0);
        struct stat st{};
        QCOMPARE(::stat(QFile::encodeName(pdf).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QVERIFY(contents(pdf).startsWith("%PDF-"));

        QVERIFY(QFile::remove(pdf));
        QVERIFY(QDir().mkpath(pdf));
        QFile kept(pdf + QStringLiteral("/kept.txt"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("in the way");
        kept.close();
        const probe::Result r = print(m_couple, out, 0, 0);
        QCOMPARE(r.jobs, QList<int>({-117}));
        QCOMPARE(contents(kept.fileName()), QByteArray("in the way"));
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("couple.pdf")});
    }

    void checkedJniStaysQuietOverFiftyPrints()
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("xcheck")));
        const probe::Result r = probe::run(
            {QStringLiteral("--set"), QStringLiteral("JAVACLASSPATH=" BQ_BIN_DIR "/itext13.jar:" BQ_BIN_DIR "/mr.jar"),
             QStringLiteral("--out"), m_dir.filePath(QStringLiteral("xcheck")), QStringLiteral("--kind"),
             QStringLiteral("1"), QStringLiteral("--jobs"), QStringLiteral("50"), m_couple},
            {{QStringLiteral("JAVA_TOOL_OPTIONS"), QStringLiteral("-Xcheck:jni")}}, 300000);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QVector<int>(50, 0).toList());
        QVERIFY(r.output.contains(QLatin1String("Picked up JAVA_TOOL_OPTIONS: -Xcheck:jni")));   // the checks ran
        QVERIFY2(!r.output.contains(QLatin1String("WARNING")), qPrintable(r.output));
    }
};

BQ_TEST_MAIN_CORE(TestReportEngine)
#include "tst_reportengine.moc"
