// Typing amounts into a shown return window as a preparer does: entering a
// field by a click or by Tab, or coming back to it after a dialog, then typing,
// gives the typed amount; a minus is refused where the line cannot be
// negative; a date is typed after a click; the mouse wheel scrolls the page
// and changes no answer.
#include "basetaxpage.h"
#include "bqtest.h"
#include "ct1combobox.h"
#include "doublelineedit.h"
#include "fieldvalidator.h"
#include "guiinput.h"
#include "modalwindows.h"
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
#include <QCheckBox>
#include <QDialog>
#include <QJsonDocument>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>
#include <functional>

namespace {
constexpr int kT4 = 1;
constexpr int kT5013 = 13;
constexpr int kT1 = 1;
constexpr int kSchedule9 = 9;

using EditorTest = std::function<bool(QWidget *)>;

// The kind of value a line editor checks; -1 for none.
int validatorKind(QWidget *editor)
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    auto *validator = line ? qobject_cast<const FieldValidator *>(line->validator()) : nullptr;
    return validator ? int(validator->kind()) : -1;
}

bool editable(QWidget *w)
{
    auto *line = qobject_cast<QLineEdit *>(w);
    return w->isEnabled() && !(line && line->isReadOnly());
}

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

Q_DECLARE_METATYPE(EditorTest)

