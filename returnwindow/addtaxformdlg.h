#pragma once
#include "basedialog.h"

class QListWidget;

// Lets the user pick one of the form types that may be added to the return.
class AddTaxFormDlg : public BaseDialog
{
    Q_OBJECT
public:
    AddTaxFormDlg(const QList<int> &types, QWidget *parent = nullptr);
    // The chosen form type; 0 when none.
    int selectedType() const;
    QListWidget *list() const { return m_list; }

private:
    QListWidget *m_list;
};
