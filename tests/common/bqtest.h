#pragma once
// Test entry point: every test runs with HOME and the XDG folders inside its own
// temporary folder, so no test touches a real user's files.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

namespace bqtest {
inline QTemporaryDir &isolatedHome()
{
    static QTemporaryDir dir;
    return dir;
}

inline void isolate()
{
    const QByteArray home = isolatedHome().path().toLocal8Bit();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_STATE_HOME", home + "/.local/state");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    qputenv("XDG_DOCUMENTS_DIR", home + "/Documents");
    QDir(isolatedHome().path()).mkpath(QStringLiteral(".runtime"));
    QFile::setPermissions(isolatedHome().path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
} // namespace bqtest

#define BQ_TEST_MAIN_IMPL(TestObject, AppClass) \
    int main(int argc, char **argv) \
    { \
        bqtest::isolate(); \
        AppClass app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    }

// Tests of the model and the maker's libraries link no GUI library.
#define BQ_TEST_MAIN_CORE(TestObject) BQ_TEST_MAIN_IMPL(TestObject, QCoreApplication)
