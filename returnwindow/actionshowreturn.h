#pragma once
#include <QAction>

class Form_Return;

// One entry of the Windows menu: shows the return window it belongs to.
// Header-only, so the return window can make it without linking the main window.
class ActionShowReturn : public QAction
{
public:
    ActionShowReturn(Form_Return *returnWindow, const QString &text, QObject *parent)
        : QAction(text, parent), m_returnWindow(returnWindow)
    {
    }
    ~ActionShowReturn() override = default;
    Form_Return *returnWindow() const { return m_returnWindow; }

private:
    Form_Return *m_returnWindow;
};
