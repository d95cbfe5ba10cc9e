// Reading the downloaded slips of a reply: the factory, the common reading, the
// twenty kinds' own fields, their report lines and the kept limits.
#include "bqtest.h"
#include "mydatastream.h"
#include "taxdata_slip_prpp.h"
#include "taxdata_slip_t2202.h"
#include "taxdata_slip_t4fhsa.h"
#include "taxdata_slip_t4rsp.h"
#include "taxfactory.h"
#include "taxslipprpp.h"
#include "taxslipt2202.h"
#include "taxslipt4.h"
#include "taxslipt4fhsa.h"
#include "taxslipt4rsp.h"
#include "taxslipt5013.h"
#include "tddtaxdataoneperson.h"
#include <QFile>
#include <memory>
#include <tinyxml.h>

namespace {

// Parses the XML text and hands its root element to parseSlips.
int parseSlipsText(TDDTaxDataOnePerson &person, const QString &xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
    return person.parseSlips(doc.RootElement());
}

// One slip of the kind made from the element text.
template <class Kind>
std::unique_ptr<Kind> parseOne(const QString &xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
    auto slip = std::make_unique<Kind>();
    slip->parseCommon(doc.RootElement());
    slip->parseSpecialFields(doc.RootElement());
    return slip;
}

QString slipsPage(const TDDTaxDataOnePerson &person)
{
    CString out;
    person.htmlSlips(out);
    return out;
}

QString readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString repeated(const QString &element, int n)
{
    QString xml = QStringLiteral("<Slips>");
    for (int i = 0; i < n; ++i)
        xml += element;
    return xml + QStringLiteral("</Slips>");
}

} // namespace

class TstTaxSlipParse : public QObject
{
    Q_OBJECT

private slots:
    void allKindsMatchGoldenPage()
    {
        TDDTaxDataOnePerson person(2024);
        const QString fixture = readFile(QStringLiteral(BQ_AUTOFILL_DIR "/fixtures/slips-all-kinds.xml"));
        QVERIFY(!fixture.isEmpty());
        QCOMPARE(parseSlipsText(person, fixture), 20);   // the NR4 is skipped
        const int types[] = {1, 2, 5, 17, 8, 9, 6, 4, 3, 25, 11, 19, 13, 7, 18, 20, 21, 22, 23, 26};
        for (int i = 0; i < 20; ++i)
            QCOMPARE(person.slip(i)->slipType, types[i]);

        const QString page = slipsPage(person);
        const QString golden = QStringLiteral(BQ_AUTOFILL_DIR "/golden/slips-all-kinds.html");
        if (qEnvironmentVariableIsSet("BQ_WRITE_GOLDEN")) {
            QFile f(golden);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(page.toUtf8());
        }
        QCOMPARE(page, readFile(golden));
        QVERIFY(page.contains(QStringLiteral("Employer: A&amp;B &lt;Co&gt;<br>")));
        QVERIFY(page.contains(QStringLiteral("Payer: Fonds &lt;script&gt;<br>")));
        QVERIFY(page.contains(QStringLiteral("remarked as Slips issued &lt;script&gt;")));
        QVERIFY(!page.contains(QStringLiteral("<script>")));
        QCOMPARE(slipsPage(person), page);   // made twice, one page
    }

    void factoryNames_data()
    {
        QTest::addColumn<QString>("children");
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("prefix and case") << QStringLiteral("<ns2:T4Slip/><t4slip/><T4Slip/>") << QList<int>{1, 1, 1};
        QTest::newRow("unknown kind") << QStringLiteral("<NR4Slip/><ns2:NR4Slip/>") << QList<int>{};
        QTest::newRow("prefix on every kind")
            << QStringLiteral("<a:T4RSPSlip/><b:T4APSlip/><c:T4AOASSlip/><d:RRSPCONTRIBUTIONRECEIPTSLIP/>")
            << QList<int>{4, 3, 6, 20};
        QTest::newRow("two colons keep the rest") << QStringLiteral("<a:b:T4Slip/><T2202Slip/>") << QList<int>{25};
    }

