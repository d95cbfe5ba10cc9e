// The S.I.N. entry dialog and the Auto-fill wizard pages.
#include "afr_data.h"
#include "afr_message.h"
#include "afr_option.h"
#include "bqtest.h"
#include "dataafr.h"
#include "dlgtddentersin.h"
#include "messages.h"
#include "styledcheckbox.h"
#include "wizardbase.h"
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
QLineEdit *sinEdit(QDialog &dlg, int n)
{
    return dlg.findChild<QLineEdit *>(QStringLiteral("edtSin%1").arg(n, 2, 10, QLatin1Char('0')));
}
} // namespace

class TestAfrDialogs : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;

private slots:
    void initTestCase() { setMessageHandler(&m_messages); }
    void cleanupTestCase() { setMessageHandler(nullptr); }
    void init() { m_messages.clear(); }

    void sinEntry_data()
    {
        QTest::addColumn<QStringList>("texts");   // edits 01 to 10; missing ones stay empty
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("message");
        QTest::newRow("all empty") << QStringList() << true << QStringList() << QString();
        QTest::newRow("02 and 05 only") << QStringList{"", "046454286", "", "", "527123459"} << true
                                        << QStringList{"046454286", "527123459"} << QString();
        QTest::newRow("the same number twice") << QStringList{"046454286", "046454286"} << true
                                               << QStringList{"046454286", "046454286"} << QString();
        QTest::newRow("blanks around a number")
            << QStringList{" 046454286 "} << false << QStringList()
            << QStringLiteral("The S.I.N ( 046454286 ) entered is invalid!");
        QTest::newRow("invalid third after two valid")
            << QStringList{"046454286", "527123459", "123456789", "abc"} << false
            << QStringList{"046454286", "527123459"} << QStringLiteral("The S.I.N (123456789) entered is invalid!");
    }
    void sinEntry()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, accepted);
        QFETCH(QStringList, list);
        QFETCH(QString, message);
        QList<QByteArray> sins{"stale"};
        DlgTDDEnterSin dlg(&sins, nullptr);
        QCOMPARE(sinEdit(dlg, 1)->text(), QStringLiteral("stale"));
        dlg.show();
        for (int i = 0; i < 10; ++i)
            sinEdit(dlg, i + 1)->setText(texts.value(i));
        dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dlg.isVisible(), !accepted);
        QCOMPARE(dlg.result() == QDialog::Accepted, accepted);
        QStringList got;
        for (const QByteArray &s : sins)
            got << QString::fromUtf8(s);
        QCOMPARE(got, list);
        QCOMPARE(m_messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void sinEntryLayout()
    {
        QList<QByteArray> sins;
        DlgTDDEnterSin dlg(&sins, nullptr);
        QCOMPARE(dlg.size(), QSize(529, 284));
        // Odd numbers on the left, even on the right; tab order 01 to 10, then the buttons.
        dlg.show();
        QVERIFY(sinEdit(dlg, 1)->x() < sinEdit(dlg, 2)->x());
        QVERIFY(sinEdit(dlg, 9)->x() < sinEdit(dlg, 10)->x());
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        sinEdit(dlg, 1)->setFocus();
        for (int i = 2; i <= 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(sinEdit(dlg, i)));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->parentWidget()->objectName(), QStringLiteral("buttonBox"));
        // Cancel keeps what the list held.
        sinEdit(dlg, 1)->setText(QStringLiteral("046454286"));
        dlg.reject();
        QVERIFY(sins.isEmpty());
    }

    // Opened from New, the dialog takes a S.I.N. typed at once and Return
    // accepts it: the keyboard starts in the first field, not on Cancel.
    void sinEntryFromTheKeyboard()
    {
        QList<QByteArray> sins;
        DlgTDDEnterSin dlg(&sins, nullptr);
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(sinEdit(dlg, 1)));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("046454286"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("527123459"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(sins, (QList<QByteArray>{"046454286", "527123459"}));
    }

    void optionValidation_data()
    {
        QTest::addColumn<int>("option");   // the radio clicked; -1 none (the record set to -1 afterwards)
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<bool>("valid");
        QTest::newRow("option 0, no box") << 0 << QStringList() << true;
        QTest::newRow("option 0, boxes") << 0 << QStringList{"fld_bT4", "fld_bHBPLLP"} << true;
        QTest::newRow("option 1, no box") << 1 << QStringList() << true;
        QTest::newRow("option 1, T4 and instalment") << 1 << QStringList{"fld_bT4", "fld_bInstalment"} << true;
        QTest::newRow("option -1") << -1 << QStringList{"fld_bT5"} << false;
    }
    void optionValidation()
    {
        QFETCH(int, option);
        QFETCH(QStringList, ticked);
        QFETCH(bool, valid);
        DataAFR record;
        QCOMPARE(int(record.fld_iFillOption.value()), -1);
        AFR_Option page(&record, nullptr);
        QCOMPARE(int(record.fld_iFillOption.value()), 0);
        page.initializePage();
        auto *all = page.findChild<QRadioButton *>(QStringLiteral("fld_iFillOption_0"));
        QVERIFY(all->isChecked());
        if (option == 1)
            page.findChild<QRadioButton *>(QStringLiteral("fld_iFillOption_1"))->click();
        if (option == -1) {
            record.fld_iFillOption = -1;
            page.GetDataFromDoc();
        }
        for (const QString &name : ticked)
            page.findChild<StyledCheckBox *>(name)->setChecked(true);
        QCOMPARE(page.validatePage(), valid);
        QCOMPARE(int(record.fld_iFillOption.value()), option);
        if (option == 1) {
            QCOMPARE(record.isSlipKindSelected(1), ticked.contains(QStringLiteral("fld_bT4")));
            QCOMPARE(record.isInstalmentSelected(), ticked.contains(QStringLiteral("fld_bInstalment")));
            QVERIFY(!record.isSlipKindSelected(8));
            QVERIFY(!record.isHBPLLPSelected());
        }
    }

    // Every box reaches the field of its name, in the record's order.
    void optionBindsEveryBox()
    {
        DataAFR record;
        AFR_Option page(&record, nullptr);
        const QStringList names{"fld_bT4", "fld_bT4A", "fld_bT4AOAS", "fld_bT4AP", "fld_bT4E", "fld_bT4FHSA",
                                "fld_bT4RIF", "fld_bT1204", "fld_bT3", "fld_bT5", "fld_bPRPP", "fld_bRC62",
                                "fld_bRC210", "fld_bT5007", "fld_bT5008", "fld_bTuition", "fld_bT2202", "fld_bMBSB",
                                "fld_bInstalment", "fld_bRRSPLimit", "fld_bT4RSP", "fld_bRRSPContribution",
                                "fld_bHBPLLP"};
        QCOMPARE(page.findChildren<StyledCheckBox *>().size(), names.size());
        for (const QString &name : names) {
            auto *box = page.findChild<StyledCheckBox *>(name);
            QVERIFY2(box && page.boundWidget(name) == box, qPrintable(name));
            QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
            QVERIFY(!box->isChecked());
        }
        auto *group = page.findChild<QButtonGroup *>(QStringLiteral("fld_iFillOption"));
        QCOMPARE(group->id(page.findChild<QRadioButton *>(QStringLiteral("fld_iFillOption_1"))), 1);
        page.findChild<StyledCheckBox *>(QStringLiteral("fld_bRRSPContribution"))->setChecked(true);
        page.findChild<StyledCheckBox *>(QStringLiteral("fld_bTuition"))->setChecked(true);
        page.findChild<QRadioButton *>(QStringLiteral("fld_iFillOption_1"))->click();
        QVERIFY(page.validatePage());
        QVERIFY(record.isRRSPContributionSelected());
        QVERIFY(record.isTuitionSelected());
        QVERIFY(!record.isRRSPLimitSelected());
    }

    void dataPageShowsTheReportReadOnly_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("report") << QStringLiteral("<body>\n<h3>SIN: 046454286</h3><b>Instalment</b> 1200.00")
                                << QStringLiteral("SIN: 046454286");
    }
    void dataPageShowsTheReportReadOnly()
    {
        QFETCH(QString, html);
        QFETCH(QString, shown);
        AFR_Data page(html, nullptr);
        auto *text = page.findChild<QPlainTextEdit *>(QStringLiteral("txtTaxData"));
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().startsWith(shown));
        QVERIFY(!text->toPlainText().contains(QLatin1String("<h3>")));
        AFR_Message message(nullptr, nullptr);
        QCOMPARE(message.windowTitle(), QStringLiteral("AFR_Message"));
    }

    // A long report opens at its top, in a box that takes the room the wizard gives the page.
    void dataPageOpensAtTheTopAndFillsThePage()
    {
        QString html;
        for (int i = 1; i <= 200; ++i)
            html += QStringLiteral("<p>Slip line %1</p>").arg(i);
        WizardBase wizard(nullptr, QStringLiteral("Auto-Fill Tax Return"));
        auto *page = new AFR_Data(html, &wizard);
        wizard.addPage(page);
        wizard.initUI(740, 600);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        auto *text = page->findChild<QPlainTextEdit *>(QStringLiteral("txtTaxData"));
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QVERIFY(text->verticalScrollBar()->maximum() > 0);
        QVERIFY2(text->height() > page->height() / 2, qPrintable(QStringLiteral("%1 of %2").arg(text->height()).arg(page->height())));
        QVERIFY2(text->width() > page->width() * 3 / 4, qPrintable(QStringLiteral("%1 of %2").arg(text->width()).arg(page->width())));
    }
};

BQ_TEST_MAIN_IMPL(TestAfrDialogs, QApplication)
#include "tst_afrdialogs.moc"
