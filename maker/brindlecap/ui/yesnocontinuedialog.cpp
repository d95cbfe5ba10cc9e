#include "yesnocontinuedialog.h"
#include "messages.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *textLabel(const QString &text, bool heading, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel *linkLabel(const ComposedMessage &message, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(message.linkAddress.toHtmlEscaped(), message.linkLabel.toHtmlEscaped()));
    label->setToolTip(message.linkAddress);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    return label;
}
} // namespace

YesNoContinueDialog::YesNoContinueDialog(const ComposedMessage &message, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("YesNoContinueDialog"));
    setWindowTitle(message.title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto *layout = new QVBoxLayout(this);
    QMap<int, QWidget *> rows;
    for (auto it = message.lines.cbegin(); it != message.lines.cend(); ++it)
        rows[it.key()] = textLabel(it.value(), message.headings.value(it.key()), this);
    if (message.linkLine > 0)
        rows[message.linkLine] = linkLabel(message, this);
    for (QWidget *row : qAsConst(rows))
        layout->addWidget(row);
    layout->addStretch();
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *goOn = buttons->addButton(tr("Continue"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    goOn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (message.width > 0 && message.height > 0)
        resize(message.width, message.height);
}
