#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "dependantinfostruct.h"
#include "messages.h"
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <thread>
#include <vector>

// Province numbers of the table: 1 AB, 2 BC, 3 MB, 4 NB, 9 ON.
class TestMultiProvsTaxMgr : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    ScriptedMessages m_msgs;

    void link(const QString &target, const QString &province)
    {
        QVERIFY(QFile::link(target, m_dir.filePath(QStringLiteral("libProv%1.so").arg(province))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // real plug-ins for ON and QC, misbehaving ones in other slots, NB missing
        link(QStringLiteral(BQ_BIN_DIR "/libProvON.so"), QStringLiteral("ON"));
        link(QStringLiteral(BQ_BIN_DIR "/libProvQC.so"), QStringLiteral("QC"));
        link(QStringLiteral(BQ_TEST_PLUGIN_DIR "/libtstplugin_warnings.so"), QStringLiteral("BC"));
        link(QStringLiteral(BQ_TEST_PLUGIN_DIR "/libtstplugin_nosymbol.so"), QStringLiteral("AB"));
        QFile junk(m_dir.filePath(QStringLiteral("libProvMB.so")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a library");
        junk.close();
        CMultiProvsTaxMgr::setLibraryFolder(m_dir.path());
        setMessageHandler(&m_msgs);
    }
    void init() { m_msgs.clear(); }
    void cleanupTestCase() { setMessageHandler(nullptr); }

    void oneManagerPerProvinceAndOneLoad()
    {
        DependantInfoStruct deps;
        CMultiProvsTaxMgr mgr(0, &deps);
        const int before = CMultiProvsTaxMgr::loadAttempts();
        CProvincialTaxManager *on = mgr.getManager(9, false);
        QVERIFY(on);
        QCOMPARE(on->provinceId(), 9);
        QCOMPARE(on->depInfo(), &deps);
        QCOMPARE(mgr.getManager(9, false), on);
        QCOMPARE(CMultiProvsTaxMgr::loadAttempts(), before + 1);

        QVERIFY(mgr.getManager(11, false));
        QList<int> loaded;
        mgr.listLoadedProvinces(loaded);
        QCOMPARE(loaded, (QList<int>{9, 11}));

        // q already loaded: the others go, q stays without a second load
        const int attempts = CMultiProvsTaxMgr::loadAttempts();
        QCOMPARE(mgr.getManager(9, true), on);
        QCOMPARE(CMultiProvsTaxMgr::loadAttempts(), attempts);
        loaded.clear();
        mgr.listLoadedProvinces(loaded);
        QCOMPARE(loaded, QList<int>{9});
        QVERIFY(m_msgs.shown().isEmpty());

        mgr.unloadAll();
        loaded.clear();
        mgr.listLoadedProvinces(loaded);
        QVERIFY(loaded.isEmpty());
    }

    // A plug-in is loaded once for the process: each person still gets its own
    // manager, and releasing managers leaves the library loaded.
    void pluginLoadedOnceForAllManagers()
    {
        const int before = CMultiProvsTaxMgr::loadAttempts();
        CProvincialTaxManager *first = nullptr;
        {
            CMultiProvsTaxMgr self(0, nullptr);
            first = self.getManager(11, false);
            QVERIFY(first);
            CMultiProvsTaxMgr spouse(0, nullptr);
            CProvincialTaxManager *second = spouse.getManager(11, false);
            QVERIFY(second && second != first);
            QCOMPARE(second->provinceId(), 11);
        }
        CMultiProvsTaxMgr later(0, nullptr);
        QVERIFY(later.getManager(11, true));
        later.unloadAll();
        QVERIFY(later.getManager(11, false));
        QVERIFY(CMultiProvsTaxMgr::loadAttempts() - before <= 1);
    }

    // Persons of several threads load, use and release their managers at once.
    void managersOnSeveralThreads()
    {
        std::atomic<int> failures{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t)
            threads.emplace_back([&failures, t] {
                for (int round = 0; round < 50; ++round) {
                    DependantInfoStruct deps;
                    CMultiProvsTaxMgr mgr(0, &deps);
                    const int province = (t + round) % 2 ? 9 : 11;
                    CProvincialTaxManager *m = mgr.getManager(province, true);
                    if (!m || m->provinceId() != province || m->depInfo() != &deps)
                        ++failures;
                    mgr.setCurrentProvince(province);
                    double amount = 0;
                    mgr.getProvincialValue(11001, amount);
                }
            });
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(failures.load(), 0);
        QVERIFY(m_msgs.shown().isEmpty());
    }

    void failuresGiveNoManager_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("message");
        QTest::newRow("unsupported 0") << 0 << 0 << false;
        QTest::newRow("unsupported 14") << 14 << 0 << false;
        QTest::newRow("unsupported -1") << -1 << 0 << false;
        QTest::newRow("missing library") << 4 << 2 << true;
        QTest::newRow("not a library") << 3 << 2 << true;
        QTest::newRow("no GetTaxManager") << 1 << 1 << false;
    }
    void failuresGiveNoManager()
    {
        QFETCH(int, province);
        QFETCH(int, attempts);
        QFETCH(bool, message);
        CMultiProvsTaxMgr mgr(0, nullptr);
        const int before = CMultiProvsTaxMgr::loadAttempts();
        QVERIFY(!mgr.getManager(province, false));
        QCOMPARE(CMultiProvsTaxMgr::loadAttempts() - before, attempts);
        QCOMPARE(m_msgs.shown().size(), message ? 1 : 0);
        if (message) {
            QString lib;
            QVERIFY(mgr.getProvinceLibraryName(province, lib));
            QCOMPARE(m_msgs.shown().first().title, QStringLiteral("file path"));
            QCOMPARE(m_msgs.shown().first().text, m_dir.path() + QLatin1Char('/') + lib);
        }
        QList<int> loaded;
        mgr.listLoadedProvinces(loaded);
        QVERIFY(loaded.isEmpty());
    }

    void libraryFileNames()
    {
        CMultiProvsTaxMgr mgr(0, nullptr);
        QString name;
        QVERIFY(mgr.getProvinceLibraryName(9, name));
        QCOMPARE(name, QStringLiteral("libProvON.so"));
        QVERIFY(!mgr.getProvinceLibraryName(0, name));
    }

    void fanOutRules()
    {
        CMultiProvsTaxMgr none(0, nullptr);
        // nothing loaded: every fan-out answers 0 / false
        QCOMPARE(none.checkNetfileEligibility(), 0);
        QVERIFY(!none.isNonRefundableCreditAllUsed());
        QVERIFY(!none.releaseWizardData());
        QCOMPARE(none.prerequisiteForm(24), 0);
        double v = -1;
        QVERIFY(!none.getProvincialValue(63855, v));

        CMultiProvsTaxMgr mgr(0, nullptr);
        QVERIFY(mgr.getManager(9, false));   // keeps every default
        QVERIFY(mgr.isNonRefundableCreditAllUsed());   // the default answers true
        QVERIFY(!mgr.releaseWizardData());   // a default makes the AND false
        QVERIFY(mgr.getManager(2, false));   // the warnings plug-in (province 2)

        // every, first answer: the default 0 of ON, then 42
        QCOMPARE(mgr.checkNetfileEligibility(), 42);
        // first: the lowest province number answers (BC, 2)
        QCOMPARE(mgr.prerequisiteForm(24), 25);
        QList<double> thresholds;
        mgr.getIncomeThresholds(thresholds);
        QCOMPARE(thresholds, QList<double>{1000.0});
        // every, the last manager's answer: ON keeps the default 0
        QCOMPARE(mgr.calculateStagePart4(ProvStageForms()), 0);
        // current: only the manager of the current province
        mgr.setCurrentProvince(9);
        QVERIFY(!mgr.getProvincialValue(11001, v));
        mgr.setCurrentProvince(2);
        QVERIFY(mgr.getProvincialValue(11001, v));
        QCOMPARE(v, 22002.0);
        // AND over every manager: ON's default makes it false
        QVERIFY(!mgr.releaseWizardData());
    }

    void coupleOperationsNeedModeZero_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("messages");
        QTest::newRow("mode 0") << 0 << 1;
        QTest::newRow("mode 1") << 1 << 0;
    }
    void coupleOperationsNeedModeZero()
    {
        QFETCH(int, mode);
        QFETCH(int, messages);
        CMultiProvsTaxMgr self(mode, nullptr), spouse(mode, nullptr);
        QStringList out;
        self.checkCoupledReturns(out, spouse);   // spouse has no manager yet
        QVERIFY(out.isEmpty());
        QVERIFY(self.getManager(2, false));
        QVERIFY(spouse.getManager(2, false));
        self.checkCoupledReturns(out, spouse);
        QCOMPARE(out.size(), messages);
    }

    void confirmWarningsStopsAtFirstDecline_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("shown");
        QTest::newRow("all accepted") << QList<int>{MsgButton::Yes, MsgButton::Yes, MsgButton::Yes} << true << 3;
        QTest::newRow("first declined") << QList<int>{MsgButton::No} << false << 1;
        QTest::newRow("second declined") << QList<int>{MsgButton::Yes, MsgButton::No} << false << 2;
    }
    void confirmWarningsStopsAtFirstDecline()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, result);
        QFETCH(int, shown);
        for (int a : answers)
            m_msgs.scriptAnswer(a);
        CMultiProvsTaxMgr mgr(0, nullptr);
        QVERIFY(mgr.getManager(2, false));
        QCOMPARE(mgr.confirmWarnings(nullptr, nullptr), result);
        QCOMPARE(m_msgs.shown().size(), shown);
        QCOMPARE(m_msgs.shown().first().title, QStringLiteral("Brackenquill Warning Message"));
        QCOMPARE(m_msgs.shown().first().text, QStringLiteral("First warning"));
    }
};

BQ_TEST_MAIN_CORE(TestMultiProvsTaxMgr)
#include "tst_multiprovstaxmgr.moc"
