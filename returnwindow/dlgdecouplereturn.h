#pragma once
#include <QDialog>
#include <functional>

class CReturnFile;
namespace Ui {
class DlgDeCoupleReturn;
}

// Picks the person who stays in a coupled return; on OK the other person's
// data is taken out of the return.
class DlgDeCoupleReturn : public QDialog
{
    Q_OBJECT
public:
    DlgDeCoupleReturn(CReturnFile *returnFile, QWidget *parent = nullptr);
    ~DlgDeCoupleReturn() override;

    // Runs on OK just before the split, so that the window lets go of the
    // pages and tree items that point into the persons.
    void setBeforeSplit(std::function<void()> hook) { m_beforeSplit = std::move(hook); }

private slots:
    void on_buttonBox_accepted();

private:
    Ui::DlgDeCoupleReturn *ui;
    CReturnFile *m_returnFile;
    std::function<void()> m_beforeSplit;
};
