#include "dlgmsgwithlink.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

DlgMsgWithLink::DlgMsgWithLink(const QString &title, QWidget *parent)
    : QDialog(parent), m_msg1(new QLabel(this)), m_msg2(new QLabel(this)), m_linkLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("DlgMsgWithLink"));
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    for (QLabel *label : {m_msg1, m_msg2, m_linkLabel}) {
        label->setWordWrap(true);
        label->hide();
        layout->addWidget(label);
    }
    m_msg1->setTextFormat(Qt::PlainText);
    m_msg2->setTextFormat(Qt::PlainText);
    m_linkLabel->setTextFormat(Qt::RichText);
    m_linkLabel->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_linkLabel->setOpenExternalLinks(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void DlgMsgWithLink::setMsg1(const QString &text)
{
    m_msg1->setText(text);
    m_msg1->setVisible(!text.isEmpty());
}

void DlgMsgWithLink::setMsg2(const QString &text)
{
    m_msg2->setText(text);
    m_msg2->setVisible(!text.isEmpty());
}

void DlgMsgWithLink::setLink(const QString &url)
{
    m_link = url;
    m_linkLabel->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), url.toHtmlEscaped()));
    m_linkLabel->setVisible(!url.isEmpty());
}

QString DlgMsgWithLink::msg1() const
{
    return m_msg1->text();
}

QString DlgMsgWithLink::msg2() const
{
    return m_msg2->text();
}
