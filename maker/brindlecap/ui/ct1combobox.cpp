#include "ct1combobox.h"
#include "formtables.h"
#include <QSignalBlocker>

CT1ComboBox::CT1ComboBox(QWidget *parent) : QComboBox(parent) {}

void CT1ComboBox::LoadProvs()
{
    const int selected = GetCurSelData();
    {
        const QSignalBlocker block(this);
        clear();
        addItem(QString(), 0);
        for (int p = 1; p < kProvinceCount; ++p)
            addItem(provinceName(p), p);
    }
    SetCurSelData(selected);
}

void CT1ComboBox::SetCurSelData(int data)
{
    setCurrentIndex(findData(data));
}

int CT1ComboBox::GetCurSelData() const
{
    const QVariant v = currentData();
    return v.isValid() ? v.toInt() : 0;
}
