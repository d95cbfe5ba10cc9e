#pragma once
#include <QDialog>

namespace Ui {
class DlgFilingResult;
}

// The outcome of one online filing: an overview line, the CRA's messages as
// HTML, a bottom line and a link to the log or result file on disk.
class DlgFilingResult : public QDialog
{
    Q_OBJECT
public:
    explicit DlgFilingResult(const QString &title, QWidget *parent = nullptr);
    ~DlgFilingResult() override;

    // details is HTML; the file link opens the file with the system's handler.
    void setResult(const QString &overview, const QString &details, const QString &bottom, const QString &filePath);

    QString overview() const;
    QString bottom() const;
    // The details as the browser shows them (plain text), and the file link's label text.
    QString detailsText() const;
    QString linkText() const;

private:
    Ui::DlgFilingResult *ui;
};
