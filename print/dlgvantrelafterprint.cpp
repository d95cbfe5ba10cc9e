#include "dlgvantrelafterprint.h"
#include "ui_dlgvantrelafterprint.h"
#include "utils.h"
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

DlgVantrelAfterPrint::DlgVantrelAfterPrint(bool eDeliveryMode, const QString &link, const QString &receiverEmail,
                                           QWidget *parent)
    : QDialog(parent), receiverEmail(receiverEmail), eDeliveryMode(eDeliveryMode), ui(new Ui::DlgVantrelAfterPrint)
{
    ui->setupUi(this);
    ui->edtToEmail->setText(receiverEmail);

    const QString path = pathOfLink(link);
    ui->lblFileLink->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                 .arg(hrefOfPath(path).toHtmlEscaped(), path.toHtmlEscaped()));
    ui->lblFileLink->setTextFormat(Qt::RichText);
    ui->lblFileLink->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                             | Qt::LinksAccessibleByKeyboard);
    ui->lblFileLink->setOpenExternalLinks(true);

    QPushButton *close = ui->buttonBox->button(QDialogButtonBox::Cancel);
    close->setDefault(true);
    close->setText(tr("Close"));
    ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setText(eDeliveryMode ? tr("E-Delivery") : tr("Request E-Signature"));
    ui->lblDelivery->setVisible(eDeliveryMode);
    ui->lblSignature->setVisible(!eDeliveryMode);
}

DlgVantrelAfterPrint::~DlgVantrelAfterPrint()
{
    delete ui;
}

QString DlgVantrelAfterPrint::pathOfLink(const QString &link)
{
    static const QString prefix = QStringLiteral("file:///");
    if (!link.startsWith(prefix, Qt::CaseInsensitive))
        return link;
    // an encoded file URL (QUrl::fromLocalFile) gives its own path back
    const QUrl url(link, QUrl::StrictMode);
    if (url.isValid() && url.isLocalFile() && url.toString(QUrl::FullyEncoded) == link)
        return url.toLocalFile();
    QString path = link.mid(prefix.size());
    // "file:///" + "/home/..." keeps its slash; "file:///home/..." lost it;
    // "C:/..." is a drive path.
    const bool drive = path.size() >= 2 && path.at(1) == QLatin1Char(':');
    if (!path.startsWith(QLatin1Char('/')) && !drive)
        path.prepend(QLatin1Char('/'));
    return path;
}

QString DlgVantrelAfterPrint::hrefOfPath(const QString &path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

void DlgVantrelAfterPrint::accept()
{
    receiverEmail = ui->edtToEmail->text();
    if (!receiverEmail.isEmpty() && checkEmail(QString::fromUtf8(receiverEmail.toUtf8()))) {
        QDialog::accept();
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Warnings"), tr("Please make sure receiver's email is not empty and valid."),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
