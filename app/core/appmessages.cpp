// Message helpers and the wait cursor.
#include "messages.h"
#include "tabwndapp.h"
#include <QGuiApplication>

static void *parentOrMainWindow(QWidget *parent)
{
    if (parent)
        return parent;
    TabWndApp *app = TabWndApp::instance();
    return app ? app->mainWidget() : nullptr;
}

int showInformation(const QString &text, QWidget *parent)
{
    gMsgInformation(text, parentOrMainWindow(parent));
    return 1;
}

bool askQuestion(const QString &text, QWidget *parent)
{
    return gMsgYesNo(text, parentOrMainWindow(parent));
}

int askQuestionTitled(const QString &text, QWidget *parent, QMessageBox::StandardButtons buttons)
{
    return messageHandler()->question(parent, gMsgGetTitle(), text, int(buttons), MsgButton::NoButton);
}

void beginWaitCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void endWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}
