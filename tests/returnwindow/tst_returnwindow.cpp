// The New Return wizard's pages and the return window's save and close questions.
#include "bqtest.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "ct1combobox.h"
#include "datanewreturnbasic.h"
#include "dlgmsgwithlink.h"
#include "actionshowreturn.h"
#include "form_return.h"
#include "guiinput.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "returnwindowhost.h"
#include "newreturnbasic_formoption.h"
#include "newreturnbasic_spouse.h"
#include "newreturnbasic_tab1.h"
#include "stringlineedit.h"
#include "styledcheckbox.h"
#include "tabwndapp.h"
#include "wizardbase.h"
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <cstdio>

namespace {
QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Saves a page under a name given beforehand, as the main window does after its save dialog.
class SavingHost : public ReturnWindowHost
{
public:
    explicit SavingHost(const QString &name) : m_name(name) {}
    QObject *hostObject() override { return nullptr; }
    void setResultText(const QString &) override {}
    void addContextActions(int, QMenu *) override {}
    bool saveReturnUnderNewName(Form_Return *page) override
    {
        const QFileInfo info(m_name);
        page->setFileInfo(&info);
        QString written;
        return page->saveReturn(written, false) == 0;
    }
    void openReturnFile(const QString &) override {}
    void importPriorYearReturn(const QString &) override {}

private:
    QString m_name;
};
} // namespace