    void factoryNames()
    {
        QFETCH(QString, children);
        QFETCH(QList<int>, types);
        TDDTaxDataOnePerson person(2024);
        const QString xml = QStringLiteral("<Slips xmlns:a='a' xmlns:b='b' xmlns:c='c' xmlns:d='d' "
                                           "xmlns:ns2='n'>%1</Slips>").arg(children);
        QCOMPARE(parseSlipsText(person, xml), types.size());
        for (int i = 0; i < types.size(); ++i)
            QCOMPARE(person.slip(i)->slipType, types.at(i));
    }

    void commonReading()
    {
        auto s = parseOne<TaxSlipT4>(QStringLiteral(
            "<T4Slip><ns2:SlipTaxYear>2024</ns2:SlipTaxYear>"
            "<A boxNumber='14'>100</A><B boxNumber='14'> 1234.50 </B>"
            "<C boxNumber='16'/><E boxNumber='104'>9</E>"
            "<F boxNumber='16A'>1</F><G boxNumber='17'>2</G><H boxNumber='11'>3</H>"
            "<SlipVersionDescription>Amended</SlipVersionDescription></T4Slip>"));
        QCOMPARE(s->taxYear, std::string("2024"));
        QCOMPARE(s->version, std::string("Amended"));
        QCOMPARE(s->boxAmount("14"), 1234.5);   // the last box 14 wins, trimmed when read
        QCOMPARE(s->boxAmount("99"), 0.0);
        QVERIFY(!s->boxAmounts.count("16"));    // no text, no box
        s->setBox("20", CString(QStringLiteral("   ")));   // labelled but blank
        std::vector<std::string> keys;
        for (const auto &e : s->boxAmounts)
            keys.push_back(e.first);
        QCOMPARE(keys, (std::vector<std::string>{"104", "11", "14", "16A", "17", "20"}));

        CString out;
        QCOMPARE(s->htmlBoxList(out), 6);       // 104 and 11 have no T4 label
        QCOMPARE(QString(out), QStringLiteral("Box 14 - Employment income: 1234.50<br>\n"
                                              "Box 16A - 2nd CPP Contribution: 1<br>\n"
                                              "Box 17 - QPP Contribution: 2<br>\n"));
    }

    void t5013KeepsOnlyThePayer()
    {
        auto s = parseOne<TaxSlipT5013>(QStringLiteral(
            "<T5013Slip><IssuerName>Issuer</IssuerName><PartnershipPayerName>Prairie LP</PartnershipPayerName>"
            "</T5013Slip>"));
        QCOMPARE(s->payerName, std::string("Prairie LP"));
        QVERIFY(s->issuerName.empty());
    }

    void t4fhsaNameAndCopy_data()
    {
        QTest::addColumn<QString>("nameElement");
        QTest::newRow("named") << QStringLiteral("<FHSAIssuerPayerName>First Home</FHSAIssuerPayerName>");
        QTest::newRow("with a box number")
            << QStringLiteral("<FHSAIssuerPayerName boxNumber='61'>First Home</FHSAIssuerPayerName>");
    }

    void t4fhsaNameAndCopy()
    {
        QFETCH(QString, nameElement);
        auto s = parseOne<TaxSlipT4FHSA>(QStringLiteral("<T4FHSASlip>%1<A boxNumber='18'>8000</A>"
                                                        "<B boxNumber='22'>150.25</B><C boxNumber='38'>7</C>"
                                                        "<D boxNumber='14'>C-9</D></T4FHSASlip>").arg(nameElement));
        QCOMPARE(s->issuerPayerName, std::string("First Home"));
        std::unique_ptr<CTaxData_Form> form(createSlip(26));
        s->copyToSlip(form.get());
        QCOMPARE(form->text(TaxData_Slip_T4FHSA::F_Payer), QStringLiteral("First Home"));
        QCOMPARE(form->valueByCode(18), 8000.0);
        QCOMPARE(form->valueByCode(22), 150.25);
        QCOMPARE(form->valueByCode(38), 7.0);
    }

