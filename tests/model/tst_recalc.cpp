// The recalculation driver: the order of stages, persons and exchanges, the
// set-up of stage 0, the exchanges between spouses and the persons the stages skip.
#include "bqtest.h"
#include "calctrace.h"
#include "creturnfile.h"
#include "ctaxdata_t1dd.h"
#include "ctaxdata_t2205.h"
#include "messages.h"
#include "settingsseam.h"
#include "stagefixture.h"
#include "taxdata_sch2.h"
#include "taxdata_sch6.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t183new.h"
#include "taxdata_t778new.h"
#include <QRegularExpression>

using namespace stagefixture;
using T1 = TaxData_T1New;

namespace {

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return values.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> values;
    QMap<QString, QString> config;
};

// The driver's own entries of a trace: stages per person, exchanges, estimates.
QStringList driverOrder(const QStringList &trace)
{
    static const QRegularExpression re(QStringLiteral("^(stage \\d (self|spouse)|exchange \\d|estimateBenefits \\w+)$"));
    QStringList out;
    for (const QString &s : trace)
        if (re.match(s).hasMatch())
            out.append(s);
    return out;
}

QStringList expectedCoupled(const QString &cur, const QString &other)
{
    QStringList round;
    for (int s = 0; s < 7; ++s)
        round << QStringLiteral("stage %1 %2").arg(s).arg(cur) << QStringLiteral("stage %1 %2").arg(s).arg(other)
              << QStringLiteral("exchange %1").arg(s);
    round << QStringLiteral("estimateBenefits %1").arg(cur) << QStringLiteral("estimateBenefits %1").arg(other);
    return round + round;
}

} // namespace

class TestRecalc : public QObject
{
    Q_OBJECT
    MapSettings m_settings;
    ScriptedMessages m_messages;

private slots:
    void init()
    {
        m_settings.values.clear();
        m_settings.config.clear();
        setSettingsSource(&m_settings);
        setMessageHandler(&m_messages);
    }
    void cleanup()
    {
        setSettingsSource(nullptr);
        setMessageHandler(nullptr);
    }

    // ---- order of the stages, the persons and the exchanges

