#include "newversioncheck.h"
#include "cwebinfoutil.h"
#include "serverdefaults.h"
#include "tabwndapp.h"
#include <QDate>
#include <QRegularExpression>
#include <QThread>

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
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool NewVersionCheck::isRunning() const
{
    return m_thread != nullptr;
}

bool NewVersionCheck::start()
{
    if (m_thread)
        return false;
    m_code = -1;
    m_latest.clear();
    const QString host = m_host;
    const int timeoutMs = m_timeoutMs;
    // The worker writes only these two members; they are read after the
    // thread has finished.
    int *code = &m_code;
    QString *latest = &m_latest;
    m_thread = QThread::create([host, timeoutMs, code, latest] {
        CWebInfoUtil util(host, timeoutMs);
        *code = util.queryInfo(kEditionKeyword, QByteArrayLiteral("latest"), *latest);
    });
    connect(m_thread, &QThread::finished, this, &NewVersionCheck::onQueryDone);
    m_thread->start();
    return true;
}

void NewVersionCheck::onQueryDone()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
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
