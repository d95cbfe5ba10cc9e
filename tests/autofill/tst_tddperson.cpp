// One person's downloaded Auto-fill item: reading every part, the kept limits
// and their cut counts, the queries, the report page and saving the row.
#include "bqtest.h"
#include "codedescriptions.h"
#include "cstring.h"
#include "mytixmlhandle.h"
#include "taxslip.h"
#include "tddtaxdataoneperson.h"
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <thread>
#include <tinyxml.h>
#include <optional>
#include <vector>

namespace {

using Amount = std::optional<double>;   // a downloaded amount, or none

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString fixture(const char *name)
{
    return readFile(QStringLiteral(BQ_AUTOFILL_DIR "/fixtures/") + QLatin1String(name));
}

int parseText(TDDTaxDataOnePerson &person, const QString &xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
    return person.parse(doc.RootElement());
}

QString page(const TDDTaxDataOnePerson &person)
{
    CString out;
    person.toHtml(out, "046 454 286", "2025-03-01T10:00:00-05:00");
    return out;
}

QString item(const QString &inner)
{
    return QStringLiteral("<EFileIndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>abc"
                          "</IndividualTaxpayerIdentifier>%1</EFileIndividualIncomeTaxDataItem>")
        .arg(inner);
}

QString repeated(const QString &element, int n)
{
    QString xml;
    for (int i = 0; i < n; ++i)
        xml += element.arg(2000 + i);
    return xml;
}

// Compares with the golden file; BQ_WRITE_GOLDEN rewrites it.
bool matchesGolden(const QString &text, const char *name)
{
    const QString path = QStringLiteral(BQ_AUTOFILL_DIR "/golden/") + QLatin1String(name);
    if (qEnvironmentVariableIsSet("BQ_WRITE_GOLDEN")) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(text.toUtf8());
    }
    return text == readFile(path);
}

} // namespace