class TestReturnWindow : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    static CReturnFile *newReturn(const QString &last = QStringLiteral("Smith"))
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Ann");
        data.fld_LastName = CString(last);
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        return r;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static void setFile(Form_Return &w, const QString &p)
    {
        const QFileInfo info(p);
        w.setFileInfo(&info);
    }
    // A change the saved copy does not hold.
    static void edit(Form_Return &w) { w.returnFile()->addSlip(1, 0, 0); }
    // Accepts the next file dialog with the given name.
    static void answerFileDialog(const QString &name)
    {
        QTimer::singleShot(50, [name] {
            if (auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                if (auto *edit = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    edit->setText(name);
                else
                    dlg->selectFile(name);
                QMetaObject::invokeMethod(dlg, "accept");
            }
        });
    }

    // The wizard's taxpayer page on data, shown and active; null when the window never became active.
    static NewReturnBasic_tab1 *showTaxpayerPage(WizardBase &wizard, DataNewReturnBasic &data)
    {
        auto *page = new NewReturnBasic_tab1(&data, nullptr, &wizard);
        wizard.addPage(page);
        wizard.show();
        QApplication::setActiveWindow(&wizard);
        return QTest::qWaitForWindowActive(&wizard) ? page : nullptr;
    }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        TabWndApp::instance()->config().RetPath = m_dir.path();
    }
    void init()
    {
        m_messages.clear();
        TabWndApp::instance()->config().SaveBackup = 0;
    }

    // ---- wizard pages

    void taxpayerPage_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("next");
        QTest::newRow("married") << "Smith" << 9 << 0 << true << 1;
        QTest::newRow("common-law") << "Smith" << 9 << 1 << true << 1;
        QTest::newRow("single") << "Smith" << 9 << 5 << true << 2;
        QTest::newRow("widowed") << "Smith" << 9 << 2 << true << 2;
        QTest::newRow("no status") << "Smith" << 9 << -1 << true << 2;
        QTest::newRow("blank last name") << "   " << 9 << 5 << false << 2;
        QTest::newRow("no province") << "Smith" << 0 << 5 << false << 2;
    }
    void taxpayerPage()
    {
        QFETCH(QString, last);
        QFETCH(int, province);
        QFETCH(int, status);
        DataNewReturnBasic data;
        data.fld_dob = QDate(1980, 1, 1);
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new NewReturnBasic_tab1(&data, nullptr, &wizard);
        wizard.addPage(page);
        QCOMPARE(page->findChild<QDateEdit *>("fld_dob")->date(), QDate(1980, 1, 1));
        page->findChild<StringLineEdit *>("fld_FirstName")->setText("Ann");
        page->findChild<StringLineEdit *>("fld_LastName")->setText(last);
        auto *combo = page->findChild<CT1ComboBox *>("fld_TaxPronv");
        QCOMPARE(combo->count(), 14);
        combo->SetCurSelData(province);
        QCOMPARE(data.fld_TaxPronv.value(), province);
        auto *group = qobject_cast<QButtonGroup *>(page->boundWidget("fld_MaritalStatus"));
        QVERIFY(group);
        if (status >= 0)
            group->button(status)->click();
        QCOMPARE(data.fld_MaritalStatus.value(), status);
        QTEST(page->validatePage(), "valid");
        QCOMPARE(data.fld_FirstName.value(), CString("Ann"));
        QTEST(page->nextId(), "next");
    }

    // The date of birth on the taxpayer page: a click into it and the date
    // typed gives the date; a click on a part of it while in it types over that part.
    void dateOfBirthTyped_data()
    {
        QTest::addColumn<QString>("clickOn");   // "year", "day" or "day, again"
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("digits") << "day" << "19700523" << QDate(1970, 5, 23);
        QTest::newRow("with slashes") << "year" << "1970/05/23" << QDate(1970, 5, 23);
        QTest::newRow("a one-digit month") << "day" << "1970/5/23" << QDate(1970, 5, 23);
        QTest::newRow("the day alone") << "day, again" << "23" << QDate(1980, 1, 23);
    }
    void dateOfBirthTyped()
    {
        QFETCH(QString, clickOn);
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        DataNewReturnBasic data;
        data.fld_dob = QDate(1980, 1, 1);
        WizardBase wizard(nullptr, QStringLiteral("t"));
        NewReturnBasic_tab1 *page = showTaxpayerPage(wizard, data);
        QVERIFY(page);
        auto *date = page->findChild<QDateEdit *>("fld_dob");
        QLineEdit *text = date->findChild<QLineEdit *>();
        // "1980/01/01": the year at the left, the day at the right
        const QPoint year(text->fontMetrics().horizontalAdvance(QStringLiteral("19")), text->height() / 2);
        const QPoint day(text->fontMetrics().horizontalAdvance(QStringLiteral("1980/01/0")), text->height() / 2);
        QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, clickOn == QLatin1String("year") ? year : day);
        if (clickOn == QLatin1String("day, again"))
            QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, day);
        QTest::keyClicks(date, typed);
        QCOMPARE(date->date(), expected);
        QCOMPARE(data.fld_dob.value(), expected);
    }

    // The wheel turned over a choice list or a date it is not in changes nothing.
    void wheelChangesNoAnswer()
    {
        DataNewReturnBasic data;
        data.fld_dob = QDate(1980, 1, 1);
        data.fld_TaxPronv = 9;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        NewReturnBasic_tab1 *page = showTaxpayerPage(wizard, data);
        QVERIFY(page);
        page->findChild<StringLineEdit *>("fld_FirstName")->setFocus();
        for (int notches : {-1, 3}) {
            bqtest::turnWheel(page->findChild<QDateEdit *>("fld_dob"), notches);
            bqtest::turnWheel(page->findChild<CT1ComboBox *>("fld_TaxPronv"), notches);
        }
        QCOMPARE(data.fld_dob.value(), QDate(1980, 1, 1));
        QCOMPARE(data.fld_TaxPronv.value(), 9);
    }

    void spousePage()
    {
        DataNewReturnBasic data;
        data.fld_TaxPronv = 1;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new NewReturnBasic_Spouse(&data, nullptr, &wizard);
        wizard.addPage(page);
        page->initializePage();
        QCOMPARE(data.fld_TaxPronvSpouse.value(), 1);
        QCOMPARE(page->findChild<CT1ComboBox *>("fld_TaxPronvSpouse")->GetCurSelData(), 1);
        page->findChild<StringLineEdit *>("fld_FirstNameSpouse")->setText("Bob");
        QVERIFY(!page->validatePage());
        page->findChild<StringLineEdit *>("fld_LastNameSpouse")->setText("Smith");
        QVERIFY(page->validatePage());
        page->findChild<StyledCheckBox *>("fld_Coupled")->setChecked(true);
        QVERIFY(data.fld_Coupled.value());
        page->findChild<CT1ComboBox *>("fld_TaxPronvSpouse")->SetCurSelData(0);
        QVERIFY(!page->validatePage());
    }
    void formOptionPage()
    {
        DataNewReturnBasic data;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new NewReturnBasic_FormOption(&data, nullptr, &wizard);
        const QStringList names = {"fld_bSch3", "fld_bSch4", "fld_bSch6", "fld_bSch7", "fld_bSch9",
                                   "fld_bSch11", "fld_bSch15", "fld_bT776", "fld_bT2125", "fld_bT1DD"};
        for (const QString &n : names)
            QVERIFY2(page->boundWidget(n), qPrintable(n));
        page->findChild<StyledCheckBox *>("fld_bSch7")->setChecked(true);
        QVERIFY(data.fld_bSch7.value());
        QVERIFY(!data.fld_bSch4.value());
        QVERIFY(page->validatePage());
    }

    // ---- the return window

    void closeUnsaved()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.returnTitle(), QStringLiteral("Untitled (unsaved)"));
        QCOMPARE(w.showAction()->text(), QStringLiteral("Return 1 - Untitled (unsaved)"));
        QVERIFY(!w.isModified());
        QString p;
        // the question of a changed saved return: Yes saves, No discards
        m_messages.scriptAnswer(MsgButton::Cancel);
        QVERIFY(!w.confirmClose(p));
        QCOMPARE(m_messages.texts().last(),
                 QStringLiteral("Do you want to save changed data to return file before closing?\n\n"
                                "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing"));
        // Yes with nobody to ask for a file name saves nothing: the window stays
        m_messages.scriptAnswer(MsgButton::Yes);
        QVERIFY(!w.confirmClose(p));
        m_messages.scriptAnswer(MsgButton::No);
        QVERIFY(w.confirmClose(p));
    }
    void saveWithBackup_data()
    {
        QTest::addColumn<bool>("backupOn");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("backupName");
        QTest::newRow("SaveBackup on") << true << "a.b.r24" << "a_backup.b.r24";
        QTest::newRow("SaveBackup off") << false << "a.b.r24" << "a_backup.b.r24";
        QTest::newRow("name without suffix") << true << "Smith" << "Smith_backup";
    }
    void saveWithBackup()
    {
        QFETCH(bool, backupOn);
        QFETCH(QString, name);
        QFETCH(QString, backupName);
        TabWndApp::instance()->config().SaveBackup = backupOn ? 1 : 0;
        const QString file = path(name);
        const QString backup = path(backupName);
        QFile::remove(file);
        QFile::remove(backup);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        setFile(w, file);
        QString written;
        QCOMPARE(w.saveReturn(written, true), 0);
        QCOMPARE(QFileInfo(written).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
        QVERIFY(QFile::exists(file));
        QVERIFY(!QFile::exists(backup));   // the first save of a new file has nothing to back up
        edit(w);
        QVERIFY(w.isModified());
        QCOMPARE(w.saveReturn(written, true), 0);
        QVERIFY(!w.isModified());
        QCOMPARE(QFile::exists(backup), backupOn);
        const QString backups = name.section(QLatin1Char('.'), 0, 0) + QStringLiteral("_backup*");
        QCOMPARE(QDir(m_dir.path()).entryList({backups}).size(), backupOn ? 1 : 0);
        int code = -1;
        std::unique_ptr<CReturnFile> reread(CReturnFile::load(file, code));
        QCOMPARE(code, 0);
        QCOMPARE(reread->self()->slips().count(), 1);
    }
    void closeModified_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("mayClose");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel") << int(MsgButton::Cancel) << false << false;
        QTest::newRow("no") << int(MsgButton::No) << true << false;
        QTest::newRow("yes") << int(MsgButton::Yes) << true << true;
    }
    void closeModified()
    {
        QFETCH(int, answer);
        const QString file = path(QStringLiteral("close.r24"));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        setFile(w, file);
        QCOMPARE(w.save(false), 0);
        QString p;
        QVERIFY(w.confirmClose(p));      // saved and unchanged: no question
        QVERIFY(m_messages.shown().isEmpty());
        edit(w);
        m_messages.scriptAnswer(answer);
        QTEST(w.confirmClose(p), "mayClose");
        QCOMPARE(m_messages.shown().size(), 1);
        QFETCH(bool, saved);
        QCOMPARE(w.isModified(), !saved);
    }
    // The open file is replaced behind the program's back (another return copied
    // over it in place, moved over it, or only touched): saving asks first. Yes
    // replaces it, No saves under the name the host asks for and leaves it, Cancel
    // leaves it and saves nothing. The other program's bytes survive every answer
    // but Yes.
    void fileChangedBehindTheProgram_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer");
        QTest::newRow("copied over: Cancel") << "copy" << int(MsgButton::Cancel);
        QTest::newRow("copied over: Yes") << "copy" << int(MsgButton::Yes);
        QTest::newRow("copied over: No, another name") << "copy" << int(MsgButton::No);
        QTest::newRow("moved over: Cancel") << "move" << int(MsgButton::Cancel);
        QTest::newRow("touched: Cancel") << "touch" << int(MsgButton::Cancel);
    }
    void fileChangedBehindTheProgram()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        const QString file = path(QStringLiteral("client.r24"));
        const QString other = path(QStringLiteral("another.r24"));
        const QString renamed = path(QStringLiteral("client-mine.r24"));
        for (const QString &p : {file, other, renamed})
            QFile::remove(p);
        {
            std::unique_ptr<CReturnFile> client(newReturn(QStringLiteral("Client")));
            QCOMPARE(client->save(file, 1), 0);
            std::unique_ptr<CReturnFile> another(newReturn(QStringLiteral("Another")));
            another->addSlip(1, 0, 0);
            another->addSlip(1, 0, 0);
            QCOMPARE(another->save(other, 1), 0);
        }
        int code = -1;
        const QFileInfo info(file);
        SavingHost host(renamed);
        Form_Return w(&info, CReturnFile::load(file, code), &host, nullptr, 1, -1, 12);
        QCOMPARE(code, 0);
        edit(w);
        QString p;
        // unchanged on disk: saved without a question, and again after that save
        QCOMPARE(w.saveReturn(p, false), 0);
        edit(w);
        QCOMPARE(w.saveReturn(p, false), 0);
        QVERIFY(m_messages.shown().isEmpty());

        const QByteArray others = readBytes(other);
        if (change == QLatin1String("copy")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(others), others.size());
        } else if (change == QLatin1String("move")) {
            QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()) == 0);
        } else {
            // same bytes, a later time: another program wrote it again
            const timespec times[2] = {{0, UTIME_NOW}, {1700000000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
        }
        const QByteArray onDisk = readBytes(file);
        edit(w);
        m_messages.scriptAnswer(answer);
        const int status = w.saveReturn(p, false);
        QCOMPARE(m_messages.shown().size(), 1);
        QVERIFY(m_messages.texts().first().startsWith(
            QStringLiteral("The return file %1 was changed by another program").arg(QDir::toNativeSeparators(file))));
        if (answer == MsgButton::Yes) {
            QCOMPARE(status, 0);
            std::unique_ptr<CReturnFile> mine(CReturnFile::load(file, code));
            QCOMPARE(mine->self()->slips().count(), 3);
            return;
        }
        QCOMPARE(readBytes(file), onDisk);
        if (answer == MsgButton::No) {
            QCOMPARE(status, 0);
            QCOMPARE(w.fullPath(), renamed);
            std::unique_ptr<CReturnFile> mine(CReturnFile::load(renamed, code));
            QCOMPARE(mine->self()->slips().count(), 3);
            QVERIFY(!w.isModified());
        } else {
            QCOMPARE(status, int(Form_Return::kSaveDeclined));
            QVERIFY(w.isModified());
            QVERIFY(!QFile::exists(renamed));
        }
    }
    void failedSaveKeepsModified()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const QString file = path(QStringLiteral("missing/folder/x.r24"));
        setFile(w, file);
        edit(w);
        QString p;
        QVERIFY(w.saveReturn(p, true) != 0);
        QVERIFY(!w.lastSaveError().isEmpty());
        QVERIFY(w.isModified());
        // Yes on the close question with a failing save keeps the window open.
        m_messages.scriptAnswer(MsgButton::Yes);
        QVERIFY(!w.confirmClose(p));
        QVERIFY(m_messages.texts().last().contains(QDir::toNativeSeparators(file)));
    }
    // The slip summary is written whole and private, and linked; a failed write is
    // told, and no link is offered to a page that was never written.
    void slipSummaryWrite()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QString title, link;
        QTimer::singleShot(0, [&title, &link] {
            auto *dlg = qobject_cast<DlgMsgWithLink *>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            title = dlg->windowTitle();
            link = dlg->link();
            dlg->accept();
        });
        QCOMPARE(w.showSlipSummary(), 0);
        const QStringList pages = QDir(m_dir.path()).entryList({QStringLiteral("*_SlipSummary.html")}, QDir::Files);
        QCOMPARE(pages.size(), 1);
        const QString page = m_dir.filePath(pages.first());
        QCOMPARE(QFile::permissions(page) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QCOMPARE(title, QStringLiteral("Tax Slips Summary"));   // the message with a link, not an information box
        QCOMPARE(QUrl(link).toLocalFile(), page);

        m_messages.clear();
        TabWndApp::instance()->config().RetPath = m_dir.filePath(QStringLiteral("missing/folder"));
        QCOMPARE(w.showSlipSummary(), -1);
        TabWndApp::instance()->config().RetPath = m_dir.path();
        QCOMPARE(m_messages.shown().size(), 1);   // the failure alone: no link to a page never written
        QVERIFY(!m_messages.texts().last().contains(QStringLiteral("<a href=")));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestReturnWindow tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_returnwindow.moc"
