#pragma once
#include "messages.h"

class QWidget;

// The program's message handler: real message boxes and input dialogs. A null
// parent is the application's main window. An information box shows its text
// as plain text, never as markup.
class WidgetMessageHandler : public MessageHandler
{
public:
    void information(void *parent, const QString &title, const QString &text) override;
    int question(void *parent, const QString &title, const QString &text, int buttons, int defaultButton) override;
    bool inputText(void *parent, const QString &title, const QString &label, QString &value, bool password) override;
    int questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &checkText,
                             bool &checked, int buttons, int defaultButton) override;
    // The composed warning dialog: 1 when Continue is pressed.
    int composed(void *parent, const ComposedMessage &message) override;
    // A critical box with one Ok button.
    void critical(void *parent, const QString &title, const QString &text);

private:
    static QWidget *parentWidget(void *parent);
};
