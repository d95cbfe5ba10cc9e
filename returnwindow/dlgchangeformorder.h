#pragma once
#include <QDialog>
#include <vector>

class IndividualTaxData;
struct FormEntry;
namespace Ui {
class DlgChangeFormOrder;
}

// "Arrange Order of Tax Forms": moves one form at a time up or down; Ok writes
// the order back into the person's form list. The result form and its two
// companions are not listed and keep their positions.
class DlgChangeFormOrder : public QDialog
{
    Q_OBJECT
public:
    DlgChangeFormOrder(IndividualTaxData *person, QWidget *parent = nullptr);
    ~DlgChangeFormOrder() override;

public slots:
    void on_btnUp_clicked();
    void on_btnDown_clicked();
    void on_buttonBox_accepted();

private:
    // The selected row; -1 when no row is selected.
    int selectedRow() const;
    void moveRow(int from, int to);

    Ui::DlgChangeFormOrder *ui;
    IndividualTaxData *m_person;
    std::vector<FormEntry *> m_slots;
    int m_count = 0;
};
