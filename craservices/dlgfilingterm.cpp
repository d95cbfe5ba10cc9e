#include "dlgfilingterm.h"
#include "templatefiller.h"
#include "ui_dlgfilingterm.h"
#include <QPushButton>
#include <QUrl>

namespace {
constexpr Qt::TextInteractionFlags kLinkFlags =
    Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;   // 13

bool isWebLink(const QString &link)
{
    const QUrl url(link.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
}

DlgFilingTerm::DlgFilingTerm(int tag, QWidget *parent) : QDialog(parent), m_tag(tag), ui(new Ui::DlgFilingTerm)
{
    ui->setupUi(this);
}

DlgFilingTerm::~DlgFilingTerm()
{
    delete ui;
}

void DlgFilingTerm::loadTerms(const QString &agreement, const QString &link, const QString &title,
                              const char *termsFile)
{
    setWindowTitle(title);
    const QString shown = link.trimmed().toHtmlEscaped();
    if (isWebLink(link)) {
        ui->lblLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(shown, shown));
        ui->lblLink->setTextFormat(Qt::RichText);
    } else {
        ui->lblLink->setText(link);   // not a web address: shown, never followed
        ui->lblLink->setTextFormat(Qt::PlainText);
    }
    ui->lblLink->setTextInteractionFlags(kLinkFlags);
    ui->lblLink->setOpenExternalLinks(true);

    QString html;
    loadFileToQString(QString::fromLatin1(termsFile), html, TemplateUtf8);
    ui->fld_term->setProperty("openExternalLinks", true);
    ui->fld_term->setTextInteractionFlags(kLinkFlags);
    ui->fld_term->setHtml(html);

    ui->lblAgree->setTextFormat(Qt::PlainText);
    ui->lblAgree->setText(agreement);
}

void DlgFilingTerm::setMessage(const QString &header, const QString &subheader)
{
    if (!header.isEmpty())
        ui->lblHeader1->setText(header);
    if (!subheader.isEmpty())
        ui->lblHeader2->setText(subheader);
}

void DlgFilingTerm::on_buttonBox_clicked(QAbstractButton *button)
{
    const QDialogButtonBox::StandardButton which = ui->buttonBox->standardButton(button);
    if (which == QDialogButtonBox::Cancel)
        reject();
    else if (which == QDialogButtonBox::Ok && ui->fld_bAgree->checkState() == Qt::Checked)
        accept();
}
