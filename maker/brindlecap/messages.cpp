#include "messages.h"
#include <QDebug>

MessageHandler::~MessageHandler() = default;

namespace {
// A deep copy: texts may come from a plug-in whose static data is unloaded later.
QString detached(const QString &s)
{
    return QString(s.constData(), s.size());
}
} // namespace

int MessageHandler::questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &,
                                         bool &, int buttons, int defaultButton)
{
    return question(parent, title, text, buttons, defaultButton);
}

QStringList ComposedMessage::textLines() const
{
    QMap<int, QString> all = lines;
    if (linkLine > 0)
        all[linkLine] = QStringLiteral("%1 <%2>").arg(linkLabel, linkAddress);
    return all.values();
}

int MessageHandler::composed(void *parent, const ComposedMessage &message)
{
    const int b = question(parent, message.title, message.textLines().join(QStringLiteral("\n\n")),
                           MsgButton::Yes | MsgButton::No, MsgButton::Yes);
    return b == MsgButton::Yes || b == MsgButton::Ok ? 1 : 0;
}

void ScriptedMessages::information(void *, const QString &title, const QString &text)
{
    m_shown.append({QStringLiteral("information"), detached(title), detached(text), QString()});
    qInfo().noquote() << "message:" << title << "-" << text;
}

static int refusingButton(int buttons)
{
    for (int b : {MsgButton::Cancel, MsgButton::No, MsgButton::Abort, MsgButton::Close, MsgButton::Ignore})
        if (buttons & b)
            return b;
    return MsgButton::NoButton;
}

int ScriptedMessages::question(void *, const QString &title, const QString &text, int buttons, int defaultButton)
{
    m_shown.append({QStringLiteral("question"), detached(title), detached(text), QString()});
    int answer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else if (m_refuse) {
        answer = refusingButton(buttons);
    } else {
        answer = defaultButton != MsgButton::NoButton ? defaultButton : refusingButton(buttons);
    }
    qInfo().noquote() << "question:" << title << "-" << text << "- answered" << answer;
    return answer;
}

int ScriptedMessages::composed(void *, const ComposedMessage &message)
{
    m_shown.append({QStringLiteral("composed"), detached(message.title),
                    detached(message.textLines().join(QLatin1Char('\n'))), detached(message.linkAddress)});
    int answer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        answer = m_refuse ? MsgButton::No : MsgButton::Yes;
    }
    const int result = answer == MsgButton::Yes || answer == MsgButton::Ok ? 1 : 0;
    qInfo().noquote() << "composed:" << message.title << "- answered" << result;
    return result;
}

bool ScriptedMessages::inputText(void *, const QString &title, const QString &label, QString &value, bool password)
{
    m_shown.append({QStringLiteral("input"), detached(title), detached(label), QString()});
    if (m_inputs.empty() || m_refuse) {
        qInfo().noquote() << "input:" << title << "-" << label << "- cancelled";
        return false;
    }
    value = m_inputs.front();
    m_inputs.pop_front();
    // never log what was typed: it may be a password
    qInfo().noquote() << "input:" << title << "-" << label << (password ? "- (hidden) given" : "- given");
    return true;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.text;
    return out;
}

namespace {
ScriptedMessages &builtIn()
{
    static ScriptedMessages handler;
    return handler;
}
MessageHandler *&current()
{
    static MessageHandler *handler = nullptr;
    return handler;
}
QString &title()
{
    static QString t = QStringLiteral("Brackenquill 2024");
    return t;
}
} // namespace

MessageHandler *messageHandler()
{
    return current() ? current() : &builtIn();
}

void setMessageHandler(MessageHandler *handler)
{
    current() = handler;
}

QString gMsgGetTitle() { return title(); }
void gMsgSetTitle(const QString &t) { title() = t; }

void gMsgInformation(const QString &text, void *parent)
{
    messageHandler()->information(parent, gMsgGetTitle(), text);
}

void gMsgInformation(const QString &t, const QString &text, void *parent)
{
    messageHandler()->information(parent, t, text);
}

bool gMsgYesNo(const QString &text, void *parent)
{
    const int b = messageHandler()->question(parent, gMsgGetTitle(), text, MsgButton::Yes | MsgButton::No, MsgButton::Yes);
    return b == MsgButton::Yes || b == MsgButton::Ok;
}

int gMsgQuestion(const QString &text, int buttons, int defaultButton, void *parent)
{
    return messageHandler()->question(parent, gMsgGetTitle(), text, buttons, defaultButton);
}

int gMsgQuestion(const QString &t, const QString &text, int buttons, int defaultButton, void *parent)
{
    return messageHandler()->question(parent, t, text, buttons, defaultButton);
}

bool gMsgInputText(const QString &t, const QString &label, QString &value, bool password, void *parent)
{
    return messageHandler()->inputText(parent, t, label, value, password);
}

bool CYesNoContinueDlg::warnYesNoMsg(void *parent, const QString &t, const QString &text)
{
    const int b = messageHandler()->question(parent, t, text, MsgButton::Yes | MsgButton::No, MsgButton::Yes);
    return b == MsgButton::Yes || b == MsgButton::Ok;
}

CYesNoContinueDlg::CYesNoContinueDlg(const QString &t, void *parent) : m_parent(parent)
{
    m_message.title = t;
}

void CYesNoContinueDlg::setMsg(int line, const QString &text, bool heading)
{
    m_message.lines[line] = text;
    m_message.headings[line] = heading;
}

void CYesNoContinueDlg::setLinkMsg(int line, const QString &address, const QString &label)
{
    m_message.linkLine = line;
    m_message.linkAddress = address;
    m_message.linkLabel = label;
}

void CYesNoContinueDlg::resize(int width, int height)
{
    m_message.width = width;
    m_message.height = height;
}

int CYesNoContinueDlg::exec()
{
    return messageHandler()->composed(m_parent, m_message);
}

int COneQOneChkboxDialog::showDialog(void *parent, const QString &t, const QString &text, const QString &checkText,
                                     bool &checked, int buttons, int defaultButton)
{
    return messageHandler()->questionWithCheckbox(parent, t, text, checkText, checked, buttons, defaultButton);
}
