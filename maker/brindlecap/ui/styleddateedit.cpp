#include "styleddateedit.h"

StyledDateEdit::StyledDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setMinimumDate(QDate(1900, 1, 1));
}
