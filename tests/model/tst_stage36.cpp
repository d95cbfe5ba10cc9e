// Calculation stages 3 to 6 of one person: the order of their calls and their edge cases.
#include "bqtest.h"
#include "calctrace.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t1adj.h"
#include "settingsseam.h"
#include "stagefixture.h"
#include "taxdata_instalmentcalc.h"
#include "taxdata_sch11.h"
#include "taxdata_sch2.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_t1anew.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t691new.h"
#include "utils.h"
#include <QMap>
#include <cmath>

using namespace stagefixture;
using T1 = TaxData_T1New;

namespace {

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> user;
    QMap<QString, QString> config;
};

// The calls a stage recorded, without the dispatch's own marker.
QStringList runTraced(IndividualTaxData &p, unsigned int stage)
{
    QStringList trace;
    {
        calctrace::Scope scope(trace);
        p.calculateStage(false, 0, stage, false);
    }
    const QString prefix = QStringLiteral("stage %1: ").arg(stage);
    QStringList calls;
    for (const QString &s : qAsConst(trace))
        if (s.startsWith(prefix))
            calls << s.mid(prefix.size());
    return calls;
}

} // namespace

class TestStage36 : public QObject
{
    Q_OBJECT

private:
    // no date of birth; taxed in the person's province from the start
    StagePersons m_persons{QDate(), true};
    MapSettings m_settings;

private slots:
    void init() { setSettingsSource(&m_settings); }
    void cleanup()
    {
        setSettingsSource(nullptr);
        m_settings.user.clear();
        m_settings.config.clear();
    }

    void stage3DayCounts_data()
    {
        QTest::addColumn<QDate>("bankruptDate");
        QTest::addColumn<QDate>("entryDate");
        QTest::addColumn<int>("bankruptDays");
        QTest::addColumn<int>("residenceDays");
        QTest::newRow("whole year") << QDate() << QDate() << 366 << 366;
        QTest::newRow("bankrupt on 2 July") << QDate(2024, 7, 2) << QDate() << 183 << 366;
        QTest::newRow("arrived on 2 July") << QDate() << QDate(2024, 7, 2)
                                           << 366 << DaysInCanadaInTaxYear(QDate(2024, 7, 2), QDate(), 2024);
    }
    void stage3DayCounts()
    {
        QFETCH(QDate, bankruptDate);
        QFETCH(QDate, entryDate);
        QFETCH(int, bankruptDays);
        QFETCH(int, residenceDays);
        auto p = m_persons.person(Province::Ontario, {FormType::Schedule5});
        T1 *t = p->t1();
        t->setDate(T1::F_BankruptDate, bankruptDate);
        t->setDate(T1::F_EntryDate, entryDate);
        QCOMPARE(p->calculateStage(false, 0, 3, false), 0);
        QCOMPARE(t->amount(T1::F_DaysInYear), 366.0);
        QCOMPARE(t->amount(T1::F_DaysBeforeBankruptcy), double(bankruptDays));
        QCOMPARE(t->amount(T1::F_ResidenceDays), double(residenceDays));
        QCOMPARE(t->amount(T1::F_ResidenceDays2), double(residenceDays));
        QCOMPARE(t->amount(T1::F_ProratedDays), double(qMin(bankruptDays, residenceDays)));
        CTaxData_Form *sch5 = p->getForm(FormType::Schedule5, 0, false);
        QCOMPARE(sch5->amount(TaxData_Sch5::F_ProratedDays), double(qMin(bankruptDays, residenceDays)));
        QCOMPARE(sch5->amount(TaxData_Sch5::F_BankruptDays), double(bankruptDays));
        QCOMPARE(sch5->amount(TaxData_Sch5::F_DaysInYear), 366.0);
    }

