#pragma once
#include <QDialog>

class CReturnFile;
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
    // The prior-year return to be imported (not owned): a coupled return is made
    // from a single one only with the spouse it names.
    void setPriorYearReturn(const CReturnFile *prior) { m_prior = prior; }

private slots:
    void on_btnImport_clicked();
    void on_btnCancel_clicked();

private:
    bool confirmMakeCoupled();

    ImportPriorYearOptions *m_options;
    const CReturnFile *m_prior = nullptr;
    Ui::DlgImportOption_Info *ui;
};
