#pragma once
#include <QDialog>

// Base of the maker's modal dialogs: a title and a fixed start size.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BaseDialog(QWidget *parent = nullptr, const QString &title = QString());
    void initUI(int width, int height);
};
