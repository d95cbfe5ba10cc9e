// The Auto-fill / Express NOA main dialog against a database of stored
// downloads: the list, Remove, View (the wizard and the import into the open
// return, the notice pages) and New with the download stood in for.
#include "basetaxpage.h"
#include "bqtest.h"
#include "creturnfile.h"
#include "dataafr.h"
#include "datanewreturnbasic.h"
#include "dlgfilingterm.h"
#include "dlgtddentersin.h"
#include "dlgtddmain.h"
#include "dlgtddprogresswait.h"
#include "form_return.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "realboxes.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "tddtaxdataoneperson.h"
#include "wizardbase.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

namespace {
const char *const kOwnSin = "527123459";
const char *const kOtherSin = "046454286";

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

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

int countAutoFilledSlips(const IndividualTaxData &p, int type)
{
    int n = 0;
    for (const FormEntry *e : p.slips())
        n += e->type == type && e->object->isAutoFill();
    return n;
}

bool treeHasText(Form_Return &w, const QString &part)
{
    auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("treeFolderView"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0).contains(part))
            return true;
    return false;
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestTddMainDialog : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;
    QString m_noaFolder;
    UrlCatcher m_urls;

    static QSqlDatabase &db() { return TabWndApp::instance()->dbManager().connection(); }

