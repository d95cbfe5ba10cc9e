// The composed form of the maker's warning dialog: through the message seam, answered
// by a script, by a handler that only knows Yes/No questions, and shown as the window.
#include "bqtest.h"
#include "messages.h"
#include "yesnocontinuedialog.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace {

// A handler without a composed dialog of its own: answers every question with one button.
class YesNoOnly : public MessageHandler
{
public:
    explicit YesNoOnly(int answer) : m_answer(answer) {}
    void information(void *, const QString &, const QString &) override {}
    int question(void *, const QString &title, const QString &text, int, int) override
    {
        asked << title + QStringLiteral(": ") + text;
        return m_answer;
    }
    bool inputText(void *, const QString &, const QString &, QString &, bool) override { return false; }
    QStringList asked;

private:
    int m_answer;
};

int runComposed()
{
    CYesNoContinueDlg dlg(QStringLiteral("Brackenquill Warning Message"), nullptr);
    dlg.setMsg(3, QStringLiteral("third"), false);
    dlg.setMsg(1, QStringLiteral("first"), false);
    dlg.setLinkMsg(2, QStringLiteral("https://example.ca/a?b=1&c=2"), QStringLiteral("A page"));
    dlg.resize(600, 400);
    return dlg.exec();
}

} // namespace

class TestYesNoContinue : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setMessageHandler(nullptr); }

    void scripted_data()
    {
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<int>("result");
        QTest::newRow("no script: go on") << QList<int>() << false << 1;
        QTest::newRow("no script, refusing") << QList<int>() << true << 0;
        QTest::newRow("Yes") << QList<int>{MsgButton::Yes} << true << 1;
        QTest::newRow("Ok") << QList<int>{MsgButton::Ok} << false << 1;
        QTest::newRow("No") << QList<int>{MsgButton::No} << false << 0;
        QTest::newRow("Cancel") << QList<int>{MsgButton::Cancel} << false << 0;
    }
    void scripted()
    {
        QFETCH(QList<int>, script);
        QFETCH(bool, refuse);
        QFETCH(int, result);
        ScriptedMessages msgs;
        msgs.setRefuseByDefault(refuse);
        for (int b : script)
            msgs.scriptAnswer(b);
        setMessageHandler(&msgs);
        QCOMPARE(runComposed(), result);
        QCOMPARE(msgs.shown().size(), 1);
        const ScriptedMessages::Shown &s = msgs.shown().first();
        QCOMPARE(s.kind, QStringLiteral("composed"));
        QCOMPARE(s.title, QStringLiteral("Brackenquill Warning Message"));
        QCOMPARE(s.text, QStringLiteral("first\nA page <https://example.ca/a?b=1&c=2>\nthird"));
        QCOMPARE(s.link, QStringLiteral("https://example.ca/a?b=1&c=2"));
    }

    void yesNoHandler_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << int(MsgButton::Yes) << 1;
        QTest::newRow("No") << int(MsgButton::No) << 0;
    }
    void yesNoHandler()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        YesNoOnly handler(answer);
        setMessageHandler(&handler);
        QCOMPARE(runComposed(), result);
        QCOMPARE(handler.asked, QStringList{QStringLiteral("Brackenquill Warning Message: first\n\nA page "
                                                           "<https://example.ca/a?b=1&c=2>\n\nthird")});
    }

    // The window: lines in order, the link as an escaped anchor, Continue gives 1.
    void window_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("Continue") << true;
        QTest::newRow("Cancel") << false;
    }
    void window()
    {
        QFETCH(bool, goOn);
        ComposedMessage m;
        m.title = QStringLiteral("Brackenquill Warning Message");
        m.lines[2] = QStringLiteral("second <b>not bold</b>");
        m.lines[1] = QStringLiteral("first");
        m.linkLine = 3;
        m.linkAddress = QStringLiteral("https://example.ca/a?b=1&c=2");
        m.linkLabel = QStringLiteral("A page");
        m.width = 700;
        m.height = 400;
        YesNoContinueDialog dlg(m);
        QCOMPARE(dlg.windowTitle(), m.title);
        QCOMPARE(dlg.size(), QSize(700, 400));
        const QList<QLabel *> labels = dlg.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 3);
        QCOMPARE(labels.at(0)->text(), QStringLiteral("first"));
        QCOMPARE(labels.at(1)->text(), QStringLiteral("second <b>not bold</b>"));
        QCOMPARE(labels.at(1)->textFormat(), Qt::PlainText);
        QCOMPARE(labels.at(2)->text(), QStringLiteral("<a href=\"https://example.ca/a?b=1&amp;c=2\">A page</a>"));
        dlg.show();
        auto *buttons = dlg.findChild<QDialogButtonBox *>();
        QPushButton *press = goOn ? qobject_cast<QPushButton *>(buttons->buttons().first())
                                  : buttons->button(QDialogButtonBox::Cancel);
        for (QAbstractButton *b : buttons->buttons())
            if (goOn && buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
                press = qobject_cast<QPushButton *>(b);
        QVERIFY(press);
        press->click();
        QCOMPARE(dlg.result(), goOn ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
};

BQ_TEST_MAIN_IMPL(TestYesNoContinue, QApplication)
#include "tst_yesnocontinue.moc"
