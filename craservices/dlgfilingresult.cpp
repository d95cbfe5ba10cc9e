#include "dlgfilingresult.h"
#include "ui_dlgfilingresult.h"
#include <QUrl>

namespace {
constexpr Qt::TextInteractionFlags kLinkFlags =
    Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;   // 13
}

DlgFilingResult::DlgFilingResult(const QString &title, QWidget *parent) : QDialog(parent), ui(new Ui::DlgFilingResult)
{
    ui->setupUi(this);
    setWindowTitle(title);
}

DlgFilingResult::~DlgFilingResult()
{
    delete ui;
}

void DlgFilingResult::setResult(const QString &overview, const QString &details, const QString &bottom,
                                const QString &filePath)
{
    ui->lblOverview->setTextFormat(Qt::PlainText);
    ui->lblOverview->setText(overview);

    ui->pteDetails->setOpenExternalLinks(true);
    ui->pteDetails->setTextInteractionFlags(kLinkFlags);
    ui->pteDetails->setHtml(QStringLiteral("<html><body>") + details + QStringLiteral("</body></html>"));

    ui->lblBottom->setTextFormat(Qt::PlainText);
    ui->lblBottom->setText(bottom);

    // A path with blanks, "#", "%" or quotes still names exactly that file.
    const QString target = QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded);
    ui->lblLink->setTextFormat(Qt::RichText);
    ui->lblLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), filePath.toHtmlEscaped()));
    ui->lblLink->setTextInteractionFlags(kLinkFlags);
    ui->lblLink->setOpenExternalLinks(true);
}

QString DlgFilingResult::overview() const
{
    return ui->lblOverview->text();
}

QString DlgFilingResult::bottom() const
{
    return ui->lblBottom->text();
}

QString DlgFilingResult::detailsText() const
{
    return ui->pteDetails->toPlainText();
}

QString DlgFilingResult::linkText() const
{
    return ui->lblLink->text();
}
