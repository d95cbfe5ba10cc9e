// The return window over a coupled return: the tree, the item commands and
// their dialogs, the form pages and their input, the look and the pane layout.
#include "addtaxformdlg.h"
#include "basetaxpage.h"
#include "bqtest.h"
#include "creturnfile.h"
#include "ct1combobox.h"
#include "ctaxdata_form.h"
#include "datanewreturnbasic.h"
#include "dlgchangeformorder.h"
#include "filingdocservices.h"
#include "folderview.h"
#include "form_return.h"
#include "formentry.h"
#include "guiinput.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "myevent.h"
#include "newreturnbasic_tab1.h"
#include "returnbuilder.h"
#include "rowlisteditor.h"
#include "scrolltaxform.h"
#include "tabwndapp.h"
#include "cwizdata_dependant.h"
#include "cwizdata_medexp.h"
#include "dependantinfostruct.h"
#include "taxdata_rrspcontrib.h"
#include "taxdata_sch7.h"
#include "taxdata_sch9.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1new.h"
#include "utils.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSplitter>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTimer>

namespace {
constexpr int kT4 = 1;
constexpr int kT5 = 8;
constexpr int kT1 = 1;
constexpr int kSchedule9 = 9;
constexpr int kSchedule8 = 150;
constexpr int kSchedule7 = 7;
constexpr int kResultForm = 93;
constexpr int kT2125 = 125;
constexpr int kSchedule3 = 4;
constexpr int kT776 = 12;
constexpr int kT1135 = 101;
constexpr int kT1013 = 117;
constexpr int kT1Adj = 116;
constexpr int kT5013Schedule = 38;
constexpr int kRC381 = 148;

// A coupled Ontario return: self with a T4, the spouse with a T5 shared with self.
CReturnFile *coupledReturn()
{
    const char *description = R"({"persons": [
      {"firstName": "Sam", "lastName": "Whitfield", "sin": "046454286", "birthDate": "1980-05-17",
       "province": 9, "maritalStatus": 0,
       "slips": [{"type": 1, "fields": {"Payer": "ACME", "Province": 9, "Box14": 50000, "Box16": 2766.75, "Box22": 6000}}]},
      {"firstName": "Robin", "lastName": "Whitfield", "sin": "130692544", "birthDate": "1982-03-04",
       "province": 9, "maritalStatus": 0,
       "slips": [{"type": 8, "fields": {"Payer": "Bank", "Box13": 5000}}]}]})";
    QString error;
    CReturnFile *file = returnbuilder::build(QJsonDocument::fromJson(description).object(), &error);
    if (!file)
        qWarning() << error;
    else
        returnbuilder::recalculate(*file);
    return file;
}

// A single Ontario return whose T4 has the given pension plan box: 16 (CPP) or 17 (QPP).
CReturnFile *singleReturn(int pensionBox)
{
    const QString description = QStringLiteral(R"({"persons": [
      {"firstName": "Sam", "lastName": "Whitfield", "sin": "046454286", "birthDate": "1980-05-17",
       "province": 9, "maritalStatus": 5,
       "slips": [{"type": 1, "fields": {"Payer": "ACME", "Province": 9, "Box14": 50000, "Box26": 50000,
                                        "Box%1": 2766.75}}]}]})").arg(pensionBox);
    CReturnFile *file = returnbuilder::build(QJsonDocument::fromJson(description.toUtf8()).object());
    if (file)
        returnbuilder::recalculate(*file);
    return file;
}

// The table of the form's first row list among its pages.
RowListEditor *rowTable(const QList<BaseTaxPage *> &pages)
{
    for (BaseTaxPage *page : pages)
        if (RowListEditor *rows = page->rowListEditor(0))
            return rows;
    return nullptr;
}

// Types text into a cell through its editor and presses Enter; false when the cell has no editor.
bool typeIntoCell(RowListEditor *rows, int row, int column, const QString &text)
{
    QTableWidget *table = rows->table();
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    auto *line = qobject_cast<QLineEdit *>(table->indexWidget(table->currentIndex()));
    if (!line)
        return false;
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Enter);
    QCoreApplication::processEvents();
    return true;
}

QStringList tabTitles(const QList<BaseTaxPage *> &pages)
{
    QStringList titles;
    for (BaseTaxPage *page : pages)
        titles << page->getTitle();
    return titles;
}

QTreeWidgetItem *root(Form_Return &w, int section)
{
    return w.folderView()->root(section);
}

