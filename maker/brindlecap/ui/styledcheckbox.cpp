#include "styledcheckbox.h"

StyledCheckBox::StyledCheckBox(QWidget *parent) : QCheckBox(parent) {}
