#include "ppgafternetfile_tab1.h"
#include "ui_ppgafternetfile_tab1.h"

namespace {
constexpr Qt::TextInteractionFlags kLinkFlags =
    Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;   // 13
const char kCraWebHost[] = "https://www.canada.ca";
constexpr double kCentTolerance = 1e-9;

QString craPage(const char *path)
{
    return QLatin1String(kCraWebHost) + QLatin1String(path);
}

void makeLink(QLabel *label, const QString &address, const QString &text)
{
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), text.toHtmlEscaped()));
    label->setTextInteractionFlags(kLinkFlags);
    label->setOpenExternalLinks(true);
}
} // namespace

QString PpgAfterNetfile_tab1::myAccountPage()
{
    return craPage("/en/revenue-agency/services/e-services/e-services-individuals/account-individuals.html");
}

QString PpgAfterNetfile_tab1::directDepositPage()
{
    return craPage("/en/revenue-agency/services/about-canada-revenue-agency-cra/direct-deposit.html");
}

QString PpgAfterNetfile_tab1::payNowPage()
{
    return craPage("/en/revenue-agency/services/make-a-payment-canada-revenue-agency.html");
}

QString PpgAfterNetfile_tab1::paymentArrangementsPage()
{
    return craPage("/en/revenue-agency/services/tax/individuals/topics/about-your-tax-return/"
                   "making-payments-individuals/payment-arrangements.html");
}

PpgAfterNetfile_tab1::PpgAfterNetfile_tab1(bool showMyAccount, double balance, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), showMyAccount(showMyAccount), balance(balance),
      ui(new Ui::PpgAfterNetfile_tab1)
{
    ui->setupUi(this);
    bindFields(nullptr);
}

PpgAfterNetfile_tab1::~PpgAfterNetfile_tab1()
{
    delete ui;
}

bool PpgAfterNetfile_tab1::validatePage()
{
    return true;
}

void PpgAfterNetfile_tab1::bindFields(CWSBaseData *)
{
    for (QLabel *l : {ui->line1_1, ui->line1_2, ui->line1_myaccount})
        l->setVisible(showMyAccount);
    if (showMyAccount)
        makeLink(ui->line1_myaccount, myAccountPage(), tr("My Account"));

    // A refund or an amount owing from one cent on; neither in between.
    const bool refund = balance <= -0.01 + kCentTolerance;
    for (QLabel *l : {ui->line2_1, ui->line2_2, ui->line2_DirDeposit})
        l->setVisible(refund);
    if (refund)
        makeLink(ui->line2_DirDeposit, directDepositPage(), tr("Direct Deposit"));

    const bool owing = balance >= 0.01 - kCentTolerance;
    for (QLabel *l : {ui->line3_1, ui->line3_2, ui->line3_PayNow, ui->line3_4, ui->line3_Pay, ui->line3_6})
        l->setVisible(owing);
    if (owing) {
        makeLink(ui->line3_PayNow, payNowPage(), tr("Pay Now"));
        makeLink(ui->line3_Pay, paymentArrangementsPage(), tr("Arrange to pay"));
    }
}
