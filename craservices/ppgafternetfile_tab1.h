#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class PpgAfterNetfile_tab1;
}

// The one page shown after an accepted NETFILE filing: where to sign up for
// My Account, direct deposit, or how to pay, by the notice flag and the balance.
class PpgAfterNetfile_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // balance in dollars: negative a refund, positive an amount owing.
    PpgAfterNetfile_tab1(bool showMyAccount, double balance, QWidget *parent = nullptr);
    ~PpgAfterNetfile_tab1() override;

    bool validatePage() override;
    // Shows the lines that apply and makes their links; the page has no record.
    void bindFields(CWSBaseData *data) override;

    // The CRA's public pages the links address.
    static QString myAccountPage();
    static QString directDepositPage();
    static QString payNowPage();
    static QString paymentArrangementsPage();

private:
    bool showMyAccount;
    double balance;
    Ui::PpgAfterNetfile_tab1 *ui;
};
