#pragma once
#include <QDialog>

struct ComposedMessage;

// The window of a composed CYesNoContinueDlg: its numbered lines top to bottom,
// the link line opening in the desktop's browser, and "Continue" (result 1) or
// "Cancel" (result 0).
class YesNoContinueDialog : public QDialog
{
    Q_OBJECT
public:
    YesNoContinueDialog(const ComposedMessage &message, QWidget *parent = nullptr);
};
