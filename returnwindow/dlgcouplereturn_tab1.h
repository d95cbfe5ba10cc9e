#pragma once
#include "ppgwizardpage.h"
#include <QString>

class TabWndApp;
namespace Ui {
class DlgCoupleReturn_tab1;
}

// The one page of the coupling wizard: the two single return files to join.
// After the wizard is accepted it holds both paths.
class DlgCoupleReturn_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    DlgCoupleReturn_tab1(TabWndApp *app, QWidget *parent = nullptr);
    ~DlgCoupleReturn_tab1() override;

    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

    const QString &firstPath() const { return m_path1; }
    const QString &secondPath() const { return m_path2; }

private slots:
    void on_btnBtn1_clicked();
    void on_btnBtn2_clicked();

private:
    QString chooseFile();

    QString m_path1;
    QString m_path2;
    TabWndApp *m_app;
    Ui::DlgCoupleReturn_tab1 *ui;
};