    static int exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q(db());
        if (!q.prepare(sql)) {
            qWarning() << q.lastError().text();
            return -1;
        }
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec()) {
            qWarning() << q.lastError().text();
            return -1;
        }
        return q.lastInsertId().toInt();
    }
    static int count(const QString &table)
    {
        QSqlQuery q(db());
        q.exec(QStringLiteral("select count(*) from ") + table);
        return q.next() ? q.value(0).toInt() : -1;
    }
    static int taxpayer(const char *sin)
    {
        return exec(QStringLiteral("insert into tb_taxpayers (name, sin) values ('', ?)"), {QString::fromLatin1(sin)});
    }
    static int taxData(int uid, const QString &time, int year, const QByteArray &xml, const QString &html = "<h3>Report</h3>")
    {
        return exec(QStringLiteral("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) values (?,?,?,?,?)"),
                    {uid, time, QString::fromUtf8(xml), html, year});
    }
    static int noa(int uid, const QString &time, int year, const QString &htmlfile)
    {
        return exec(QStringLiteral("insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) values (?,?,'<x/>',?,?)"),
                    {uid, time, htmlfile, year});
    }
    static QByteArray personXml() { return fileBytes(QStringLiteral(BQ_AUTOFILL_DIR "/fixtures/person-full.xml")); }

    static CReturnFile *newReturn(const char *sin)
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Ann");
        data.fld_LastName = CString("Smith");
        data.fld_sin = CString(sin);
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        r->recalculate(0, nullptr);
        return r;
    }
    // The Auto-fill wizard, when it comes, finished with its options as they come up.
    void finishWizardAsItComes()
    {
        onNextModal(this, [](QWidget *modal) {
            auto *wizard = qobject_cast<WizardBase *>(modal);
            QVERIFY(wizard);
            wizard->next();
            wizard->next();
            wizard->button(QWizard::FinishButton)->click();
        });
    }

    static Form_Return *returnWindow(const char *sin = kOwnSin)
    {
        return new Form_Return(nullptr, newReturn(sin), nullptr, nullptr, 1, -1, 12);
    }
    static QTableView *table(DlgTDDMain &dlg) { return dlg.findChild<QTableView *>(QStringLiteral("tableView")); }
    static void click(DlgTDDMain &dlg, const char *button)
    {
        dlg.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    static QStringList column(DlgTDDMain &dlg, int c)
    {
        QStringList values;
        QAbstractItemModel *m = table(dlg)->model();
        for (int r = 0; r < m->rowCount(); ++r)
            values << m->index(r, c).data().toString();
        return values;
    }
    // The dialog shown on the database, the return's S.I.N. as the main window gives it.
    std::unique_ptr<DlgTDDMain> dialog(int mode, const QString &returnSin = QString(), Form_Return *w = nullptr)
    {
        const CString sin(returnSin);
        auto dlg = std::make_unique<DlgTDDMain>(mode, &db(), &sin, w, nullptr);
        dlg->setNoaFolder(m_noaFolder);
        dlg->show();
        return dlg;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        m_noaFolder = m_dir.filePath(QStringLiteral("my noa #1"));
        QVERIFY(QDir().mkpath(m_noaFolder));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        setMessageHandler(nullptr);
        DlgTDDMain::setDownloadRunner(nullptr);
    }
    void init()
    {
        m_messages.clear();
        m_urls.urls.clear();
        exec(QStringLiteral("delete from tb_taxdata"));
        exec(QStringLiteral("delete from tb_taxnoa"));
        exec(QStringLiteral("delete from tb_taxpayers"));
        DlgTDDMain::setDownloadRunner(nullptr);
    }

    // ---- the list and Remove

    void listHeadersAndNewestFirst()
    {
        auto empty = dialog(1);
        QCOMPARE(empty->windowTitle(), QStringLiteral("Auto Fill Tax Data"));
        QCOMPARE(empty->size(), QSize(813, 423));
        QAbstractItemModel *m = table(*empty)->model();
        QCOMPARE(m->rowCount(), 0);
        QStringList headers;
        for (int c = 0; c < m->columnCount(); ++c)
            headers << m->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"S.I.N.", "Update Time", "Tax Year"}));
        // View and Remove with nothing selected do nothing.
        click(*empty, "btnView");
        click(*empty, "btnRemove");
        QVERIFY(m_messages.texts().isEmpty());

        const int a = taxpayer(kOwnSin), b = taxpayer(kOtherSin);
        taxData(a, "2025-03-01 10:00:00", 2024, personXml());
        taxData(b, "2025-03-03 10:00:00", 2023, personXml());
        taxData(a, "2025-03-02 10:00:00", 2022, personXml());
        auto dlg = dialog(1);
        QCOMPARE(column(*dlg, 1),
                 (QStringList{"2025-03-03 10:00:00", "2025-03-02 10:00:00", "2025-03-01 10:00:00"}));
        QCOMPARE(column(*dlg, 0), (QStringList{kOtherSin, kOwnSin, kOwnSin}));
        QCOMPARE(table(*dlg)->model()->index(0, 2).data(), QVariant(2023));
        QCOMPARE(table(*dlg)->columnWidth(0), 120);
        QCOMPARE(dialog(2)->windowTitle(), QStringLiteral("Express Notice of Assessment"));
    }

    void removeAfterSortingDeletesTheShownRow()
    {
        const int a = taxpayer(kOwnSin);
        taxData(a, "2025-03-01 10:00:00", 2024, personXml());
        taxData(a, "2025-03-03 10:00:00", 2022, personXml());
        taxData(a, "2025-03-02 10:00:00", 2023, personXml());
        auto dlg = dialog(1);
        QHeaderView *header = table(*dlg)->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 10, header->height() / 2));
        QStringList years = column(*dlg, 2);
        QVERIFY(years == (QStringList{"2022", "2023", "2024"}) || years == (QStringList{"2024", "2023", "2022"}));
        const QString shown = years.first();
        table(*dlg)->selectRow(0);
        QCOMPARE(dlg->selectedEntry()->taxYear, shown.toInt());
        click(*dlg, "btnRemove");
        QVERIFY(!column(*dlg, 2).contains(shown));
        QCOMPARE(column(*dlg, 2).size(), 2);
        QSqlQuery q(db());
        q.exec(QStringLiteral("select taxyear from tb_taxdata order by taxyear"));
        QStringList stored;
        while (q.next())
            stored << q.value(0).toString();
        QVERIFY(!stored.contains(shown));
        QCOMPARE(stored.size(), 2);
        QCOMPARE(count("tb_taxpayers"), 1);
    }

    void noaRemoveDeletesOnlyItsOwnPage_data()
    {
        QTest::addColumn<QString>("where");   // where the row's htmlfile points
        QTest::addColumn<bool>("pageDeleted");
        QTest::newRow("page in the NOA folder") << "inside" << true;
        QTest::newRow("page outside the NOA folder") << "outside" << false;
        QTest::newRow("name without the page pattern") << "badname" << false;
        QTest::newRow("up and back into another folder") << "dotdot" << false;
        QTest::newRow("link in the NOA folder") << "symlink" << false;
    }
    void noaRemoveDeletesOnlyItsOwnPage()
    {
        QFETCH(QString, where);
        QFETCH(bool, pageDeleted);
        const QString outside = m_dir.filePath(QStringLiteral("elsewhere"));
        QDir().mkpath(outside);
        QString target = m_noaFolder + QStringLiteral("/noa2024_xxxxx3459_1.html");
        QString stored = target;
        if (where == "outside")
            target = stored = outside + QStringLiteral("/noa2024_xxxxx3459_1.html");
        else if (where == "badname")
            target = stored = m_noaFolder + QStringLiteral("/return.T1");
        else if (where == "dotdot") {
            target = outside + QStringLiteral("/noa2024_xxxxx3459_1.html");
            stored = m_noaFolder + QStringLiteral("/../elsewhere/noa2024_xxxxx3459_1.html");
        }
        QVERIFY(writeFile(target, "<html>notice</html>"));
        if (where == "symlink") {
            target = outside + QStringLiteral("/keep.html");
            QVERIFY(writeFile(target, "precious"));
            QFile::remove(stored);
            QVERIFY(QFile::link(target, stored));
        }
        noa(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, stored);
        auto dlg = dialog(2);
        table(*dlg)->selectRow(0);
        click(*dlg, "btnRemove");
        QCOMPARE(table(*dlg)->model()->rowCount(), 0);
        QCOMPARE(count("tb_taxnoa"), 0);
        QCOMPARE(QFileInfo::exists(target), !pageDeleted);
        QFile::remove(target);
        QFile::remove(stored);
    }

    void failedDeleteKeepsTheRow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Auto-fill") << 1;
        QTest::newRow("NOA") << 2;
    }
    void failedDeleteKeepsTheRow()
    {
        QFETCH(int, mode);
        const QString table1 = mode == 1 ? QStringLiteral("tb_taxdata") : QStringLiteral("tb_taxnoa");
        const QString page = m_noaFolder + QStringLiteral("/noa2024_xxxxx3459_7.html");
        QVERIFY(writeFile(page, "<html>notice</html>"));
        const int a = taxpayer(kOwnSin);
        if (mode == 1)
            taxData(a, "2025-03-01 10:00:00", 2024, personXml());
        else
            noa(a, "2025-03-01 10:00:00", 2024, page);
        QVERIFY(exec(QStringLiteral("create temp trigger keep_rows before delete on %1 "
                                    "begin select raise(abort, 'kept'); end").arg(table1)) >= 0);
        auto dlg = dialog(mode);
        table(*dlg)->selectRow(0);
        click(*dlg, "btnRemove");
        exec(QStringLiteral("drop trigger keep_rows"));
        QCOMPARE(table(*dlg)->model()->rowCount(), 1);
        QCOMPARE(count(table1), 1);
        QVERIFY(QFileInfo::exists(page));
        QCOMPARE(m_messages.texts(), QStringList{"The entry could not be removed."});
        QFile::remove(page);
    }

    // ---- View of Auto-fill data

    void viewOwnEntryFillsTheReturn()
    {
        std::unique_ptr<Form_Return> w(returnWindow());
        w->returnFile()->currentPerson()->t1()->setInstalmentsPaid(500);   // typed before the import
        const int id = taxData(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, personXml());
        QVERIFY(id > 0);
        // The return's S.I.N. with blanks still matches the stored digits.
        auto dlg = dialog(1, QStringLiteral("527 123 459"), w.get());
        table(*dlg)->selectRow(0);
        int pages = 0;
        QString finishText, title;
        onNextModal(this, [&](QWidget *modal) {
            auto *wizard = qobject_cast<WizardBase *>(modal);
            QVERIFY(wizard);
            pages = wizard->pageIds().size();
            title = wizard->windowTitle();
            finishText = wizard->buttonText(QWizard::FinishButton);
            QCOMPARE(wizard->wizardStyle(), QWizard::ClassicStyle);
            wizard->next();
            wizard->next();
            // Only T4 slips and the instalment.
            wizard->currentPage()->findChild<QAbstractButton *>(QStringLiteral("fld_iFillOption_1"))->click();
            wizard->currentPage()->findChild<QAbstractButton *>(QStringLiteral("fld_bT4"))->click();
            wizard->currentPage()->findChild<QAbstractButton *>(QStringLiteral("fld_bInstalment"))->click();
            wizard->button(QWizard::FinishButton)->click();
        });
        click(*dlg, "btnView");
        QCOMPARE(pages, 3);
        QCOMPARE(title, QStringLiteral("Auto-Fill Tax Return"));
        QCOMPARE(finishText, QStringLiteral("Auto-Fill Return"));
        IndividualTaxData *p = w->returnFile()->currentPerson();
        QCOMPARE(countAutoFilledSlips(*p, 1), 1);
        QCOMPARE(countAutoFilledSlips(*p, 8), 0);
        QVERIFY(treeHasText(*w, QStringLiteral("by Auto-Fill")));
        QVERIFY(!dlg->isVisible());
        // the closing message lists what came in, and only that, with the typed amount it replaced
        QCOMPARE(m_messages.texts(), QStringList{"Auto-fill brought into the return:\n"
                                                 "- T4 slip: A&B <Co>\n"
                                                 "- Instalments paid: 1,200.00 (replaces 500.00)"});
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The import shows on every open page at once: the page of the T1 or of the
    // General Information record showing the instalments typed before shows
    // what the download holds (1,200.00), and the result lines follow.
    void importShownOnOpenPages_data()
    {
        QTest::addColumn<int>("wizardRecord");   // 0: the T1's page
        QTest::addColumn<QString>("key");
        QTest::newRow("T1, line 47600") << 0 << "47600";
        QTest::newRow("General Information") << int(WizardRecord::General) << "Instalments";
    }
    void importShownOnOpenPages()
    {
        QFETCH(int, wizardRecord);
        QFETCH(QString, key);
        std::unique_ptr<Form_Return> w(returnWindow());
        IndividualTaxData *p = w->returnFile()->currentPerson();
        p->t1()->setInstalmentsPaid(250);
        w->returnFile()->recalculate(-1, nullptr);
        if (wizardRecord != 0) {
            for (const WizardEntry *e : p->wizardData())
                if (e->type == wizardRecord)
                    QVERIFY(w->openForm(0, e->object) > 0);
        }
        QLineEdit *shown = nullptr;
        for (BaseTaxPage *page : w->openPages())
            if (!shown)
                shown = qobject_cast<QLineEdit *>(page->editorFor(key));
        QVERIFY(shown);
        w->refreshPages();
        QString summary;
        w->updateSummary(summary);
        QCOMPARE(shown->text(), QStringLiteral("250.00"));
        auto *selfLine = w->findChild<QLabel *>(QStringLiteral("lblResultLine1"));
        const QString selfBefore = selfLine->text();

        QVERIFY(taxData(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, personXml()) > 0);
        auto dlg = dialog(1, QStringLiteral("527123459"), w.get());
        table(*dlg)->selectRow(0);
        finishWizardAsItComes();
        click(*dlg, "btnView");
        QCOMPARE(p->t1()->instalmentsPaid(), 1200.0);
        QCOMPARE(shown->text(), QStringLiteral("1200.00"));
        // 950.00 more paid by instalments: the balance line is another
        QString selfText, spouseText, familyText;
        w->returnFile()->balanceSummaries(selfText, spouseText, familyText);
        QVERIFY(selfText != selfBefore);
        QCOMPARE(selfLine->text(), selfText);
    }

    // A return the CRA accepted changes only by a ReFile: the import asks first
    // and, when it goes on, says the return needs a ReFile.
    void viewIntoAFiledReturnAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No: nothing imported") << int(MsgButton::No);
        QTest::newRow("Yes: imported, a ReFile said") << int(MsgButton::Yes);
    }
    void viewIntoAFiledReturnAsksFirst()
    {
        QFETCH(int, answer);
        std::unique_ptr<Form_Return> w(returnWindow());
        TaxData_T1New *t1 = w->returnFile()->currentPerson()->t1();
        t1->setFilingStatus(1);
        t1->setFilingTime(QStringLiteral("2025-03-05 14:05:10"));
        t1->setConfirmationNumber(QStringLiteral("CN777"));
        QVERIFY(taxData(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, personXml()) > 0);
        auto dlg = dialog(1, QStringLiteral("527123459"), w.get());
        table(*dlg)->selectRow(0);
        m_messages.scriptAnswer(answer);
        finishWizardAsItComes();
        click(*dlg, "btnView");
        const QStringList texts = m_messages.texts();
        QVERIFY(!texts.isEmpty());
        QVERIFY2(texts.first().startsWith(QLatin1String("This return was filed and accepted by the CRA on "
                                                        "2025-03-05 14:05:10 (confirmation number CN777).")),
                 qPrintable(texts.first()));
        IndividualTaxData *p = w->returnFile()->currentPerson();
        if (answer == int(MsgButton::No)) {
            QCOMPARE(texts.size(), 1);
            QCOMPARE(countAutoFilledSlips(*p, 1), 0);
            QVERIFY(dlg->isVisible());
            return;
        }
        QVERIFY(countAutoFilledSlips(*p, 1) > 0);
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts.last().endsWith(QLatin1String("This return was already filed: it needs a ReFile to send these "
                                                     "changes (\"Set Return for ReFile\", then file it).")),
                 qPrintable(texts.last()));
    }

    void viewWithoutMatchImportsNothing_data()
    {
        QTest::addColumn<QString>("returnSin");
        QTest::addColumn<bool>("withWindow");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("pages");
        QTest::newRow("another person's entry") << kOtherSin << true << false << 1;
        QTest::newRow("no open return") << QString() << false << false << 1;
        QTest::newRow("own entry, cancelled") << kOwnSin << true << true << 3;
    }
    void viewWithoutMatchImportsNothing()
    {
        QFETCH(QString, returnSin);
        QFETCH(bool, withWindow);
        QFETCH(bool, cancel);
        QFETCH(int, pages);
        std::unique_ptr<Form_Return> w(returnWindow(returnSin.isEmpty() ? kOwnSin : qPrintable(returnSin)));
        taxData(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, personXml());
        auto dlg = dialog(1, returnSin, withWindow ? w.get() : nullptr);
        table(*dlg)->selectRow(0);
        int shownPages = 0;
        onNextModal(this, [&](QWidget *modal) {
            auto *wizard = qobject_cast<WizardBase *>(modal);
            QVERIFY(wizard);
            shownPages = wizard->pageIds().size();
            if (cancel) {
                wizard->reject();
                return;
            }
            while (wizard->currentId() != wizard->pageIds().last())
                wizard->next();
            wizard->button(QWizard::FinishButton)->click();
        });
        click(*dlg, "btnView");
        QCOMPARE(shownPages, pages);
        QCOMPARE(countAutoFilledSlips(*w->returnFile()->currentPerson(), 1), 0);
        QVERIFY(dlg->isVisible());
    }

    // Unreadable stored data leaves the earlier import as it was.
    void unreadableDataChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("data1");
        QTest::newRow("not XML") << QByteArray("<ns2:EFileIndividualIncomeTaxDataItem><broken");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no person item") << QByteArray("<?xml version=\"1.0\"?><!-- nothing -->");
        QTest::newRow("item without identifier") << QByteArray("<Item><Summary/></Item>");
    }
    void unreadableDataChangesNothing()
    {
        QFETCH(QByteArray, data1);
        std::unique_ptr<Form_Return> w(returnWindow());
        const int uid = taxpayer(kOwnSin);
        const int good = taxData(uid, "2025-03-01 10:00:00", 2024, personXml());
        TDDTaxDataOnePerson person(2024);
        {
            auto dlg = dialog(1, kOwnSin, w.get());
            QCOMPARE(dlg->loadEntryXml(good, person), 1);
            DataAFR all;
            all.fld_iFillOption = 0;
            w->returnFile()->importAutoFill(person, all);
        }
        IndividualTaxData *p = w->returnFile()->currentPerson();
        const int slipsBefore = p->slips().count();
        QVERIFY(countAutoFilledSlips(*p, 1) == 1);
        const double instalments = p->t1()->instalmentsPaid();
        QVERIFY(instalments > 0);

        exec(QStringLiteral("update tb_taxdata set data1=?, create_time='2025-03-05 10:00:00' where id=?"),
             {QString::fromUtf8(data1), good});
        auto dlg = dialog(1, kOwnSin, w.get());
        table(*dlg)->selectRow(0);
        finishWizardAsItComes();
        click(*dlg, "btnView");
        QCOMPARE(m_messages.texts(), QStringList{"The stored tax data cannot be read; the return has not been changed."});
        QCOMPARE(p->slips().count(), slipsBefore);
        QCOMPARE(countAutoFilledSlips(*p, 1), 1);
        QCOMPARE(p->t1()->instalmentsPaid(), instalments);
        QVERIFY(dlg->isVisible());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // ---- View of a notice

    void noaViewOpensTheLocalFile()
    {
        const QString page = m_noaFolder + QStringLiteral("/noa2024_xxxxx3459_3.html");
        QVERIFY(writeFile(page, "<html>notice</html>"));
        noa(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, page);
        noa(taxpayer(kOtherSin), "2025-03-02 10:00:00", 2024, m_noaFolder + QStringLiteral("/noa2024_gone_9.html"));
        auto dlg = dialog(2);
        table(*dlg)->selectRow(1);
        click(*dlg, "btnView");
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl::fromLocalFile(page)});
        QVERIFY(m_urls.urls.first().toLocalFile() == page);
        QVERIFY(m_messages.texts().isEmpty());
        table(*dlg)->selectRow(0);
        click(*dlg, "btnView");
        QCOMPARE(m_urls.urls.size(), 1);
        QCOMPARE(m_messages.texts(), QStringList{"cannot find the file for viewing"});
        QFile::remove(page);
    }

    void noaMessageRowIsShownAsPlainText()
    {
        const bqtest::RealBoxes realBoxes(m_messages);
        const QString text = QStringLiteral("For tax payer (S.I.N. xxxxx3459), <b>notice</b> <a href=\"x\">held</a>.");
        noa(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, text);
        auto dlg = dialog(2);
        table(*dlg)->selectRow(0);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        onNextModal(this, [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            shown = box->text();
            format = box->textFormat();
            box->accept();
        });
        click(*dlg, "btnView");
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(m_urls.urls.isEmpty());
    }

    // ---- New

    void newEndsWhenTermsOrSinsAreRefused_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("terms declined") << false;
        QTest::newRow("S.I.N. dialog cancelled") << true;
    }
    void newEndsWhenTermsOrSinsAreRefused()
    {
        QFETCH(bool, agree);
        int runs = 0;
        DlgTDDMain::setDownloadRunner([&](int, QList<QByteArray> *, QWidget *) {
            ++runs;
            return TddDownloadOutcome();
        });
        auto dlg = dialog(1);
        QString termsTitle;
        onNextModal(this, [&](QWidget *modal) {
            auto *terms = qobject_cast<DlgFilingTerm *>(modal);
            QVERIFY(terms);
            termsTitle = terms->windowTitle();
            if (!agree) {
                terms->reject();
                return;
            }
            terms->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
            onNextModal(this, [](QWidget *next) {
                QVERIFY(qobject_cast<DlgTDDEnterSin *>(next));
                qobject_cast<QDialog *>(next)->reject();
            });
            terms->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        click(*dlg, "btnNew");
        QCOMPARE(termsTitle, QStringLiteral("Auto-Fill Tax Return"));
        QCOMPARE(runs, 0);
        QVERIFY(m_messages.texts().isEmpty());
    }

    void newShowsTheOutcome_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("nothing stored") << 1 << 0 << 0
                                        << QStringList{"No record is found at the CRA system, please try later!"} << 0
                                        << QString() << false;
        QTest::newRow("import failed") << 2 << -3 << 0
                                       << QStringList{"No record is found at the CRA system, please try later!"} << 0
                                       << QString() << false;
        QTest::newRow("only unmatched items")
            << 1 << 0 << 2
            << QStringList{"No record is found at the CRA system, please try later!\n"
                           "2 record(s) did not match the S.I.N.s entered."}
            << 0 << QString() << false;
        QTest::newRow("two stored") << 1 << 2 << 1 << QStringList() << 2 << QString() << false;
        // a failed run says what failed, not that there is no record
        QTest::newRow("run failed") << 1 << 0 << 0
                                    << QStringList{"The download from the CRA failed: HTTP 503 Service Unavailable"} << 0
                                    << "HTTP 503 Service Unavailable" << false;
        // the preparer pressed Cancel: nothing is said of the CRA's records
        QTest::newRow("cancelled") << 1 << 0 << 0 << QStringList() << 0 << QString() << true;
    }
    void newShowsTheOutcome()
    {
        QFETCH(int, mode);
        QFETCH(int, saved);
        QFETCH(int, skipped);
        QFETCH(QStringList, messages);
        QFETCH(int, rows);
        QFETCH(QString, failure);
        QFETCH(bool, cancelled);
        QList<QByteArray> requested;
        int kind = 0;
        DlgTDDMain::setDownloadRunner([&](int k, QList<QByteArray> *sins, QWidget *) {
            kind = k;
            requested = *sins;
            for (int i = 0; i < saved; ++i)
                taxData(taxpayer(kOwnSin), QStringLiteral("2025-03-0%1 10:00:00").arg(i + 1), 2024, personXml());
            TddDownloadOutcome outcome;
            outcome.savedCount = saved;
            outcome.skippedCount = skipped;
            outcome.failure = failure;
            outcome.cancelled = cancelled;
            return outcome;
        });
        auto dlg = dialog(mode);
        onNextModal(this, [this](QWidget *modal) {
            auto *terms = qobject_cast<DlgFilingTerm *>(modal);
            QVERIFY(terms);
            terms->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
            onNextModal(this, [](QWidget *next) {
                auto *enter = qobject_cast<DlgTDDEnterSin *>(next);
                QVERIFY(enter);
                enter->findChild<QLineEdit *>(QStringLiteral("edtSin02"))->setText(kOwnSin);
                enter->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
            terms->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        click(*dlg, "btnNew");
        QCOMPARE(kind, mode);
        QCOMPARE(requested, QList<QByteArray>{kOwnSin});
        QCOMPARE(m_messages.texts(), messages);
        QCOMPARE(table(*dlg)->model()->rowCount(), rows);
    }

    // The notices' messages, one plain box each, in S.I.N. order.
    void newShowsEachNoticeMessage()
    {
        const bqtest::RealBoxes realBoxes(m_messages);
        DlgTDDMain::setDownloadRunner([&](int, QList<QByteArray> *, QWidget *) {
            noa(taxpayer(kOwnSin), "2025-03-01 10:00:00", 2024, QStringLiteral("For tax payer (S.I.N. xxxxx3459), a."));
            TddDownloadOutcome outcome;
            outcome.savedCount = 2;
            outcome.noaMessages.insert("527123459", CString("For tax payer (S.I.N. xxxxx3459), <i>second</i>."));
            outcome.noaMessages.insert("046454286", CString("For tax payer (S.I.N. xxxxx4286), first."));
            return outcome;
        });
        auto dlg = dialog(2);
        QStringList boxes;
        std::function<void(QWidget *)> takeBox = [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            boxes << box->text();
            if (boxes.size() < 2)
                onNextModal(this, takeBox);
            box->accept();
        };
        onNextModal(this, [&](QWidget *modal) {
            auto *terms = qobject_cast<DlgFilingTerm *>(modal);
            QVERIFY(terms);
            QCOMPARE(terms->windowTitle(), QStringLiteral("View NOA"));
            terms->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
            onNextModal(this, [&](QWidget *next) {
                onNextModal(this, takeBox);
                next->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
            terms->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        click(*dlg, "btnNew");
        QCOMPARE(boxes, (QStringList{"For tax payer (S.I.N. xxxxx4286), first.",
                                     "For tax payer (S.I.N. xxxxx3459), <i>second</i>."}));
        QCOMPARE(table(*dlg)->model()->rowCount(), 1);
    }

    // Without a stand-in, New runs the progress dialog; here it imports a stored reply.
    void newRunsTheProgressDialog()
    {
        const QByteArray id = QCryptographicHash::hash(kOtherSin, QCryptographicHash::Sha256).toHex();
        const QString path = m_dir.filePath(QStringLiteral("stored-reply.xml"));
        QVERIFY(writeFile(path,
                          "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>"
                          "<ns2:GetTDDEFileResponse xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\">"
                          "<ns2:ReturnCode>20</ns2:ReturnCode><ns2:EFileTaxDataDelivery><ns2:EFileTaxData>"
                          "<ns2:EFileIndividualIncomeTaxDataItem><ns2:IndividualTaxpayerIdentifier>"
                              + id
                              + "</ns2:IndividualTaxpayerIdentifier></ns2:EFileIndividualIncomeTaxDataItem>"
                                "</ns2:EFileTaxData></ns2:EFileTaxDataDelivery></ns2:GetTDDEFileResponse>"
                                "</soapenv:Body></soapenv:Envelope>"));
        TabWndApp::instance()->config().TDDDataFile = CString(path);
        auto dlg = dialog(1);
        bool progressShown = false;
        onNextModal(this, [&](QWidget *modal) {
            auto *terms = qobject_cast<DlgFilingTerm *>(modal);
            QVERIFY(terms);
            terms->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
            onNextModal(this, [&](QWidget *next) {
                onNextModal(this, [&](QWidget *progress) {
                    progressShown = qobject_cast<DlgTDDProgressWait *>(progress) != nullptr;
                    qobject_cast<QDialog *>(progress)->reject();
                });
                next->findChild<QLineEdit *>(QStringLiteral("edtSin01"))->setText(kOtherSin);
                next->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
            terms->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        click(*dlg, "btnNew");
        TabWndApp::instance()->config().TDDDataFile = CString();
        QVERIFY(progressShown);
        QVERIFY(m_messages.texts().isEmpty());
        QCOMPARE(column(*dlg, 0), QStringList{kOtherSin});
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestTddMainDialog tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_tddmaindialog.moc"