    void singleOrder_data()
    {
        QTest::addColumn<int>("current");
        QTest::newRow("self current") << int(CReturnFile::kSelf);
        QTest::newRow("spouse index current") << int(CReturnFile::kSpouse);
    }
    void singleOrder()
    {
        QFETCH(int, current);
        CReturnFile rf;
        anne(*rf.self());
        rf.setCurrentPerson(current);
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            rf.recalculate(-1, nullptr);
        }
        QStringList round;
        for (int s = 0; s < 7; ++s)
            round << QStringLiteral("stage %1 self").arg(s);
        round << QStringLiteral("estimateBenefits self");
        QCOMPARE(driverOrder(trace), round + round);
    }

    void coupledOrder_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("cur");
        QTest::addColumn<QString>("other");
        QTest::newRow("self current") << int(CReturnFile::kSelf) << "self" << "spouse";
        QTest::newRow("spouse current") << int(CReturnFile::kSpouse) << "spouse" << "self";
    }
    void coupledOrder()
    {
        QFETCH(int, current);
        QFETCH(QString, cur);
        QFETCH(QString, other);
        CReturnFile rf;
        makeCouple(rf);
        QVERIFY(rf.isCoupled());
        rf.setCurrentPerson(current);
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            rf.recalculate(-1, nullptr);
        }
        QCOMPARE(driverOrder(trace), expectedCoupled(cur, other));
    }

    void stage0Order()
    {
        CReturnFile rf;
        anne(*rf.self());
        IndividualTaxData &p = *rf.self();
        for (int type : {FormType::T183, FormType::T185, FormType::T1013, FormType::T1DD, FormType::T1198})
            QVERIFY(p.getForm(type, 0, true));
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            p.calculateStage(false, 0, 0, false);
        }
        QStringList stage0;
        for (const QString &s : trace)
            if (s.startsWith(QLatin1String("stage 0:")))
                stage0.append(s.mid(9));
        const QStringList expected{"provincial forms", "Schedule 5 date", "provincial form info",
                                   "provincial set-up", "filing marks", "preparer", "T183", "T185", "T1013",
                                   "direct deposit", "T1198"};
        QCOMPARE(stage0, expected);
    }

    // ---- what is done before every stage and in stage 0

    void sinNormalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blanks") << "046 454 286" << "046454286";
        QTest::newRow("dashes") << "046-454-286" << "046454286";
        QTest::newRow("ten digits") << "0464542861" << "046454286";
    }
    void sinNormalised()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        CReturnFile rf;
        anne(*rf.self(), Province::Ontario, kMarried);
        T1 *t = rf.self()->t1();
        t->setSin(typed);
        t->setSpouseSin(typed);
        rf.self()->calculateStage(false, 0, 7, false);
        QCOMPARE(t->sin(), stored);
        QCOMPARE(t->spouseSin(), stored);
        t->setSpouseSin(QStringLiteral("   "));
        rf.self()->calculateStage(false, 0, 7, false);
        QCOMPARE(t->spouseSin(), QStringLiteral("   "));
    }

    // The province of residence on the T1 is the return's province, so the filing forms
    // carry it (the T183 shows it) and the donor and rural questions are asked.
    void provinceOfResidence_data()
    {
        QTest::addColumn<int>("province");
        QTest::newRow("Ontario") << int(Province::Ontario);
        QTest::newRow("Alberta") << int(Province::Alberta);
    }
    void provinceOfResidence()
    {
        QFETCH(int, province);
        CReturnFile rf;
        anne(*rf.self(), province, kMarried);
        auto *t183 = rf.self()->getForm(FormType::T183, 0, true);
        QVERIFY(t183);
        rf.recalculate(-1, nullptr);
        const T1 *t = rf.self()->t1();
        QCOMPARE(t->provinceOfResidence(), province);
        QCOMPARE(t183->intValue(TaxData_T183New::F_Province), province);
        QVERIFY(t->isProvEligibleForCAI());
        QCOMPARE(t->isDonorInfoNeeded(), province == Province::Ontario);
    }

    void stageSevenDoesNothing()
    {
        CReturnFile rf;
        anne(*rf.self());
        rf.self()->getForm(FormType::Schedule2, 0, true); // without its provincial partner
        CReturnFile copy;
        copy.assign(rf);
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            QCOMPARE(rf.self()->calculateStage(false, 0, 7, false), 0);
        }
        QVERIFY(trace.isEmpty());
        QVERIFY(!rf.differsFrom(copy));
        // stage 0 makes the partner and reports it
        QVERIFY(rf.self()->calculateStage(false, 0, 0, false) >= 1);
    }

    void t183Settings_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("no setting keeps the typed number") << "" << "X1234" << "X1234";
        QTest::newRow("setting fills a blank field") << "E9999" << " " << "E9999";
        QTest::newRow("setting leaves a filled field") << "E9999" << "X1234" << "X1234";
    }
    void t183Settings()
    {
        QFETCH(QString, setting);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        m_settings.values["BusinessEFileNum"] = setting;
        m_settings.values["BusinessName"] = "Tax Shop";
        m_settings.values["BusinessEFilePassword"] = "secret";
        m_settings.config["EfileSoftwareCode"] = "0777";
        CReturnFile rf;
        anne(*rf.self());
        auto *t183 = static_cast<TaxData_T183New *>(rf.self()->getForm(FormType::T183, 0, true));
        auto *t1013 = static_cast<TaxData_T1013New *>(rf.self()->getForm(FormType::T1013, 0, true));
        t183->setText(TaxData_T183New::F_EFileNumber, typed);
        rf.self()->calculateStage(false, 0, 0, false);
        QCOMPARE(t183->text(TaxData_T183New::F_EFileNumber), result);
        QCOMPARE(t183->text(TaxData_T183New::F_PreparerName), QStringLiteral("Tax Shop"));
        QCOMPARE(t183->text(TaxData_T183New::F_EFilePassword), QStringLiteral("secret"));
        QCOMPARE(t1013->text(TaxData_T1013New::F_SoftwareCode), QStringLiteral("0777H"));
        QCOMPARE(t1013->text(TaxData_T1013New::F_SIN), rf.self()->t1()->sin());
    }

    void directDeposit()
    {
        CReturnFile rf;
        anne(*rf.self());
        T1 *t = rf.self()->t1();
        t->setText(T1::F_DDAccount, QStringLiteral("stale"));
        rf.self()->calculateStage(false, 0, 0, false);
        QVERIFY(t->text(T1::F_DDAccount).isEmpty());
        CTaxData_Form *dd = rf.self()->getForm(FormType::T1DD, 0, true);
        dd->setText(CTaxData_T1DD::F_Account, QStringLiteral("1234567"));
        dd->setText(CTaxData_T1DD::F_Branch, QStringLiteral("00011"));
        rf.self()->calculateStage(false, 0, 0, false);
        QCOMPARE(t->text(T1::F_DDAccount), QStringLiteral("1234567"));
        QCOMPARE(t->text(T1::F_DDBranch), QStringLiteral("00011"));
    }

    // ---- persons the stages leave out

    void personWithoutT1()
    {
        CReturnFile rf;
        // a coupled file whose self holds no T1: the spouse holds a T1 and the provincial credits
        ben(*rf.spouse());
        QVERIFY(rf.spouse()->getForm(FormType::ProvincialCredits, 0, true));
        QVERIFY(rf.isCoupled());
        QStringList trace;
        {
            calctrace::Scope scope(trace);
            rf.recalculate(-1, nullptr);
        }
        const QStringList order = driverOrder(trace);
        QCOMPARE(order.count(QStringLiteral("stage 0 self")), 0);
        QCOMPARE(order.count(QStringLiteral("stage 0 spouse")), 2);
        QCOMPARE(order.count(QStringLiteral("exchange 3")), 2);
        for (unsigned int stage = 0; stage < 8; ++stage)
            QCOMPARE(rf.self()->calculateStage(false, 0, stage, false), 0);
    }

    // ---- the province change and the provincial wizard record

    void provinceChangeRemakesWizardRecord()
    {
        CReturnFile rf;
        anne(*rf.self());
        IndividualTaxData &p = *rf.self();
        QVERIFY(p.findWizardData(WizardRecord::Provincial, false));
        p.setProvince(Province::Ontario, Province::Alberta);
        CTaxData_Form *record = p.findWizardData(WizardRecord::Provincial, false);
        QVERIFY(record);
        // the record is the one the loaded (new) plug-in holds
        QCOMPARE(record, p.provinceManager().createWizardData());
        QList<int> loaded;
        p.provinceManager().listLoadedProvinces(loaded);
        QCOMPARE(loaded, QList<int>{Province::Alberta});
        rf.recalculate(-1, nullptr);

        // the same province again keeps its plug-in and its record
        CProvincialTaxManager *manager = p.provinceManager().loadedManager(Province::Alberta);
        const int loads = CMultiProvsTaxMgr::loadAttempts();
        p.setProvince(Province::Alberta, Province::Alberta);
        QCOMPARE(p.provinceManager().loadedManager(Province::Alberta), manager);
        QCOMPARE(CMultiProvsTaxMgr::loadAttempts(), loads);
        QCOMPARE(p.findWizardData(WizardRecord::Provincial, false), record);
    }

    // ---- the edited item

    void editedSharedForm()
    {
        CReturnFile rf;
        makeCouple(rf);
        CTaxData_Form *mine = rf.self()->getForm(FormType::T776, 0, true);
        rf.shareFormWithSpouse(mine);
        FormEntry *entry = rf.self()->formEntryOf(mine);
        QVERIFY(entry->linkedId > 0);
        // the partner's copy deleted: the link goes, the calculation goes on
        rf.spouse()->removeForm(rf.spouse()->getForm(FormType::T776, entry->linkedId, false), true, false);
        QVERIFY(!rf.spouse()->hasForm(FormType::T776));
        rf.recalculate(0, mine);
        QCOMPARE(entry->linkedId, 0);
    }

    // ---- the exchanges, stage by stage

    void exchangeIdentity()
    {
        CReturnFile rf;
        makeCouple(rf);
        T1 *a = rf.self()->t1();
        T1 *b = rf.spouse()->t1();
        b->setSin(QStringLiteral("193456787"));
        b->setDateOfBirth(QDate(1979, 2, 3));
        a->setSpouseFirstName(QString());
        rf.exchangeBetweenSpouses(0);
        QCOMPARE(a->spouseFirstName(), QStringLiteral("Ben"));
        QCOMPARE(a->spouseSin(), QStringLiteral("193456787"));
        QCOMPARE(a->spouseDateOfBirth(), QDate(1979, 2, 3));
        QCOMPARE(b->spouseFirstName(), QStringLiteral("Anne"));
    }

    void exchangeT1032_data()
    {
        QTest::addColumn<int>("currentRole");
        QTest::newRow("current transfers") << 0;
        QTest::newRow("current receives") << 1;
    }
    void exchangeT1032()
    {
        QFETCH(int, currentRole);
        using S = TaxData_T1032_New;
        CReturnFile rf;
        makeCouple(rf);
        CTaxData_Form *c = rf.self()->getForm(FormType::T1032, 0, true);
        CTaxData_Form *o = rf.spouse()->getForm(FormType::T1032, 0, true);
        c->setIntValue(S::F_Role, currentRole);
        o->setIntValue(S::F_Role, currentRole);
        c->setAmount(S::F_SplitAmount, 1000);
        o->setAmount(S::F_SplitAmount, 2000);
        rf.exchangeBetweenSpouses(0);
        QCOMPARE(o->intValue(S::F_Role), 1 - currentRole);
        // the election goes from the transferring copy to the receiving one
        const double expected = currentRole == 0 ? 1000 : 2000;
        QCOMPARE(c->amount(S::F_SplitAmount), expected);
        QCOMPARE(o->amount(S::F_SplitAmount), expected);
    }

    void exchangeStage1()
    {
        CReturnFile rf;
        makeCouple(rf);
        T1 *a = rf.self()->t1();
        T1 *b = rf.spouse()->t1();
        a->setAmount(T1::F_11700, 120);
        a->setAmount(T1::F_21300, 30);
        b->setDateOfBirth(QDate(1950, 1, 1)); // 74: the RRIF line of 65 and over
        CTaxData_Form *t2205 = rf.self()->getForm(FormType::T2205, 0, true);
        t2205->setAmount(CTaxData_T2205::F_Income, 500);
        b->setAmount(T1::F_11500, 100);
        rf.exchangeBetweenSpouses(1);
        QCOMPARE(b->amount(T1::F_SpouseUCCB), 120.0);
        QCOMPARE(b->amount(T1::F_SpouseUCCBRepayment), 30.0);
        QCOMPARE(a->amount(T1::F_SpousalTransfer), -500.0);
        QCOMPARE(b->amount(T1::F_SpousalTransfer), 500.0);
        QCOMPARE(b->amount(T1::F_11500), 600.0);
        QCOMPARE(t2205->text(CTaxData_T2205::F_SpouseName), QStringLiteral("Ben Roy"));
    }

    void exchangeStage2()
    {
        using S = TaxData_T778New;
        CReturnFile rf;
        makeCouple(rf);
        T1 *a = rf.self()->t1();
        T1 *b = rf.spouse()->t1();
        a->setAmount(T1::F_23600, 41000);
        a->setAmount(T1::F_26000, 40000);
        b->setAmount(T1::F_23600, 52000);
        CTaxData_Form *ca = rf.self()->getForm(FormType::T778, 0, true);
        CTaxData_Form *cb = rf.spouse()->getForm(FormType::T778, 0, true);
        cb->setFlag(S::F_PartnerMark, true);
        rf.exchangeBetweenSpouses(2);
        QCOMPARE(b->amount(T1::F_SpouseNetIncome), 41000.0);
        QCOMPARE(b->amount(T1::F_SpouseTaxableIncome), 40000.0);
        QCOMPARE(a->amount(T1::F_SpouseNetIncome), 52000.0);
        QCOMPARE(ca->amount(S::F_PartnerNetIncome), 52000.0);
        QCOMPARE(cb->amount(S::F_PartnerNetIncome), 0.0);
    }

    void exchangeStage3Proration_data()
    {
        QTest::addColumn<bool>("receiverImmigrant");
        QTest::addColumn<double>("pension");
        QTest::addColumn<double>("caregiver");
        // the partner's 31400 of 2,000 and 30500 of 2,616, at 183 / 366 for an immigrant
        QTest::newRow("resident receiver") << false << 2000.0 << 2616.0;
        QTest::newRow("immigrant receiver") << true << 1000.0 << 1308.0;
    }
    void exchangeStage3Proration()
    {
        QFETCH(bool, receiverImmigrant);
        QFETCH(double, pension);
        QFETCH(double, caregiver);
        CReturnFile rf;
        makeCouple(rf);
        T1 *a = rf.self()->t1();
        T1 *b = rf.spouse()->t1();
        if (receiverImmigrant)
            a->setDate(T1::F_EntryDate, QDate(2024, 7, 2));
        QCOMPARE(a->shouldProrateAsImmigrant(), receiverImmigrant);
        a->setAmount(T1::F_ResidenceDays, 183);
        a->setAmount(T1::F_DaysInYear, 366);
        b->setAmount(T1::F_31400, 2000);
        b->setAmount(T1::F_30500, 2616);
        CTaxData_Form *sch2 = rf.self()->getForm(FormType::Schedule2, 0, true);
        rf.exchangeBetweenSpouses(3);
        QCOMPARE(sch2->amount(TaxData_Sch2::F_Pension), pension);
        QCOMPARE(sch2->amount(TaxData_Sch2::F_CaregiverChildren), caregiver);
        QCOMPARE(sch2->amount(TaxData_Sch2::F_Tuition), 0.0); // the partner holds no Schedule 11 amount
    }

    void exchangeStage4Sch6()
    {
        using S = TaxData_Sch6;
        CReturnFile rf;
        makeCouple(rf);
        rf.spouse()->t1()->setAmount(T1::F_10100, 15000);
        CTaxData_Form *mine = rf.self()->getForm(FormType::Schedule6, 0, true);
        rf.exchangeBetweenSpouses(4);
        QVERIFY(mine->flag(S::F_SpouseFlag));
        QCOMPARE(mine->amount(S::F_SpouseWorkingIncome), 15000.0);

        CTaxData_Form *theirs = rf.spouse()->getForm(FormType::Schedule6, 0, true);
        mine->setAmount(S::F_WorkingIncome, 8000);
        theirs->setAmount(S::F_WorkingIncome, 15000);
        rf.exchangeBetweenSpouses(4);
        QCOMPARE(theirs->amount(S::F_SpouseWorkingIncome), 8000.0);
        QCOMPARE(mine->amount(S::F_SpouseWorkingIncome), 15000.0);
    }

    void singleFileExchangesNothing()
    {
        CReturnFile rf;
        anne(*rf.self());
        rf.self()->t1()->setSpouseFirstName(QStringLiteral("Kept"));
        rf.exchangeBetweenSpouses(0);
        QCOMPARE(rf.self()->t1()->spouseFirstName(), QStringLiteral("Kept"));
    }
};

BQ_TEST_MAIN_CORE(TestRecalc)
#include "tst_recalc.moc"
