#pragma once
#include <QDialog>
#include <QString>

class CReturnFile;
class QLabel;

// Stands in for the filing result dialog until the return can be sent: shows
// what would be sent and closes as cancelled. Same interface as the real one.
class DlgFilingUnavailable : public QDialog
{
    Q_OBJECT
public:
    DlgFilingUnavailable(int mode, CReturnFile *returnFile, bool reFile, const QString &document,
                         QWidget *parent = nullptr);

    void setTexts(const QString &summary, const QString &name);

    bool filed = false;
    QString confirmationText;
    QString messageText;

private:
    QLabel *m_summary;
    QLabel *m_name;
};
