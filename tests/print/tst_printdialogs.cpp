// The print options dialog and the after-print dialog, offscreen.
#include "bqtest.h"
#include "dlgprintoption_info.h"
#include "dlgvantrelafterprint.h"
#include "printchoices.h"
#include "settingsseam.h"
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
class Settings : public SettingsSource
{
public:
    QString clientLetter = QStringLiteral("0");
    QString userSetting(const QString &name) const override
    {
        return name == QLatin1String("PrntClientLetter") ? clientLetter : QString();
    }
    QString configValue(const QString &) const override { return {}; }
};

template <class T> T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// Presses OK on the next modal box and records its title and text.
struct BoxCloser : QObject
{
    QString title, text;
    int seen = 0;
    void arm()
    {
        QTimer::singleShot(0, this, [this] {
            auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                arm();
                return;
            }
            ++seen;
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }
};
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestPrintDialogs : public QObject
{
    Q_OBJECT
    Settings m_settings;

private slots:
    void initTestCase() { setSettingsSource(&m_settings); }
    void cleanupTestCase() { setSettingsSource(nullptr); }

    void clientLetterFromPreference_data()
    {
        QTest::addColumn<QString>("pref");
        QTest::addColumn<bool>("checked");
        QTest::newRow("off") << "0" << false;
        QTest::newRow("on") << "1" << true;
        QTest::newRow("any non-zero") << "3" << true;
    }
    void clientLetterFromPreference()
    {
        QFETCH(QString, pref);
        QFETCH(bool, checked);
        m_settings.clientLetter = pref;
        DlgPrintOption_Info dlg(true);
        QCOMPARE(child<QCheckBox>(dlg, "fld_ClientLetter")->isChecked(), checked);
        QCOMPARE(PrintChoices::current().clientLetter, pref.toInt());
        QVERIFY(child<QRadioButton>(dlg, "fld_PrintOption_0")->isChecked());
        QVERIFY(child<QCheckBox>(dlg, "fld_EngagementCover")->isHidden());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Print Options"));
    }

    void condensedNotAllowed()
    {
        DlgPrintOption_Info dlg(false);
        dlg.show();
        QRadioButton *condensed = child<QRadioButton>(dlg, "fld_PrintOption_1");
        QCOMPARE(condensed->text(), QStringLiteral("Condensed print, not applicable"));
        QVERIFY(!condensed->isEnabled());
        QTest::mouseClick(condensed, Qt::LeftButton);
        QVERIFY(!condensed->isChecked());
        QTest::mouseClick(child<QPushButton>(dlg, "btnPrint"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!PrintChoices::current().condensedBarcode);
    }

    // "Generate Print" stores all five; Cancel keeps them, the client letter
    // coming from the preference again.
    void generateThenCancel()
    {
        m_settings.clientLetter = QStringLiteral("0");
        {
            DlgPrintOption_Info dlg(true);
            child<QRadioButton>(dlg, "fld_PrintOption_1")->setChecked(true);
            child<QCheckBox>(dlg, "fld_CurFormOnly")->setChecked(true);
            child<QCheckBox>(dlg, "fld_ClientLetter")->setChecked(true);
            child<QCheckBox>(dlg, "fld_FullSIN")->setChecked(true);
            child<QCheckBox>(dlg, "fld_Invoice")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(dlg, "btnPrint"), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        const PrintChoices &c = PrintChoices::current();
        QVERIFY(c.condensedBarcode && c.currentFormOnly && c.fullSin && c.invoice);
        QCOMPARE(c.clientLetter, 1);
        {
            DlgPrintOption_Info dlg(true);
            child<QCheckBox>(dlg, "fld_FullSIN")->setChecked(false);
            QTest::mouseClick(child<QPushButton>(dlg, "btnCancel"), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
        QVERIFY(c.condensedBarcode && c.currentFormOnly && c.fullSin && c.invoice);
        QCOMPARE(c.clientLetter, 0);
    }

    void afterPrintModes_data()
    {
        QTest::addColumn<bool>("delivery");
        QTest::addColumn<QString>("okText");
        QTest::newRow("T183 e-signature") << false << "Request E-Signature";
        QTest::newRow("T1 e-delivery") << true << "E-Delivery";
    }
    void afterPrintModes()
    {
        QFETCH(bool, delivery);
        QFETCH(QString, okText);
        DlgVantrelAfterPrint dlg(delivery, QStringLiteral("file:////tmp/x.pdf"), QStringLiteral("a@b.ca"));
        dlg.show();
        auto box = child<QDialogButtonBox>(dlg, "buttonBox");
        QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), okText);
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Close"));
        QVERIFY(box->button(QDialogButtonBox::Cancel)->isDefault());
        QCOMPARE(child<QLabel>(dlg, "lblDelivery")->isVisible(), delivery);
        QCOMPARE(child<QLabel>(dlg, "lblSignature")->isVisible(), !delivery);
        QCOMPARE(child<QLineEdit>(dlg, "edtToEmail")->text(), QStringLiteral("a@b.ca"));
    }

    void badAddressKeepsDialogOpen_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << QString();
        QTest::newRow("no at") << "client.example.com";
        QTest::newRow("no domain") << "client@";
    }
    void badAddressKeepsDialogOpen()
    {
        QFETCH(QString, address);
        DlgVantrelAfterPrint dlg(false, QStringLiteral("/tmp/x.pdf"), QStringLiteral("old@example.com"));
        dlg.show();
        child<QLineEdit>(dlg, "edtToEmail")->setText(address);
        BoxCloser closer;
        closer.arm();
        child<QDialogButtonBox>(dlg, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(closer.seen, 1);
        QCOMPARE(closer.title, QStringLiteral("Warnings"));
        QCOMPARE(closer.text, QStringLiteral("Please make sure receiver's email is not empty and valid."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(dlg.receiverEmail, address);
        QCOMPARE(child<QLineEdit>(dlg, "edtToEmail")->text(), address);
    }

    void goodAddressAccepts()
    {
        DlgVantrelAfterPrint dlg(true, QStringLiteral("/tmp/x.pdf"), QString());
        dlg.show();
        child<QLineEdit>(dlg, "edtToEmail")->setText(QStringLiteral("client@example.com"));
        child<QDialogButtonBox>(dlg, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.receiverEmail, QStringLiteral("client@example.com"));
    }

    // The link opens the PDF through the desktop and the dialog stays open; a
    // path with a space, "#", "%" and a quote gives a proper file address.
    void linkOpensTheFile_data()
    {
        QTest::addColumn<bool>("asPrintCommand");
        QTest::newRow("file:/// and path") << true;
        QTest::newRow("plain path") << false;
    }
    void linkOpensTheFile()
    {
        QFETCH(bool, asPrintCommand);
        const QString path = bqtest::isolatedHome().path() + QStringLiteral("/My Returns #2 100%/\"T183\" <a>.pdf");
        const QString link = asPrintCommand ? QStringLiteral("file:///") + path : path;
        DlgVantrelAfterPrint dlg(false, link, QString());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QLabel *label = child<QLabel>(dlg, "lblFileLink");
        QVERIFY(label->text().contains(path.toHtmlEscaped()));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        label->setFocus();
        QTest::keyClick(label, Qt::Key_Tab);
        QTest::keyClick(label, Qt::Key_Return);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(path));
        QCOMPARE(catcher.urls.first().toLocalFile(), path);
        QVERIFY(dlg.isVisible());
    }

};

BQ_TEST_MAIN_IMPL(TestPrintDialogs, QApplication)
#include "tst_printdialogs.moc"
