#include "bqtest.h"
#include "csingleinstanceguard.h"
#include <QUuid>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstanceGuard : public QObject
{
    Q_OBJECT
    // A key of its own per test run, so runs never meet.
    QString title() const { return QStringLiteral("Guard test ") + m_id; }
    QString m_id = QUuid::createUuid().toString(QUuid::WithoutBraces);

private slots:
    void key()
    {
        CSingleInstanceGuard guard(QStringLiteral("Brackenquill 2024 for EFile"));
        QCOMPARE(guard.key(), QStringLiteral("Brackenquill 2024 for EFile_bkqx"));
    }

    void secondInstanceSeesFirst()
    {
        CSingleInstanceGuard first(title());
        QVERIFY(!first.otherInstanceRunning());
        QVERIFY(first.acquire());
        {
            CSingleInstanceGuard second(title());
            QVERIFY(second.otherInstanceRunning());
            QVERIFY(!second.acquire());
        }
        // The refused second guard leaves the first one's segment in place.
        CSingleInstanceGuard third(title());
        QVERIFY(third.otherInstanceRunning());
        first.release();
        QVERIFY(!third.otherInstanceRunning());
        QVERIFY(third.acquire());
    }

    // An instance that dies without detaching leaves its segment behind; the
    // next start must take it over.
    void staleSegmentDoesNotBlock()
    {
        const QString t = title() + QStringLiteral(" stale");
        const pid_t child = fork();
        if (child == 0) {
            QSharedMemory crashed;
            crashed.setNativeKey(CSingleInstanceGuard(t).nativeKey());
            _exit(crashed.create(8) ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(CSingleInstanceGuard(t).nativeKey())); // left behind

        CSingleInstanceGuard next(t);
        QVERIFY(!next.otherInstanceRunning());
        QVERIFY(next.acquire());
        next.release();
    }

    // Another user of the machine runs a copy of their own.
    void otherUserNotBlocked()
    {
        if (::geteuid() != 0)
            QSKIP("acting as a second user needs root");
        CSingleInstanceGuard mine(title() + QStringLiteral(" users"));
        QVERIFY(mine.acquire());
        const pid_t child = fork();
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                _exit(2);
            CSingleInstanceGuard theirs(title() + QStringLiteral(" users"));
            const bool ok = !theirs.otherInstanceRunning() && theirs.acquire();
            theirs.release();
            _exit(ok ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        CSingleInstanceGuard again(title() + QStringLiteral(" users"));
        QVERIFY(again.otherInstanceRunning());
    }
};

BQ_TEST_MAIN_CORE(TestSingleInstanceGuard)
#include "tst_singleinstanceguard.moc"
