#include "stringlineedit.h"

StringLineEdit::StringLineEdit(QWidget *parent) : QLineEdit(parent) {}
