#include "newversioncheck.h"
#include "cwebinfoutil.h"
#include "serverdefaults.h"
#include "tabwndapp.h"
#include <QDate>
#include <QRegularExpression>
#include <system_error>

const char *const kProgramBuildDate = "20260525";

namespace {
// The edition's product key: "QT1" + "E-" + "2024".
const QByteArray kEditionKeyword = QByteArrayLiteral("QT1") + "E-" + "2024";

QDate buildDate(const QString &text)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    if (!eightDigits.match(text).hasMatch())
        return QDate();
    return QDate::fromString(text, QStringLiteral("yyyyMMdd"));
}
} // namespace

NewVersionCheck::NewVersionCheck(QObject *parent) : QObject(parent)
{
    TabWndApp *app = TabWndApp::instance();
    m_host = app ? QString(app->config().BrackenquillWebServer) : QString::fromLatin1(kBrackenquillWebServer);
}

NewVersionCheck::~NewVersionCheck()
{
    // The result the worker posted goes with this object.
    if (m_thread.joinable())
        m_thread.join();
}

bool NewVersionCheck::isRunning() const
{
    return m_thread.joinable();
}

bool NewVersionCheck::start()
{
    if (m_thread.joinable())
        return false;
    m_code = -1;
    m_latest.clear();
    const QString host = m_host;
    const int timeoutMs = m_timeoutMs;
    // The worker writes only m_code and m_latest; they are read after the
    // thread has been joined.
    try {
        m_thread = std::thread([this, host, timeoutMs] {
            m_code = query(host, timeoutMs, m_latest);
            QMetaObject::invokeMethod(this, &NewVersionCheck::onQueryDone, Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        return false; // no thread to be had
    }
    return true;
}

int NewVersionCheck::query(const QString &host, int timeoutMs, QString &latest) const
{
    CWebInfoUtil util(host, timeoutMs);
    return util.queryInfo(kEditionKeyword, QByteArrayLiteral("latest"), latest);
}

void NewVersionCheck::onQueryDone()
{
    // at most the moment the thread takes for its own clean-up
    m_thread.join();
    int outcome = NoAnswer;
    if (buildDate(m_latest).isValid())
        outcome = isNewerBuild(m_latest) ? NewerBuild : NoNewerBuild;
    emit finished(outcome, m_latest, m_code);
}

bool NewVersionCheck::isNewerBuild(const QString &latest)
{
    const QDate date = buildDate(latest);
    return date.isValid() && date > buildDate(QString::fromLatin1(kProgramBuildDate));
}

QString NewVersionCheck::newVersionMessage()
{
    return QStringLiteral("There is a new version of Brackenquill %1. You can go to %2 to download/install it again.")
        .arg(QStringLiteral("2024"), QStringLiteral("https://%1").arg(QLatin1String(kBrackenquillWebServer)));
}

bool checkNewVersion()
{
    static bool ranThisSession = false;
    TabWndApp *app = TabWndApp::instance();
    if (!app || app->config().MODEDEBUG || ranThisSession)
        return false;
    ranThisSession = true;
    auto check = new NewVersionCheck(app);
    QObject::connect(check, &NewVersionCheck::finished, check, [check](int outcome, const QString &, int) {
        if (outcome == NewVersionCheck::NewerBuild)
            showInformation(NewVersionCheck::newVersionMessage(), nullptr);
        check->deleteLater();
    });
    check->start();
    return true;
}
