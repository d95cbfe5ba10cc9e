#include "wizardbase.h"

WizardBase::WizardBase(QWidget *parent, const QString &title) : QWizard(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(title);
}

void WizardBase::initUI(int width, int height)
{
    resize(width, height);
}
