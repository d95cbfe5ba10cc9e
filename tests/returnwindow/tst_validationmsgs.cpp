// The validation result dialog: its widgets, the rows of a person's tab and the two tabs.
#include "bqtest.h"
#include "dlgvalidationmsgs.h"
#include "formtables.h"
#include "validationmessagegroup.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <memory>
#include <vector>

namespace {
enum Kind { SlipGroup = 1, FormGroup = 2, CrossForms = 4, SpouseReturn = 5 };

const char *const kNoErrors = "There are no validation errors found in this return, Please check spouse's side.";
const char *const kRed = "#ff3566";

int formType(const char *name)
{
    for (int type = 0; type < kFormTableSize; ++type)
        if (Global_Forms_Info[type].name && formName(type) == QLatin1String(name))
            return type;
    return -1;
}

int slipType(const char *name)
{
    for (int type = 0; type < kSlipTableSize; ++type)
        if (Global_Slips_Info[type].name && slipName(type) == QLatin1String(name))
            return type;
    return -1;
}

// A group list described as "kind:type-name:count;..." (type name empty for kinds 4 and 5).
class Groups
{
public:
    explicit Groups(const QString &description)
    {
        for (const QString &part : description.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList f = part.split(QLatin1Char(':'));
            const int kind = f[0].toInt();
            const QByteArray name = f[1].toLatin1();
            const int type = kind == SlipGroup ? slipType(name) : kind == FormGroup ? formType(name) : 0;
            auto group = std::make_unique<ValidationMessageGroup>(kind, type);
            for (int i = 1; i <= f[2].toInt(); ++i)
                group->messages << CString(QStringLiteral("%1 message %2").arg(f[1].isEmpty() ? f[0] : f[1]).arg(i));
            list << group.get();
            owned.push_back(std::move(group));
        }
    }
    QList<ValidationMessageGroup *> list;
    std::vector<std::unique_ptr<ValidationMessageGroup>> owned;
};

QListWidget *rowsOf(DlgValidationMsgs &dlg, int tab)
{
    auto *tabs = dlg.findChild<QTabWidget *>(QStringLiteral("tabPeople"));
    auto *scroll = qobject_cast<QScrollArea *>(tabs->widget(tab));
    return scroll ? qobject_cast<QListWidget *>(scroll->widget()) : nullptr;
}

// Each row's text; a red row is marked with a leading "!".
QStringList rowTexts(QListWidget *rows)
{
    QStringList texts;
    for (int i = 0; i < rows->count(); ++i) {
        const QListWidgetItem *item = rows->item(i);
        const bool red = item->foreground().color() == QColor(QLatin1String(kRed));
        texts << (red ? QStringLiteral("!") : QString()) + item->text();
    }
    return texts;
}
} // namespace