BaseTaxPage *pageTitled(Form_Return &w, const QString &title)
{
    for (BaseTaxPage *page : w.openPages())
        if (page->getTitle() == title)
            return page;
    return nullptr;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

class TestFormReturn : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    std::unique_ptr<Form_Return> m_window;

    Form_Return &window()
    {
        m_window.reset(new Form_Return(nullptr, coupledReturn(), nullptr, nullptr, 1, -1, 12));
        return *m_window;
    }
    CReturnFile &file() { return *m_window->returnFile(); }
    IndividualTaxData &person() { return *file().currentPerson(); }
    // The person's form of the type, added when the return has none.
    CTaxData_Form *formOfType(int type)
    {
        CTaxData_Form *form = file().getForm(type, 0, false);
        return form ? form : person().addForm(type, 0, true, 0, true)->object;
    }
    void select(int category, int id)
    {
        m_window->folderView()->selectItem(category, id);
        settle();
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
    }
    void init() { m_messages.clear(); }
    void cleanup()
    {
        m_window.reset();
        settle();
    }

    // ---- tree

    void reuseWalk_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("collapsed");
        QTest::newRow("3 to 5") << 3 << 5 << false;
        QTest::newRow("5 to 3") << 5 << 3 << false;
        QTest::newRow("3 to 5, collapsed") << 3 << 5 << true;
        QTest::newRow("5 to 3, collapsed") << 5 << 3 << true;
    }
    void reuseWalk()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, collapsed);
        Form_Return &w = window();
        auto setSlips = [&](int n) {
            while (person().slips().count() < n)
                file().addSlip(kT4, 0, 0);
            while (person().slips().count() > n)
                file().removeSlip(person().slips().at(person().slips().count() - 1)->object);
        };
        setSlips(from);
        w.folderView()->refreshSlips();
        QTreeWidgetItem *slips = root(w, FolderView::Slips);
        slips->setExpanded(!collapsed);
        QTreeWidgetItem *first = slips->child(0);
        setSlips(to);
        w.folderView()->refreshSlips();
        QCOMPARE(slips->childCount(), to);
        QCOMPARE(slips->child(0), first);   // rewritten in place
        for (int i = 0; i < to; ++i)
            QCOMPARE(static_cast<TreeItem *>(slips->child(i))->data(), static_cast<void *>(person().slips().at(i)));
    }

    void sharedSlipLabel()
    {
        Form_Return &w = window();
        file().setCurrentPerson(CReturnFile::kSpouse);
        FormEntry *t5 = person().slips().at(0);
        file().shareSlipWithSpouse(t5->object, 0);
        file().setCurrentPerson(CReturnFile::kSelf);
        w.folderView()->refreshSlips();
        QStringList labels;
        for (int i = 0; i < root(w, FolderView::Slips)->childCount(); ++i)
            labels << root(w, FolderView::Slips)->child(i)->text(0);
        QVERIFY2(labels.contains(QStringLiteral("T4 - ACME")), qPrintable(labels.join('|')));
        QVERIFY2(labels.filter(QStringLiteral("S-T5")).size() == 1, qPrintable(labels.join('|')));
    }

    // The Result root is reported as category 99 with no entry; an item whose
    // entry has no object counts as nothing selected.
    void selectionOfRootsAndEmptyEntries()
    {
        Form_Return &w = window();
        w.folderView()->setCurrentItem(root(w, FolderView::Result));
        int category = 0, type = 0, id = 0;
        QCOMPARE(w.folderView()->getSelection(category, type, id), nullptr);
        QCOMPARE(category, 99);
        QCOMPARE(type, kResultForm);

        FormEntry orphan;
        orphan.type = kT4;
        orphan.id = 999;
        auto *item = new TreeItem(&orphan);
        root(w, FolderView::Slips)->addChild(item);
        w.folderView()->setCurrentItem(item);
        QCOMPARE(w.folderView()->getSelection(category, type, id), nullptr);
        QCOMPARE(category, -1);
        m_messages.clear();
        w.removeSelected();
        w.shareSlip();
        QVERIFY(m_messages.shown().isEmpty());
        delete item;
    }

    // After a rebuild puts another entry on the selected position, its pages show.
    void rebuildReopensMovedSelection()
    {
        Form_Return &w = window();
        file().addSlip(kT5, 0, 0);
        w.folderView()->refreshSlips();
        select(1, person().slips().at(1)->id);
        CTaxData_Form *second = person().slips().at(1)->object;
        QCOMPARE(w.currentForm(), second);
        file().addSlip(kT4, 0, 0);
        // the first slip goes without the tree being told; the rebuild moves the rest up
        file().removeSlip(person().slips().at(0)->object);
        w.refreshTree(false, true);
        QCOMPARE(w.currentForm(), person().slips().at(1)->object);
        for (BaseTaxPage *page : w.openPages())
            QCOMPARE(page->data(), person().slips().at(1)->object);
    }

    void selectionRestoredPerPerson()
    {
        Form_Return &w = window();
        const int slipId = person().slips().at(0)->id;
        select(1, slipId);
        QComboBox *combo = w.personCombo();
        combo->setCurrentIndex(combo->findData(CReturnFile::kSpouse));
        settle();
        const int spouseSlip = person().slips().at(0)->id;
        select(1, spouseSlip);
        combo->setCurrentIndex(combo->findData(CReturnFile::kSelf));
        settle();
        int category = -1, type = 0, id = 0;
        w.folderView()->getSelection(category, type, id);
        QCOMPARE(category, 1);
        QCOMPARE(id, slipId);
        QCOMPARE(w.currentForm(), person().slips().at(0)->object);
    }

    // The wheel turned over the person selector switches the person only while
    // the selector has the focus, as in the other choice lists.
    void personSelectorTakesWheelWithFocus()
    {
        QWidget top;
        auto *w = new Form_Return(nullptr, coupledReturn(), nullptr, &top, 1, -1, 12);
        top.resize(1000, 700);
        top.show();
        QApplication::setActiveWindow(&top);
        QVERIFY(QTest::qWaitForWindowActive(&top));
        QComboBox *combo = w->personCombo();
        w->folderView()->setFocus();
        for (int notches : {-1, 1, -3})
            bqtest::turnWheel(combo, notches);
        settle();
        QCOMPARE(w->returnFile()->currentPersonIndex(), int(CReturnFile::kSelf));
        QCOMPARE(combo->currentData().toInt(), int(CReturnFile::kSelf));
        combo->setFocus();
        QVERIFY(combo->hasFocus());
        bqtest::turnWheel(combo, -1);   // down: the next person
        settle();
        QCOMPARE(w->returnFile()->currentPersonIndex(), int(CReturnFile::kSpouse));
        delete w;
    }

    // ---- events and commands

    void goToFormAnsweredNo()
    {
        Form_Return &w = window();
        m_messages.scriptAnswer(MsgButton::No);
        QCoreApplication::postEvent(&w, new EventForwardEdit(kSchedule9));
        settle();
        QVERIFY(m_messages.texts().join('|').contains(QStringLiteral("Do you want to go to form [Schedule 9]")));
        QVERIFY(!file().hasForm(kSchedule9));
    }

    void goToFormAnsweredYes()
    {
        Form_Return &w = window();
        m_messages.scriptAnswer(MsgButton::Yes);
        QCoreApplication::postEvent(&w, new EventForwardEdit(kSchedule9));
        settle();
        QVERIFY(file().hasForm(kSchedule9));
        QCOMPARE(int(w.currentForm()->formType()), kSchedule9);
    }

    void addFormOpensItAndRefusesDuplicate()
    {
        Form_Return &w = window();
        w.addFormOfType(kSchedule9);
        QVERIFY2(file().hasForm(kSchedule9), qPrintable(m_messages.texts().join('|')));
        QVERIFY(w.currentForm());
        QCOMPARE(int(w.currentForm()->formType()), kSchedule9);
        int category = -1, type = 0, id = 0;
        w.folderView()->getSelection(category, type, id);
        QCOMPARE(category, 0);
        QCOMPARE(type, kSchedule9);
        m_messages.clear();
        w.addFormOfType(kSchedule9);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("This tax form already exists in the tax return.")});
        QCOMPARE(file().currentPerson()->countForms(kSchedule9), 1);
    }

    void addFormDialog()
    {
        QList<int> types{kSchedule9, 11, kT2125, 7};
        AddTaxFormDlg::filterText().clear();
        {
            AddTaxFormDlg dlg(types);
            auto *filter = dlg.findChild<QLineEdit *>(QStringLiteral("edtFilter"));
            auto *combo = dlg.findChild<CT1ComboBox *>(QStringLiteral("cmbTaxForms"));
            QCOMPARE(combo->count(), 4);
            QTest::keyClicks(filter, QStringLiteral("sched"));
            QCOMPARE(combo->count(), 3);
            QTest::keyClicks(filter, QStringLiteral("ule 9"));
            QCOMPARE(combo->count(), 1);
            QCOMPARE(dlg.selectedFormType(), kSchedule9);
            QTest::keyClicks(filter, QStringLiteral("zz"));
            QCOMPARE(dlg.selectedFormType(), 0);
            QVERIFY(!dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
            filter->setText(QStringLiteral("schedule 9"));
        }
        {   // the filter survives reopening
            AddTaxFormDlg dlg(types);
            QCOMPARE(dlg.findChild<QLineEdit *>(QStringLiteral("edtFilter"))->text(), QStringLiteral("schedule 9"));
            QCOMPARE(dlg.findChild<CT1ComboBox *>(QStringLiteral("cmbTaxForms"))->count(), 1);
            QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnClear")), Qt::LeftButton);
            QCOMPARE(dlg.findChild<CT1ComboBox *>(QStringLiteral("cmbTaxForms"))->count(), 4);
        }
        {   // a quick-add button answers its type whatever the list shows
            AddTaxFormDlg dlg(types);
            QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnAddT2125")), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.selectedFormType(), kT2125);
        }
    }

    // Enter in the filter adds the form the drop-down shows, and nothing (no
    // quick-add form either) while the filter matches nothing.
    void addFormDialogEnter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("type");
        QTest::newRow("matching one form") << "schedule 9" << true << kSchedule9;
        QTest::newRow("matching nothing") << "zz" << false << 0;
    }
    void addFormDialogEnter()
    {
        QFETCH(QString, filter);
        QList<int> types{kSchedule9, 11, kT2125, 7};
        AddTaxFormDlg::filterText().clear();
        AddTaxFormDlg dlg(types);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto *edit = dlg.findChild<QLineEdit *>(QStringLiteral("edtFilter"));
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, filter);
        QTest::keyClick(edit, Qt::Key_Return);
        QTEST(dlg.result() == QDialog::Accepted, "accepted");
        QTEST(dlg.selectedFormType(), "type");
        AddTaxFormDlg::filterText().clear();
    }

    // Each form offered is listed once, the self-employment forms too.
    void addFormDialogListsEachFormOnce()
    {
        QList<int> types;
        listAvailableForms({9}, types);
        QCOMPARE(types.count(kT2125), 1);   // a federal form and a self-employment form, listed once
        AddTaxFormDlg::filterText().clear();
        AddTaxFormDlg dlg(types);
        auto *combo = dlg.findChild<CT1ComboBox *>(QStringLiteral("cmbTaxForms"));
        QSet<int> listed;
        for (int i = 0; i < combo->count(); ++i)
            listed.insert(combo->itemData(i).toInt());
        QCOMPARE(listed.size(), combo->count());
        QCOMPARE(listed, QSet<int>(types.begin(), types.end()));
    }

    void changeFormOrder_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void changeFormOrder()
    {
        QFETCH(bool, accept);
        window();
        file().addForm(kSchedule9, 0, true, 0, false);
        file().addForm(11, 0, true, 0, false);
        const QList<FormEntry *> before = person().forms().items();
        const int resultAt = before.indexOf(person().forms().firstWithKey(kResultForm));
        QVERIFY(resultAt >= 0);
        DlgChangeFormOrder dlg(&person());
        auto *list = dlg.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
        list->setCurrentRow(list->count() - 1);
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
        auto *box = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
        const QList<FormEntry *> after = person().forms().items();
        QCOMPARE(after.indexOf(person().forms().firstWithKey(kResultForm)), resultAt);
        if (accept)
            QVERIFY(after != before);
        else
            QCOMPARE(after, before);
    }

    // Up and Down move nothing while no row is selected, though the list has a current row.
    void changeFormOrderNeedsASelection()
    {
        window();
        file().addForm(kSchedule9, 0, true, 0, false);
        const QList<FormEntry *> before = person().forms().items();
        DlgChangeFormOrder dlg(&person());
        auto *list = dlg.findChild<QListWidget *>(QStringLiteral("listFormsWgt"));
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);   // as focusing the list leaves it
        const QString first = list->item(0)->text();
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnDown")), Qt::LeftButton);
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("btnDown")), Qt::LeftButton);
        QCOMPARE(list->item(0)->text(), first);
        dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(person().forms().items(), before);
    }

    // ---- pages and input

    void t1Sections()
    {
        Form_Return &w = window();
        QStringList titles;
        for (int i = 0; i < w.formTabs()->count(); ++i)
            titles << w.formTabs()->tabText(i);
        QCOMPARE(titles, (QStringList{"Identification", "Income", "Deductions", "Credits", "Refund"}));
        BaseTaxPage *income = pageTitled(w, QStringLiteral("Income"));
        QVERIFY(!income->isBuilt());   // made when first shown
        auto *employment = qobject_cast<QLineEdit *>(income->editorFor(QStringLiteral("10100")));
        QVERIFY(employment);
        auto *total = qobject_cast<QLineEdit *>(income->editorFor(QStringLiteral("15000")));
        QVERIFY(total && total->isReadOnly());
        BaseTaxPage *identification = pageTitled(w, QStringLiteral("Identification"));
        QVERIFY(qobject_cast<CT1ComboBox *>(identification->editorFor(QStringLiteral("MaritalStatus"))));
        QVERIFY(!identification->editorFor(QStringLiteral("FilingStatus")));   // kept by the program
    }

    void amountRefusedVisibly()
    {
        Form_Return &w = window();
        BaseTaxPage *income = pageTitled(w, QStringLiteral("Income"));
        auto *line = qobject_cast<QLineEdit *>(income->editorFor(QStringLiteral("10105")));
        const int field = person().t1()->fieldTable().indexOf(QStringLiteral("10105"));
        const double before = person().t1()->amount(field);
        line->clear();
        QTest::keyClicks(line, QStringLiteral("12,3x"));
        QCOMPARE(line->text(), QStringLiteral("12,3"));
        QVERIFY(!BaseTaxPage::inputMessage(line).isEmpty());
        income->commitPage();
        QCOMPARE(person().t1()->amount(field), before);
        QCOMPARE(line->text(), QStringLiteral("12,3"));   // kept for the user to mend
        line->setText(QStringLiteral("1,234.50"));
        income->commitPage();
        QCOMPARE(person().t1()->amount(field), 1234.5);
        QVERIFY(BaseTaxPage::inputMessage(line).isEmpty());
    }

    void sinFlag_data()
    {
        QTest::addColumn<QString>("sin");
        QTest::addColumn<bool>("flagged");
        QTest::newRow("good") << "046 454 286" << false;
        QTest::newRow("wrong check digit") << "046 454 287" << true;
    }
    void sinFlag()
    {
        QFETCH(QString, sin);
        QFETCH(bool, flagged);
        Form_Return &w = window();
        BaseTaxPage *identification = pageTitled(w, QStringLiteral("Identification"));
        auto *line = qobject_cast<QLineEdit *>(identification->editorFor(QStringLiteral("SIN")));
        line->setText(sin);
        identification->commitPage();
        QCOMPARE(BaseTaxPage::inputMessage(line).isEmpty(), !flagged);
        QCOMPARE(person().t1()->text(TaxData_T1New::F_SIN), QString(sin).remove(' '));

        // the new-return wizard flags it too and still accepts the page
        DataNewReturnBasic data;
        NewReturnBasic_tab1 tab(&data, nullptr);
        auto *edit = tab.findChild<QLineEdit *>(QStringLiteral("fld_sin"));
        edit->setText(sin);
        QCOMPARE(edit->property("inputMessage").toString().isEmpty(), !flagged);
    }

    // An editor's state follows its input, and the page's style sheet gives
    // each state its ground: refused input red, a flagged S.I.N. amber, what
    // the program works out grey; mended input is plain again.
    void fieldStateFollowsInput_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");   // empty: the shown value is left
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("ground");   // empty: the editor's own
        QTest::addColumn<QString>("mended");   // typed afterwards; empty: nothing
        QTest::newRow("amount accepted") << "Income" << "10105" << "1,234.50" << "valid" << "" << "";
        QTest::newRow("amount refused") << "Income" << "10105" << "12,3x" << "invalid" << "#fdecea" << "12.30";
        QTest::newRow("S.I.N. with a wrong check digit")
            << "Identification" << "SIN" << "046 454 287" << "flagged" << "#fff8e1" << "046 454 286";
        QTest::newRow("total income, calculated") << "Income" << "15000" << "" << "calculated" << "#dde3e8" << "";
    }
    void fieldStateFollowsInput()
    {
        QFETCH(QString, page);
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(QString, state);
        QFETCH(QString, ground);
        QFETCH(QString, mended);
        Form_Return &w = window();
        auto *line = qobject_cast<QLineEdit *>(pageTitled(w, page)->editorFor(key));
        QVERIFY(line);
        line->ensurePolished();   // as shown: a new state must polish it again
        const QColor own = QLineEdit().palette().color(QPalette::Base);
        if (!typed.isEmpty()) {
            line->clear();
            QTest::keyClicks(line, typed);
        }
        QCOMPARE(BaseTaxPage::fieldState(line), state);
        QCOMPARE(line->palette().color(QPalette::Base), ground.isEmpty() ? own : QColor(ground));
        if (mended.isEmpty())
            return;
        line->clear();
        QTest::keyClicks(line, mended);
        QCOMPARE(BaseTaxPage::fieldState(line), QStringLiteral("valid"));
        QCOMPARE(line->palette().color(QPalette::Base), own);
        QVERIFY(line->toolTip().isEmpty());
    }

    // A recalculation rewrites the fields it changed and leaves the others
    // alone: no new look, palette or tool tip for a field whose value and
    // state stayed.
    void refreshLeavesUnchangedFieldsAlone()
    {
        Form_Return &w = window();
        BaseTaxPage *deductions = pageTitled(w, QStringLiteral("Deductions"));
        auto *dues = qobject_cast<QLineEdit *>(deductions->editorFor(QStringLiteral("DuesPaid")));
        auto *duesTotal = qobject_cast<QLineEdit *>(deductions->editorFor(QStringLiteral("21200")));
        auto *lossDeduction = qobject_cast<QLineEdit *>(deductions->editorFor(QStringLiteral("21700")));
        auto *rrsp = qobject_cast<QLineEdit *>(deductions->editorFor(QStringLiteral("20800")));
        QVERIFY(dues && duesTotal && lossDeduction && rrsp);
        struct Restyles : QObject
        {
            int count = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                const QEvent::Type t = e->type();
                count += t == QEvent::StyleChange || t == QEvent::PaletteChange || t == QEvent::FontChange
                         || t == QEvent::ToolTipChange;
                return false;
            }
        } restyles;
        for (QLineEdit *unchanged : {lossDeduction, rrsp}) {
            unchanged->ensurePolished();
            unchanged->installEventFilter(&restyles);
        }
        dues->setText(QStringLiteral("100"));
        deductions->commitPage();
        w.onSignalCalc(w.currentForm(), -1);
        // line 21200: the T4's box 44 (none) plus the dues paid by receipt, 100
        QCOMPARE(duesTotal->text(), QStringLiteral("100.00"));
        QCOMPARE(lossDeduction->text(), QStringLiteral("0.00"));
        QCOMPARE(rrsp->text(), QStringLiteral("0.00"));
        QCOMPARE(restyles.count, 0);
    }

    // A schedule's page: captioned rows with their line numbers, its results
    // read-only, its planning amounts on no page.
    void schedulePage()
    {
        Form_Return &w = window();
        FormEntry *entry = person().addForm(kSchedule9, 0, true, 0, true);
        QVERIFY(entry && entry->object);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(entry->object, pages, &parent);
        QCOMPARE(pages.size(), 1);
        BaseTaxPage *page = pages.first();
        auto *gifts = qobject_cast<QLineEdit *>(page->editorFor(QStringLiteral("CulturalGifts")));
        QVERIFY(gifts && !gifts->isReadOnly());
        auto *credit = qobject_cast<QLineEdit *>(page->editorFor(QStringLiteral("Credit")));
        QVERIFY(credit && credit->isReadOnly());
        auto *form = qobject_cast<QFormLayout *>(page->layout()->itemAt(0)->layout());
        auto *label = form ? qobject_cast<QLabel *>(form->labelForField(credit)) : nullptr;
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("34900 Donations and gifts credit"));
        QVERIFY(!page->editorFor(QStringLiteral("PlannedDonations")));
        QVERIFY(!page->editorFor(QStringLiteral("TaxableIncome")));
        Q_UNUSED(w);
    }

    // The result page: captions in words (never the key), choices by their
    // labels, the worked-out amounts read-only: a refund typed over is not taken.
    void resultPage()
    {
        Form_Return &w = window();
        w.folderView()->setCurrentItem(root(w, FolderView::Result));
        settle();
        QCOMPARE(tabTitles(w.openPages()), (QStringList{"Result", "Identification", "Benefits and next year", "Schedules"}));
        for (BaseTaxPage *page : w.openPages()) {
            page->editorFor(QString());   // builds the page
            auto *rows = qobject_cast<QFormLayout *>(page->layout()->itemAt(0)->layout());
            QVERIFY(rows && rows->rowCount() > 0);
            for (int r = 0; r < rows->rowCount(); ++r) {
                auto *label = qobject_cast<QLabel *>(rows->itemAt(r, QFormLayout::LabelRole)->widget());
                const QString key = rows->itemAt(r, QFormLayout::FieldRole)->widget()->objectName().mid(4);
                QVERIFY(label);
                // a key of words run together ("MaritalStatus", "CAIFlag", "Instalment1") is never shown;
                // one that is a word ("Refund") is never the whole caption
                static const QRegularExpression runTogether(QStringLiteral("[a-z][A-Z]|[A-Z]{2}[a-z]|[0-9]"));
                const QString caption = label->text().section(QLatin1Char(' '), label->text().at(0).isDigit() ? 1 : 0);
                QVERIFY2(caption != key && !(runTogether.match(key).hasMatch() && label->text().contains(key)),
                         qPrintable(label->text()));
            }
        }
        BaseTaxPage *result = pageTitled(w, QStringLiteral("Result"));
        auto *province = qobject_cast<CT1ComboBox *>(result->editorFor(QStringLiteral("Province")));
        QVERIFY(province && !province->isEnabled());
        QCOMPARE(province->currentText(), QStringLiteral("Ontario"));
        auto *refund = qobject_cast<QLineEdit *>(result->editorFor(QStringLiteral("Refund")));
        QVERIFY(refund && refund->isReadOnly());
        // T4: tax deducted 6,000.00 against 4,745.67 payable (the T1's own lines)
        QCOMPARE(refund->text(), QString::number(person().t1()->valueByCode(48400), 'f', 2));
        QTest::keyClicks(refund, QStringLiteral("999"));
        result->commitPage();
        QCOMPARE(refund->text(), QString::number(person().t1()->valueByCode(48400), 'f', 2));
        BaseTaxPage *identification = pageTitled(w, QStringLiteral("Identification"));
        auto *marital = qobject_cast<CT1ComboBox *>(identification->editorFor(QStringLiteral("MaritalStatus")));
        QVERIFY(marital && marital->currentText() == QStringLiteral("Married"));
        auto *password = qobject_cast<QLineEdit *>(identification->editorFor(QStringLiteral("Password")));
        QVERIFY(password && !password->isReadOnly());
        BaseTaxPage *benefits = pageTitled(w, QStringLiteral("Benefits and next year"));
        for (const char *flag : {"CAIFlag", "CCBFlag", "GSTCreditFlag"})
            QVERIFY(benefits->editorFor(QString::fromLatin1(flag))->isEnabled());
    }

    // Values a form page shows in words or as what they are: a code not given
    // is blank, a month by its name, the T1135 filer by its kind; Schedule 7's
    // contributions of 2024 before those of 2025.
    void valuesAsTheFormHasThem_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("T1, Yukon First Nation not given") << kT1 << "YukonFirstNation" << "";
        QTest::newRow("Schedule 8, election month") << kSchedule8 << "Line50372" << "March";
        QTest::newRow("T1135, filer type") << kT1135 << "Kind" << "Individual";
    }
    void valuesAsTheFormHasThem()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        window();
        CTaxData_Form *form = formOfType(type);
        if (type == kSchedule8)
            form->setAmount(form->fieldTable().indexOf(key), 3);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(form, pages, &parent);
        QWidget *editor = nullptr;
        for (BaseTaxPage *page : pages)
            if (!editor)
                editor = page->editorFor(key);
        QVERIFY(editor);
        if (auto *combo = qobject_cast<CT1ComboBox *>(editor))
            QCOMPARE(combo->currentText(), shown);
        else
            QCOMPARE(qobject_cast<QLineEdit *>(editor)->text(), shown);
    }

    // The T1013's level of authorization is the preparer's choice, 1 or 2: kept
    // through the recalculation and filed as chosen.
    void t1013LevelChosen()
    {
        installFilingDocServices();
        Form_Return &w = window();
        w.addFormOfType(kT1013);
        BaseTaxPage *page = w.openPages().first();
        auto *combo = qobject_cast<CT1ComboBox *>(page->editorFor(QStringLiteral("Level")));
        QVERIFY(combo);
        QVERIFY(combo->isEnabled());
        QList<int> levels;
        for (int i = 0; i < combo->count(); ++i)
            levels << combo->itemData(i).toInt();
        QCOMPARE(levels, (QList<int>{1, 2}));
        QCOMPARE(combo->currentData().toInt(), 1);   // a new authorization starts at level 1
        combo->SetCurSelData(2);
        page->commitPage();
        CTaxData_Form *t1013 = w.currentForm();
        QCOMPARE(t1013->intValue(TaxData_T1013New::F_Level), 2);
        file().recalculate(-1, nullptr);
        QCOMPARE(t1013->intValue(TaxData_T1013New::F_Level), 2);
        QCOMPARE(combo->currentData().toInt(), 2);

        t1013->setText(TaxData_T1013New::F_RepId, QStringLiteral("A1B2C3D"));
        t1013->setText(TaxData_T1013New::F_RepFirstName, QStringLiteral("Jo"));
        t1013->setText(TaxData_T1013New::F_RepLastName, QStringLiteral("Tremblay"));
        // signed today, for the CRA must receive it within six months
        const QDate today = GetCurTime().date();
        t1013->setDate(TaxData_T1013New::F_SignDate, today);
        t1013->setDate(TaxData_T1013New::F_Expiry, today.addYears(2));
        CT1AppConfig &config = TabWndApp::instance()->config();
        const QString efiler = config.BusinessEFileNum;
        config.BusinessEFileNum = QStringLiteral("X1234");
        CString document;
        const int built = file().buildT1013Xml(document);
        config.BusinessEFileNum = efiler;
        QCOMPARE(built, 0);
        QVERIFY2(document.contains(QLatin1String("<tris:AuthorizationLevelCode>2</tris:AuthorizationLevelCode>")),
                 qPrintable(document));
    }

    void schedule7RowsInTheFormsOrder()
    {
        window();
        CTaxData_Form *sch7 = person().getForm(kSchedule7, 0, true);
        QVERIFY(sch7);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(sch7, pages, &parent);
        BaseTaxPage *page = pages.first();
        QWidget *contributions2024 = page->editorFor(QStringLiteral("ContribRestOfYear"));
        QWidget *contributions2025 = page->editorFor(QStringLiteral("ContribFirst60Days"));
        auto *rows = qobject_cast<QFormLayout *>(page->layout()->itemAt(0)->layout());
        int of2024 = -1, of2025 = -1;
        QFormLayout::ItemRole role;
        rows->getWidgetPosition(contributions2024, &of2024, &role);
        rows->getWidgetPosition(contributions2025, &of2025, &role);
        QVERIFY(of2024 >= 0 && of2025 >= 0);
        QVERIFY(of2024 < of2025);
    }

    // ---- row lists

    // A donation typed into a new row of the Schedule 9 page reaches the T1's
    // line 34900 through the recalculation, and the page shows the new credit.
    void donationRowRecalculates()
    {
        Form_Return &w = window();
        w.addFormOfType(kSchedule9);
        BaseTaxPage *page = w.openPages().first();
        RowListEditor *rows = page->rowListEditor(0);
        QVERIFY(rows);
        QCOMPARE(person().t1()->valueByCode(34900), 0.0);
        QTest::mouseClick(rows->findChild<QPushButton *>(QStringLiteral("btnAddRow")), Qt::LeftButton);
        CTaxData_Form *sch9 = w.currentForm();
        QCOMPARE(sch9->rows(0).count(), 1);
        QVERIFY(typeIntoCell(rows, 0, rows->columnOf(QStringLiteral("Amount")), QStringLiteral("1,000")));
        QCOMPARE(sch9->rows(0).row(0).number(TaxData_Sch9::C_Amount), 1000.0);
        // 15 % of the first 200, 29 % of the other 800
        QCOMPARE(person().t1()->valueByCode(34900), 262.0);
        QCOMPARE(qobject_cast<QLineEdit *>(page->editorFor(QStringLiteral("Credit")))->text(), QStringLiteral("262.00"));
        QCOMPARE(rows->table()->item(0, rows->columnOf(QStringLiteral("Amount")))->text(), QStringLiteral("1000.00"));
        QVERIFY(w.isModified());
    }

    // ---- Express Wizard records

    // The Express Wizard section lists the six records in the table's order, for
    // both persons, and each opens its page under the record's name.
    void expressWizardSection()
    {
        Form_Return &w = window();
        const QStringList names{"General Information", "Last Year's Amounts", "Dependants", "Medical Expenses",
                                "RRSP Contributions", "Provincial Information"};
        QTreeWidgetItem *section = root(w, 2);
        QCOMPARE(section->childCount(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(section->child(i)->text(0), names[i]);
            w.folderView()->setCurrentItem(section->child(i));
            settle();
            QCOMPARE(w.currentForm(), person().findWizardData(i + 1, false));
            QCOMPARE(tabTitles(w.openPages()), QStringList{names[i]});
            QVERIFY(w.findChild<QLabel *>(QStringLiteral("lblFormDesc"))->text() == names[i]);
        }
        QCOMPARE(file().spouse()->wizardData().count(), names.size());
    }

    // The family typed into the Dependants page of self reaches the record both
    // spouses share, the spouse's Dependants record and the child benefit
    // estimate; a removed row takes the child out again; the saved file keeps it.
    void dependantsPageFamily()
    {
        Form_Return &w = window();
        auto ccb = [this](IndividualTaxData *p) {
            const CTaxData_Form *ks = p->getForm(kResultForm, 0, false);
            return ks->amount(ks->fieldTable().indexOf(QStringLiteral("CCBEstimate")));
        };
        QCOMPARE(ccb(file().self()), 0.0);
        // the Dependants item of the Express Wizard section, as the preparer picks it
        QTreeWidgetItem *item = root(w, 2)->child(2);
        QCOMPARE(item->text(0), QStringLiteral("Dependants"));
        w.folderView()->setCurrentItem(item);
        settle();
        QCOMPARE(w.currentForm(), person().findWizardData(3, false));
        RowListEditor *rows = w.openPages().first()->rowListEditor(0);
        QVERIFY(rows);
        QCOMPARE(rows->table()->rowCount(), 12);
        QVERIFY(rows->table()->isRowHidden(0));
        QTest::mouseClick(rows->findChild<QPushButton *>(QStringLiteral("btnAddRow")), Qt::LeftButton);
        QVERIFY(!rows->table()->isRowHidden(0) && rows->table()->isRowHidden(1));
        // 50 two-byte letters are 100 bytes: the record keeps 39 of them (78 bytes)
        const QString longName(50, QChar(0x00E9));
        rows->table()->item(0, rows->columnOf(QStringLiteral("FirstName")))->setText(longName);
        QVERIFY(typeIntoCell(rows, 0, rows->columnOf(QStringLiteral("LastName")), QStringLiteral("Whitfield")));
        QVERIFY(typeIntoCell(rows, 0, rows->columnOf(QStringLiteral("BirthDate")), QStringLiteral("2021-04-30")));
        QTableWidget *table = rows->table();
        table->setCurrentCell(0, rows->columnOf(QStringLiteral("Relation")));
        table->editItem(table->currentItem());
        auto *combo = qobject_cast<CT1ComboBox *>(table->indexWidget(table->currentIndex()));
        QVERIFY(combo);
        combo->SetCurSelData(DependantInfo::Child);
        rows->commitEditor();
        settle();

        const DependantInfo &child = file().dependants().at(0);
        QCOMPARE(child.firstName, QString(39, QChar(0x00E9)));
        QCOMPARE(child.lastName, QStringLiteral("Whitfield"));
        QCOMPARE(child.birthDate, QDate(2021, 4, 30));
        QCOMPARE(child.relation, int(DependantInfo::Child));
        // the page and the spouse's record show what the shared record keeps
        QCOMPARE(table->item(0, rows->columnOf(QStringLiteral("FirstName")))->text(), child.firstName);
        auto *spouseRecord = static_cast<CWizData_Dependant *>(file().spouse()->findWizardData(3, false));
        QCOMPARE(spouseRecord->slot(0).text(CWizData_Dependant::C_FirstName), child.firstName);
        QCOMPARE(spouseRecord->slot(0).date(CWizData_Dependant::C_BirthDate), QDate(2021, 4, 30));
        // one child under 6: the estimate is no longer nil, the same for both spouses' family
        QVERIFY(ccb(file().self()) > 0.0);
        auto *medical = static_cast<CWizData_MedExp *>(person().findWizardData(4, false));
        QCOMPARE(medical->rows().row(0).text(CWizData_MedExp::C_Name), child.firstName + QStringLiteral(" Whitfield"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("family.r24"));
        QCOMPARE(file().save(path, 1), 0);
        int code = -1;
        std::unique_ptr<CReturnFile> read(CReturnFile::load(path, code, 1));
        QVERIFY(read && code == 0);
        QVERIFY(read->dependants().at(0) == child);
        returnbuilder::recalculate(*read);
        QCOMPARE(static_cast<CWizData_Dependant *>(read->self()->findWizardData(3, false))->slot(0).text(
                     CWizData_Dependant::C_FirstName), child.firstName);

        table->setCurrentCell(0, 0);
        QTest::mouseClick(rows->findChild<QPushButton *>(QStringLiteral("btnRemoveRow")), Qt::LeftButton);
        settle();
        QVERIFY(!file().dependants().at(0).isUsed());
        QVERIFY(table->isRowHidden(0));
        QCOMPARE(ccb(file().self()), 0.0);
    }

    // The Medical Expenses page names its rows by the family's dependants and puts a
    // child's expenses with the person's (line 33099); the RRSP Contributions page
    // makes Schedule 7 for a contribution.
    void medicalAndRrspPages()
    {
        Form_Return &w = window();
        DependantInfo &noah = file().dependants().at(0);
        noah.firstName = QStringLiteral("Noah");
        noah.lastName = QStringLiteral("Whitfield");
        noah.birthDate = QDate(2021, 4, 30);
        noah.relation = DependantInfo::Child;
        returnbuilder::recalculate(file());
        auto open = [&w](int child) {
            w.folderView()->setCurrentItem(root(w, 2)->child(child));
            settle();
            return w.openPages().first();
        };
        auto typeInto = [](BaseTaxPage *page, const char *key, const QString &text) {
            auto *line = qobject_cast<QLineEdit *>(page->editorFor(QString::fromLatin1(key)));
            QVERIFY(line);
            line->setText(text);
            emit line->editingFinished();
            settle();
        };

        BaseTaxPage *medical = open(3);
        QCOMPARE(medical->getTitle(), QStringLiteral("Medical Expenses"));
        RowListEditor *rows = medical->rowListEditor(0);
        QVERIFY(rows);
        QCOMPARE(rows->table()->item(0, rows->columnOf(QStringLiteral("Name")))->text(), QStringLiteral("Noah Whitfield"));
        QVERIFY(!rows->table()->isRowHidden(0) && rows->table()->isRowHidden(1));
        QVERIFY(typeIntoCell(rows, 0, rows->columnOf(QStringLiteral("Expenses")), QStringLiteral("500")));
        settle();
        typeInto(w.openPages().first(), "SelfExpenses", QStringLiteral("1000"));
        // 1,000 of the person and 500 of Noah (3) on line 33099
        QCOMPARE(person().t1()->medicalAmount(0, TaxData_T1New::M_Expenses), 1500.0);
        QCOMPARE(person().t1()->valueByCode(33099), 1500.0);

        QVERIFY(!person().hasForm(kSchedule7));
        BaseTaxPage *rrsp = open(4);
        QCOMPARE(rrsp->getTitle(), QStringLiteral("RRSP Contributions"));
        typeInto(rrsp, "ContribRestOfYear", QStringLiteral("5000"));
        const CTaxData_Form *sch7 = person().getForm(kSchedule7, 0, false);
        QVERIFY(sch7);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), 5000.0);
        QCOMPARE(person().t1()->amount(TaxData_T1New::F_RRSPContribRest), 5000.0);
    }

    // Pictures for a look under Xvfb (BQ_SHOT_DIR set): the result page, the
    // family typed into the Dependants page, and the result page after it.
    void dependantsPictures()
    {
        const QString folder = qEnvironmentVariable("BQ_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("BQ_SHOT_DIR not set");
        Form_Return &w = window();
        w.resize(1280, 800);
        w.show();
        auto shoot = [&w, &folder](int section, int child, const QString &name) {
            QTreeWidgetItem *item = child < 0 ? root(w, section) : root(w, section)->child(child);
            w.folderView()->setCurrentItem(item);
            settle();
            if (auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabForm")); tabs && tabs->count() > 2)
                tabs->setCurrentIndex(2);   // the benefit estimates
            QTest::qWait(200);
            return w.grab().save(folder + QLatin1Char('/') + name);
        };
        QVERIFY(shoot(5, -1, QStringLiteral("result-before.png")));
        w.folderView()->setCurrentItem(root(w, 2)->child(2));
        settle();
        RowListEditor *rows = w.openPages().first()->rowListEditor(0);
        const char *family[][3] = {{"Noah", "2021-04-30", "1"}, {"Zoe", "2014-09-09", "1"}};
        for (int r = 0; r < 2; ++r) {
            QVERIFY(rows->addRow());
            QVERIFY(typeIntoCell(rows, r, rows->columnOf(QStringLiteral("FirstName")), QLatin1String(family[r][0])));
            QVERIFY(typeIntoCell(rows, r, rows->columnOf(QStringLiteral("LastName")), QStringLiteral("Whitfield")));
            QVERIFY(typeIntoCell(rows, r, rows->columnOf(QStringLiteral("BirthDate")), QLatin1String(family[r][1])));
            QTableWidgetItem *relation = rows->table()->item(r, rows->columnOf(QStringLiteral("Relation")));
            relation->setData(Qt::UserRole, QString::fromLatin1(family[r][2]).toInt());
            settle();
        }
        QTest::qWait(200);
        QVERIFY(w.grab().save(folder + QStringLiteral("/dependants.png")));
        QVERIFY(shoot(5, -1, QStringLiteral("result-after.png")));
        QVERIFY(shoot(2, 3, QStringLiteral("medical.png")));
        QVERIFY(shoot(2, 4, QStringLiteral("rrsp.png")));
        QVERIFY(shoot(2, 0, QStringLiteral("general.png")));
    }

    // A command that commits the page (saving, printing) takes a cell still being edited.
    void openCellCommittedWithPage()
    {
        Form_Return &w = window();
        w.addFormOfType(kSchedule9);
        RowListEditor *rows = w.openPages().first()->rowListEditor(0);
        QVERIFY(rows->addRow());
        QTableWidget *table = rows->table();
        table->setCurrentCell(0, rows->columnOf(QStringLiteral("Amount")));
        table->editItem(table->currentItem());
        auto *line = qobject_cast<QLineEdit *>(table->indexWidget(table->currentIndex()));
        QVERIFY(line);
        QTest::keyClicks(line, QStringLiteral("40"));
        w.commitCurrentPage();
        QCOMPARE(w.currentForm()->rows(0).row(0).number(TaxData_Sch9::C_Amount), 40.0);
        QCOMPARE(person().t1()->valueByCode(34900), 6.0);
    }

    // A coded column stores the chosen code and shows its label; a flag column its check.
    void choiceAndFlagCells()
    {
        window();
        FormEntry *entry = person().addForm(kT5013Schedule, 0, true, 0, true);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(entry->object, pages, &parent);
        RowListEditor *rows = rowTable(pages);
        QVERIFY(rows && rows->addRow());
        QTableWidget *table = rows->table();
        const FieldRecord &record = entry->object->rows(0).row(0);
        const int kind = rows->columnOf(QStringLiteral("Kind"));
        table->setCurrentCell(0, kind);
        table->editItem(table->currentItem());
        auto *combo = qobject_cast<CT1ComboBox *>(table->indexWidget(table->currentIndex()));
        QVERIFY(combo);
        combo->SetCurSelData(3);
        rows->commitEditor();
        QCOMPARE(record.number(record.table().indexOf(QStringLiteral("Kind"))), 3.0);
        QCOMPARE(table->item(0, kind)->text(), QStringLiteral("Farming"));
        table->item(0, rows->columnOf(QStringLiteral("IsSFD")))->setCheckState(Qt::Checked);
        QCOMPARE(record.number(record.table().indexOf(QStringLiteral("IsSFD"))), 1.0);
    }

    // Text a column does not accept stays in the cell, marked, and nothing is written.
    void badCellInputRefused_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Schedule 9 amount") << kSchedule9 << "Amount" << "12,3x" << "12,3";
        QTest::newRow("T1-ADJ line number") << kT1Adj << "Line" << "-x" << "-";
        QTest::newRow("T5013 fiscal start") << kT5013Schedule << "FiscalStart" << "2024-13" << "2024-13";
    }
    void badCellInputRefused()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        window();
        FormEntry *entry = person().addForm(type, 0, true, 0, true);
        QVERIFY(entry && entry->object);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(entry->object, pages, &parent);
        RowListEditor *rows = rowTable(pages);
        QVERIFY(rows && rows->addRow());
        const int column = rows->columnOf(key);
        QVERIFY(column >= 0);
        const FieldRecord &record = entry->object->rows(0).row(0);
        const int field = record.table().indexOf(key);
        const QString before = record.valueText(field);
        QVERIFY(typeIntoCell(rows, 0, column, typed));
        QCOMPARE(record.valueText(field), before);
        QCOMPARE(rows->table()->item(0, column)->text(), kept);
        QVERIFY(!rows->cellMessage(0, column).isEmpty());
        auto *message = rows->findChild<QLabel *>(QStringLiteral("rowMessage"));
        QVERIFY(message && !message->isHidden() && message->text().contains(QStringLiteral("not written")));
    }

    void removeRow()
    {
        Form_Return &w = window();
        w.addFormOfType(kSchedule9);
        CTaxData_Form *sch9 = w.currentForm();
        for (double amount : {100.0, 300.0})
            sch9->rows(0).append().setNumber(TaxData_Sch9::C_Amount, amount);
        w.onSignalCalc(sch9, -1);
        RowListEditor *rows = w.openPages().first()->rowListEditor(0);
        QCOMPARE(rows->table()->rowCount(), 2);
        rows->table()->setCurrentCell(0, 0);
        QTest::mouseClick(rows->findChild<QPushButton *>(QStringLiteral("btnRemoveRow")), Qt::LeftButton);
        QCOMPARE(sch9->rows(0).count(), 1);
        QCOMPARE(sch9->rows(0).row(0).number(TaxData_Sch9::C_Amount), 300.0);
        QCOMPARE(sch9->amount(TaxData_Sch9::F_Total), 300.0);
        QCOMPARE(rows->table()->rowCount(), 1);
    }

    // After the recalculation a calculated column shows its new value, read-only.
    void calculatedColumnRefreshed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("calculated");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Schedule 3 gain") << kSchedule3 << "Proceeds" << "5,000" << "GainOrLoss" << "5000.00";
        QTest::newRow("T1-ADJ revised amount") << kT1Adj << "Change" << "250" << "RevisedAmount" << "250.00";
    }
    void calculatedColumnRefreshed()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(QString, calculated);
        QFETCH(QString, shown);
        Form_Return &w = window();
        w.addFormOfType(type);
        QCOMPARE(int(w.currentForm()->formType()), type);
        RowListEditor *rows = rowTable(w.openPages());
        QVERIFY(rows && rows->addRow());
        QVERIFY(typeIntoCell(rows, 0, rows->columnOf(key), typed));
        QTableWidgetItem *result = rows->table()->item(0, rows->columnOf(calculated));
        QCOMPARE(result->text(), shown);
        QVERIFY(!(result->flags() & Qt::ItemIsEditable));
    }

    // Larger forms show one page per section of the printed form; the row list
    // sits on its section's page.
    void sectionedForms_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("rowsOn");
        QTest::newRow("Schedule 3") << kSchedule3
            << QStringList{"Properties disposed of", "Slips and reserves", "Principal residence", "Taxable capital gain"}
            << "Properties disposed of";
        QTest::newRow("T2125") << kT2125
            << QStringList{"Identification", "Internet business", "Income", "Expenses", "Net income", "Partners"}
            << "Expenses";
        QTest::newRow("T776") << kT776
            << QStringList{"Identification", "Co-owners and partners", "Income", "Expenses", "Net income"} << "Expenses";
        QTest::newRow("T1135") << kT1135
            << QStringList{"Identification", "Part A – Simplified method", "Part B – Detailed method", "Certification"}
            << "Part B – Detailed method";
        QTest::newRow("Schedule 8") << kSchedule8
            << QStringList{"Election", "Employment income", "Self-employment"} << QString();
    }
    void sectionedForms()
    {
        QFETCH(int, type);
        QFETCH(QStringList, titles);
        QFETCH(QString, rowsOn);
        window();
        CTaxData_Form *form = formOfType(type);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(form, pages, &parent);
        QCOMPARE(tabTitles(pages), titles);
        for (BaseTaxPage *page : pages)
            QCOMPARE(page->rowListEditor(0) != nullptr, page->getTitle() == rowsOn);
    }

    // The RC381 page shows captions, not keys; on it and on Schedule 8 each
    // line numbered as a T1 line shows that line's amount.
    void cppFormLines_data()
    {
        QTest::addColumn<int>("pensionBox");
        QTest::addColumn<int>("type");
        QTest::newRow("Schedule 8, CPP") << 16 << kSchedule8;
        QTest::newRow("RC381, QPP") << 17 << kRC381;
    }
    void cppFormLines()
    {
        QFETCH(int, pensionBox);
        QFETCH(int, type);
        m_window.reset(new Form_Return(nullptr, singleReturn(pensionBox), nullptr, nullptr, 1, -1, 12));
        CTaxData_Form *form = file().getForm(type, 0, false);
        QVERIFY(form);
        QWidget parent;
        QList<BaseTaxPage *> pages;
        createPages(form, pages, &parent);
        QCOMPARE(tabTitles(pages), (QStringList{"Election", "Employment income", "Self-employment"}));
        int lines = 0;
        for (BaseTaxPage *page : pages) {
            page->editorFor(QString());   // builds the page
            auto *rowsLayout = qobject_cast<QFormLayout *>(page->layout()->itemAt(0)->layout());
            QVERIFY(rowsLayout);
            for (int r = 0; r < rowsLayout->rowCount(); ++r) {
                auto *label = qobject_cast<QLabel *>(rowsLayout->itemAt(r, QFormLayout::LabelRole)->widget());
                QWidget *field = rowsLayout->itemAt(r, QFormLayout::FieldRole)->widget();
                auto *editor = qobject_cast<QLineEdit *>(field);
                const QString key = field->objectName().mid(4);   // "fld_<key>"
                QVERIFY2(label && !key.isEmpty() && !label->text().contains(key), qPrintable(label->text()));
                // a T1 line: five digits from 20000 to 49999
                const int line = label->text().section(QLatin1Char(' '), 0, 0).toInt();
                if (!editor || line < 20000 || line > 49999)
                    continue;
                QCOMPARE(editor->text(), QString::number(person().t1()->valueByCode(line), 'f', 2));
                ++lines;
            }
        }
        QVERIFY(lines >= 5);
        QVERIFY(person().t1()->valueByCode(30800) > 0);
    }

    // ---- removals while pages are open (run under AddressSanitizer)

    void removeShownForm()
    {
        Form_Return &w = window();
        w.addFormOfType(kSchedule9);
        QCOMPARE(int(w.currentForm()->formType()), kSchedule9);
        BaseTaxPage *page = w.openPages().first();
        QVERIFY(page->editorFor(QString::fromLatin1(page->data()->fieldTable().spec(0).key)));
        w.removeSelected();
        settle();
        QVERIFY(!file().hasForm(kSchedule9));
        QVERIFY(w.currentForm() != nullptr || w.formTabs()->count() <= 1);
    }

    void recalculationDropsShownForm()
    {
        Form_Return &w = window();
        QVERIFY(file().hasForm(kSchedule8));   // CPP on the T4
        int category = 0;
        w.folderView()->selectItem(category, person().forms().firstWithKey(kSchedule8)->id);
        settle();
        CTaxData_Form *sch8 = w.currentForm();
        QCOMPARE(int(sch8->formType()), kSchedule8);
        // the T4 now holds QPP instead of CPP contributions: Schedule 8 gives way to the RC381
        CTaxData_Form *t4 = person().slips().at(0)->object;
        t4->setValueByCode(16, 0);
        t4->setValueByCode(17, 2766.75);
        BaseTaxPage *page = w.openPages().first();
        emit page->signalCalc(sch8, 0);
        settle();
        QVERIFY(!file().hasForm(kSchedule8));
        QVERIFY(w.currentForm() != sch8);
        for (BaseTaxPage *open : w.openPages())
            QVERIFY(open->data() != sch8);
    }

    void focusLeavesEditedFieldOfRemovedForm_data()
    {
        QTest::addColumn<bool>("rowCell");
        QTest::newRow("page field") << false;
        QTest::newRow("row cell") << true;
    }
    void focusLeavesEditedFieldOfRemovedForm()
    {
        QFETCH(bool, rowCell);
        QWidget top;
        Form_Return *w = new Form_Return(nullptr, coupledReturn(), nullptr, &top, 1, -1, 12);
        top.resize(1000, 700);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        w->addFormOfType(kSchedule9);
        BaseTaxPage *page = w->openPages().first();
        QLineEdit *line = page->findChild<QLineEdit *>();
        if (rowCell) {
            RowListEditor *rows = page->rowListEditor(0);
            QVERIFY(rows->addRow());
            QTableWidget *table = rows->table();
            table->setCurrentCell(0, rows->columnOf(QStringLiteral("Amount")));
            table->editItem(table->currentItem());
            line = qobject_cast<QLineEdit *>(table->indexWidget(table->currentIndex()));
        }
        QVERIFY(line);
        line->setFocus();
        QTest::keyClicks(line, QStringLiteral("5"));
        w->removeSelected();
        top.setFocus();
        settle();
        QVERIFY(!w->returnFile()->hasForm(kSchedule9));
        delete w;
    }

    // ---- look and layout

    void fontSizeReachesPages()
    {
        Form_Return &w = window();
        BaseTaxPage *before = w.openPages().first();
        w.setFontSize(12);
        QCOMPARE(w.openPages().first(), before);   // an equal size changes nothing
        w.setFontSize(16);
        QVERIFY(w.openPages().first()->styleSheet().contains(QStringLiteral("font-size: 16pt")));
        QVERIFY(w.folderView()->styleSheet().contains(QStringLiteral("font-size: 16pt")));
    }

    void theme_data()
    {
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("tabText");
        QTest::newRow("dark grey") << "#202020" << "#CCCCCC";
        QTest::newRow("light grey") << "#F0F0F0" << "#2C5AA0";
        QTest::newRow("empty") << "" << "#2C5AA0";
    }
    void theme()
    {
        QFETCH(QString, color);
        QFETCH(QString, tabText);
        TabWndApp::instance()->config().BKColor = color;
        Form_Return &w = window();
        QVERIFY(w.formTabs()->styleSheet().contains(QStringLiteral("color: %1;").arg(tabText)));
        // a page button keeps its light face, so its text stays dark in either theme
        BaseTaxPage *identification = pageTitled(w, QStringLiteral("Identification"));
        identification->editorFor(QString());
        auto *button = identification->findChild<QPushButton *>();
        QVERIFY(button);
        button->ensurePolished();
        QVERIFY(button->palette().color(QPalette::ButtonText).lightness() < 128);
        TabWndApp::instance()->config().BKColor.clear();
    }

    void leftPane_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("too narrow a setting") << 1000 << "5" << 270;
        QTest::newRow("wider than the window") << 1000 << "5000" << 270;
        QTest::newRow("kept") << 1000 << "300" << 300;
        QTest::newRow("small window") << 250 << "5" << 1;
    }
    void leftPane()
    {
        QFETCH(int, width);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        TabWndApp::instance()->config().LeftPaneSize = stored;
        Form_Return &w = window();
        w.setMinimumSize(0, 0);
        w.resize(width, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QList<int> sizes = w.splitter()->sizes();
        QCOMPARE(sizes.first(), expected);
        if (width >= 1000) {
            QVERIFY(!w.toggleMaximizeView());
            QCOMPARE(w.splitter()->sizes().first(), 1);
            QVERIFY(w.toggleMaximizeView());
            QCOMPARE(w.splitter()->sizes().first(), 270);
            QCOMPARE(w.splitter()->widget(0)->minimumWidth(), 10);
        }
    }

    void helpPageIsLocalFile()
    {
        Form_Return &w = window();
        w.folderView()->setCurrentItem(root(w, FolderView::Start));
        settle();
        QCOMPARE(w.currentForm(), nullptr);
        auto *scroll = qobject_cast<ScrollTaxForm *>(w.formTabs()->widget(0));
        auto *browser = scroll ? qobject_cast<QTextBrowser *>(scroll->getCtntWgt()) : nullptr;
        QVERIFY(browser);
        QVERIFY(browser->source().isLocalFile());
        QVERIFY(browser->source().toLocalFile().endsWith(QStringLiteral("/help/bkqx_start.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Tax Slips")));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestFormReturn tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_returnwindowpages.moc"
