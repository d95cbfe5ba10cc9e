#include "bqtest.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t1153.h"
#include "ctaxdata_t5013.h"
#include "personfixture.h"
#include "settingsseam.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_sch11.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "utils.h"

namespace {
class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return values.value(name); }
    QString configValue(const QString &) const override { return QString(); }
    QMap<QString, QString> values;
};
} // namespace

class TestPersonQueries : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;
    MapSettings m_settings;

    static TaxData_T1New *addT1(IndividualTaxData &p, const QString &first = QStringLiteral("Anne"),
                                const QString &last = QStringLiteral("Roy"))
    {
        auto *t1 = static_cast<TaxData_T1New *>(p.addForm(1, 0, true, 0, false)->object);
        t1->setFirstName(first);
        t1->setLastName(last);
        t1->setSin(QStringLiteral("046454286"));
        return t1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fx.setUp());
        setSettingsSource(&m_settings);
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 4), QTime(10, 20, 30)); });
    }
    void cleanupTestCase()
    {
        setSettingsSource(nullptr);
        setCurTimeSource(nullptr);
        m_fx.tearDown();
    }
    void init() { m_settings.values.clear(); }

    void summaryLine_data()
    {
        QTest::addColumn<double>("refund");
        QTest::addColumn<double>("balanceDue");
        QTest::addColumn<QString>("tail");
        QTest::newRow("refund") << 1234.5 << 0.0 << QStringLiteral("[Refund]=1234.50");
        QTest::newRow("balance due") << 0.0 << 310.25 << QStringLiteral("[Balance Due]=310.25");
        QTest::newRow("zero") << 0.0 << 0.0 << QStringLiteral("[Balance Due]=0.00");
        QTest::newRow("negative zero") << 0.0 << -0.0 << QStringLiteral("[Balance Due]=0.00");
        QTest::newRow("refund below a cent") << 0.005 << 12.0 << QStringLiteral("[Balance Due]=12.00");
    }
    void summaryLine()
    {
        QFETCH(double, refund);
        QFETCH(double, balanceDue);
        QFETCH(QString, tail);
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p);
        t1->setAmount(TaxData_T1New::F_15000, 50000);
        t1->setAmount(TaxData_T1New::F_23600, 45000.456);
        t1->setAmount(TaxData_T1New::F_26000, 44000);
        t1->setAmount(TaxData_T1New::F_48400, refund);
        t1->setAmount(TaxData_T1New::F_48500, balanceDue);
        QCOMPARE(QString(p.resultSummaryLine()),
                 QStringLiteral("[Total Income]=50000.00 [Net Income]=45000.46 [Taxable Income]=44000.00 ") + tail);
    }

    void summaryWithoutT1()
    {
        IndividualTaxData p(0, &m_fx.deps);
        QCOMPARE(QString(p.resultSummaryLine()), QStringLiteral("No tax return is opened."));
    }

    void amountsByCode()
    {
        IndividualTaxData p(0, &m_fx.deps);
        double x = 7;
        QVERIFY(!p.getAmount(150, x));   // no T1
        TaxData_T1New *t1 = addT1(p);
        t1->setAmount(TaxData_T1New::F_NetBalance, -55);
        QVERIFY(!p.getAmount(999, x));
        QCOMPARE(x, 7.0);
        QVERIFY(p.getAmount(483, x));
        QCOMPARE(x, -55.0);
        t1->setAmount(TaxData_T1New::F_30500, 0.008);
        QVERIFY(!p.getAmount(367, x));
        t1->setAmount(TaxData_T1New::F_30500, 0.009);
        QVERIFY(p.getAmount(367, x));
        int year = 0;
        QVERIFY(p.getIntValue(995, year));
        QCOMPARE(year, 0);
    }

    void taxpayerTexts()
    {
        IndividualTaxData p(0, &m_fx.deps);
        addT1(p);
        QString text = QStringLiteral("unchanged");
        QVERIFY(!p.getTaxpayerText(2, text));
        QCOMPARE(text, QStringLiteral("unchanged"));
        QVERIFY(p.getTaxpayerText(17, text));
        QCOMPARE(text, QStringLiteral("Anne Roy"));
        QVERIFY(p.getTaxpayerText(1, text));
        QCOMPARE(text, QStringLiteral("046454286"));
    }

    void flagsAndValues()
    {
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p);
        int v = -5;
        QVERIFY(p.getFlagValue(303, v));   // no Schedule 5: left unchanged
        QCOMPARE(v, -5);
        p.addForm(6, 0, true, 0, false)->object->setFlag(TaxData_Sch5::F_SpouseFlag, true);
        QVERIFY(p.getFlagValue(303, v));
        QCOMPARE(v, 1);
        t1->setReFile(true);
        QVERIFY(p.getFlagValue(2, v));
        QCOMPARE(v, 1);
        QVERIFY(p.getFlagValue(10, v));
        QCOMPARE(v, 0);
        QVERIFY(!p.getFlagValue(10003, v));
        p.addForm(96, 0, true, 0, false)->object->setDate(TaxData_T183New::F_SignDate, QDate(2025, 2, 1));
        QVERIFY(p.getFlagValue(10003, v));
        QCOMPARE(v, 1);
        QVERIFY(!p.getFlagValue(11, v));

        QVERIFY(p.setValue(3, true, 0));
        QVERIFY(t1->isMultipleYearFiling());
        QVERIFY(!p.setValue(10321, false, 5));
        QVERIFY(p.setText(10002, QStringLiteral("dcn text")));
        QVERIFY(!p.setText(10005, QStringLiteral("x")));
    }

    void markT1Filing_data()
    {
        QTest::addColumn<bool>("reFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("accepted") << false << 1 << 1 << QStringLiteral("CONF");
        QTest::newRow("accepted re-file") << true << 1 << 3 << QStringLiteral("CONF");
        QTest::newRow("refused re-file") << true << 0 << 2 << QStringLiteral("old");
        QTest::newRow("refused") << false << 5 << 5 << QStringLiteral("old");
        QTest::newRow("text only") << false << -1 << 9 << QStringLiteral("CONF");
    }
    void markT1Filing()
    {
        QFETCH(bool, reFile);
        QFETCH(int, status);
        QFETCH(int, stored);
        QFETCH(QString, confirmation);
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p);
        t1->setReFile(reFile);
        t1->setFilingStatus(9);
        t1->setConfirmationNumber(QStringLiteral("old"));
        p.markFilingStatus(1, status, QStringLiteral("CONF"));
        QCOMPARE(t1->filingStatus(), stored);
        QCOMPARE(t1->confirmationNumber(), confirmation);
    }

    void markOtherFilings()
    {
        IndividualTaxData p(0, &m_fx.deps);
        addT1(p);
        CTaxData_Form *t1013 = p.addForm(117, 0, true, 0, false)->object;
        p.markFilingStatus(117, 4, QStringLiteral("error"));
        QCOMPARE(t1013->text(TaxData_T1013New::F_Error), QStringLiteral("error"));
        p.markFilingStatus(117, 1, QStringLiteral("OK1"));
        p.markFilingStatus(117, 4, QStringLiteral("ignored"));   // accepted stays accepted
        QCOMPARE(t1013->intValue(TaxData_T1013New::F_FilingStatus), 1);
        QCOMPARE(t1013->text(TaxData_T1013New::F_Confirmation), QStringLiteral("OK1"));
        QCOMPARE(t1013->text(TaxData_T1013New::F_Error), QString());

        CTaxData_Form *t1135 = p.addForm(101, 0, true, 0, false)->object;
        t1135->setFlag(TaxData_T1135New::F_Amended, true);
        p.markFilingStatus(101, 1, QStringLiteral("T1135OK"));
        QCOMPARE(t1135->intValue(TaxData_T1135New::F_FilingStatus), 3);

        CTaxData_Form *t185 = p.addForm(181, 0, true, 0, false)->object;
        p.markFilingStatus(181, 0, QStringLiteral("no"));
        QCOMPARE(t185->text(TaxData_T185::F_Confirmation), QString());
        p.markFilingStatus(181, 1, QStringLiteral("PAD9"));
        QCOMPARE(t185->text(TaxData_T185::F_Message),
                 QStringLiteral("You sent a PAD at 2025-03-04 10:20:30, confirmation number [PAD9]."));
        p.markFilingStatus(53, 1, QStringLiteral("nothing"));   // other forms: nothing
    }

    void fileNameAndNames()
    {
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p, QStringLiteral("Anne"), QString());
        QCOMPARE(QString(p.returnFileName()), QStringLiteral("Anne_unknown"));
        t1->setLastName(QStringLiteral("O/Brien"));
        QCOMPARE(QString(p.returnFileName()), QStringLiteral("Anne_O_Brien"));

        QString first;
        CString last;
        t1->setFirstName(QStringLiteral("  Mary Ann  "));
        p.splitFullName(first, last);
        QCOMPARE(first, QStringLiteral("Mary"));
        QCOMPARE(QString(last), QStringLiteral("Ann"));
        t1->setFirstName(QStringLiteral("Mary"));
        p.splitFullName(first, last);
        QCOMPARE(first, QStringLiteral("Mary"));
        QVERIFY(last.isEmpty());

        QString sin, f, m, l, further;
        QDate dob;
        double balance = 0;
        t1->setText(TaxData_T1New::F_Initial, QStringLiteral(" J "));
        t1->setAmount(TaxData_T1New::F_NetBalance, 12.5);
        p.getFilingIdentity(sin, f, m, l, further, dob, balance);
        QCOMPARE(sin, QStringLiteral("046454286"));
        QCOMPARE(m, QStringLiteral("J"));
        QCOMPARE(balance, 12.5);
    }

    void preparerCityLine_data()
    {
        QTest::addColumn<QString>("prov");
        QTest::addColumn<QString>("postcode");
        QTest::addColumn<QString>("line");
        QTest::newRow("all") << "ON" << "K1A 0B1" << "Ottawa, ON K1A 0B1";
        QTest::newRow("no province") << "" << "K1A 0B1" << "Ottawa K1A 0B1";
        QTest::newRow("no postcode") << "ON" << "" << "Ottawa, ON";
    }
    void preparerCityLine()
    {
        QFETCH(QString, prov);
        QFETCH(QString, postcode);
        QFETCH(QString, line);
        m_settings.values = {{"BusinessCity", "Ottawa"}, {"BusinessProv", prov}, {"BusinessPostcode", postcode},
                             {"BusinessName", "Tax Co"}, {"BusinessEFileNum", "X1234"}};
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p);
        t1->setText(TaxData_T1New::F_PreparerPhone, QStringLiteral("kept"));
        p.fillPreparerInfo();
        QCOMPARE(t1->text(TaxData_T1New::F_PreparerCityLine), line);
        QCOMPARE(t1->text(TaxData_T1New::F_PreparerName), QStringLiteral("Tax Co"));
        QCOMPARE(t1->text(TaxData_T1New::F_PreparerPhone), QStringLiteral("kept"));   // empty setting
        QCOMPARE(t1->text(TaxData_T1New::F_EFileNumber), QStringLiteral("X1234"));
    }

    void prefill_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("T1 preparer") << 1 << "PreparerName" << "Tax Co";
        QTest::newRow("T776 owner") << 12 << "OwnerName" << "Anne Roy";
        QTest::newRow("T2042 SIN") << 21 << "OwnerSIN" << "046454286";
        QTest::newRow("T2121 owner") << 51 << "OwnerName" << "Anne Roy";
        QTest::newRow("T2125 owner") << 125 << "OwnerName" << "Anne Roy";
        QTest::newRow("T2125 partnership kind") << 131 << "IncomeKind" << "0";
        QTest::newRow("T1163 last name") << 15 << "LastName" << "Roy";
        QTest::newRow("RC71 address") << 53 << "DiscounterAddress" << "1 Main St, Ottawa, ON, K1A 0B1";
        QTest::newRow("RC71 code") << 53 << "DiscounterCode" << "D77";
        QTest::newRow("TL2 SIN") << 92 << "SIN" << "046454286";
        QTest::newRow("T183 preparer") << 96 << "PreparerName" << "Tax Co";
        QTest::newRow("T183 efile") << 96 << "EFileNumber" << "X1234";
        QTest::newRow("T183 pre-assessment") << 96 << "PreAssessment" << "1";
        QTest::newRow("T1153 city") << 97 << "City" << "Ottawa";
        QTest::newRow("T1135 first") << 101 << "FirstName" << "Anne";
        QTest::newRow("T1135 second") << 101 << "FirstName2" << "Marie";
        QTest::newRow("T1135 country") << 101 << "Country" << "CAN";
        QTest::newRow("T1135 year") << 101 << "YearStart" << "2024-01-01";
        QTest::newRow("T1ADJ date") << 116 << "Date" << "2025-03-04 10:20:30";
        QTest::newRow("T1013 date") << 117 << "Date" << "2025-03-04";
        QTest::newRow("Schedule 6 spouse") << 119 << "SpouseFlag" << "1";
    }
    void prefill()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(QString, value);
        m_settings.values = {{"BusinessName", "Tax Co"}, {"BusinessAddr", "1 Main St"}, {"BusinessCity", "Ottawa"},
                             {"BusinessProv", "ON"}, {"BusinessPostcode", "K1A 0B1"}, {"DiscounterCode", "D77"},
                             {"BusinessEFileNum", "X1234"}, {"PreAssessment", "1"}};
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p, type == 101 ? QStringLiteral(" Anne Marie ") : QStringLiteral("Anne"));
        t1->setMaritalStatus(5);   // single: no spouse amount
        FormEntry *e = p.findFormEntry(type, 0, true);
        QVERIFY(e);
        if (type == 1)
            p.prefillForm(e->object);   // the T1 of the person itself
        QCOMPARE(e->object->valueByKey(key), value);
    }

    void prefillWithoutT1DoesNothing()
    {
        m_settings.values = {{"BusinessName", "Tax Co"}};
        IndividualTaxData p(0, &m_fx.deps);
        FormEntry *e = p.findFormEntry(96, 0, true);
        QCOMPARE(e->object->valueByKey(QStringLiteral("PreparerName")), QString());
    }

    void prefillAppliesLastYearAmounts()
    {
        IndividualTaxData p(0, &m_fx.deps);
        addT1(p);
        p.addWizardData(2)->object->setAmount(TaxData_LastYearAmounts::F_FedUnusedTuition, 800);
        CTaxData_Form *sch11 = p.getForm(11, 0, true);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_CarriedForward), 800.0);
    }

    void spouseQueries()
    {
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = addT1(p);
        t1->setMaritalStatus(5);
        QVERIFY(!p.hasSpouseInformation());
        p.addForm(118, 0, true, 0, false);
        QVERIFY(p.hasSpouseInformation());
        t1->setMaritalStatus(0);
        QVERIFY(p.hasSpouseInformation());
        t1->setDateOfBirth(QDate(1953, 6, 1));   // 71 at the end of 2024
        QVERIFY(p.isRrspContributionAge());
        t1->setDateOfBirth(QDate(1952, 6, 1));
        QVERIFY(!p.isRrspContributionAge());
    }

    void selfEmployment()
    {
        IndividualTaxData p(0, &m_fx.deps);
        QVERIFY(!p.hasSelfEmploymentForms());
        CTaxData_Form *business = p.addForm(125, 0, true, 0, false)->object;
        business->setAmount(TaxData_T2125_New::F_NetIncome, 1000);
        CTaxData_Form *loss = p.addForm(125, 0, true, 0, false)->object;
        loss->setIntValue(TaxData_T2125_New::F_IncomeKind, 1);
        loss->setAmount(TaxData_T2125_New::F_NetIncome, -400);
        p.addForm(12, 0, true, 0, false);
        QVERIFY(p.hasBusinessIncome());
        QVERIFY(p.hasProfessionalIncome());
        QVERIFY(p.hasRentalIncome());
        QVERIFY(!p.hasFishingIncome());
        QVERIFY(!p.hasCommissionIncome());
        QVERIFY(p.hasSelfEmploymentForms());
        QCOMPARE(p.countSelfEmploymentForms(), 3);
        QCOMPARE(p.totalSelfEmploymentIncome(), 1000.0);   // a loss is not added
    }

    // Each statement adds its own net income, found by its form type; the T5013
    // adds its partnerships' incomes above zero.
    void selfEmploymentIncomeOfEachStatement_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("total");
        QTest::newRow("T1163 fishing") << 15 << int(TaxData_T1163New::F_NetIncome) << 1500.0 << 1500.0;
        QTest::newRow("T2042 farming") << 21 << int(TaxData_T2042New::F_NetIncome) << 2100.0 << 2100.0;
        QTest::newRow("T2121 fishing") << 51 << int(TaxData_T2121New::F_NetIncome) << 5100.0 << 5100.0;
        QTest::newRow("T2125 business") << 125 << int(TaxData_T2125_New::F_NetIncome) << 1250.0 << 1250.0;
        QTest::newRow("T2125 commission") << 131 << int(TaxData_T2125_New::F_NetIncome) << 1310.0 << 1310.0;
        QTest::newRow("T2042 loss") << 21 << int(TaxData_T2042New::F_NetIncome) << -300.0 << 0.0;
        QTest::newRow("T776 rental, not counted") << 12 << 0 << 0.0 << 0.0;
        QTest::newRow("T5013 partnerships") << 38 << -1 << 0.0 << 700.0;
    }
    void selfEmploymentIncomeOfEachStatement()
    {
        QFETCH(int, type);
        QFETCH(int, field);
        QFETCH(double, income);
        QFETCH(double, total);
        IndividualTaxData p(0, &m_fx.deps);
        CTaxData_Form *form = p.addForm(type, 0, true, 0, false)->object;
        QVERIFY(form);
        if (field >= 0) {
            form->setAmount(field, income);
        } else {
            for (double partnership : {500.0, -250.0, 200.0})
                form->rows(0).append().setNumber(CTaxData_T5013::C_NetIncome, partnership);
        }
        QCOMPARE(p.totalSelfEmploymentIncome(), total);
    }
};

BQ_TEST_MAIN_CORE(TestPersonQueries)
#include "tst_personqueries.moc"
