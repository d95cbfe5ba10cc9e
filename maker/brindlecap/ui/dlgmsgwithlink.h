#pragma once
#include <QDialog>

class QLabel;

// A message box of up to two lines and a link that opens in the desktop's browser.
class DlgMsgWithLink : public QDialog
{
    Q_OBJECT
public:
    DlgMsgWithLink(const QString &title, QWidget *parent = nullptr);

    void setMsg1(const QString &text);
    void setMsg2(const QString &text);
    void setLink(const QString &url);

    QString msg1() const;
    QString msg2() const;
    QString link() const { return m_link; }

private:
    QLabel *m_msg1;
    QLabel *m_msg2;
    QLabel *m_linkLabel;
    QString m_link;
};
