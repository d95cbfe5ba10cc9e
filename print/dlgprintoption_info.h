#pragma once
#include <QDialog>

namespace Ui {
class DlgPrintOption_Info;
}

// Asks how to print a return; on "Generate Print" stores the choices in
// PrintChoices::current() and accepts.
class DlgPrintOption_Info : public QDialog
{
    Q_OBJECT
public:
    explicit DlgPrintOption_Info(bool barcodeAllowed, QWidget *parent = nullptr);
    ~DlgPrintOption_Info() override;

private slots:
    void on_btnPrint_clicked();
    void on_btnCancel_clicked();

private:
    bool m_barcodeAllowed;
    Ui::DlgPrintOption_Info *ui;
};
