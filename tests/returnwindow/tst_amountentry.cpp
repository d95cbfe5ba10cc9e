// Typing amounts into a shown return window as a preparer does: entering a
// field by a click or by Tab, then typing, gives the typed amount; a minus is
// refused where the line cannot be negative.
#include "basetaxpage.h"
#include "bqtest.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "form_return.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "returnbuilder.h"
#include "rowlisteditor.h"
#include "tabwndapp.h"
#include <QApplication>
#include <QJsonDocument>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>

namespace {
constexpr int kT4 = 1;
constexpr int kT5013 = 13;

CReturnFile *sampleReturn()
{
    const char *description = R"({"persons": [
      {"firstName": "Sam", "lastName": "Whitfield", "sin": "046454286", "birthDate": "1980-05-17",
       "province": 9, "maritalStatus": 5,
       "slips": [{"type": 1, "fields": {"Payer": "ACME", "Province": 9, "Box14": 50000, "Box22": 6000}},
                 {"type": 13, "fields": {"Payer": "Partners", "AmountK": 1000}}]}]})";
    CReturnFile *file = returnbuilder::build(QJsonDocument::fromJson(description).object());
    if (file)
        returnbuilder::recalculate(*file);
    return file;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

class TestAmountEntry : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form_Return> m_window;
    ScriptedMessages m_messages;

    // The window shown and active, with the pages of a slip of the type open.
    Form_Return &showSlip(int slipType)
    {
        m_window.reset(new Form_Return(nullptr, sampleReturn(), nullptr, nullptr, 1, -1, 12));
        m_window->resize(1200, 760);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
        for (FormEntry *e : m_window->returnFile()->currentPerson()->slips().items())
            if (e->type == slipType) {
                int category = 1;
                m_window->folderView()->selectItem(category, e->id);
            }
        settle();
        return *m_window;
    }
    CTaxData_Form *shownData() { return m_window->openPages().value(0)->data(); }
    QLineEdit *editor(const char *key)
    {
        auto *line = qobject_cast<QLineEdit *>(m_window->openPages().value(0)->editorFor(QString::fromLatin1(key)));
        settle();
        return line;
    }
    double stored(const char *key)
    {
        CTaxData_Form *data = shownData();
        return data->fields().number(data->fieldTable().indexOf(QString::fromLatin1(key)));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
    }
    void cleanup() { m_window.reset(); }

    // Clicking anywhere in an amount, or tabbing into it, then typing replaces it.
    void typedAmountReplaces_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("clickX");   // from the left edge; -1 the right edge; by Tab: 1 edits the field before
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expected");
        QTest::newRow("click at the left") << true << 4 << "1049.12" << 1049.12;
        QTest::newRow("click at the right") << true << -1 << "9800" << 9800.0;
        QTest::newRow("tab in") << false << 0 << "9800" << 9800.0;
        QTest::newRow("tab in, separators") << false << 0 << "1,049.12" << 1049.12;
        QTest::newRow("tab in from an edited amount") << false << 1 << "9800" << 9800.0;
    }
    void typedAmountReplaces()
    {
        QFETCH(bool, byMouse);
        QFETCH(int, clickX);
        QFETCH(QString, typed);
        QFETCH(double, expected);
        showSlip(kT4);
        QLineEdit *line = editor("Box22");
        QVERIFY(line);
        QWidget *before = line->previousInFocusChain();
        while (before != line && !(before->focusPolicy() & Qt::TabFocus))
            before = before->previousInFocusChain();
        QCOMPARE(line->text(), QStringLiteral("6000.00"));
        if (byMouse) {
            const QPoint at(clickX < 0 ? line->width() - 4 : clickX, line->height() / 2);
            QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            before->setFocus(Qt::OtherFocusReason);
            if (clickX > 0) {   // the amount before is changed: leaving it recalculates the return
                auto *previous = qobject_cast<QLineEdit *>(before);
                QVERIFY(previous);
                previous->selectAll();
                QTest::keyClicks(previous, QStringLiteral("123"));
            }
            QTest::keyClick(before, Qt::Key_Tab);
        }
        QVERIFY(line->hasFocus());
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), typed);
        QTest::keyClick(line, Qt::Key_Tab);   // leaves the field: the edit is written
        settle();
        QCOMPARE(stored("Box22"), expected);
        QCOMPARE(editor("Box22")->text(), QString::number(expected, 'f', 2));
    }

    // A drag inside the field keeps the part it chose.
    void dragKeepsItsChoice()
    {
        showSlip(kT4);
        QLineEdit *line = editor("Box22");
        line->setFocus(Qt::OtherFocusReason);
        line->setCursorPosition(0);
        line->setSelection(0, 1);   // as a drag would leave it
        QTest::mouseRelease(line, Qt::LeftButton, Qt::NoModifier, QPoint(4, line->height() / 2));
        QCOMPARE(line->selectedText(), QStringLiteral("6"));
    }

    // A table's amount cell opened by a double click, then typed into, takes the typed amount.
    void typedCellAmountReplaces()
    {
        Form_Return &w = showSlip(kT4);
        w.addFormOfType(9);   // Schedule 9: a row per receipt
        settle();
        RowListEditor *rows = nullptr;
        for (BaseTaxPage *page : w.openPages())
            if (!rows)
                rows = page->rowListEditor(0);
        QVERIFY(rows && rows->addRow());
        const int column = rows->columnOf(QStringLiteral("Amount"));
        QVERIFY(column >= 0);
        QTableWidget *table = rows->table();
        for (int i = 0; i < w.formTabs()->count(); ++i)
            if (w.formTabs()->widget(i)->isAncestorOf(table))
                w.formTabs()->setCurrentIndex(i);
        settle();
        QCOMPARE(table->item(0, column)->text(), QStringLiteral("0.00"));
        const QRect cell = table->visualItemRect(table->item(0, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        auto *line = qobject_cast<QLineEdit *>(table->indexWidget(table->currentIndex()));
        QVERIFY(line);
        QTest::keyClicks(line, QStringLiteral("75"));
        QTest::keyClick(line, Qt::Key_Enter);
        settle();
        const FieldRecord &record = w.currentForm()->rows(0).row(0);
        QCOMPARE(record.number(record.table().indexOf(QStringLiteral("Amount"))), 75.0);

        // a gift is never negative: refused in the cell as on a page
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        line = qobject_cast<QLineEdit *>(table->indexWidget(table->currentIndex()));
        QVERIFY(line);
        QTest::keyClicks(line, QStringLiteral("-5"));
        table->setFocus();   // leaves the cell: its text is committed
        settle();
        QCOMPARE(record.number(record.table().indexOf(QStringLiteral("Amount"))), 75.0);
        QVERIFY2(rows->cellMessage(0, column).contains(QStringLiteral("cannot be negative")),
                 qPrintable(rows->cellMessage(0, column)));
    }

    // On a 1280 x 800 screen every page of the T1 and of a slip shows its
    // amounts whole, beside their captions, without scrolling sideways.
    void amountsInSight_data()
    {
        QTest::addColumn<int>("slipType");   // 0: the T1
        QTest::newRow("T1") << 0;
        QTest::newRow("T4") << kT4;
        QTest::newRow("T5013") << kT5013;
    }
    void amountsInSight()
    {
        QFETCH(int, slipType);
        Form_Return &w = showSlip(slipType);
        w.resize(1274, 680);   // as the main window holds it on that screen
        if (slipType == 0) {
            int category = 0;
            w.folderView()->selectItem(category, w.returnFile()->findFormEntry(1, 0, false)->id);
        }
        settle();
        QTabWidget *tabs = w.formTabs();
        QVERIFY(tabs->count() > 0);
        int amounts = 0;
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            settle();
            auto *scroll = qobject_cast<QScrollArea *>(tabs->currentWidget());
            QVERIFY(scroll);
            QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
            for (QLineEdit *line : scroll->widget()->findChildren<QLineEdit *>()) {
                if (line->alignment() != (Qt::AlignRight | Qt::AlignVCenter) || !line->objectName().startsWith("fld_"))
                    continue;
                const QRect inViewport(line->mapTo(scroll->viewport(), QPoint(0, 0)), line->size());
                const QString where = tabs->tabText(t) + QLatin1Char(' ') + line->objectName();
                QVERIFY2(inViewport.left() >= 0 && inViewport.right() < scroll->viewport()->width(), qPrintable(where));
                QVERIFY2(line->width() >= line->fontMetrics().horizontalAdvance("999,999.99"), qPrintable(where));
                ++amounts;
            }
        }
        QVERIFY(amounts > 0);
    }

    // A minus is refused with a message where the line cannot be negative, and
    // taken where the line carries a loss.
    void negativeAmounts_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<double>("expected");
        QTest::newRow("T4 tax deducted") << kT4 << "Box22" << "-9800" << true << 6000.0;
        QTest::newRow("T4 income, thousands") << kT4 << "Box14" << "-1,000.00" << true << 50000.0;
        QTest::newRow("T4 tax deducted, dollar sign") << kT4 << "Box22" << "$-5" << true << 6000.0;
        QTest::newRow("T5013 business loss") << kT5013 << "AmountK" << "-500" << false << -500.0;
        QTest::newRow("T5013 share in per cent") << kT5013 << "Box5" << "-5" << true << 100.0;
    }
    void negativeAmounts()
    {
        QFETCH(int, slipType);
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(double, expected);
        showSlip(slipType);
        const QByteArray k = key.toLatin1();
        QLineEdit *line = editor(k.constData());
        QVERIFY(line);
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, QPoint(4, line->height() / 2));
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), typed);   // kept for the user to mend
        const QString message = BaseTaxPage::inputMessage(line);
        QCOMPARE(message.contains(QStringLiteral("cannot be negative")), refused);
        m_window->openPages().value(0)->commitPage();
        QCOMPARE(stored(k.constData()), expected);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestAmountEntry tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_amountentry.moc"
