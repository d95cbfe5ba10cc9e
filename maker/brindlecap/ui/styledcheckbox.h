#pragma once
#include <QCheckBox>

// A check box for a yes/no field of a data record.
class StyledCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit StyledCheckBox(QWidget *parent = nullptr);
};