class TestValidationMsgs : public QObject
{
    Q_OBJECT

private slots:
    void builtWidgets()
    {
        DlgValidationMsgs dlg(nullptr);
        QCOMPARE(dlg.objectName(), QStringLiteral("DlgValidationMsgs"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Validation Result"));
        QCOMPARE(dlg.size(), QSize(712, 585));
        QCOMPARE(dlg.font().pointSize(), 12);
        auto *label = dlg.findChild<QLabel *>(QStringLiteral("lblSummary"));
        QVERIFY(label && label->wordWrap());
        QCOMPARE(label->text(), QStringLiteral("There are validation errors. Click tax payer's name tab to display "
                                               "detail errors."));
        auto *tabs = dlg.findChild<QTabWidget *>(QStringLiteral("tabPeople"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab_1"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("tax payer name"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tab 2"));
        QVERIFY(dlg.findChild<QLayout *>(QStringLiteral("verticalLayout_2")));
        QVERIFY(dlg.findChild<QLayout *>(QStringLiteral("verticalLayout")));
        auto *buttons = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    }

    void okAndCancelClose_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Ok") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
    }
    void okAndCancelClose()
    {
        QFETCH(int, button);
        QFETCH(int, result);
        DlgValidationMsgs dlg(nullptr);
        dlg.show();
        auto *buttons = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        buttons->button(QDialogButtonBox::StandardButton(button))->click();
        QCOMPARE(dlg.result(), result);
        QVERIFY(!dlg.isVisible());
    }

    void rowsOfOneTab_data()
    {
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("slips, then cross-form checks")
            << "1:T4:2;4::1"
            << QStringList{"------- Tax Slips -------", "![T4] - 2 errors found", " 1 - T4 message 1",
                           " 2 - T4 message 2", "", "------- Cross Tax Forms Validation -------",
                           " 1 - 4 message 1", ""};
        QTest::newRow("two forms share a heading; forms after a slip get another")
            << "2:Schedule 9:1;2:T1:1;1:T4A:1;2:Schedule 9:1"
            << QStringList{"------- Tax Forms -------", "![Schedule 9] - 1 errors found",
                           " 1 - Schedule 9 message 1", "", "![T1] - 1 errors found", " 1 - T1 message 1", "",
                           "------- Tax Slips -------", "![T4A] - 1 errors found", " 1 - T4A message 1", "",
                           "------- Tax Forms -------", "![Schedule 9] - 1 errors found",
                           " 1 - Schedule 9 message 1", ""};
        QTest::newRow("an empty group leaves no trace")
            << "2:T1:0;4::0;5::1"
            << QStringList{"------- Spouse-Return Validation -------", " 1 - 5 message 1", ""};
        QStringList ten{"------- Cross Tax Forms Validation -------"};
        for (int i = 1; i <= 10; ++i)
            ten << QStringLiteral("%1 - 4 message %2").arg(i, 2).arg(i);
        ten << "";
        QTest::newRow("tenth message numbered 10") << "4::10" << ten;
        QTest::newRow("no title rows for cross-form and spouse groups")
            << "4::1;5::2"
            << QStringList{"------- Cross Tax Forms Validation -------", " 1 - 4 message 1", "",
                           "------- Spouse-Return Validation -------", " 1 - 5 message 1", " 2 - 5 message 2",
                           ""};
        QTest::newRow("no groups") << "" << QStringList{kNoErrors};
        QTest::newRow("only empty groups") << "2:T1:0;4::0;5::0" << QStringList{kNoErrors};
    }
    void rowsOfOneTab()
    {
        QFETCH(QString, groups);
        QFETCH(QStringList, rows);
        Groups g(groups);
        DlgValidationMsgs dlg(nullptr);
        dlg.setMessages(QStringLiteral("Avery Lindqvist"), g.list, false, QStringLiteral("unused"), {});
        auto *tabs = dlg.findChild<QTabWidget *>(QStringLiteral("tabPeople"));
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Avery Lindqvist"));
        QListWidget *list = rowsOf(dlg, 0);
        QVERIFY(list);
        QCOMPARE(list->font().pointSize(), 12);
        QVERIFY(list->wordWrap());   // long messages are wrapped, never cut off
        QCOMPARE(rowTexts(list), rows);
    }

    // The spouse whose checks all passed gets the no-errors row; the groups stay as given.
    void twoTabs()
    {
        Groups person(QStringLiteral("1:T4:1;4::0;5::1"));
        Groups spouse(QStringLiteral("4::0;5::0"));
        DlgValidationMsgs dlg(nullptr);
        dlg.setMessages(QStringLiteral("Avery"), person.list, true, QStringLiteral("Jordan"), spouse.list);
        dlg.setMessages(QStringLiteral("Avery"), person.list, true, QStringLiteral("Jordan"), spouse.list);
        auto *tabs = dlg.findChild<QTabWidget *>(QStringLiteral("tabPeople"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Avery"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Jordan"));
        QCOMPARE(rowTexts(rowsOf(dlg, 0)),
                 (QStringList{"------- Tax Slips -------", "![T4] - 1 errors found", " 1 - T4 message 1", "",
                              "------- Spouse-Return Validation -------", " 1 - 5 message 1", ""}));
        QCOMPARE(rowTexts(rowsOf(dlg, 1)), QStringList{kNoErrors});
        QCOMPARE(person.list.size(), 3);
        QCOMPARE(person.list[0]->messages.size(), 1);
        QCOMPARE(spouse.list[1]->kind, int(SpouseReturn));
    }
};

BQ_TEST_MAIN_IMPL(TestValidationMsgs, QApplication)
#include "tst_validationmsgs.moc"
