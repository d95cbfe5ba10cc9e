#include "basedialog.h"

BaseDialog::BaseDialog(QWidget *parent, const QString &title) : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (!title.isEmpty())
        setWindowTitle(title);
}

void BaseDialog::initUI(int width, int height)
{
    resize(width, height);
}
