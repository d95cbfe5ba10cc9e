#pragma once
#include <QWizard>

// Base of the maker's wizards: a title, the parent window, and a start size.
// The pages are added by the caller (QWizard::addPage) and die with the wizard.
class WizardBase : public QWizard
{
    Q_OBJECT
public:
    explicit WizardBase(QWidget *parent = nullptr, const QString &title = QString());
    // Sizes the wizard before it is run.
    void initUI(int width, int height);
};
