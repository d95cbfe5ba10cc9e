#include "serviceswitches.h"
#include "dlgmsgwithlink.h"
#include "serverdefaults.h"
#include "tabwndapp.h"
#include <QCoreApplication>

bool efileFilingAvailable = true;
bool netfileFilingAvailable = true;
bool refileFilingAvailable = true;
bool padFilingAvailable = true;
bool t1135FilingAvailable = true;
bool t1013FilingAvailable = true;
bool autoFillAvailable = true;
bool expressNoaAvailable = true;
bool eSignatureAvailable = true;
bool eDeliveryAvailable = true;
bool filingRecordAvailable = true;
bool supportUploadAvailable = true;

void setAllServicesAvailable()
{
    for (bool *on : {&efileFilingAvailable, &netfileFilingAvailable, &refileFilingAvailable, &padFilingAvailable,
                     &t1135FilingAvailable, &t1013FilingAvailable, &autoFillAvailable, &expressNoaAvailable,
                     &eSignatureAvailable, &eDeliveryAvailable, &filingRecordAvailable, &supportUploadAvailable})
        *on = true;
}

namespace {
QString faqArticle()
{
    const TabWndApp *app = TabWndApp::instance();
    const QString host = app && !app->config().BrackenquillWebServer.isEmpty()
                             ? QString(app->config().BrackenquillWebServer)
                             : QString::fromLatin1(kBrackenquillWebServer);
    return QStringLiteral("https://%1/faq/index.php?action=artikel&cat=6&id=16&artlang=en").arg(host);
}

QString text(const char *source)
{
    return QCoreApplication::translate("Form_Return", source);
}
} // namespace

bool serviceAvailable(bool available, QWidget *parent)
{
    if (available)
        return true;
    DlgMsgWithLink dlg(text("Brackenquill pre-certified version"), parent);
    dlg.setMsg1(text("This feature is under CRA certification. You will need to update software to a certified "
                     "version later. read FAQ website for details."));
    dlg.setMsg2(text("Please refer the following URL:"));
    dlg.setLink(faqArticle());
    dlg.exec();
    return false;
}