    void t2202Sessions_data()
    {
        QTest::addColumn<int>("given");
        QTest::newRow("two") << 2;
        QTest::newRow("five") << 5;
    }

    void t2202Sessions()
    {
        QFETCH(int, given);
        QString periods;
        for (int n = 1; n <= given; ++n)
            periods += QStringLiteral("<TuitionSessionPeriod><FromPeriod>2024-0%1</FromPeriod>"
                                      "<PartTimeMonthCount>0</PartTimeMonthCount><FullTimeMonthCount>%1"
                                      "</FullTimeMonthCount><TuitionSessionEligibleFeesAmount>%2"
                                      "</TuitionSessionEligibleFeesAmount></TuitionSessionPeriod>")
                           .arg(n)
                           .arg(n * 1000);
        if (given > 4)
            QTest::ignoreMessage(QtWarningMsg, "T2202 slip: 1 tuition sessions beyond the first 4 were not kept");
        auto s = parseOne<TaxSlipT2202>(QStringLiteral("<T2202Slip><SchoolIssuerName>Boréal</SchoolIssuerName>"
                                                       "<TuitionSessionPeriods>%1</TuitionSessionPeriods>"
                                                       "</T2202Slip>").arg(periods));
        const int kept = qMin(given, 4);
        QCOMPARE(s->sessionCount(), kept);
        QCOMPARE(s->sessionsNotKept, given - kept);

        std::unique_ptr<CTaxData_Form> form(createSlip(25));
        auto &t = static_cast<TaxData_Slip_T2202 &>(*form);
        for (int p = 0; p < 4; ++p)
            t.setAmount(TaxData_Slip_T2202::F_Period1Fees + 3 * p, -1);
        s->copyToSlip(form.get());
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(t.fullTimeMonths(p), p < kept ? double(p + 1) : 0.0);
            QCOMPARE(t.fees(p), p < kept ? (p + 1) * 1000.0 : -1.0);   // rows past the sessions untouched
        }

