#pragma once
#include <QByteArray>
#include <QDialog>
#include <QList>

class QLineEdit;
namespace Ui {
class DlgTDDEnterSin;
}

// Up to ten S.I.N.s for one download. OK checks every filled-in number and,
// when all pass, leaves them in the caller's list in edit order.
class DlgTDDEnterSin : public QDialog
{
    Q_OBJECT
public:
    // list (not owned) must outlive the dialog; its first ten texts are shown.
    explicit DlgTDDEnterSin(QList<QByteArray> *list, QWidget *parent = nullptr);
    ~DlgTDDEnterSin() override;

    void accept() override;

private:
    Ui::DlgTDDEnterSin *ui;
    QLineEdit *sinEdits[10];
    QList<QByteArray> *sinList;
};
