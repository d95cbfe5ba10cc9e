// The return window's Re-File, validation, filing and print commands, with the
// filing result dialog, the validation dialog and the report engine scripted.
#include "bqtest.h"
#include "canwritefolder.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "dlgfilingterm.h"
#include "cnetfileresultdlg.h"
#include "dlgmsgwithlink.h"
#include "dlgvalidationmsgs.h"
#include "dlgvantrelafterprint.h"
#include "fakehttpsserver.h"
#include "filingdocservices.h"
#include "filingseams.h"
#include "folderview.h"
#include "form_return.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "printchoices.h"
#include "tabwndapp.h"
#include "taxdata_t183new.h"
#include "taxdata_t1new.h"
#include "utils.h"
#include "qwebclient.h"
#include "vantrelfake.h"
#include "validationmessagegroup.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <functional>

using namespace bqfakes;

namespace {
const QString kSeasonText =
    QStringLiteral("CRA NetFile/EFile for new tax season starts on (2025-02-24). Please try again when this day "
                   "arrives.");
const QString kAmendedText = QStringLiteral("Please note that this is an Amended Return for Re-File purpose.");
const QString kDcnText = QStringLiteral("Each return must be efiled with a unique DCN?");
const QString kMultipleYearText = QStringLiteral("EFile accepts the current year (2024)");
const QString kEmptyPdfText = QStringLiteral(
    "PDF file is created with zero content, usually it means anti-virus software blocks file generation.");

// Runs act on the next modal dialog once its exec has started.
void onNextModal(QObject *owner, const std::function<void(QWidget *)> &act)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void agreeToTerms(QWidget *modal)
{
    auto *dlg = qobject_cast<DlgFilingTerm *>(modal);
    QVERIFY(dlg);
    QCOMPARE(dlg->windowTitle(), QStringLiteral("ReFile Restrictions"));
    dlg->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
    dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The report engine as a test wants it: a load code, then per run a code and
// what the run leaves in the folder.
class ScriptedBridge : public ReportBridge
{
public:
    enum Pdf { Written, Nothing, Stale };
    struct Run
    {
        int code;
        Pdf pdf;
    };
    int loadCode = 0;
    QList<Run> runs;
    QStringList folders;
    QStringList jobs;   // "kind category formId mask"
    QString pdfName = QStringLiteral("Ann_Smith.pdf");

    int load() override { return loadCode; }
    int runJob(const CString &, bool, int kind, int category, int formId, int mask, const QString &outputFolder,
               CString &pdf) override
    {
        folders << outputFolder;
        jobs << QStringLiteral("%1 %2 %3 %4").arg(kind).arg(category).arg(formId).arg(mask);
        const Run run = runs.isEmpty() ? Run{0, Written} : runs.takeFirst();
        pdf = outputFolder + QLatin1Char('/') + pdfName;
        if (run.pdf == Written) {
            QFile f(pdf);
            if (f.open(QIODevice::WriteOnly))
                f.write("%PDF-1.4 test");
        } else if (run.pdf == Stale) {
            QFile f(pdf);
            if (f.open(QIODevice::WriteOnly))
                f.write("%PDF-1.4 old");
            f.close();
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        }
        return run.code;
    }
};
} // namespace

class TestFilingCommands : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;
    QObject m_watches;
    ScriptedBridge m_bridge;
    QList<NetfileRequest> m_requests;
    NetfileOutcome m_outcome;
    QStringList m_validationShown;
    bool m_debugFileDuringDialog = false;
    QByteArray m_debugDocument;   // the test-mode filing document while the dialog runs

    static CT1AppConfig &config() { return TabWndApp::instance()->config(); }

