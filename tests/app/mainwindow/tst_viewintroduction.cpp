#include "bqtest.h"
#include "filingdocservices.h"
#include "fakeformreturn.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"
#include "viewintroduction.h"
#include <QClipboard>
#include <QHash>
#include <algorithm>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
// Answers the check-box question with a scripted button and box state.
class CheckboxMessages : public ScriptedMessages
{
public:
    int questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &checkText,
                             bool &checked, int buttons, int defaultButton) override
    {
        checkTexts << title + QLatin1Char('|') + text + QLatin1Char('|') + checkText;
        checked = tick;
        return question(parent, title, text, buttons, defaultButton);
    }
    QStringList checkTexts;
    bool tick = false;
};
} // namespace

class TestViewIntroduction : public QObject
{
    Q_OBJECT
    CheckboxMessages m_messages;
    MainWindow *m_window = nullptr;
    ViewIntroduction *m_page = nullptr;
    QStringList m_paths;
    TabWndApp *app() const { return TabWndApp::instance(); }
    QTableView *view() const { return m_page->tableView(); }
    QLineEdit *filter() const { return m_page->findChild<QLineEdit *>(QStringLiteral("edtFilter")); }
    QPushButton *button(const char *name) const { return m_page->findChild<QPushButton *>(QLatin1String(name)); }

    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < view()->model()->rowCount(); ++r)
            out << view()->model()->index(r, 0).data().toString();
        return out;
    }
    void selectRow(int row)
    {
        view()->selectRow(row);
    }
    // The rows' open times may straddle a second, so rows are found by name.
    int rowOf(const QString &name) const
    {
        return names().indexOf(name);
    }
    QString writeFile(const QString &name)
    {
        const QString path = bqtest::isolatedHome().path() + QStringLiteral("/returns/") + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("r24");
        return path;
    }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        setMessageHandler(&m_messages);
        QCOMPARE(app()->initialize(), 0);
    }

    void init()
    {
        ReturnFileEntriesModel *list = app()->reloadReturnList(QString());
        while (list->rowCount() > 0)
            app()->removeReturnEntry(list->index(0, 0), false);
        m_paths = QStringList{writeFile(QStringLiteral("ann.r24")), writeFile(QStringLiteral("jones.r24")),
                              writeFile(QStringLiteral("dan.r24"))};
        app()->saveReturnFileEntry(QStringLiteral("Ann Smith"), QString(), m_paths[0]);
        app()->saveReturnFileEntry(QStringLiteral("Bob Jones"), QStringLiteral("Carol Jones"), m_paths[1]);
        app()->saveReturnFileEntry(QStringLiteral("Dan Smithers"), QString(), m_paths[2]);
        m_window = new MainWindow(app());
        app()->setMainWindow(m_window);
        m_page = m_window->startPage();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_messages.clear();
        m_messages.checkTexts.clear();
        m_messages.tick = false;
        fakeCalls().clear();
    }

    void cleanup()
    {
        app()->setMainWindow<QWidget>(nullptr);
        delete m_window;
    }

    void layout()
    {
        QCOMPARE(view()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Tax Payer's Name"));
        QCOMPARE(view()->columnWidth(0), 508);
        QCOMPARE(view()->columnWidth(1), 168);
        QVERIFY(!view()->verticalHeader()->isVisible());
        QCOMPARE(view()->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(view()->isSortingEnabled());
        QCOMPARE(button("newButton")->text(), QStringLiteral("New Return ..."));
        QCOMPARE(button("delButton")->text(), QStringLiteral("Remove Return"));
        QVERIFY(!button("newButton")->icon().isNull());
        QVERIFY(!button("prefButton")->icon().isNull());
    }

    void listInLoadOrder()
    {
        // Newest open time first, and in the order recorded within the same time.
        const QStringList recorded{QStringLiteral("Ann Smith"), QStringLiteral("Bob Jones & Carol Jones"),
                                   QStringLiteral("Dan Smithers")};
        QHash<QString, QString> openTime;
        for (int r = 0; r < 3; ++r)
            openTime[names().at(r)] = view()->model()->index(r, 1).data().toString();
        QStringList expected = recorded;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const QString &a, const QString &b) { return openTime[a] > openTime[b]; });
        QCOMPARE(names(), expected);
        QCOMPARE(view()->model()->index(rowOf(recorded[1]), 2).data().toString(), m_paths[1]);
    }

    // An original return and its Re-File copy in a folder too long for the
    // path column do not show as the same row: each file name stays in sight.
    void originalAndReFileCopyTellApart()
    {
        const QString folder = QStringLiteral("Clients of the downtown office/2024 returns of the Whitfield household/");
        const QString original = writeFile(folder + QStringLiteral("Whitfield.r24"));
        const QString copy = writeFile(folder + QStringLiteral("Whitfield_RF2503051407.r24"));
        app()->saveReturnFileEntry(QStringLiteral("Sam Whitfield"), QString(), original);
        app()->saveReturnFileEntry(QStringLiteral("Sam Whitfield"), QString(), copy);
        m_window->resize(1280, 800);
        filter()->setText(QStringLiteral("Whitfield"));
        QCoreApplication::processEvents();
        QModelIndex originalCell, copyCell;
        for (int r = 0; r < view()->model()->rowCount(); ++r) {
            const QModelIndex cell = view()->model()->index(r, 2);
            if (cell.data().toString() == original)
                originalCell = cell;
            else if (cell.data().toString() == copy)
                copyCell = cell;
        }
        QVERIFY(originalCell.isValid() && copyCell.isValid());
        const QRect a = view()->visualRect(originalCell);
        const QRect b = view()->visualRect(copyCell);
        QVERIFY(view()->fontMetrics().horizontalAdvance(original) > a.width());   // the path is cut
        QVERIFY(view()->viewport()->grab(a).toImage() != view()->viewport()->grab(b).toImage());
    }

    void sortByHeader()
    {
        view()->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(names().first(), QStringLiteral("Dan Smithers"));
        // The proxy keeps the order across a reload.
        m_window->actionShowWelcome();
        filter()->setText(QStringLiteral("Smith"));
        QCOMPARE(names(), (QStringList{QStringLiteral("Dan Smithers"), QStringLiteral("Ann Smith")}));
    }

    void filterAndClear_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("part of a name") << "mith" << QStringList{"Ann Smith", "Dan Smithers"};
        QTest::newRow("second name") << "Carol" << QStringList{"Bob Jones & Carol Jones"};
        QTest::newRow("nobody") << "Zed" << QStringList{};
    }
    void filterAndClear()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QTest::keyClicks(filter(), text);
        QStringList shown = names(); // rows saved in different seconds come newest first
        shown.sort();
        QCOMPARE(shown, expected);
        QTest::mouseClick(button("resetFilterButton"), Qt::LeftButton);
        QVERIFY(filter()->text().isEmpty());
        QCOMPARE(names().size(), 3);
    }

    void openSelected()
    {
        QTest::mouseClick(button("openButton"), Qt::LeftButton); // nothing selected
        QVERIFY(fakeCalls().isEmpty());
        QVERIFY(m_messages.texts().isEmpty());
        selectRow(rowOf(QStringLiteral("Bob Jones & Carol Jones")));
        QTest::mouseClick(button("openButton"), Qt::LeftButton);
        QCOMPARE(fakeCalls(), QStringList{QStringLiteral("openReturnFile(%1)").arg(m_paths[1])});
    }

    void openByDoubleClickAndReturnKey()
    {
        const int row = rowOf(QStringLiteral("Dan Smithers"));
        selectRow(row);
        const QRect cell = view()->visualRect(view()->model()->index(row, 0));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(fakeCalls().size(), 1);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        view()->setFocus();
        QVERIFY(view()->hasFocus());
        QTest::keyClick(view(), Qt::Key_Enter); // the keypad's Enter is not taken
        QTest::keyClick(view(), Qt::Key_Return);
        const QString open = QStringLiteral("openReturnFile(%1)").arg(m_paths[2]);
        QCOMPARE(fakeCalls(), (QStringList{open, open}));
    }

    void openRefusedWithTwoReturns()
    {
        m_window->openReturnPage(-1, nullptr, nullptr);
        m_window->openReturnPage(-1, nullptr, nullptr);
        m_window->actionShowWelcome();
        fakeCalls().clear();
        selectRow(0);
        QTest::mouseClick(button("openButton"), Qt::LeftButton);
        m_page->on_tableView_doubleClicked(view()->model()->index(0, 0));
        QVERIFY(fakeCalls().isEmpty());
        QCOMPARE(m_messages.texts().size(), 2);
        QVERIFY(m_messages.texts().first().startsWith(QStringLiteral("Maximum number of returns are opened already.")));
    }

    void removeWithoutSelection()
    {
        QTest::mouseClick(button("delButton"), Qt::LeftButton);
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Remove Return"));
        QCOMPARE(m_messages.shown().first().text, QStringLiteral("Please choose a return file entry first."));
    }

    void remove_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("entry only") << int(MsgButton::Yes) << false << true << true;
        QTest::newRow("entry and file") << int(MsgButton::Yes) << true << true << false;
        QTest::newRow("refused") << int(MsgButton::No) << true << false << true;
    }
    void remove()
    {
        QFETCH(int, answer);
        QFETCH(bool, tick);
        QFETCH(bool, removed);
        QFETCH(bool, fileKept);
        m_messages.scriptAnswer(answer);
        m_messages.tick = tick;
        selectRow(rowOf(QStringLiteral("Bob Jones & Carol Jones")));
        QTest::mouseClick(button("delButton"), Qt::LeftButton);
        QCOMPARE(m_messages.checkTexts,
                 QStringList{QStringLiteral("Remove file entry from history list|Please confirm to remove the entry of "
                                            "this return file?|Also remove the file from hard drive")});
        QCOMPARE(names().contains(QStringLiteral("Bob Jones & Carol Jones")), !removed);
        QCOMPARE(QFileInfo::exists(m_paths[1]), fileKept);
        // The records of the path are gone too: a reload does not bring it back.
        m_window->actionShowWelcome();
        QCOMPARE(app()->reloadReturnList(QString())->rowCount(), removed ? 2 : 3);
        QCOMPARE(m_messages.texts().size(), 1); // the question only
    }

    // A file that cannot be deleted is reported and its entry stays.
    void removeFailedDeletion()
    {
        const QString path = m_paths[0];
        QFile::remove(path);
        QDir().mkpath(path + QStringLiteral("/inside")); // a folder in the file's place cannot be removed as a file
        m_messages.scriptAnswer(MsgButton::Yes);
        m_messages.tick = true;
        selectRow(rowOf(QStringLiteral("Ann Smith")));
        QTest::mouseClick(button("delButton"), Qt::LeftButton);
        QVERIFY(names().contains(QStringLiteral("Ann Smith")));
        QCOMPARE(m_messages.shown().size(), 2);
        QCOMPARE(m_messages.shown().last().title, QStringLiteral("Remove Return"));
        QVERIFY(m_messages.shown().last().text.contains(path));
        QDir(path).removeRecursively();
    }

    void copyFolder()
    {
        m_page->copySelectedFolder(); // nothing selected: clipboard untouched
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        m_page->copySelectedFolder();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        selectRow(rowOf(QStringLiteral("Ann Smith")));
        m_page->copySelectedFolder();
        QCOMPARE(QGuiApplication::clipboard()->text(), QFileInfo(m_paths[0]).absolutePath());
    }

    void newAndImportButtons()
    {
        QTest::mouseClick(button("newButton"), Qt::LeftButton);
        QTest::mouseClick(button("importButton"), Qt::LeftButton);
        QCOMPARE(fakeCalls(), (QStringList{QStringLiteral("actionNewReturn()"), QStringLiteral("importPriorYear()")}));
    }

    // Coming back to the start page lists the newest open first.
    void reloadOnShow()
    {
        QTest::qWait(1100); // a later open time
        app()->saveReturnFileEntry(QStringLiteral("Dan Smithers"), QString(), m_paths[2]);
        m_window->openReturnPage(-1, nullptr, nullptr);
        m_window->actionShowWelcome();
        QCOMPARE(names().first(), QStringLiteral("Dan Smithers"));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestViewIntroduction tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_viewintroduction.moc"
