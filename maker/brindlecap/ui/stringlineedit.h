#pragma once
#include <QLineEdit>

// A line editor for a text field of a data record.
class StringLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit StringLineEdit(QWidget *parent = nullptr);
};
