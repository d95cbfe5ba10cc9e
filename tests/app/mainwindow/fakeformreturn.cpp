#include "fakeformreturn.h"
#include "actionshowreturn.h"
#include "form_return.h"
#include "mainwindow.h"
#include "returnwindowhost.h"
#include "messages.h"
#include <QFileInfo>

QStringList &fakeCalls()
{
    static QStringList calls;
    return calls;
}

namespace {
void record(const QString &call)
{
    fakeCalls().append(call);
}
} // namespace

Form_Return::Form_Return(const QFileInfo *fileInfo, CReturnFile *returnFile, ReturnWindowHost *host, QWidget *parent,
                         int number, int mode, int fontSize)
    : QWidget(parent), m_fontSize(fontSize), m_number(number), m_mode(mode), m_host(host), m_return(returnFile)
{
    m_name = QStringLiteral("Return %1").arg(number);
    setObjectName(m_name);
    setProperty("hasFile", fileInfo != nullptr);
    if (fileInfo)
        setProperty("title", fileInfo->absoluteFilePath());
    m_action = new ActionShowReturn(this, QString(), host ? host->hostObject() : nullptr);
    m_action->setText(m_name);
    record(QStringLiteral("Form_Return(%1,%2,%3)").arg(number).arg(mode).arg(fontSize));
}

Form_Return::~Form_Return()
{
    delete m_action;
}

void Form_Return::commitCurrentPage() { record(QStringLiteral("commitCurrentPage()")); }
FilingRecorder::Result Form_Return::recordFiling(int formType, bool accepted, const QString &, const QString &)
{
    record(QStringLiteral("recordFiling(%1,%2)").arg(formType).arg(accepted));
    return {};
}
void Form_Return::updateSummary(QString &summary)
{
    summary = QStringLiteral("summary of %1").arg(m_name);
    if (m_host)
        m_host->setResultText(summary);
}
QString Form_Return::returnTitle() const
{
    const QString title = property("title").toString();
    return title.isEmpty() ? QStringLiteral("Untitled (unsaved)") : title;
}
bool Form_Return::hasFile() const { return property("hasFile").toBool(); }
bool Form_Return::isModified() const { return property("modified").toBool(); }
QString Form_Return::fullPath() const { return property("title").toString(); }
// "sin" (text) is the current person's social insurance number.
bool Form_Return::getTaxpayerText(int kind, CString &text) const
{
    record(QStringLiteral("getTaxpayerText(%1)").arg(kind));
    text = property("sin").toString();
    return true;
}

// The questions of the real window, through the message seam.
bool Form_Return::confirmClose(QString &path)
{
    record(QStringLiteral("confirmClose(%1)").arg(m_name));
    if (hasFile() && !isModified())
        return true;
    const int answer = gMsgQuestion(QStringLiteral("Do you want to save changed data to return file before closing?\n\n"
                                                   "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing"),
                                    MsgButton::Yes | MsgButton::No | MsgButton::Cancel, MsgButton::Cancel);
    if (answer == MsgButton::Cancel)
        return false;
    if (answer == MsgButton::Yes && !hasFile())
        return m_host && m_host->saveReturnUnderNewName(this);
    if (answer == MsgButton::Yes)
        saveReturn(path, true);
    return true;
}
int Form_Return::saveReturn(QString &, bool withBackup)
{
    record(QStringLiteral("saveReturn(%1,%2)").arg(m_name).arg(withBackup));
    setProperty("modified", false);
    return 0;
}

void Form_Return::setFontSize(int points)
{
    m_fontSize = points;
    record(QStringLiteral("setFontSize(%1)").arg(points));
}
bool Form_Return::toggleMaximizeView()
{
    const bool restored = property("collapsed").toBool();
    setProperty("collapsed", !restored);
    record(QStringLiteral("toggleMaximizeView()"));
    return restored;
}
void Form_Return::applyBackgroundColor() { record(QStringLiteral("applyBackgroundColor()")); }
void Form_Return::addSlip(int slipType) { record(QStringLiteral("addSlip(%1)").arg(slipType)); }
void Form_Return::addTaxNote() { record(QStringLiteral("addTaxNote()")); }
void Form_Return::addForm() { record(QStringLiteral("addForm()")); }
int Form_Return::changeFormOrder() { record(QStringLiteral("changeFormOrder()")); return 0; }
void Form_Return::removeSelected() { record(QStringLiteral("removeSelected()")); }
int Form_Return::shareForm() { record(QStringLiteral("shareForm()")); return 0; }
int Form_Return::unshareForm() { record(QStringLiteral("unshareForm()")); return 0; }
int Form_Return::shareSlip() { record(QStringLiteral("shareSlip()")); return 0; }
int Form_Return::unshareSlip() { record(QStringLiteral("unshareSlip()")); return 0; }
int Form_Return::validateReturn(int edition, bool askWarnings, bool askErrors)
{
    record(QStringLiteral("validateReturn(%1,%2,%3)").arg(edition).arg(askWarnings).arg(askErrors));
    return 0;
}
void Form_Return::reFileReturn() { record(QStringLiteral("reFileReturn()")); }
void Form_Return::unsetReFile() { record(QStringLiteral("unsetReFile()")); }
void Form_Return::netfileReturn() { record(QStringLiteral("netfileReturn()")); }
void Form_Return::printWithOptions() { record(QStringLiteral("printWithOptions()")); }
int Form_Return::showSlipSummary() { record(QStringLiteral("showSlipSummary()")); return 0; }
void Form_Return::fileT183Pad() { record(QStringLiteral("fileT183Pad()")); }
void Form_Return::fileT1135Online() { record(QStringLiteral("fileT1135Online()")); }
void Form_Return::fileT1013Online() { record(QStringLiteral("fileT1013Online()")); }
void Form_Return::generateReportTypes(bool writeTestFile)
{
    record(QStringLiteral("generateReportTypes(%1)").arg(writeTestFile));
}
void Form_Return::sendFormForESignature(int formType)
{
    record(QStringLiteral("sendFormForESignature(%1)").arg(formType));
}
void Form_Return::changeProvince() { record(QStringLiteral("changeProvince()")); }
void Form_Return::deCoupleReturn() { record(QStringLiteral("deCoupleReturn()")); }
void Form_Return::optimizeReturn() { record(QStringLiteral("optimizeReturn()")); }
void Form_Return::taxPlanning() { record(QStringLiteral("taxPlanning()")); }

// Slots the window's meta-object names.
void Form_Return::timerTimeout() {}
void Form_Return::onFolderViewSelChange(const QItemSelection &, const QItemSelection &) {}
void Form_Return::onSignalCalc(CTaxData_Form *, int) {}
void Form_Return::onNavigateToForm(int, int) {}
void Form_Return::on_comboBox_currentIndexChanged(int) {}

// Events and layout of the real window.
bool Form_Return::event(QEvent *e) { return QWidget::event(e); }
bool Form_Return::eventFilter(QObject *watched, QEvent *e) { return QWidget::eventFilter(watched, e); }
void Form_Return::showEvent(QShowEvent *e) { QWidget::showEvent(e); }
void Form_Return::resizeEvent(QResizeEvent *e) { QWidget::resizeEvent(e); }
