#pragma once
#include <QDialog>

// Base of the maker's modal dialogs: a title and a fixed start size.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BaseDialog(QWidget *parent = nullptr, const QString &title = QString());
    void initUI(int width, int height);

protected:
    // Called by a dialog whose widgets are built in code, once they are built and
    // connected: keeps the start size inside the screen the dialog opens on.
    void afterCreateUI();
};
