#include "dlgfilingunavailable.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

DlgFilingUnavailable::DlgFilingUnavailable(int mode, CReturnFile *, bool reFile, const QString &document,
                                           QWidget *parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_name(new QLabel(this))
{
    setWindowTitle(mode == 1 ? (reFile ? tr("ReFILE") : tr("EFILE")) : tr("NETFILE"));
    auto *layout = new QVBoxLayout(this);
    for (QLabel *label : {m_name, m_summary}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *size = new QLabel(tr("Filing document: %1 bytes").arg(QLocale().toString(document.toUtf8().size())), this);
    size->setObjectName(QStringLiteral("lblDocumentSize"));
    layout->addWidget(size);
    auto *notice = new QLabel(tr("Sending the return to the CRA is not available yet. Nothing was sent."), this);
    notice->setObjectName(QStringLiteral("lblNotAvailable"));
    layout->addWidget(notice);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 220);
}

void DlgFilingUnavailable::setTexts(const QString &summary, const QString &name)
{
    m_summary->setText(summary);
    m_name->setText(name);
}