class TstTddPerson : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    int count(const QString &sql)
    {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

    QString text(const QString &sql)
    {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
    }

private slots:
    void initTestCase()
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tdd"));
        m_db.setDatabaseName(m_dir.filePath(QStringLiteral("tdd.db")));
        QVERIFY(m_db.open());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("create table tb_taxpayers (id integer primary key autoincrement, "
                                      "name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))")));
        QVERIFY(q.exec(QStringLiteral("create table tb_taxdata (id integer primary key autoincrement, uid integer, "
                                      "create_time datetime, data1 text, html1 text, taxyear integer)")));
        QVERIFY(q.exec(QStringLiteral("create trigger refuse before insert on tb_taxdata when new.taxyear = 1999 "
                                      "begin select raise(abort, 'refused'); end")));
    }

    void fullItemReadsEveryPart()
    {
        TDDTaxDataOnePerson p(2024);
        QCOMPARE(parseText(p, fixture("person-full.xml")), 0);
        QCOMPARE(p.taxpayerId, std::string("6f1c0e2a9b"));
        const auto &s = p.summary;
        QCOMPARE(s.disabilityCode, std::string("Y"));
        QCOMPARE(s.postalCodeOnFile, std::string("K1A 0B1"));
        QCOMPARE(s.instalmentAmount, std::string("1200.00"));
        QCOMPARE(s.trainingCreditLimit, std::string("500.00"));
        QCOMPARE(s.eiElection, std::string("N"));
        QCOMPARE(s.unfiledYears, (std::vector<std::string>{"2019", "2021"}));
        QCOMPARE(int(s.rrspHistory.size()), 2);
        QCOMPARE(s.rrspHistory[0].totalUnclaimedContributions, std::string("150.00"));
        QCOMPARE(s.rrspHistory[0].repaymentToHbpOrLlp, std::string("1000.00"));
        QVERIFY(s.hasFhsaPlan);
        QCOMPARE(s.fhsa[1], std::string("2000.00"));
        QCOMPARE(s.fhsa[6], std::string("2000.00"));
        QVERIFY(s.uncashedCheque && !s.gstHstReturn && s.manageOnlineMail && !s.returnedMail
                && s.foreignPropertyDeclared);
        QCOMPARE(s.electronicCorrespondence, std::string("E & mail"));
        QCOMPARE(s.hbp.updateDate, std::string("2025-01-15"));
        QCOMPARE(s.hbp.repayableBalance, std::string("12000.00"));
        QCOMPARE(int(s.hbp.requiredRepayments.size()), 4);
        QCOMPARE(s.llp.requiredRepaymentRemaining, std::string("700.00"));
        QCOMPARE(s.rrspUpdateDate, std::string("2025-02-03"));
        QCOMPARE(s.rrspDeductionLimit, std::string("18000.00"));
        QCOMPARE(s.rrspUnusedContribution, std::string("250.00"));

        const auto &c = p.client;
        QVERIFY(!c.nonResidentSourceDeduction && !c.bankrupt && c.canadaWorkersBenefit && !c.refundExamination
                && c.onlineServiceRegistered && !c.currentYearReturnFiled && c.cebDebtOwing);
        QCOMPARE(c.onlineServiceCode, std::string("F<1>"));
        QCOMPARE(c.emigrationDate, std::string("2018-06-30"));
        QCOMPARE(c.immigrationDate, std::string("2020-09-01"));
        QCOMPARE(c.disabilityCode, std::string("P"));
        QCOMPARE(c.refundSetoffCode, std::string("S"));
        QCOMPARE(int(c.setoffs.size()), 3);
        QCOMPARE(c.setoffs[0].programId, std::string("A&B <Loans>"));
        QCOMPARE(c.setoffs[0].telephone, std::string("Toll-Free       888-815-4514 Ext      "));
        QCOMPARE(c.setoffs[1].telephone, std::string("Toll-Free       800-277-9914 Ext      "));   // first row wins
        QVERIFY(c.setoffs[2].telephone.empty());
        QCOMPARE(int(c.reassessments.size()), 1);
        QCOMPARE(c.reassessments[0].date, std::string("2024-03-11"));
        QVERIFY(c.reassessmentInProgress);
        QCOMPARE(c.reassessmentYears, (std::vector<std::string>{"2021", "2022", "2023"}));
        QCOMPARE(c.unfiledYears, (std::vector<std::string>{"2019"}));

        const auto &o = p.carryOver;
        QCOMPARE(o.nonCapitalLosses.at(0).subsequentYearLoss, std::string("1000.00"));
        QCOMPARE(o.capitalGainLosses.at(0).unappliedNetLoss, std::string("2300.00"));
        QCOMPARE(o.capitalGainDeductions.at(0).netSmallBusinessShareDisposition, std::string("30000.00"));
        QCOMPARE(int(o.federalTuition.size()), 3);
        QCOMPARE(o.provincialTuition.at(0).carryForwardAvailableAmount, std::string("2200.00"));
        QCOMPARE(int(o.businessInvestmentLosses.size()), 2);
        QCOMPARE(o.businessInvestmentLosses[0].year, std::string("2022"));
        QVERIFY(o.businessInvestmentLosses[1].year.empty());
        QCOMPARE(o.businessInvestmentLosses[1].amount, std::string("125.00"));

        QCOMPARE(p.slipCount(), 3);
        QCOMPARE(p.slipRemark, std::string("Amended <script>"));
        QVERIFY(p.cuts().empty());
    }

    void fullItemPageMatchesGolden()
    {
        TDDTaxDataOnePerson p(2024);
        QCOMPARE(parseText(p, fixture("person-full.xml")), 0);
        CString out = QStringLiteral("earlier text");
        p.toHtml(out, "046 454 286", "2025-03-01T10:00:00-05:00");
        const QString html = out;
        QVERIFY(matchesGolden(html, "person-full.html"));
        p.toHtml(out, "046 454 286", "2025-03-01T10:00:00-05:00");
        QCOMPARE(QString(out), html);   // made twice on one text, one page
        QVERIFY(html.contains(QStringLiteral("Employer: A&amp;B &lt;Co&gt;<br>")));
        QVERIFY(html.contains(QStringLiteral("Refund Setoff Program :(A&amp;B &lt;Loans&gt;)<br>")));
        QVERIFY(html.contains(QStringLiteral("Code:(CSLP)  Amount:($842.17) Phone:(Toll-Free       888-815-4514      )")));
        QVERIFY(html.contains(QStringLiteral("Code:(&lt;script&gt;)  Amount:($5.00)<br><br>")));
        QVERIFY(html.contains(QStringLiteral("- My Account access level = F&lt;1&gt;<br>")));
        QVERIFY(html.contains(QStringLiteral("remarked as Amended &lt;script&gt;")));
        QVERIFY(!html.contains(QStringLiteral("<script>")));
        QVERIFY(!html.contains(QStringLiteral("<Loans>")));
        // the record of 2022 has only zeros: its year is not shown, the heading is
        QVERIFY(html.contains(QStringLiteral("<h4>RRSP History, RRSP Limit, HBP/LLP:</h4>")));
        QVERIFY(!html.contains(QStringLiteral("Tax Year: 2022<br>\nUndeducted")));
        QVERIFY(html.contains(QStringLiteral("Total records: 3 - Re-Assessment In Progress<br>\n"
                                             "<h4>Tax Year: (2021) (2022) (2023) </h4>")));
    }

    // Every person of a reply, found as the client finds them, gives its golden page.
    void replyPersonsMatchGolden()
    {
        TiXmlDocument doc;
        doc.Parse(fixture("tdd-reply.xml").toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
        const MyTiXmlHandle first = MyTiXmlHandle(doc.RootElement(), "ns")
                                        .FirstChildElement("soapenv:Body")
                                        .FirstChildElement("GetTDDEFileResponse")
                                        .FirstChildElement("EFileTaxDataDelivery")
                                        .FirstChildElement("EFileTaxData")
                                        .FirstChildElement("EFileIndividualIncomeTaxDataItem");
        QVERIFY(first.exists());
        int n = 0;
        for (const TiXmlElement *e = first.ToElement(); e; e = e->NextSiblingElement()) {
            ++n;
            TDDTaxDataOnePerson p(2024);
            QCOMPARE(p.parse(e), 0);
            const QString html = page(p);
            QVERIFY(matchesGolden(html, n == 1 ? "tdd-reply-person1.html" : "tdd-reply-person2.html"));
            QVERIFY(!html.contains(QStringLiteral("<script>")));
            if (n == 2)
                QCOMPARE(p.slipCount(), 20);
        }
        QCOMPARE(n, 2);
    }

    void queries()
    {
        TDDTaxDataOnePerson p(2024);
        QCOMPARE(parseText(p, fixture("person-full.xml")), 0);
        QCOMPARE(p.hbpRepaymentForYear("2024"), Amount(1000.0));   // the first of two 2024 entries
        QCOMPARE(p.hbpRepaymentForYear("2025"), Amount(1000.0));
        QCOMPARE(p.hbpRepaymentForYear(""), Amount(50.0));         // only the entry without a year
        QCOMPARE(p.hbpRepaymentForYear("2026"), Amount());
        QCOMPARE(p.llpRepaymentForYear("2024"), Amount(700.0));
        QCOMPARE(p.federalTuitionCarryForwardForYear("2023"), Amount(3300.0));
        QCOMPARE(p.federalTuitionCarryForwardForYear("2022"), Amount(2000.0));
        QCOMPARE(p.provincialTuitionCarryForwardForYear("2023"), Amount(2200.0));
        QCOMPARE(p.provincialTuitionCarryForwardForYear("2022"), Amount());
    }

    void identifierOnlyAndMissing()
    {
        TDDTaxDataOnePerson only(2024);
        QCOMPARE(parseText(only, item(QString())), 0);
        QCOMPARE(only.taxpayerId, std::string("abc"));
        QVERIFY(only.summary.unfiledYears.empty() && only.summary.rrspHistory.empty());
        QVERIFY(only.client.setoffs.empty() && only.carryOver.federalTuition.empty());
        QCOMPARE(only.slipCount(), 0);
        QCOMPARE(only.hbpRepaymentForYear("2024"), Amount());
        QCOMPARE(only.llpRepaymentForYear("2024"), Amount());
        QCOMPARE(only.federalTuitionCarryForwardForYear("2023"), Amount());
        QCOMPARE(only.provincialTuitionCarryForwardForYear("2023"), Amount());
        QVERIFY(matchesGolden(page(only), "person-identifier-only.html"));

        TDDTaxDataOnePerson none(2024);
        QCOMPARE(parseText(none, QStringLiteral("<EFileIndividualIncomeTaxDataItem><Summary><InstalmentAmount>5"
                                                "</InstalmentAmount></Summary></EFileIndividualIncomeTaxDataItem>")),
                 -1);
        QVERIFY(none.summary.instalmentAmount.empty());
    }

    void allZero_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<bool>("zero");
        QTest::newRow("zeros in any form") << QStringList{"0", "0.00", "", "0.0", " 0", "-0"} << true;
        QTest::newRow("year only") << QStringList{"", "", "", "", "", ""} << true;
        QTest::newRow("one cent") << QStringList{"0", "0", "0", "0", "0", "0.01"} << false;
        QTest::newRow("leading number") << QStringList{"12abc", "", "", "", "", ""} << false;
        QTest::newRow("no number") << QStringList{"abc", "", "", "", "", ""} << true;
    }

    void allZero()
    {
        QFETCH(QStringList, amounts);
        QFETCH(bool, zero);
        TDDTaxDataOnePerson::RrspHistoryRecord r{"2023",
                                                 amounts[0].toStdString(),
                                                 amounts[1].toStdString(),
                                                 amounts[2].toStdString(),
                                                 amounts[3].toStdString(),
                                                 amounts[4].toStdString(),
                                                 amounts[5].toStdString()};
        QCOMPARE(TDDTaxDataOnePerson::allZero(r), zero);
    }

    // Full lists keep their limits; the page and the log say what was cut.
    void limitsAreKeptAndCutsCounted()
    {
        const QString repayments = repeated(QStringLiteral("<RequiredRepayment year=\"%1\">100</RequiredRepayment>"), 11);
        const QString xml = item(
            QStringLiteral("<Summary><HomeBuyerPlan><updateDate>2025-01-01</updateDate>"
                           "<HomeBuyerPlanRequiredRepaymentAmount>%1</HomeBuyerPlanRequiredRepaymentAmount>"
                           "</HomeBuyerPlan></Summary>"
                           "<Client><RefundSetOffs>%2</RefundSetOffs></Client>"
                           "<CarryOver><FederalTuitionEducationTextBookAmounts>%3"
                           "</FederalTuitionEducationTextBookAmounts></CarryOver>"
                           "<Slips>%4</Slips>")
                .arg(repayments,
                     repeated(QStringLiteral("<RefundSetoff><RefundSetoffProgramCode>X%1</RefundSetoffProgramCode>"
                                             "</RefundSetoff>"), 41),
                     repeated(QStringLiteral("<E><TaxYear>%1</TaxYear><CarryForwardAvailableAmount>1"
                                             "</CarryForwardAvailableAmount></E>"), 25),
                     QStringLiteral("<T4Slip><EmploymentIncomeAmount boxNumber=\"14\">1</EmploymentIncomeAmount>"
                                    "</T4Slip>").repeated(2050)));
        TDDTaxDataOnePerson p(2024);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not kept")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not kept")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not kept")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not kept")));
        QCOMPARE(parseText(p, xml), 0);
        QCOMPARE(int(p.summary.hbp.requiredRepayments.size()), 10);
        QCOMPARE(p.hbpRepaymentForYear("2009"), Amount(100.0));
        QCOMPARE(p.hbpRepaymentForYear("2010"), Amount());   // the eleventh
        QCOMPARE(int(p.client.setoffs.size()), 40);
        QCOMPARE(int(p.carryOver.federalTuition.size()), 20);
        QCOMPARE(p.slipCount(), 2048);
        QCOMPARE(p.slipsNotKept, 2);
        QCOMPARE(int(p.cuts().size()), 3);

        const QString html = page(p);
        QVERIFY(html.contains(QStringLiteral("<b>HBP required repayments: 1 entries not kept</b><br>\n")));
        QVERIFY(html.contains(QStringLiteral("<b>Refund set-offs: 1 entries not kept</b><br>\n")));
        QVERIFY(html.contains(QStringLiteral("<b>Federal tuition amounts: 5 entries not kept</b><br>\n")));
        QVERIFY(html.contains(QStringLiteral("<b>Tax slips: 2 entries not kept</b><br>\n")));

        const QString logPath = m_dir.filePath(QStringLiteral("cut.log"));
        FILE *log = std::fopen(logPath.toLocal8Bit().constData(), "w");
        QVERIFY(log);
        QCOMPARE(p.saveToDatabase(m_db, log, "193 456 787", "<item/>"), 0);
        std::fclose(log);
        const QString logged = readFile(logPath);
        QVERIFY(logged.contains(QStringLiteral("not kept: 1 entries of HBP required repayments\n")));
        QVERIFY(logged.contains(QStringLiteral("not kept: 5 entries of Federal tuition amounts\n")));
        QVERIFY(logged.contains(QStringLiteral("not kept: 2 entries of Tax slips\n")));
        QVERIFY(!logged.contains(QStringLiteral("193")));   // no S.I.N. in the log
    }

    void saveStoresTheRow()
    {
        TDDTaxDataOnePerson p(2024);
        QCOMPARE(parseText(p, fixture("person-full.xml")), 0);
        QCOMPARE(p.saveToDatabase(m_db, nullptr, "046 454 286", "<item>one</item>"), 0);
        const int id = count(QStringLiteral("select id from tb_taxpayers where sin='046454286'"));
        QVERIFY(id > 0);
        QCOMPARE(text(QStringLiteral("select data1 from tb_taxdata where uid=%1").arg(id)),
                 QStringLiteral("<item>one</item>"));
        const QString html = text(QStringLiteral("select html1 from tb_taxdata where uid=%1").arg(id));
        QVERIFY(html.startsWith(QStringLiteral("<body>\n<h3>SIN: 046 454 286, update time: ")));
        QCOMPARE(count(QStringLiteral("select taxyear from tb_taxdata where uid=%1").arg(id)), 2024);

        // the same S.I.N. written without blanks finds the same taxpayer
        QCOMPARE(p.saveToDatabase(m_db, nullptr, "046454286", "<item>two</item>"), 0);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxpayers where sin='046454286'")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxdata where uid=%1").arg(id)), 1);
        QCOMPARE(text(QStringLiteral("select data1 from tb_taxdata where uid=%1").arg(id)),
                 QStringLiteral("<item>two</item>"));
    }

    void failedSaveReportsAndKeepsTheEarlierRow()
    {
        TDDTaxDataOnePerson first(2024);
        QCOMPARE(parseText(first, item(QString())), 0);
        QCOMPARE(first.saveToDatabase(m_db, nullptr, "130692544", "<earlier/>"), 0);
        const int id = count(QStringLiteral("select id from tb_taxpayers where sin='130692544'"));

        TDDTaxDataOnePerson refused(1999);   // the trigger refuses this year
        QCOMPARE(parseText(refused, item(QString())), 0);
        const QString logPath = m_dir.filePath(QStringLiteral("refused.log"));
        FILE *log = std::fopen(logPath.toLocal8Bit().constData(), "w");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QVERIFY(refused.saveToDatabase(m_db, log, "130692544", "<later/>") != 0);
        std::fclose(log);
        QVERIFY(readFile(logPath).contains(QStringLiteral("save into db=0\n")));
        QCOMPARE(text(QStringLiteral("select data1 from tb_taxdata where uid=%1").arg(id)),
                 QStringLiteral("<earlier/>"));

        // a S.I.N. that is not nine digits gives no taxpayer and no row
        const int rows = count(QStringLiteral("select count(*) from tb_taxdata"));
        QVERIFY(first.saveToDatabase(m_db, nullptr, "12345", "<x/>") != 0);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxdata")), rows);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxdata where uid=0")), 0);
    }

    void programTableFromSeveralThreads()
    {
        std::vector<std::string> found(8);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < found.size(); ++i)
            threads.emplace_back([&found, i] { found[i] = codeDescription(i % 2 ? "CSLP" : "ONMOF"); });
        for (std::thread &t : threads)
            t.join();
        for (size_t i = 0; i < found.size(); ++i)
            QCOMPARE(found[i], std::string(i % 2 ? "Toll-Free       888-815-4514 Ext      "
                                                 : "Toll-Free       866-668-8297 Ext      "));
        QCOMPARE(codeDescription("OAS"), std::string("Toll-Free       800-277-9914 Ext      "));
        QVERIFY(codeDescription("NOSUCH").empty());
        QVERIFY(codeDescription("").empty());
    }
};

BQ_TEST_MAIN_CORE(TstTddPerson)
#include "tst_tddperson.moc"
