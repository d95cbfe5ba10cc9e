#pragma once
#include <QDialog>
#include <QString>

namespace Ui {
class DlgSendFileForHelp;
}

// Asks for the user's e-mail address and a short message before a file goes to
// the support service; the caller sets the title and does the upload.
class DlgSendFileForHelp : public QDialog
{
    Q_OBJECT
public:
    explicit DlgSendFileForHelp(QWidget *parent = nullptr);
    ~DlgSendFileForHelp() override;

    QString email() const { return m_email; }
    QString message() const { return m_message; }

public slots:
    // Closes only with a valid address; otherwise says so and stays open.
    void accept() override;

private:
    Ui::DlgSendFileForHelp *ui;
    QString m_email;
    QString m_message;
};
