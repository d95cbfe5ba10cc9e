#pragma once
#include <QDialog>

struct ImportPriorYearOptions;
namespace Ui {
class DlgImportOption_Info;
}

// The options of the prior-year import. Shows the caller's five flags and
// writes them back only when the user presses "Import Return".
class DlgImportOption_Info : public QDialog
{
    Q_OBJECT
public:
    DlgImportOption_Info(ImportPriorYearOptions *options, QWidget *parent = nullptr);
    ~DlgImportOption_Info() override;

private slots:
    void on_btnImport_clicked();
    void on_btnCancel_clicked();

private:
    ImportPriorYearOptions *m_options;
    Ui::DlgImportOption_Info *ui;
};