    void stage3TuitionBase_data()
    {
        QTest::addColumn<double>("previousBase");
        QTest::addColumn<bool>("withT1206");
        QTest::addColumn<double>("splitDeduction");
        QTest::addColumn<double>("expected");
        // T1: taxable income 60000, basic federal tax 9300 (9300 / 0.15 = 62000)
        QTest::newRow("first pass") << 0.0 << false << 0.0 << 60000.0;
        QTest::newRow("less than 0.009 above the bracket") << 55867.005 << false << 0.0 << 60000.0;
        QTest::newRow("above the bracket") << 55867.01 << false << 0.0 << 62000.0;
        QTest::newRow("split income added") << 0.0 << true << 500.0 << 60500.0;
        QTest::newRow("negative base is 0") << 55900.0 << true << -70000.0 << 0.0;
    }
    void stage3TuitionBase()
    {
        QFETCH(double, previousBase);
        QFETCH(bool, withT1206);
        QFETCH(double, splitDeduction);
        QFETCH(double, expected);
        auto p = m_persons.person(Province::Ontario, {FormType::Schedule11});
        if (withT1206)
            p->getForm(FormType::T1206, 0, true);
        T1 *t = p->t1();
        t->setAmount(T1::F_26000, 60000.0);
        t->setAmount(T1::F_40400, 9300.0);
        t->setAmount(T1::F_23200, splitDeduction);
        CTaxData_Form *sch11 = p->getForm(FormType::Schedule11, 0, false);
        sch11->setAmount(TaxData_Sch11::F_IncomeBase, previousBase);
        p->calculateStage(false, 0, 3, false);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_IncomeBase), expected);
    }

    void stage4QuebecAbatement_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("mainTaxProvince");
        QTest::addColumn<bool>("abated");
        QTest::newRow("Quebec") << int(Province::Quebec) << int(Province::Quebec) << true;
        QTest::newRow("Ontario") << int(Province::Ontario) << int(Province::Ontario) << false;
        QTest::newRow("Quebec person, Ontario main tax province")
            << int(Province::Quebec) << int(Province::Ontario) << false;
        QTest::newRow("main tax province Quebec decides")
            << int(Province::Ontario) << int(Province::Quebec) << true;
    }
    void stage4QuebecAbatement()
    {
        QFETCH(int, province);
        QFETCH(int, mainTaxProvince);
        QFETCH(bool, abated);
        auto p = m_persons.person(province);
        T1 *t = p->t1();
        t->setMainTaxProvince(mainTaxProvince);
        t->setAmount(T1::F_26000, 80000.0);
        t->setAmount(T1::F_44000, 123.0); // a value of an earlier pass
        QCOMPARE(p->calculateStage(false, 0, 4, false), 0);
        const double basic = t->amount(T1::F_42900);
        QVERIFY(basic > 1000.0);
        // the abatement is kept to the cent
        QVERIFY(qAbs(t->amount(T1::F_44000) - (abated ? 0.165 * basic : 0.0)) < 0.006);
        QCOMPARE(t->amount(T1::F_44000) != 0.0, abated);
    }

    // The T691 counts the security options deductions whole and takes Schedule 3's
    // taxable gain without the gifts' left-out gains (those come at 30 % from the T1170).
    void stage4MinimumTaxInputs()
    {
        auto p = m_persons.person(Province::Ontario, {FormType::Schedule3, FormType::T691});
        T1 *t = p->t1();
        t->setAmount(T1::F_26000, 300000.0);
        t->setAmount(T1::F_24900, 100000.0);
        auto *sch3 = formAs<TaxData_Sch3>(p->getForm(FormType::Schedule3, 0, false), FormType::Schedule3);
        sch3->setAmount(TaxData_Sch3::F_TaxableGain, 10000.0);
        sch3->setAmount(TaxData_Sch3::F_GiftCapitalGains, 5000.0);
        QCOMPARE(p->calculateStage(false, 0, 4, false), 0);
        auto *t691 = formAs<TaxData_T691New>(p->getForm(FormType::T691, 0, false), FormType::T691);
        QCOMPARE(t691->amount(TaxData_T691New::F_SecurityOptions), 100000.0);
        QCOMPARE(t691->amount(TaxData_T691New::F_CapitalGains), 10000.0);
    }

    void stage4SpouseTransfer_data()
    {
        QTest::addColumn<bool>("withSch2");
        QTest::addColumn<QDate>("bankruptDate");
        QTest::addColumn<double>("ratio");
        QTest::newRow("no Schedule 2") << false << QDate() << 0.0;
        QTest::newRow("whole year") << true << QDate() << 1.0;
        QTest::newRow("183 days before bankruptcy") << true << QDate(2024, 7, 2) << 183.0 / 366.0;
    }
    void stage4SpouseTransfer()
    {
        QFETCH(bool, withSch2);
        QFETCH(QDate, bankruptDate);
        QFETCH(double, ratio);
        auto p = withSch2 ? m_persons.person(Province::Ontario, {FormType::Schedule2})
                          : m_persons.person(Province::Ontario);
        T1 *t = p->t1();
        t->setMaritalStatus(0);
        t->setAmount(T1::F_SpouseNetIncome, 5000.0);
        t->setAmount(T1::F_32600, 999.0);
        t->setDate(T1::F_BankruptDate, bankruptDate);
        if (withSch2)
            p->getForm(FormType::Schedule2, 0, false)->setAmount(TaxData_Sch2::F_Pension, 2000.0);
        p->calculateStage(false, 0, 4, false);
        const double result =
            withSch2 ? p->getForm(FormType::Schedule2, 0, false)->amount(TaxData_Sch2::F_Result) : 0.0;
        QVERIFY(!withSch2 || result > 0.0);
        QCOMPARE(t->amount(T1::F_32600), result * ratio);
    }

    // Without the form a line comes from, the amount of an earlier pass is cleared.
    void stagesClearLinesWithoutForms_data()
    {
        QTest::addColumn<uint>("stage");
        QTest::addColumn<int>("field");
        QTest::newRow("spouse amount, no Schedule 5") << 3u << int(T1::F_30300);
        QTest::newRow("eligible dependant, no Schedule 5") << 3u << int(T1::F_30400);
        QTest::newRow("caregiver amount, no Schedule 5") << 3u << int(T1::F_30450);
        QTest::newRow("tuition, no Schedule 11") << 3u << int(T1::F_32300);
        QTest::newRow("training credit, no Schedule 11") << 3u << int(T1::F_45350);
        QTest::newRow("home accessibility, no Schedule 12") << 3u << int(T1::F_31285);
        QTest::newRow("donations, no Schedule 9") << 4u << int(T1::F_34900);
        QTest::newRow("minimum tax carryover, no T691") << 4u << int(T1::F_40427);
        QTest::newRow("minimum tax excess, no T691") << 4u << int(T1::F_MinimumTaxExcess);
        QTest::newRow("investment tax credit, no T2038") << 4u << int(T1::F_41200);
        QTest::newRow("investment tax credit refund, no T2038") << 4u << int(T1::F_45400);
        QTest::newRow("split income tax, no T1206") << 4u << int(T1::F_40424);
        QTest::newRow("accumulated income payments, no T1172") << 4u << int(T1::F_T1172Tax);
    }
    void stagesClearLinesWithoutForms()
    {
        QFETCH(uint, stage);
        QFETCH(int, field);
        auto p = m_persons.person(Province::Ontario);
        T1 *t = p->t1();
        t->setAmount(T1::F_26000, 50000.0);
        t->setAmount(field, 321.0);
        QCOMPARE(p->calculateStage(false, 0, stage, false), 0);
        QCOMPARE(t->amount(field), 0.0);
    }

    void stage5YukonLines_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<double>("expected");
        QTest::newRow("Yukon keeps them") << int(Province::Yukon) << 250.0;
        QTest::newRow("elsewhere 0") << int(Province::Saskatchewan) << 0.0;
    }
    void stage5YukonLines()
    {
        QFETCH(int, province);
        QFETCH(double, expected);
        auto p = m_persons.person(province);
        T1 *t = p->t1();
        t->setAmount(T1::F_43200, 250.0);
        t->setAmount(T1::F_44100, 250.0);
        QCOMPARE(p->calculateStage(false, 0, 5, false), 0);
        QCOMPARE(t->amount(T1::F_43200), expected);
        QCOMPARE(t->amount(T1::F_44100), expected);
    }

    // Settings fill a form only when they hold something.
    void stage5PreparerSettings_data()
    {
        QTest::addColumn<QString>("discounter");
        QTest::addColumn<QString>("repId");
        QTest::addColumn<QString>("expectedDiscounter");
        QTest::addColumn<QString>("expectedRepId");
        QTest::newRow("empty settings keep the typed values") << QString() << QString() << "TYPED" << "REPTYPED";
        QTest::newRow("settings replace them") << "D123" << "R9" << "D123" << "R9";
    }
    void stage5PreparerSettings()
    {
        QFETCH(QString, discounter);
        QFETCH(QString, repId);
        QFETCH(QString, expectedDiscounter);
        QFETCH(QString, expectedRepId);
        auto p = m_persons.person(Province::Ontario, {FormType::RC71, FormType::T1_ADJ});
        CTaxData_Form *rc71 = p->getForm(FormType::RC71, 0, false);
        CTaxData_Form *adj = p->getForm(FormType::T1_ADJ, 0, false);
        rc71->setText(CTaxData_RC71::F_DiscounterCode, QStringLiteral("TYPED"));
        adj->setText(CTaxData_T1ADJ::F_RepID, QStringLiteral("REPTYPED"));
        m_settings.user[QStringLiteral("DiscounterCode")] = discounter;
        m_settings.user[QStringLiteral("T1013RepID")] = repId;
        p->calculateStage(false, 0, 5, false);
        QCOMPARE(rc71->text(CTaxData_RC71::F_DiscounterCode), expectedDiscounter);
        QCOMPARE(adj->text(CTaxData_T1ADJ::F_RepID), expectedRepId);
        QCOMPARE(adj->text(CTaxData_T1ADJ::F_Name), QStringLiteral("Lamont, Ada"));
        QCOMPARE(adj->intValue(CTaxData_T1ADJ::F_Year), 2024);
    }

    // The RC71 keeps the e-signature request id through a recalculation; the client's
    // telephone has its own field.
    void stage5KeepsRC71RequestId()
    {
        auto p = m_persons.person(Province::Ontario, {FormType::RC71});
        CTaxData_Form *rc71 = p->getForm(FormType::RC71, 0, false);
        p->getForm(FormType::T1, 0, true)->setText(T1::F_Phone, QStringLiteral("6135550101"));
        QVERIFY(p->setText(10005, QStringLiteral("123")));
        p->calculateStage(false, 0, 5, false);
        QCOMPARE(rc71->text(CTaxData_RC71::F_Text), QStringLiteral("123"));
        QCOMPARE(rc71->text(CTaxData_RC71::F_ClientPhone), QStringLiteral("6135550101"));
    }

    void stage5LossCarryBack_data()
    {
        QTest::addColumn<double>("rental");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("loss");
        QTest::newRow("exactly 0") << 0.0 << 0.0 << 0.0;
        QTest::newRow("loss") << -1500.0 << 0.0 << 1500.0;
        QTest::newRow("income") << 800.0 << 800.0 << 0.0;
    }
    void stage5LossCarryBack()
    {
        QFETCH(double, rental);
        QFETCH(double, income);
        QFETCH(double, loss);
        auto p = m_persons.person(Province::Ontario, {FormType::T1A});
        p->t1()->setAmount(T1::F_12600, rental);
        p->calculateStage(false, 0, 5, false);
        const FieldRowList &rows = p->getForm(FormType::T1A, 0, false)->rows(0);
        QVERIFY(rows.count() >= 3);
        const FieldRecord &r = rows.row(2); // rental source
        QCOMPARE(r.number(TaxData_T1ANew::C_Income), income);
        QCOMPARE(r.number(TaxData_T1ANew::C_Loss), loss);
        QVERIFY(!std::signbit(r.number(TaxData_T1ANew::C_Loss)));
    }

    void stage6Instalments_data()
    {
        QTest::addColumn<bool>("withT1KS");
        QTest::addColumn<bool>("withWorksheet");
        QTest::newRow("neither") << false << false;
        QTest::newRow("summary without worksheet") << true << false;
        QTest::newRow("worksheet") << true << true;
    }
    void stage6Instalments()
    {
        QFETCH(bool, withT1KS);
        QFETCH(bool, withWorksheet);
        auto p = m_persons.person(Province::Ontario);
        if (withT1KS)
            p->getForm(FormType::T1Summary, 0, true);
        if (withWorksheet)
            p->getForm(FormType::Instalments, 0, true);
        const int formsBefore = p->formCount(0);
        CTaxData_Form *t1ks = p->getForm(FormType::T1Summary, 0, false);
        if (t1ks)
            for (int f : {TaxData_T1KSNew::F_Instalment1, TaxData_T1KSNew::F_Instalment4})
                t1ks->setAmount(f, 700.0);
        CTaxData_Form *sheet = p->getForm(FormType::Instalments, 0, false);
        if (sheet)
            sheet->setAmount(TaxData_InstalmentCalc::F_ProvincialValue1, 55.0);
        QCOMPARE(p->calculateStage(false, 0, 6, false), 0);
        QCOMPARE(p->formCount(0), formsBefore);
        if (sheet) {
            // no plug-in answers: both provincial values are 0
            QCOMPARE(sheet->amount(TaxData_InstalmentCalc::F_ProvincialValue1), 0.0);
            QCOMPARE(sheet->amount(TaxData_InstalmentCalc::F_ProvincialValue2), 0.0);
        } else if (t1ks) {
            QCOMPARE(t1ks->amount(TaxData_T1KSNew::F_Instalment1), 0.0);
            QCOMPARE(t1ks->amount(TaxData_T1KSNew::F_Instalment4), 0.0);
        }
    }

    void stage6RemovesCppForm_data()
    {
        QTest::addColumn<int>("selector");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("has148");
        QTest::addColumn<bool>("has150");
        QTest::newRow("RC381 chosen: Schedule 8 goes") << 2 << 1 << true << false;
        QTest::newRow("Schedule 8 chosen: RC381 goes") << 1 << 1 << false << true;
        QTest::newRow("neither chosen") << 0 << 0 << true << true;
    }
    void stage6RemovesCppForm()
    {
        QFETCH(int, selector);
        QFETCH(int, result);
        QFETCH(bool, has148);
        QFETCH(bool, has150);
        auto p = m_persons.person(Province::Ontario, {FormType::RC381, FormType::Schedule8});
        p->t1()->setCppFormSelector(selector);
        QCOMPARE(p->calculateStage(false, 0, 6, false), result);
        QCOMPARE(p->hasForm(FormType::RC381), has148);
        QCOMPARE(p->hasForm(FormType::Schedule8), has150);
    }

    // A person without a T1 passes every stage untouched; stage 7 does nothing.
    void stagesWithoutT1_data()
    {
        QTest::addColumn<bool>("withT1");
        QTest::addColumn<uint>("stage");
        for (uint s = 3; s <= 6; ++s)
            QTest::addRow("no T1, stage %u", s) << false << s;
        QTest::newRow("stage 7") << true << 7u;
    }
    void stagesWithoutT1()
    {
        QFETCH(bool, withT1);
        QFETCH(uint, stage);
        IndividualTaxData p(0, &m_persons.deps);
        p.storeReadProvince(Province::Ontario);
        if (withT1)
            p.getForm(FormType::T1, 0, true)->setAmount(T1::F_DaysInYear, 1.0);
        for (int type : {FormType::Schedule5, FormType::T1Summary, FormType::Schedule8, FormType::RC381,
                         FormType::Instalments, FormType::T1A})
            p.getForm(type, 0, true);
        CTaxData_Form *sch5 = p.getForm(FormType::Schedule5, 0, false);
        sch5->setAmount(TaxData_Sch5::F_DaysInYear, 1.0);
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            QCOMPARE(p.calculateStage(false, 0, stage, false), 0);
        }
        QVERIFY2(trace.isEmpty(), qPrintable(trace.join(QLatin1Char(','))));
        QCOMPARE(sch5->amount(TaxData_Sch5::F_DaysInYear), 1.0);
        QCOMPARE(p.formCount(0), withT1 ? 7 : 6);
        if (withT1)
            QCOMPARE(p.t1()->amount(T1::F_DaysInYear), 1.0);
    }

    // Every step of stages 3 and 4 runs in this order, with or without the forms it works on.
    void stage3And4Order_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("Quebec, every form") << int(Province::Quebec)
                                            << QList<int>{FormType::Schedule2, FormType::Schedule3,
                                                          FormType::Schedule5, FormType::Schedule9,
                                                          FormType::Schedule11, FormType::Schedule12HAE,
                                                          FormType::T1172, FormType::T1212, FormType::T2038IND,
                                                          FormType::T1206, FormType::T691, FormType::T1170,
                                                          FormType::Schedule6, FormType::T90,
                                                          FormType::Worksheet5000D1};
        QTest::newRow("Ontario, T1 alone") << int(Province::Ontario) << QList<int>{};
    }
    void stage3And4Order()
    {
        QFETCH(int, province);
        QFETCH(QList<int>, types);
        auto p = m_persons.person(province);
        for (int type : qAsConst(types))
            QVERIFY(p->getForm(type, 0, true));
        const QStringList expected3{"day counts", "Schedule 5", "Schedule 11", "Schedule 12", "adoption expenses",
                                    "Schedule 2 inputs"};
        QCOMPARE(runTraced(*p, 3), expected3);
        const QStringList expected4{"Schedule 2 transfer",
                                    "donations",
                                    "T1 flags and medical expenses",
                                    "federal tax first step",
                                    "basic federal tax",
                                    "minimum tax to line 65",
                                    "Quebec abatement",
                                    "foreign tax credits",
                                    "provinces first part",
                                    "investment tax credit to line D",
                                    "minimum tax to line 95",
                                    "investment tax credit",
                                    "net federal tax before split income",
                                    "federal tax on split income",
                                    "minimum tax",
                                    "accumulated income payments",
                                    "net federal tax",
                                    "provincial tax",
                                    "self-employment totals",
                                    "Canada workers benefit inputs",
                                    "Indian Act income"};
        QCOMPARE(runTraced(*p, 4), expected4);
    }

    // Stages 5 and 6 run their named steps in order, whatever forms exist.
    void stage5And6Order_data()
    {
        QTest::addColumn<QList<int>>("forms");
        QTest::newRow("every form of the stages")
            << QList<int>{FormType::GST370, FormType::T1A, FormType::T1DD, FormType::RC71, FormType::T5004,
                          FormType::T1153, FormType::T1135, FormType::T1_ADJ, FormType::T1032, FormType::Schedule6,
                          FormType::Schedule12, FormType::T224, FormType::T225, FormType::T185, FormType::T183,
                          FormType::Instalments, FormType::T1Summary};
        QTest::newRow("a T1 alone") << QList<int>{};
    }
    void stage5And6Order()
    {
        QFETCH(QList<int>, forms);
        auto p = m_persons.person(Province::Ontario);
        for (int type : forms)
            QVERIFY(p->getForm(type, 0, true));
        p->addWizardData(1);
        const QStringList expected5{"foreign tax credits", "provincial credits", "fuel charge forms", "Yukon lines",
                                    "provincial tax", "Canada workers benefit", "medical expense supplement",
                                    "multigenerational home renovation", "GST/HST rebate", "total payable",
                                    "pension split", "balance", "loss carry-back", "tax shelter", "direct deposit",
                                    "electronic filing information", "pre-authorised debit", "discounted refund",
                                    "adjustment request", "foreign income verification", "bankruptcy information",
                                    "tax-wizard records"};
        QCOMPARE(runTraced(*p, 5), expected5);
        const QStringList expected6{"default answers", "unused CPP form", "instalments"};
        QCOMPARE(runTraced(*p, 6), expected6);
    }
};

BQ_TEST_MAIN_CORE(TestStage36)
#include "tst_stage36.moc"