class TestAmountEntry : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form_Return> m_window;
    ScriptedMessages m_messages;

    // The window shown and active, with the T1 open.
    Form_Return &showWindow()
    {
        m_window.reset(new Form_Return(nullptr, sampleReturn(), nullptr, nullptr, 1, -1, 12));
        m_window->resize(1200, 760);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
        settle();
        return *m_window;
    }
    // The window shown and active, with the pages of a slip of the type open.
    Form_Return &showSlip(int slipType)
    {
        showWindow();
        for (FormEntry *e : m_window->returnFile()->currentPerson()->slips().items())
            if (e->type == slipType) {
                int category = 1;
                m_window->folderView()->selectItem(category, e->id);
            }
        settle();
        return *m_window;
    }
    CTaxData_Form *shownData() { return m_window->openPages().value(0)->data(); }
    // The window shown with the pages of the person's form of the type open.
    Form_Return &showForm(int formType)
    {
        showWindow();
        if (formType == kSchedule9)
            m_window->addFormOfType(kSchedule9);
        int category = 0;
        m_window->folderView()->selectItem(category, m_window->returnFile()->findFormEntry(formType, 0, false)->id);
        settle();
        return *m_window;
    }
    // The first editor the test takes on the shown form's pages, with its tab made current.
    QWidget *findEditor(const EditorTest &test)
    {
        QTabWidget *tabs = m_window->formTabs();
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            settle();
            auto *scroll = qobject_cast<QScrollArea *>(tabs->currentWidget());
            for (QWidget *w : scroll->widget()->findChildren<QWidget *>())
                if ((w->objectName().startsWith(QLatin1String("fld_")) || w->objectName() == QLatin1String("rowTable"))
                    && test(w))
                    return w;
        }
        return nullptr;
    }
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

    // Coming back to an amount after a dialog, after a command that shows the
    // stored amounts anew, or after another window had the focus: a click in
    // it and typing replaces the amount (1150.35, never 1150351150.35).
    void comingBackReplaces_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("Add a Tax Form, cancelled") << "dialog";
        QTest::newRow("a command's commit, no dialog") << "commit";
        QTest::newRow("another window had the focus") << "other window";
    }
    void comingBackReplaces()
    {
        QFETCH(QString, meanwhile);
        showSlip(kT4);
        QLineEdit *line = editor("Box22");
        const QPoint nearLeft(4, line->height() / 2);
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, nearLeft);
        QTest::keyClicks(line, QStringLiteral("1150.35"));
        QVERIFY(line->hasFocus());
        if (meanwhile == QLatin1String("other window")) {
            QWidget other;
            other.show();
            QApplication::setActiveWindow(&other);
            QVERIFY(QTest::qWaitForWindowActive(&other));
        } else {
            // as the main window's commands do: the edit in the field first, then the command
            m_window->commitCurrentPage();
            if (meanwhile == QLatin1String("dialog")) {
                bool shown = false;
                bqtest::onModal([&shown](QWidget *d) {
                    shown = qobject_cast<QDialog *>(d);
                    QMetaObject::invokeMethod(d, "reject");
                });
                m_window->addForm();
                QVERIFY(shown);
            }
        }
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        settle();
        line = editor("Box22");
        QCOMPARE(line->text(), QStringLiteral("1150.35"));
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, nearLeft);
        QTest::keyClicks(line, QStringLiteral("1150.35"));
        QCOMPARE(line->text(), QStringLiteral("1150.35"));
        QTest::keyClick(line, Qt::Key_Tab);
        settle();
        QCOMPARE(stored("Box22"), 1150.35);
    }

    // Tab into an amount, then a click in it places the cursor as usual.
    void clickAfterTabPlacesTheCursor()
    {
        showSlip(kT4);
        QLineEdit *line = editor("Box22");
        line->setFocus(Qt::TabFocusReason);
        QCOMPARE(line->selectedText(), QStringLiteral("6000.00"));
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, QPoint(line->width() - 4, line->height() / 2));
        QVERIFY(!line->hasSelectedText());
        QTest::keyClicks(line, QStringLiteral("5"));
        QCOMPARE(line->text(), QStringLiteral("6000.005"));
    }

    // A click into the date of birth, then typing the date, gives the date:
    // as its digits alone or with its dashes.
    void dateTypedAfterAClick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("digits") << "19700523";
        QTest::newRow("with dashes") << "1970-05-23";
    }
    void dateTypedAfterAClick()
    {
        QFETCH(QString, typed);
        showForm(kT1);
        auto *line = qobject_cast<QLineEdit *>(m_window->openPages().value(0)->editorFor(QStringLiteral("DateOfBirth")));
        QVERIFY(line);
        settle();
        QCOMPARE(line->text(), QStringLiteral("1980-05-17"));
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, QPoint(line->width() / 2, line->height() / 2));
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), QStringLiteral("1970-05-23"));
        QTest::keyClick(line, Qt::Key_Tab);
        settle();
        QCOMPARE(shownData()->fields().valueText(shownData()->fieldTable().indexOf(QStringLiteral("DateOfBirth"))),
                 QStringLiteral("1970-05-23"));
    }

    // The wheel turned over any editor of a page that does not have the focus
    // scrolls the page and changes no answer: the return stays unmodified.
    void wheelScrollsThePage_data()
    {
        QTest::addColumn<int>("slipType");   // 0: a form
        QTest::addColumn<int>("formType");
        QTest::addColumn<EditorTest>("editor");
        QTest::newRow("choice list") << 0 << kT1 << EditorTest([](QWidget *w) {
            return qobject_cast<CT1ComboBox *>(w) && editable(w);
        });
        QTest::newRow("check box") << 0 << kT1 << EditorTest([](QWidget *w) {
            return qobject_cast<QCheckBox *>(w) && editable(w);
        });
        QTest::newRow("amount") << 0 << kT1 << EditorTest([](QWidget *w) {
            return qobject_cast<DoubleLineEdit *>(w) && validatorKind(w) == FieldValidator::Amount;
        });
        QTest::newRow("whole number") << kT4 << 0 << EditorTest([](QWidget *w) {
            return qobject_cast<DoubleLineEdit *>(w) && validatorKind(w) == FieldValidator::Integer;
        });
        QTest::newRow("date") << 0 << kT1 << EditorTest([](QWidget *w) {
            return editable(w) && validatorKind(w) == FieldValidator::Date;
        });
        QTest::newRow("S.I.N.") << 0 << kT1 << EditorTest([](QWidget *w) {
            return editable(w) && validatorKind(w) == FieldValidator::Sin;
        });
        QTest::newRow("text") << 0 << kT1 << EditorTest([](QWidget *w) {
            return qobject_cast<QLineEdit *>(w) && editable(w) && !qobject_cast<QLineEdit *>(w)->validator();
        });
        QTest::newRow("calculated line") << 0 << kT1 << EditorTest([](QWidget *w) {
            return qobject_cast<QLineEdit *>(w) && !editable(w);
        });
        QTest::newRow("table of rows") << 0 << kSchedule9 << EditorTest([](QWidget *w) {
            return qobject_cast<QTableWidget *>(w) != nullptr;
        });
    }
    void wheelScrollsThePage()
    {
        QFETCH(int, slipType);
        QFETCH(int, formType);
        QFETCH(EditorTest, editor);
        if (slipType)
            showSlip(slipType);
        else
            showForm(formType);
        m_window->resize(1000, 360);   // every page scrolls
        settle();
        CReturnFile answers;
        answers.assign(*m_window->returnFile());
        QWidget *w = findEditor(editor);
        QVERIFY(w);
        auto *scroll = qobject_cast<QScrollArea *>(m_window->formTabs()->currentWidget());
        QScrollBar *bar = scroll->verticalScrollBar();
        QVERIFY2(bar->maximum() > 0, "the page does not scroll");
        m_window->formTabs()->setFocus();   // away from the editor
        settle();
        for (int notches : {-1, 1, -3}) {
            scroll->ensureWidgetVisible(w, 0, 0);
            // down where the page can go down, else up
            const int turn = bar->value() < bar->maximum() ? -qAbs(notches) : qAbs(notches);
            const int before = bar->value();
            bqtest::turnWheel(qobject_cast<QAbstractScrollArea *>(w) ? qobject_cast<QAbstractScrollArea *>(w)->viewport() : w,
                      turn);
            settle();
            QVERIFY2(turn < 0 ? bar->value() > before : bar->value() < before, qPrintable(w->objectName()));
            QVERIFY2(!m_window->returnFile()->differsFrom(answers), qPrintable(w->objectName()));
        }
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
