#pragma once
#include <QDialog>
#include <QList>

namespace Ui {
class AddTaxFormDlg;
}

// "Add a Tax Form": a form type from the filtered drop-down of the offered
// types, or one of nine common forms at once. The filter text is kept for the
// whole run and shown again the next time.
class AddTaxFormDlg : public QDialog
{
    Q_OBJECT
public:
    AddTaxFormDlg(const QList<int> &types, QWidget *parent = nullptr);
    ~AddTaxFormDlg() override;
    // The quick-add type, else the drop-down's type; 0 when it is empty.
    int selectedFormType() const;
    void loadForms();
    static QString &filterText();

public slots:
    void on_edtFilter_textChanged(const QString &text);
    void on_btnClear_clicked();
    void on_btnAddT2125_clicked();
    void on_btnAddT2042_clicked();
    void on_btnAddCommission_clicked();
    void on_btnAddT776_clicked();
    void on_btnAddT2209_clicked();
    void on_btnAddSch7_clicked();
    void on_btnAddSch11_clicked();
    void on_btnAddSch5_clicked();
    void on_btnAddSch9_clicked();

private:
    void quickAdd(int type);
    void updateOk();

    Ui::AddTaxFormDlg *ui;
    const QList<int> &m_types;
    bool m_quickAdd = false;
    int m_quickType = 0;
};
