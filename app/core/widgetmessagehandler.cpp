#include "widgetmessagehandler.h"
#include "tabwndapp.h"
#include "yesnocontinuedialog.h"
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

QWidget *WidgetMessageHandler::parentWidget(void *parent)
{
    if (parent)
        return static_cast<QWidget *>(parent);
    TabWndApp *app = TabWndApp::instance();
    return app ? app->mainWidget() : nullptr;
}

// Shown as it stands: a message may carry a service's or the CRA's own words.
void WidgetMessageHandler::information(void *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parentWidget(parent));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void WidgetMessageHandler::critical(void *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parentWidget(parent), title, text, QMessageBox::Ok);
}

int WidgetMessageHandler::question(void *parent, const QString &title, const QString &text, int buttons,
                                   int defaultButton)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::StandardButtons(buttons), parentWidget(parent));
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    return box.exec();
}

bool WidgetMessageHandler::inputText(void *parent, const QString &title, const QString &label, QString &value,
                                     bool password)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parentWidget(parent), title, label,
                                               password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

int WidgetMessageHandler::questionWithCheckbox(void *parent, const QString &title, const QString &text,
                                               const QString &checkText, bool &checked, int buttons,
                                               int defaultButton)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::StandardButtons(buttons), parentWidget(parent));
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    auto check = new QCheckBox(checkText, &box);
    check->setChecked(checked);
    box.setCheckBox(check);
    const int answer = box.exec();
    checked = check->isChecked();
    return answer;
}

int WidgetMessageHandler::composed(void *parent, const ComposedMessage &message)
{
    YesNoContinueDialog dialog(message, parentWidget(parent));
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
