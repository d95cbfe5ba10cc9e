#pragma once
#include <QDateEdit>

// A date editor for a date field of a data record.
class StyledDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit StyledDateEdit(QWidget *parent = nullptr);
};