    static CReturnFile *newReturn(bool coupled, const char *sin = "527123459")
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Ann");
        data.fld_LastName = CString("Smith");
        data.fld_sin = CString(sin);
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = coupled ? 0 : 5;
        data.fld_dob = QDate(1980, 1, 1);
        if (coupled) {
            data.fld_Coupled = true;
            data.fld_FirstNameSpouse = CString("Bob");
            data.fld_LastNameSpouse = CString("Smith");
            data.fld_sinSpouse = CString("712345677");
            data.fld_dobSpouse = QDate(1981, 2, 2);
            data.fld_TaxPronvSpouse = 9;
        }
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        r->recalculate(0, nullptr);
        // the preparer's control number of each return, on its T183, and the
        // mailing address the wizard does not ask for
        for (IndividualTaxData *p : {r->self(), r->spouse()}) {
            if (CTaxData_Form *t183 = p ? p->getForm(96, 0, false) : nullptr)
                t183->setText(TaxData_T183New::F_DCN, QStringLiteral("00417"));
            if (TaxData_T1New *t1 = p ? p->t1() : nullptr) {
                t1->setText(TaxData_T1New::F_Street, QStringLiteral("12 Birch Ave"));
                t1->setText(TaxData_T1New::F_City, QStringLiteral("Ottawa"));
                t1->setText(TaxData_T1New::F_MailProvince, QStringLiteral("ON"));
                t1->setText(TaxData_T1New::F_Postcode, QStringLiteral("K1A 0B1"));
            }
        }
        return r;
    }

    // A window on a saved return file of the given name in the test folder.
    Form_Return *savedWindow(const QString &name, CReturnFile *r = nullptr)
    {
        auto *w = new Form_Return(nullptr, r ? r : newReturn(false), nullptr, nullptr, 1, -1, 12);
        const QFileInfo info(m_dir.filePath(name));
        w->setFileInfo(&info);
        if (w->save(false) != 0)
            qWarning() << "fixture not saved:" << w->lastSaveError();
        return w;
    }

    static int reFileMark(Form_Return &w)
    {
        int mark = 0;
        w.returnFile()->getIntValue(2, mark);
        return mark;
    }

    // The messages of the event's rows.
    static QStringList history(int event)
    {
        QSqlQuery q(TabWndApp::instance()->dbManager().connection());
        q.prepare(QStringLiteral("SELECT msg FROM tb_history WHERE eventid = ? ORDER BY id"));
        q.addBindValue(event);
        QStringList messages;
        if (q.exec())
            while (q.next())
                messages << q.value(0).toString();
        return messages;
    }

    QString debugFilePath() const
    {
        return TabWndApp::instance()->runFolder() + QStringLiteral("/Ann_Smith_2024.xml");
    }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        setReportBridge(&m_bridge);
        config().RetPath = m_dir.path();
    }
    void cleanupTestCase()
    {
        setReportBridge(nullptr);
        setValidationDialogRunner(nullptr);
        setNetfileResultRunner(nullptr);
        setCurTimeSource(nullptr);
        setMessageHandler(nullptr);
    }
    void init()
    {
        m_messages.clear();
        m_requests.clear();
        m_validationShown.clear();
        m_outcome = NetfileOutcome();
        m_debugDocument.clear();
        m_bridge = ScriptedBridge();
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 5), QTime(14, 7, 30)); });
        config().MODEDEBUG = true;
        config().NoWarningMsg = false;
        config().SaveBackup = 0;
        config().BusinessEFileNum = QStringLiteral("X1Y2Z");
        config().BusinessEFilePassword = QStringLiteral("secret12");
        config().RetPdfPath = m_dir.filePath(QStringLiteral("pdf"));
        config().PdfPathSameAsRet = 0;
        QSqlQuery(TabWndApp::instance()->dbManager().connection()).exec(QStringLiteral("DELETE FROM tb_history"));
        setValidationDialogRunner([this](QWidget *, const QString &titleA,
                                         const QList<ValidationMessageGroup *> &listA, bool both,
                                         const QString &titleB, const QList<ValidationMessageGroup *> &listB) {
            QStringList shown{titleA, QString::number(listA.size()), both ? titleB : QString(),
                              QString::number(listB.size())};
            for (const ValidationMessageGroup *g : listA + listB)
                for (const CString &m : g->messages)
                    shown << m;
            m_validationShown = shown;
        });
        setNetfileResultRunner([this](const NetfileRequest &request) {
            m_requests << request;
            m_debugFileDuringDialog = QFile::exists(debugFilePath());
            m_debugDocument = fileBytes(debugFilePath());
            return m_outcome;
        });
    }
    void cleanup() { qDeleteAll(m_watches.findChildren<QTimer *>()); }

    // ---- folders

    void canWriteFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("writable");
        QTest::newRow("folder") << m_dir.path() << true;
        QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("missing")) << false;
        QTest::newRow("a file") << m_dir.filePath(QStringLiteral("plain.txt")) << false;
        QTest::newRow("empty") << QString() << false;
    }
    void canWriteFolder()
    {
        QFETCH(QString, folder);
        QFETCH(bool, writable);
        QFile plain(m_dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        QCOMPARE(::canWriteFolder(folder), writable);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);   // the probe is gone
    }

    // ---- Re-File

    void reFileCopyPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("copy");
        QTest::newRow("suffix in capitals") << "/r/Smith.R24" << "/r/Smith_RF2503051407.r24";
        QTest::newRow("folder named like a return") << "/r/x.r24.d/Smith.r24" << "/r/x.r24.d/Smith_RF2503051407.r24";
        QTest::newRow("no suffix") << "/r/Smith" << "/r/Smith_RF2503051407.r24";
        QTest::newRow("suffix inside the name") << "/r/a.r24.b.r24" << "/r/a.r24.b_RF2503051407.r24";
    }
    void reFileCopyPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, copy);
        QCOMPARE(Form_Return::reFileCopyPath(path, GetCurTime()), copy);
        QVERIFY(Form_Return::reFileCopyPath(path, GetCurTime()) != path);
    }

    // The copy is written and shown; the original's bytes stay.
    void reFileMakesCopy()
    {
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("Smith.R24")));
        const QString original = w->fullPath();
        const QByteArray before = fileBytes(original);
        onNextModal(&m_watches, agreeToTerms);
        w->reFileReturn();
        const QString copy = m_dir.filePath(QStringLiteral("Smith_RF2503051407.r24"));
        QCOMPARE(w->fullPath(), copy);
        QVERIFY(QFileInfo(copy).size() > 0);
        QCOMPARE(fileBytes(original), before);
        QVERIFY(reFileMark(*w) != 0);
        QVERIFY(!w->isModified());
        QCOMPARE(m_messages.texts().last(),
                 QStringLiteral("ReFile copied a new file named [%1] to handle amendment. Original file is untouched.")
                     .arg(QDir::toNativeSeparators(copy)));
        w->unsetReFile();
        QCOMPARE(reFileMark(*w), 0);
    }

    // An existing copy of the same minute, or a copy that cannot be written:
    // a message, the old path, no mark, nothing overwritten.
    void reFileStops_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copyExists");
        QTest::addColumn<bool>("withResult");
        QTest::addColumn<QString>("message");
        QTest::newRow("copy exists") << "Jones.r24" << true << true << "a file of that name exists already";
        // the copy's name fits, its save's temporary name is too long for the file system
        QTest::newRow("copy cannot be saved") << QString(233, QLatin1Char('n')) + QStringLiteral(".r24") << false
                                              << true << "ReFile could not write the new file";
        QTest::newRow("no result to keep") << "Brown.r24" << false << false << "cannot be set for ReFile";
    }
    void reFileStops()
    {
        QFETCH(QString, name);
        QFETCH(bool, copyExists);
        QFETCH(bool, withResult);
        QFETCH(QString, message);
        QScopedPointer<Form_Return> w(savedWindow(name));
        if (!withResult) {
            // the snapshot compares against the result form: without it the snapshot fails
            const int resultForm = 93;
            w->returnFile()->removeForm(w->returnFile()->getForm(resultForm, 0, false), false);
            QVERIFY(!w->returnFile()->hasForm(resultForm));
        }
        const QString original = w->fullPath();
        const QString copy = Form_Return::reFileCopyPath(original, GetCurTime());
        if (copyExists) {
            QFile f(copy);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("first copy");
        }
        onNextModal(&m_watches, agreeToTerms);
        w->reFileReturn();
        QVERIFY2(m_messages.texts().last().contains(message), qPrintable(m_messages.texts().last()));
        QCOMPARE(w->fullPath(), original);
        QCOMPARE(reFileMark(*w), 0);
        QCOMPARE(fileBytes(copy), copyExists ? QByteArray("first copy") : QByteArray());
        QCOMPARE(QFile::exists(copy), copyExists);
    }

    void reFileNeedsFileAndTerms()
    {
        Form_Return w(nullptr, newReturn(false), nullptr, nullptr, 1, -1, 12);
        onNextModal(&m_watches, [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        w.reFileReturn();
        QVERIFY(m_messages.texts().isEmpty());
        onNextModal(&m_watches, agreeToTerms);
        w.reFileReturn();
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Please save current return to a file first!")});
        QCOMPARE(reFileMark(w), 0);
    }

    // ---- validation

    // With the spouse current, the spouse is checked first with the couple
    // checks; the result is the sum of both counts, the couple's group (here
    // without a message: one spouse claims the spouse amount) counting its messages.
    void validateCoupleSpouseFirst()
    {
        config().BusinessEFileNum = QString();   // an error on each person
        Form_Return w(nullptr, newReturn(true), nullptr, nullptr, 1, -1, 12);
        w.returnFile()->setCurrentPerson(CReturnFile::kSpouse);
        const int count = w.validateReturn(1, true, false);
        QCOMPARE(m_validationShown.value(0), QStringLiteral("Bob Smith"));
        QCOMPARE(m_validationShown.value(2), QStringLiteral("Ann Smith"));
        QCOMPARE(count, m_validationShown.value(1).toInt() - 1 + m_validationShown.value(3).toInt());
        QVERIFY(count >= 2);
        QVERIFY(m_validationShown.contains(
            QStringLiteral("EFILER ID is missing or invalid in preference settings by menu Start | Preference.")));
    }

    // The validation dialog itself, at its size; the window frees the groups after it.
    void validationDialog()
    {
        setValidationDialogRunner(nullptr);
        config().BusinessEFileNum = QString();
        Form_Return w(nullptr, newReturn(false), nullptr, nullptr, 1, -1, 12);
        QSize size;
        onNextModal(&m_watches, [&size](QWidget *modal) {
            QVERIFY(qobject_cast<DlgValidationMsgs *>(modal));
            size = modal->size();
            qobject_cast<QDialog *>(modal)->reject();
        });
        QVERIFY(w.validateReturn(1, true, false) >= 1);
        QCOMPARE(size, QSize(750, 650));
    }

    void validateQuestions_data()
    {
        QTest::addColumn<bool>("clean");
        QTest::addColumn<bool>("askWarnings");
        QTest::addColumn<bool>("askErrors");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<bool>("confirmationsRun");
        QTest::newRow("clean, warnings wanted") << true << true << false << int(MsgButton::Yes) << false << true;
        QTest::newRow("clean, warnings declined") << true << true << false << int(MsgButton::No) << false << false;
        QTest::newRow("clean, no question") << true << false << false << 0 << false << false;
        QTest::newRow("errors, shown at once") << false << false << false << 0 << true << false;
        QTest::newRow("errors, declined") << false << false << true << int(MsgButton::No) << false << false;
        QTest::newRow("errors, wanted") << false << false << true << int(MsgButton::Yes) << true << false;
    }
    void validateQuestions()
    {
        QFETCH(bool, clean);
        QFETCH(bool, askWarnings);
        QFETCH(bool, askErrors);
        QFETCH(int, answer);
        QFETCH(bool, dialogShown);
        QFETCH(bool, confirmationsRun);
        if (!clean)
            config().BusinessEFilePassword = QString();
        if (answer)
            m_messages.scriptAnswer(answer);
        Form_Return w(nullptr, newReturn(false), nullptr, nullptr, 1, -1, 12);
        const int count = w.validateReturn(1, askWarnings, askErrors);
        QCOMPARE(count == 0, clean);
        QCOMPARE(!m_validationShown.isEmpty(), dialogShown);
        bool dcnAsked = false;
        for (const QString &t : m_messages.texts())
            dcnAsked = dcnAsked || t.startsWith(kDcnText);
        QCOMPARE(dcnAsked, confirmationsRun);
    }

    // ---- filing

    void seasonGate_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<bool>("gateShown");
        QTest::newRow("test mode skips the gate") << true << false;
        QTest::newRow("outside test mode") << false << true;
    }
    void seasonGate()
    {
        QFETCH(bool, testMode);
        QFETCH(bool, gateShown);
        config().MODEDEBUG = testMode;
        setCurTimeSource([] { return QDateTime(QDate(2025, 2, 23), QTime(23, 59)); });
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("season.r24")));
        QString shown;
        onNextModal(&m_watches, [&shown](QWidget *modal) {
            if (auto *dlg = qobject_cast<DlgMsgWithLink *>(modal)) {
                shown = dlg->windowTitle() + QLatin1Char('|') + dlg->msg1() + QLatin1Char('|') + dlg->link();
                dlg->accept();
            }
        });
        w->netfileReturn();
        QCOMPARE(m_requests.size(), gateShown ? 0 : 1);
        if (!gateShown)
            return;
        QVERIFY2(shown.startsWith(QStringLiteral("Brackenquill 2024|") + kSeasonText), qPrintable(shown));
        QVERIFY(shown.endsWith(QStringLiteral("/faq/index.php?action=artikel&cat=6&id=16&artlang=en")));
    }

    // The gates in order; the first that fails ends the command with nothing stored.
    void filingGates_data()
    {
        QTest::addColumn<QString>("sin");
        QTest::addColumn<bool>("withEfilerId");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("reaches");
        QTest::addColumn<QString>("message");
        const QList<int> none;
        QTest::newRow("not eligible") << "046454286" << true << none << false
                                      << "Tax return which has SIN number starting with '0' is not eligible for EFILE.";
        QTest::newRow("validation errors") << "527123459" << false << none << false << QString();
        QTest::newRow("confirmation declined")
            << "527123459" << true << QList<int>{MsgButton::No, MsgButton::No} << false << QString();
        QTest::newRow("all passed") << "527123459" << true << QList<int>{MsgButton::No} << true << QString();
    }
    void filingGates()
    {
        QFETCH(QString, sin);
        QFETCH(bool, withEfilerId);
        QFETCH(QList<int>, answers);
        QFETCH(bool, reaches);
        QFETCH(QString, message);
        if (!withEfilerId)
            config().BusinessEFileNum = QString();
        for (int a : answers)
            m_messages.scriptAnswer(a);
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("gates.r24"), newReturn(false, qPrintable(sin))));
        w->netfileReturn();
        QCOMPARE(m_requests.size(), reaches ? 1 : 0);
        QCOMPARE(history(1018).size(), reaches ? 1 : 0);
        QCOMPARE(!m_validationShown.isEmpty(), !withEfilerId);
        if (!message.isEmpty())
            QCOMPARE(m_messages.texts(), QStringList{message});
        QVERIFY(!QFile::exists(debugFilePath()));
        if (!reaches)
            return;
        const NetfileRequest &r = m_requests.first();
        QCOMPARE(r.mode, 1);
        QVERIFY(!r.reFile);
        QCOMPARE(r.name, QStringLiteral("Ann Smith"));
        QCOMPARE(r.summary, QString(w->returnFile()->resultSummaryLine(0)));
        QCOMPARE(history(1018), QStringList{r.summary});
        QVERIFY(r.document.contains(QStringLiteral("527123459")));
        QVERIFY(m_debugFileDuringDialog);
    }

    // Yes to the multiple-year question marks the return, No clears a mark left by an
    // earlier Yes; the Re-File mark skips the question and, with NoWarningMsg, the
    // confirmations but not the amended question.
    void filingQuestions_data()
    {
        QTest::addColumn<bool>("markedBefore");
        QTest::addColumn<bool>("reFile");
        QTest::addColumn<bool>("noWarning");
        QTest::addColumn<int>("firstAnswer");
        QTest::addColumn<bool>("multipleYear");
        QTest::addColumn<bool>("dcnAsked");
        QTest::addColumn<bool>("amendedAsked");
        QTest::newRow("multiple years, yes") << false << false << false << int(MsgButton::Yes) << true << true << false;
        QTest::newRow("multiple years, no") << false << false << false << int(MsgButton::No) << false << true << false;
        QTest::newRow("no after an earlier yes")
            << true << false << false << int(MsgButton::No) << false << true << false;
        QTest::newRow("yes again") << true << false << false << int(MsgButton::Yes) << true << true << false;
        QTest::newRow("re-file, no warnings") << false << true << true << int(MsgButton::Yes) << false << false << true;
        QTest::newRow("re-file") << false << true << false << int(MsgButton::Yes) << false << false << true;
    }
    void filingQuestions()
    {
        QFETCH(bool, markedBefore);
        QFETCH(bool, reFile);
        QFETCH(bool, noWarning);
        QFETCH(int, firstAnswer);
        QFETCH(bool, multipleYear);
        QFETCH(bool, dcnAsked);
        QFETCH(bool, amendedAsked);
        config().NoWarningMsg = noWarning;
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("questions.r24")));
        if (markedBefore)   // as an earlier filing answered Yes
            QVERIFY(w->returnFile()->self()->setValue(3, true, 0));
        if (reFile)
            QCOMPARE(w->returnFile()->takeReFileSnapshot(), 0);
        m_messages.scriptAnswer(firstAnswer);
        w->netfileReturn();
        QCOMPARE(m_requests.size(), 1);
        QCOMPARE(m_requests.first().reFile, reFile);
        QCOMPARE(w->returnFile()->self()->t1()->isMultipleYearFiling(), multipleYear);
        // the document sent carries the answer, and it is the one written in test mode
        const QString sent = m_requests.first().document;
        QCOMPARE(sent.contains(QStringLiteral(
                     "<t1:MultipleTaxYearReturnIndicator>1</t1:MultipleTaxYearReturnIndicator>")),
                 multipleYear);
        QCOMPARE(m_debugDocument, sent.toUtf8());
        const QStringList texts = m_messages.texts();
        const auto asked = [&texts](const QString &text) {
            return std::any_of(texts.begin(), texts.end(), [&text](const QString &t) { return t.contains(text); });
        };
        QCOMPARE(asked(kMultipleYearText), !reFile);
        QCOMPARE(asked(kDcnText), dcnAsked);
        QCOMPARE(asked(kAmendedText), amendedAsked);
    }

    // A success is stored and saved with event 1019; a failure marks -1 in memory
    // only; a success whose save fails is told with its number and stays modified.
    void filingOutcome_data()
    {
        QTest::addColumn<bool>("filed");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<bool>("modified");
        QTest::newRow("accepted") << true << false << false;
        QTest::newRow("rejected") << false << false << true;
        QTest::newRow("accepted, save fails") << true << true << true;
    }
    void filingOutcome()
    {
        QFETCH(bool, filed);
        QFETCH(bool, saveFails);
        QFETCH(bool, modified);
        m_outcome = {true, filed, filed ? QStringLiteral("CN12345") : QString(), QStringLiteral("result text")};
        m_messages.scriptAnswer(MsgButton::No);
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("outcome.r24")));
        const QString path = w->fullPath();
        const QByteArray before = fileBytes(path);
        if (saveFails) {
            // the window's file lies in a folder that is not there
            const QFileInfo gone(m_dir.filePath(QStringLiteral("gone/outcome.r24")));
            w->setFileInfo(&gone);
        }
        w->netfileReturn();
        TaxData_T1New *t1 = w->returnFile()->self()->t1();
        QCOMPARE(t1->filingStatus() == 1, filed);
        QCOMPARE(t1->confirmationNumber(), filed ? QStringLiteral("CN12345") : QString());
        QCOMPARE(w->isModified(), modified);
        QCOMPARE(history(1019), filed ? QStringList{QStringLiteral("result text")} : QStringList());
        if (!filed || saveFails)
            QCOMPARE(fileBytes(path), before);
        if (saveFails) {
            QVERIFY(m_messages.texts().last().contains(QStringLiteral("CN12345")));
            QVERIFY(m_messages.texts().last().contains(QStringLiteral("outcome.r24")));
        }
        if (!filed || saveFails)
            return;
        // the file saved is the return recalculated: an edit committed at once
        // changes nothing, and closing asks nothing
        w->commitCurrentPage();
        QVERIFY(!w->isModified());
        const QString again = m_dir.filePath(QStringLiteral("outcome-recalculated.r24"));
        QCOMPARE(w->returnFile()->save(again, 1), 0);
        QCOMPARE(fileBytes(path), fileBytes(again));
        const int asked = m_messages.texts().size();
        QString closed;
        QVERIFY(w->confirmClose(closed));
        QCOMPARE(m_messages.texts().size(), asked);
    }

    // An accepted return that was never saved is told so, not that a save failed.
    void filingOutcomeNeverSaved()
    {
        m_outcome = {true, true, QStringLiteral("CN12345"), QStringLiteral("result text")};
        m_messages.scriptAnswer(MsgButton::No);
        QScopedPointer<Form_Return> w(new Form_Return(nullptr, newReturn(false), nullptr, nullptr, 1, -1, 12));
        QVERIFY(!w->hasFile());
        w->netfileReturn();
        QCOMPARE(w->returnFile()->self()->t1()->filingStatus(), 1);
        QCOMPARE(m_messages.texts().last(),
                 QStringLiteral("The return was filed, confirmation number CN12345. It has not been saved to a file "
                                "yet: save it now, so that the filing is kept."));
        QVERIFY(w->isModified());
        QCOMPARE(history(1019), QStringList{QStringLiteral("result text")});
    }

    // The File command opens the submission dialog; cancelled there, nothing is marked.
    void resultDialogCancelled()
    {
        setNetfileResultRunner(nullptr);
        m_messages.scriptAnswer(MsgButton::No);
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("least.r24")));
        QStringList shown;
        onNextModal(&m_watches, [&shown](QWidget *modal) {
            QVERIFY(qobject_cast<CNetfileResultDlg *>(modal));
            for (QLabel *label : modal->findChildren<QLabel *>())
                shown << label->text();
            qobject_cast<QDialog *>(modal)->reject();
        });
        w->netfileReturn();
        QVERIFY(shown.join(QLatin1Char('\n')).contains(QStringLiteral("Ann Smith")));
        QVERIFY(!w->isModified());
        QCOMPARE(w->returnFile()->self()->t1()->filingStatus(), 0);
    }

    // An accepted return shows its filed state; filing it again as an original
    // first warns, and only Yes sends it. A Re-File is not asked.
    void filingAnAcceptedReturnAgain_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("reFile");
        QTest::addColumn<int>("sent");
        QTest::newRow("No: nothing sent") << int(MsgButton::No) << false << 0;
        QTest::newRow("Yes: sent again") << int(MsgButton::Yes) << false << 1;
        QTest::newRow("set for ReFile: not asked") << int(MsgButton::Yes) << true << 1;
    }
    void filingAnAcceptedReturnAgain()
    {
        QFETCH(int, answer);
        QFETCH(bool, reFile);
        QFETCH(int, sent);
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("filed.r24")));
        QVERIFY(w->filingStateText().isEmpty());
        QString summary;
        w->updateSummary(summary);
        QVERIFY(w->filingStateLabel()->isHidden());
        // the CRA answered at 14:05:10, as the result showed; the clock reads 14:07:30 when it is closed
        m_outcome = {true, true, QStringLiteral("CN777"), QStringLiteral("accepted"), QStringLiteral("2025-03-05 14:05:10")};
        m_messages.scriptAnswer(MsgButton::No);   // not a multiple-year filing
        w->netfileReturn();
        QCOMPARE(m_requests.size(), 1);
        const QString state = QStringLiteral("EFiled and accepted by the CRA on 2025-03-05 14:05:10, confirmation number CN777");
        QCOMPARE(w->filingStateText(), state);
        QCOMPARE(w->filingStateLabel()->text(), state);
        QVERIFY(!w->filingStateLabel()->isHidden());

        if (reFile) {
            QCOMPARE(w->returnFile()->takeReFileSnapshot(), 0);
            QCOMPARE(w->filingStateText(), QStringLiteral("Set for ReFile: an amended return, not sent yet"));
        }
        m_messages.clear();
        m_messages.scriptAnswer(answer);
        m_messages.scriptAnswer(MsgButton::Yes);
        w->netfileReturn();
        QCOMPARE(m_requests.size(), 1 + sent);
        const bool asked = !m_messages.texts().isEmpty()
            && m_messages.texts().first().startsWith(
                QStringLiteral("This return was already filed and accepted by the CRA on 2025-03-05 14:05:10 "
                               "(confirmation number CN777)."));
        QCOMPARE(asked, !reFile);
    }

    // ---- printing

    void printFailures_data()
    {
        QTest::addColumn<int>("loadCode");
        QTest::addColumn<int>("runCode");
        QTest::addColumn<int>("pdf");
        QTest::addColumn<QString>("message");
        QTest::newRow("no report engine") << -21 << 0 << int(ScriptedBridge::Written)
                                          << "Print environment error, error code is -21.";
        QTest::newRow("-116") << 0 << -116 << int(ScriptedBridge::Nothing)
                              << "Brackenquill cannot generate .pdf file, check if output folder pathname contains "
                                 "non-English characters., error code is -116.";
        QTest::newRow("-117") << 0 << -117 << int(ScriptedBridge::Nothing)
                              << "The output PDF file is now opened by another application, e.g. Acrobat Reader. "
                                 "Please close the PDF file and try generate PDF file again.\nor anti-virus software "
                                 "blocks pdf file generation., error code is -117.";
        QTest::newRow("other code") << 0 << -3 << int(ScriptedBridge::Nothing)
                                    << "Print error happend, error code is -3.";
        QTest::newRow("nothing written") << 0 << 0 << int(ScriptedBridge::Nothing) << kEmptyPdfText;
        QTest::newRow("stale pdf") << 0 << 0 << int(ScriptedBridge::Stale) << kEmptyPdfText;
    }
    void printFailures()
    {
        QFETCH(int, loadCode);
        QFETCH(int, runCode);
        QFETCH(int, pdf);
        QFETCH(QString, message);
        m_bridge.loadCode = loadCode;
        const ScriptedBridge::Run run{runCode, ScriptedBridge::Pdf(pdf)};
        m_bridge.runs = {run, run};
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("print.r24")));
        bool afterPrintShown = false;
        onNextModal(&m_watches, [&afterPrintShown](QWidget *modal) {
            afterPrintShown = true;
            qobject_cast<QDialog *>(modal)->reject();
        });
        CString path;
        QVERIFY(w->printReturn(0, 0, 0, 0, 0, &path) != 0);
        QCOMPARE(m_messages.texts(), QStringList{message});
        QVERIFY(!afterPrintShown);
        QVERIFY(path.isEmpty());
        QCOMPARE(m_bridge.folders.size(), loadCode ? 0 : runCode ? 2 : 1);
    }

    // A failing save stops the print: the engine would read the old file.
    void printStopsOnFailedSave()
    {
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("unsaved.r24")));
        const QFileInfo gone(m_dir.filePath(QStringLiteral("gone/unsaved.r24")));
        w->setFileInfo(&gone);
        QVERIFY(w->printReturn(0, 0, 0, 0, 0, nullptr) != 0);
        QVERIFY(m_bridge.folders.isEmpty());
        QVERIFY(m_messages.texts().last().startsWith(QStringLiteral("Saving return file")));
        QVERIFY(m_messages.texts().last().contains(QStringLiteral("Nothing was printed.")));
    }

    // The retry in the application-data folder ends with the after-print dialog
    // for that PDF, whose link (space and '#') names the file.
    void printRetryInApplicationData()
    {
        m_bridge.runs = {{-5, ScriptedBridge::Nothing}, {0, ScriptedBridge::Written}};
        m_bridge.pdfName = QStringLiteral("Ann Smith #1.pdf");
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("retry.r24")));
        QString link;
        bool delivery = false;
        onNextModal(&m_watches, [&link, &delivery](QWidget *modal) {
            auto *dlg = qobject_cast<DlgVantrelAfterPrint *>(modal);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Generate Printable Return File"));
            link = dlg->findChild<QLabel *>(QStringLiteral("lblFileLink"))->text();
            delivery = dlg->eDeliveryMode;
            dlg->reject();
        });
        CString path;
        QCOMPARE(w->printReturn(0, 0, 0, 0, 0, &path), 0);
        const QString appData = TabWndApp::instance()->localFolder();
        QCOMPARE(m_bridge.folders, (QStringList{config().RetPdfPath, appData}));
        const QString pdf = appData + QStringLiteral("/Ann Smith #1.pdf");
        QCOMPARE(QString(path), QDir::toNativeSeparators(pdf));
        QVERIFY(delivery);
        const QString href = QUrl::fromLocalFile(pdf).toString(QUrl::FullyEncoded);
        QVERIFY2(link.contains(href.toHtmlEscaped()), qPrintable(link));
        QCOMPARE(QUrl(href).toLocalFile(), pdf);
        QCOMPARE(DlgVantrelAfterPrint::pathOfLink(href), pdf);
        // written by the engine with the usual mode, left private to the owner
        QCOMPARE(QFile::permissions(pdf) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(pdf);
    }

    // A folder that cannot be made is told, and the print goes on in the application-data folder.
    void printFolderFallback()
    {
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        config().RetPdfPath = blocker.fileName() + QStringLiteral("/pdf");
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("fallback.r24")));
        onNextModal(&m_watches, [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        QCOMPARE(w->printReturn(0, 0, 0, 0, 0, nullptr), 0);
        QCOMPARE(m_messages.texts().first(),
                 QStringLiteral("Brackenquill cannot write .pdf file in output folder set from preference."));
        QCOMPARE(m_bridge.folders, QStringList{TabWndApp::instance()->localFolder()});
    }

    // The options chosen reach the engine; validation errors ask before printing.
    void printWithOptions_data()
    {
        QTest::addColumn<bool>("withErrors");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("jobs");
        QTest::newRow("condensed") << false << 0 << QStringList{"fld_PrintOption_1", "fld_Invoice"}
                                   << QStringList{"1 0 0 0"};
        QTest::newRow("client copy with letter and invoice")
            << false << 0 << QStringList{"fld_ClientLetter", "fld_Invoice"} << QStringList{"0 0 0 44"};
        QTest::newRow("errors, printed anyway")
            << true << int(MsgButton::Yes) << QStringList() << QStringList{"0 0 0 0"};
        QTest::newRow("errors, not printed") << true << int(MsgButton::No) << QStringList() << QStringList();
    }
    void printWithOptions()
    {
        QFETCH(bool, withErrors);
        QFETCH(int, answer);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, jobs);
        if (withErrors) {
            config().BusinessEFileNum = QString();
            m_messages.scriptAnswer(MsgButton::No);   // the errors are not viewed
            m_messages.scriptAnswer(answer);
        }
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("options.r24")));
        onNextModal(&m_watches, [this, ticked](QWidget *modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("DlgPrintOption_Info"));
            for (QAbstractButton *box : modal->findChildren<QAbstractButton *>())
                if (box->isCheckable() && box->objectName() != QLatin1String("fld_PrintOption_0"))
                    box->setChecked(ticked.contains(box->objectName()));
            for (const QString &name : ticked)
                modal->findChild<QAbstractButton *>(name)->setChecked(true);
            onNextModal(&m_watches, [](QWidget *after) { qobject_cast<QDialog *>(after)->reject(); });
            modal->findChild<QAbstractButton *>(QStringLiteral("btnPrint"))->click();
        });
        w->printWithOptions();
        QCOMPARE(m_bridge.jobs, jobs);
        if (withErrors)
            QVERIFY(m_messages.texts().contains(QStringLiteral(
                "Do you still want to generate the printable file? Click 'Yes' button to continue print.")));
    }

    // "Print currently selected form only" hands the engine what the tree has
    // selected: a form or a slip by its entry's id, the result page by its category.
    void currentFormOnly_data()
    {
        QTest::addColumn<int>("category");
        QTest::newRow("a form (T183)") << 0;
        QTest::newRow("a slip (T4)") << 1;
        QTest::newRow("the result page") << 99;
    }
    void currentFormOnly()
    {
        QFETCH(int, category);
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("selected.r24")));
        int id = 0;
        if (category == 0) {
            id = w->returnFile()->findFormEntry(96, 0, false)->id;
            w->folderView()->selectItem(category, id);
        } else if (category == 1) {
            w->addSlip(1);   // selects the new slip
            int c = 0, type = 0;
            w->folderView()->getSelection(c, type, id);
            QVERIFY(c == 1 && id > 0);
        } else {
            w->folderView()->setCurrentItem(w->folderView()->root(FolderView::Result));
        }
        onNextModal(&m_watches, [this](QWidget *modal) {
            modal->findChild<QAbstractButton *>(QStringLiteral("fld_CurFormOnly"))->setChecked(true);
            onNextModal(&m_watches, [](QWidget *after) { qobject_cast<QDialog *>(after)->reject(); });
            modal->findChild<QAbstractButton *>(QStringLiteral("btnPrint"))->click();
        });
        w->printWithOptions();
        QCOMPARE(m_bridge.jobs, QStringList{QStringLiteral("0 %1 %2 0").arg(category).arg(id)});
    }

    // Prints the return with the client letter ticked, the after-print dialog closed.
    void printWithClientLetter(Form_Return &w)
    {
        onNextModal(&m_watches, [this](QWidget *modal) {
            modal->findChild<QAbstractButton *>(QStringLiteral("fld_ClientLetter"))->setChecked(true);
            onNextModal(&m_watches, [](QWidget *after) { qobject_cast<QDialog *>(after)->reject(); });
            modal->findChild<QAbstractButton *>(QStringLiteral("btnPrint"))->click();
        });
        w.printWithOptions();
    }

    // A customised letter on disk that is not whole: the print says so, and the
    // engine (asked for the letter as before) prints the standard one.
    void damagedClientLetter_data()
    {
        QTest::addColumn<bool>("customized");
        QTest::addColumn<QString>("said");
        QTest::newRow("customized letter off")
            << false << "The customized client letter %1 is damaged: the standard client letter is printed.";
        QTest::newRow("customized letter on")
            << true << "The customized client letter %1 is damaged: the standard client letter is printed, and the "
                       "customized one will be downloaded again at the next print.";
    }
    void damagedClientLetter()
    {
        QFETCH(bool, customized);
        QFETCH(QString, said);
        QTemporaryDir pdfDir;
        const QString letter = pdfDir.filePath(QStringLiteral("t1_clientletter_own.pdf"));
        QFile f(letter);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n1 0 obj<<>>endobj\nstartxref\n999\n%%EOF\n");
        f.close();
        const CString pdfPath = config().PDFPATH;
        config().PDFPATH = pdfDir.path();
        config().CustomizedClientLetter = customized;
        config().VantrelEmail = CString();   // the fetch stops at the log-in
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("letter.r24")));
        printWithClientLetter(*w);
        config().PDFPATH = pdfPath;
        config().CustomizedClientLetter = false;
        QCOMPARE(m_bridge.jobs, QStringList{"0 0 0 36"});
        QVERIFY2(m_messages.texts().contains(said.arg(QDir::toNativeSeparators(letter))),
                 qPrintable(m_messages.texts().join(QLatin1Char('|'))));
        QVERIFY(QFile::exists(letter));   // kept as it is until a whole one replaces it
    }

    // A template that cannot be downloaded is not passed over in silence.
    void failedClientLetterDownloadSaysWhy()
    {
        FakeHttpsServer server;
        VantrelFake fake(server);
        QVERIFY(server.start());
        QWebClient::setDefaultCaFile(server.caFile());
        fake.setPdfDownload(VantrelFake::Download::Fail);
        QTemporaryDir folders;
        const CString pdfPath = config().PDFPATH, xmlPath = config().XMLPATH;
        config().PDFPATH = folders.filePath(QStringLiteral("pdf"));
        config().XMLPATH = folders.filePath(QStringLiteral("xml"));
        config().CustomizedClientLetter = true;
        config().VantrelServer = server.baseUrl();
        config().VantrelEmail = CString("preparer@example.com");
        config().VantrelPswd = CString("s3cret");
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("download.r24")));
        printWithClientLetter(*w);
        QWebClient::setDefaultCaFile(QString());
        config().PDFPATH = pdfPath;
        config().XMLPATH = xmlPath;
        config().CustomizedClientLetter = false;
        QCOMPARE(m_bridge.jobs, QStringList{"0 0 0 36"});
        const QString said = m_messages.texts().value(0);
        QVERIFY2(said.startsWith(QStringLiteral("The customized client letter was not downloaded: "
                                                "t1_clientletter_own.pdf could not be downloaded (")),
                 qPrintable(said));
        QVERIFY(QFileInfo(folders.filePath(QStringLiteral("pdf"))).isDir());
    }

    void printMask_data()
    {
        QTest::addColumn<int>("clientLetter");
        QTest::addColumn<bool>("invoice");
        QTest::addColumn<bool>("fullSin");
        QTest::addColumn<int>("mask");
        QTest::newRow("nothing") << 0 << false << false << 0;
        QTest::newRow("client letter") << 1 << false << false << 0x24;
        QTest::newRow("all") << 1 << true << true << 0x3c;
        QTest::newRow("invoice and full SIN") << 0 << true << true << 0x18;
    }
    void printMask()
    {
        QFETCH(int, clientLetter);
        QFETCH(bool, invoice);
        QFETCH(bool, fullSin);
        QFETCH(int, mask);
        PrintChoices choices;
        choices.clientLetter = clientLetter;
        choices.invoice = invoice;
        choices.fullSin = fullSin;
        QCOMPARE(Form_Return::printMask(choices), mask);
    }

    void sendFormForESignature()
    {
        QScopedPointer<Form_Return> w(savedWindow(QStringLiteral("esign.r24")));
        w->sendFormForESignature(53);
        QCOMPARE(m_messages.texts().value(0), QStringLiteral("Form[RC71] is not in the tax return."));
        QVERIFY(m_bridge.folders.isEmpty());
        bool signatureMode = false;
        onNextModal(&m_watches, [&signatureMode](QWidget *modal) {
            if (auto *dlg = qobject_cast<DlgVantrelAfterPrint *>(modal))
                signatureMode = !dlg->eDeliveryMode;
            qobject_cast<QDialog *>(modal)->reject();
        });
        w->sendFormForESignature(96);
        QCOMPARE(m_bridge.folders.size(), 1);
        QVERIFY(signatureMode);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestFilingCommands tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_filingcommands.moc"
