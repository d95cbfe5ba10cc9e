#include "ct1combobox.h"
#include "formtables.h"
#include <QSignalBlocker>
#include <QWheelEvent>

CT1ComboBox::CT1ComboBox(QWidget *parent) : QComboBox(parent)
{
    // the wheel does not give it the focus
    setFocusPolicy(Qt::StrongFocus);
}

void CT1ComboBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

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

void CT1ComboBox::LoadTaxForms(int, const QList<int> &types, const QString &filter)
{
    const QString wanted = filter.trimmed();
    const QSignalBlocker block(this);
    clear();
    for (int type : types) {
        if (type <= 0 || type >= kFormTableSize)
            continue;
        const FormInfo &info = Global_Forms_Info[type];
        const QString name = QString::fromUtf8(info.name);
        const QString title = QString::fromUtf8(info.title);
        if (!wanted.isEmpty() && !name.contains(wanted, Qt::CaseInsensitive)
            && !title.contains(wanted, Qt::CaseInsensitive))
            continue;
        addItem(QStringLiteral("%1 - %2").arg(name, title), type);
    }
}
