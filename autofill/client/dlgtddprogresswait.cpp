#include "dlgtddprogresswait.h"
#include "ui_dlgtddprogresswait.h"
#include "tddconfig.h"
#include "tddhttpserver.h"
#include "tddlogfile.h"
#include "textandtime.h"
#include "threadtddgetwebauth.h"

#include <QCloseEvent>
#include <QThread>
#include <QTimer>

DlgTDDProgressWait::DlgTDDProgressWait(int mode, const std::vector<std::string> *sinList, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgTDDProgressWait), m_mode(short(mode))
{
    ui->setupUi(this);
    setWindowTitle(mode == 1 ? tr("Auto-Fill Return Progress") : tr("View NOA Progress"));
    if (sinList)
        m_sins = *sinList;
    m_timer = new QTimer(this);
    m_timer->setInterval(TddWebService::scaledMs(1000));
    connect(m_timer, &QTimer::timeout, this, &DlgTDDProgressWait::timerTimeout);
    m_timer->start();
}

DlgTDDProgressWait::~DlgTDDProgressWait()
{
    finishRun();
    delete ui;
}

int DlgTDDProgressWait::savedCount() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_savedCount;
}

int DlgTDDProgressWait::skippedCount() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_skippedCount;
}

std::map<std::string, CString> DlgTDDProgressWait::noaMessages() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_noaMessages;
}

int DlgTDDProgressWait::step() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_step;
}

void DlgTDDProgressWait::setImportResult(int savedCount, int skippedCount)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_savedCount = savedCount;
    m_skippedCount = skippedCount;
}

void DlgTDDProgressWait::addNoaMessage(const std::string &sin, const CString &message)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_noaMessages[sin] = message;
}

void DlgTDDProgressWait::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    startRun();
}

void DlgTDDProgressWait::startRun()
{
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(step());
    ui->progressBar->setTextVisible(true);
    ui->progressBar->setFormat(tr("Loading..."));
    ui->progressBar->setAlignment(Qt::AlignCenter);

    m_listener = createTddHttpServer(this);
    m_listener->client().setRequest(CString("2024"), m_mode);
    const TddConfig config = currentTddConfig();
    if (!config.tddDataFile.isEmpty()) {
        importStoredReply(config.tddDataFile);
        return;
    }
    // the listener is up before the browser can be sent to it
    if (!m_listener->isRunning() && !m_listener->start(config.effectiveListenerPort())) {
        setProgress(1000, TddFailure::ListenerPort);
        return;
    }
    m_signInWorker = new ThreadTDDGetWebAuth(&m_listener->client(), this);
    m_signInWorker->start(QThread::InheritPriority);
}

void DlgTDDProgressWait::importStoredReply(const QString &path)
{
    TddLogFile log(currentTddConfig().dataLogPath());
    const std::string reply = loadFileToString(path, 64, 64);
    TddWebService &client = m_listener->client();
    const int result = m_mode == 1 ? client.parseTaxDataResponse(log.stream(), reply)
                                   : client.parseNoaResponse(log.stream(), reply);
    setImportResult(result, client.lastSkippedCount());
    m_runEnded = true;
}

int DlgTDDProgressWait::setProgress(int step, int code)
{
    QString message;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_step = step;
        if (step == 10)
            m_message = tr("Start to token request ...");
        else if (step == 20)
            m_message = tr("You are about to be redirected to CRA secure server to authorize Auto-Fill/Express-NOA ...");
        else if (step == 50)
            m_message = tr("Start to receive data ...");
        else if (step == 99)
            m_message = tr("%1 record(s) saved into tax data locally (%2).").arg(qMax(0, code - 1000)).arg(code);
        else if (step == 1000 && code == 100)
            m_message = tr("initial web service handshake failed, code = %1").arg(code);
        else if (step == 1000)
            m_message = tr("some error occured, code = %1").arg(code);
        else if (step > 100)
            m_message = tr("some unpected error occured, code = %1 - %2.").arg(step).arg(code);
        message = m_message;
    }
    // widgets only on the GUI thread; dropped when the dialog is gone. The
    // latest message is shown, so a late call never brings back an older one.
    Q_UNUSED(message)
    QMetaObject::invokeMethod(this, [this] {
        QString latest;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            latest = m_message;
        }
        showStatus(latest);
    }, Qt::QueuedConnection);
    return 0;
}

void DlgTDDProgressWait::showStatus(const QString &text)
{
    ui->lblStatus->setText(text);
    if (m_statusHistory.isEmpty() || m_statusHistory.last() != text)
        m_statusHistory << text;
}

void DlgTDDProgressWait::timerTimeout()
{
    int step;
    QString message;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_step == m_shownStep)
            return;
        m_shownStep = m_step;
        step = m_step;
        if (step == 99)
            m_step = 100;
        message = m_message;
    }
    if (step <= 98) {
        ui->progressBar->setValue(step);
        showStatus(message);
        if (step == 20 && m_listener && !m_listener->isRunning())
            m_listener->start(currentTddConfig().effectiveListenerPort());
        return;
    }
    if (step == 99) {
        showStatus(message);
        return;
    }
    m_timer->stop();
    m_runEnded = true;
    if (m_listener && m_listener->progressDialog() == this)
        m_listener->stop();
    showStatus(message);   // the failure's own message first
    if (step != 100) {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_message = tr("Error happened in auto-fill, please try again later.");
        }
        showStatus(tr("Error happened in auto-fill, please try again later."));
    }
    QTimer::singleShot(TddWebService::scaledMs(3000), this, [this] { close(); });
}

void DlgTDDProgressWait::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        m_accepts = isEnabled();
    QDialog::changeEvent(event);
}

void DlgTDDProgressWait::closeEvent(QCloseEvent *event)
{
    finishRun();
    QDialog::closeEvent(event);
}

void DlgTDDProgressWait::done(int result)
{
    finishRun();
    QDialog::done(result);
}

void DlgTDDProgressWait::finishRun()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    if (!m_listener)
        return;
    TddWebService &client = m_listener->client();
    if (m_listener->progressDialog() == this) {
        m_listener->setProgressDialog(nullptr);   // detaches the client under its lock
        client.cancel();
        client.setSignInPending(false);
        m_listener->stop();
    }
    for (QThread *worker : findChildren<QThread *>())
        worker->wait();
}