        CString out;
        s->htmlHeader(out, 1);
        const QString header = out;
        QCOMPARE(header.count(QStringLiteral("Session: ")), kept);
        QCOMPARE(header.contains(QStringLiteral("Session: %1<br>").arg(kept)), true);
        QVERIFY(!header.contains(QStringLiteral("Box 21 - Number of months part-time")));   // "0" skipped
        QCOMPARE(header.contains(QStringLiteral("Tuition sessions: 1 entries not kept")), given > 4);
    }

    void t4rspSpousalPlanFromBox24_data()
    {
        QTest::addColumn<QString>("box24");
        QTest::addColumn<bool>("spousal");
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("absent") << QString() << false;
    }

    void t4rspSpousalPlanFromBox24()
    {
        QFETCH(QString, box24);
        QFETCH(bool, spousal);
        const QString box = box24.isNull() ? QString() : QStringLiteral("<S boxNumber='24'>%1</S>").arg(box24);
        auto s = parseOne<TaxSlipT4RSP>(QStringLiteral("<T4RSPSlip><PayerName>Maple</PayerName>"
                                                       "<W boxNumber='22'>5000</W>%1</T4RSPSlip>").arg(box));
        std::unique_ptr<CTaxData_Form> form(createSlip(4));
        form->setFlag(TaxData_Slip_T4RSP::F_SpousalPlan, !spousal);
        s->copyToSlip(form.get());
        QCOMPARE(form->flag(TaxData_Slip_T4RSP::F_SpousalPlan), spousal);
        QCOMPARE(form->amount(TaxData_Slip_T4RSP::F_Box22), 5000.0);
    }

    void prppShowsNoBoxes()
    {
        auto s = parseOne<TaxSlipPRPP>(QStringLiteral(
            "<PRPPSlip><PooledRegisteredPensionPlanContractNumber>P-1</PooledRegisteredPensionPlanContractNumber>"
            "<X boxNumber='1'>9</X></PRPPSlip>"));
        CString out;
        s->htmlHeader(out, 1);
        QCOMPARE(s->htmlBoxList(out), 1);
        QCOMPARE(QString(out), QStringLiteral("<h4>Contract Number: P-1<br>\n</h4>"));
    }

    // The fields the T2202 and PRPP slips gained come after the earlier ones: a
    // record written with the earlier layout reads as before, the new fields empty.
    void earlierSlipRecordsReadAsBefore()
    {
        static const FieldTable earlierPrpp({{"Box10", FieldKind::Amount, 10}, {"Box11", FieldKind::Amount, 11},
                                             {"Box12", FieldKind::Amount, 12}, {"Box13", FieldKind::Amount, 13},
                                             {"Box14", FieldKind::Amount, 14}},
                                            &TaxData_SlipBase::commonFields());
        FieldRecord old(earlierPrpp);
        old.setText(TaxData_SlipBase::F_AccountNumber, QStringLiteral("PR-1"));
        old.setNumber(TaxData_Slip_PRPP::F_Box14, 42.5);
        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            QVERIFY(old.serialise(out));
        }
        TaxData_Slip_PRPP prpp;
        prpp.setText(TaxData_Slip_PRPP::F_Version, QStringLiteral("stale"));
        prpp.fields().reset();
        MyDataStream in(&bytes, false);
        QVERIFY(prpp.fields().serialise(in));
        QCOMPARE(prpp.text(TaxData_Slip_PRPP::F_AccountNumber), QStringLiteral("PR-1"));
        QCOMPARE(prpp.amount(TaxData_Slip_PRPP::F_Box14), 42.5);
        QCOMPARE(prpp.text(TaxData_Slip_PRPP::F_Version), QString());

        // and the new fields go round a file
        TaxData_Slip_T2202 t;
        t.setText(TaxData_Slip_T2202::F_ProgramName, QStringLiteral("Nursing"));
        t.setText(TaxData_Slip_T2202::F_Period1From + 2 * 3, QStringLiteral("2024-09"));
        t.setAmount(TaxData_Slip_T2202::F_Period4Fees, 900.0);
        QByteArray saved;
        {
            MyDataStream out(&saved, true);
            QVERIFY(t.fields().serialise(out));
        }
        TaxData_Slip_T2202 back;
        MyDataStream in2(&saved, false);
        QVERIFY(back.fields().serialise(in2));
        QCOMPARE(back.text(TaxData_Slip_T2202::F_ProgramName), QStringLiteral("Nursing"));
        QCOMPARE(back.periodFrom(3), QStringLiteral("2024-09"));
        QCOMPARE(back.fees(3), 900.0);
    }

    void slipLimitCountsWhatIsCut()
    {
        TDDTaxDataOnePerson person(2024);
        QTest::ignoreMessage(QtWarningMsg, "Auto-fill data: 2 slips beyond the first 2048 were not kept");
        QCOMPARE(parseSlipsText(person, repeated(QStringLiteral("<T4Slip/>"), 2050)), 2048);
        QCOMPARE(person.slipsNotKept, 2);
        QVERIFY(slipsPage(person).contains(QStringLiteral("Tax slips: 2 entries not kept")));

        TDDTaxDataOnePerson full(2024);
        QCOMPARE(parseSlipsText(full, repeated(QStringLiteral("<T4Slip/>"), 2048) + QStringLiteral("<NR4Slip/>")),
                 2048);
        QCOMPARE(full.slipsNotKept, 0);   // unrecognised children are not counted
    }
};

BQ_TEST_MAIN_CORE(TstTaxSlipParse)
#include "tst_taxslipparse.moc"
