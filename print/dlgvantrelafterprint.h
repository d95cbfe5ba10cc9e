#pragma once
#include <QDialog>
#include <QString>

namespace Ui {
class DlgVantrelAfterPrint;
}

// Shown after a PDF was written: the PDF as a link, and the receiver's
// address for an e-delivery or an e-signature request.
class DlgVantrelAfterPrint : public QDialog
{
    Q_OBJECT
public:
    // link: the PDF's encoded file URL (as the print command makes it),
    // "file:///" followed by the path as it stands, or the path itself.
    DlgVantrelAfterPrint(bool eDeliveryMode, const QString &link, const QString &receiverEmail,
                         QWidget *parent = nullptr);
    ~DlgVantrelAfterPrint() override;

    // The local file the link names, and the href made of it.
    static QString pathOfLink(const QString &link);
    static QString hrefOfPath(const QString &path);

    QString receiverEmail;
    bool eDeliveryMode;

public slots:
    void accept() override;

private:
    Ui::DlgVantrelAfterPrint *ui;
};
