#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>

// Button values; the same numbers as the widget library's standard buttons.
namespace MsgButton {
enum : int {
    NoButton = 0,
    Ok = 0x00000400,
    Save = 0x00000800,
    Yes = 0x00004000,
    No = 0x00010000,
    Abort = 0x00040000,
    Retry = 0x00080000,
    Ignore = 0x00100000,
    Close = 0x00200000,
    Cancel = 0x00400000,
    Discard = 0x00800000,
};
}

// A question built of numbered lines and at most one link, answered with
// "go on" (1) or "stop" (0): the composed form of CYesNoContinueDlg.
struct ComposedMessage
{
    QString title;
    QMap<int, QString> lines;   // by line number, shown in that order
    QMap<int, bool> headings;   // lines drawn as headings
    int linkLine = 0;           // 0: no link
    QString linkAddress;
    QString linkLabel;
    int width = 0;              // 0: the dialog's own size
    int height = 0;

    // The lines in order, the link as "label <address>" on its line.
    QStringList textLines() const;
};

// One seam for everything that asks a person. The program installs a handler
// that shows boxes; tests and the batch mode use ScriptedMessages, which
// records every text and answers from a script or with the default.
class MessageHandler
{
public:
    virtual ~MessageHandler();
    // parent is an opaque window pointer (null: the main window).
    virtual void information(void *parent, const QString &title, const QString &text) = 0;
    // Returns the button pressed, one of buttons.
    virtual int question(void *parent, const QString &title, const QString &text, int buttons, int defaultButton) = 0;
    // Asks for a line of text; false when cancelled. password hides the input.
    virtual bool inputText(void *parent, const QString &title, const QString &label, QString &value, bool password) = 0;
    // A question with one check box; returns the button and sets checked.
    virtual int questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &checkText,
                                     bool &checked, int buttons, int defaultButton);
    // A composed question; 1 to go on, 0 to stop. By default asked as a Yes/No
    // question of its lines.
    virtual int composed(void *parent, const ComposedMessage &message);
};

class ScriptedMessages : public MessageHandler
{
public:
    struct Shown
    {
        QString kind;   // "information", "question", "input", "composed"
        QString title;
        QString text;   // a composed question's lines joined by newlines
        QString link;   // a composed question's link address
    };

    void information(void *parent, const QString &title, const QString &text) override;
    int question(void *parent, const QString &title, const QString &text, int buttons, int defaultButton) override;
    bool inputText(void *parent, const QString &title, const QString &label, QString &value, bool password) override;
    // Answered like a Yes/No question whose default is Yes: Yes or Ok go on.
    int composed(void *parent, const ComposedMessage &message) override;

    // Answers used in order; when they run out, questions get their default
    // button (or the refusing one when refuse is set) and inputs are cancelled.
    void scriptAnswer(int button) { m_answers.push_back(button); }
    void scriptInput(const QString &text) { m_inputs.push_back(text); }
    void setRefuseByDefault(bool refuse) { m_refuse = refuse; }
    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); m_answers.clear(); m_inputs.clear(); }

private:
    QList<Shown> m_shown;
    std::deque<int> m_answers;
    std::deque<QString> m_inputs;
    bool m_refuse = false;
};

// The handler in force; a ScriptedMessages until the program installs its own.
MessageHandler *messageHandler();
// Installs a handler (not owned); null restores the built-in non-interactive one.
void setMessageHandler(MessageHandler *handler);

// The application title used on message boxes.
QString gMsgGetTitle();
void gMsgSetTitle(const QString &title);
// Information box under the application's title.
void gMsgInformation(const QString &text, void *parent = nullptr);
void gMsgInformation(const QString &title, const QString &text, void *parent);
// Yes/no question: true on Yes or Ok.
bool gMsgYesNo(const QString &text, void *parent = nullptr);
// Question with caller-given buttons under the application's title; returns the button pressed.
int gMsgQuestion(const QString &text, int buttons, int defaultButton, void *parent = nullptr);
int gMsgQuestion(const QString &title, const QString &text, int buttons, int defaultButton, void *parent);
// Line input; false when cancelled.
bool gMsgInputText(const QString &title, const QString &label, QString &value, bool password, void *parent = nullptr);

// The maker's warning dialog. The static form is a yes/no box, true when the
// user goes on; the composed form places texts on numbered lines and a link, and
// exec() answers 1 to go on. Both ask through the message handler.
class CYesNoContinueDlg
{
public:
    CYesNoContinueDlg(const QString &title, void *parent);

    // heading: drawn as a heading rather than as text.
    void setMsg(int line, const QString &text, bool heading);
    void setLinkMsg(int line, const QString &address, const QString &label);
    void resize(int width, int height);
    int exec();
    const ComposedMessage &message() const { return m_message; }

    static bool warnYesNoMsg(void *parent, const QString &title, const QString &text);

private:
    ComposedMessage m_message;
    void *m_parent;
};

// A question with one check box.
class COneQOneChkboxDialog
{
public:
    static int showDialog(void *parent, const QString &title, const QString &text, const QString &checkText,
                          bool &checked, int buttons, int defaultButton);
};
