#pragma once
#include <QDialog>

class QAbstractButton;
namespace Ui {
class DlgFilingTerm;
}

// The terms of one CRA service: OK closes only once the agreement box is ticked.
class DlgFilingTerm : public QDialog
{
    Q_OBJECT
public:
    explicit DlgFilingTerm(int tag, QWidget *parent = nullptr);
    ~DlgFilingTerm() override;

    // Title, the link (shown as its own address; only http and https become
    // links), the terms HTML of the resource file, and the agreement text.
    void loadTerms(const QString &agreement, const QString &link, const QString &title, const char *termsFile);
    // Replaces each header that is given non-empty.
    void setMessage(const QString &header, const QString &subheader);
    int tag() const { return m_tag; }

private slots:
    void on_buttonBox_clicked(QAbstractButton *button);

private:
    int m_tag;
    Ui::DlgFilingTerm *ui;
};
