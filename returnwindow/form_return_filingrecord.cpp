#include "form_return.h"
#include "serviceswitches.h"
#include "waitcursor.h"
#include "cjsonhelper.h"
#include "formtables.h"
#include "messages.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include <QApplication>
#include <QJsonDocument>

namespace {
// The S.I.N. with its second to sixth characters hidden.
QString maskedSin(const QString &sin)
{
    QString masked = sin;
    return masked.replace(1, 5, QStringLiteral("*****"));
}

QString filingFormName(int formType)
{
    switch (formType) {
    case 181: return QStringLiteral("T183PAD");
    case 117: return QStringLiteral("T1013");
    case 1: return QStringLiteral("T1");
    default:
        if (formType > 0 && formType < kFormTableSize && Global_Forms_Info[formType].name)
            return QString::fromLatin1(Global_Forms_Info[formType].name);
        return QString();
    }
}

// 0 when the reply is a JSON object whose "success" is true or absent.
int judgeFilingReply(const QString &reply)
{
    if (!QJsonDocument::fromJson(reply.toUtf8()).isObject())
        return -99;
    CJsonHelper json;
    if (json.parse(reply) != 0)
        return -99;
    if (!json.object.contains(QStringLiteral("success")))
        return 0;
    return json.getBool(QStringLiteral("success")) ? 0 : -99;
}

// Why a filing record's post failed: the service's refusal of the log-in, or
// what kept the request from an answer.
QString filingRecordFailure(const QWebClient &client)
{
    const int status = client.responseCode();
    if (status == 401 || status == 403)
        return QCoreApplication::translate("Form_Return",
                                           "The filing record was not sent to the e-signature service: it refused "
                                           "the log-in. Check the e-signature (Vantrel) email and password in the "
                                           "preferences.");
    return QCoreApplication::translate("Form_Return", "The filing record was not sent to the e-signature service: %1.")
        .arg(client.errorText().isEmpty() ? QStringLiteral("no answer") : client.errorText());
}

} // namespace

FilingRecorder::Result Form_Return::recordFiling(int formType, bool accepted, const QString &confirmation,
                                                 const QString &message)
{
    TabWndApp *app = TabWndApp::instance();
    // the record is sent after the filing, unasked: a service that is off is skipped in silence
    if (!app || !app->config().FilingReport || !filingRecordAvailable)
        return {};
    const QString email = app->config().VantrelEmail;
    const QString password = app->config().VantrelPswd;
    if (email.isEmpty() || password.isEmpty()) {
        gMsgInformation(tr("Enter Vantrel points email/password in preference, they are used for filing report."));
        return {-1, tr("The filing record was not sent to the e-signature service: its email and password are not "
                       "set in the preferences.")};
    }

    WaitCursor wait;
    CString sin, name, phone;
    getTaxpayerText(1, sin);
    getTaxpayerText(17, name);
    getTaxpayerText(19, phone);

    QWebClient client(QStringLiteral("%1/api/filing").arg(QString(app->config().VantrelServer)), false);
    client.addQueryItem(QStringLiteral("licdata"), maskedSin(sin));
    client.addQueryItem(QStringLiteral("sw"), QStringLiteral("T1KV2024"));
    client.addQueryItem(QStringLiteral("func"), QStringLiteral("FLNGRCD"));
    client.addQueryItem(QStringLiteral("form"), filingFormName(formType));
    client.addQueryItem(QStringLiteral("taxpayer_name"), name);
    client.addQueryItem(QStringLiteral("taxpayer_phone"), phone);
    client.addQueryItem(QStringLiteral("login_type"), QStringLiteral("fernquaver"));
    client.addQueryItem(QStringLiteral("filed_at"), QString());
    client.addQueryItem(QStringLiteral("tax_year_end"), QStringLiteral("2024/12/31"));
    client.addQueryItem(QStringLiteral("status"), accepted ? QStringLiteral("30100") : QStringLiteral("30110"));
    client.addQueryItem(QStringLiteral("confirmation_code"), confirmation);
    client.addQueryItem(QStringLiteral("filing_message"), message);

    const QByteArray credentials = (email + QLatin1Char(':') + password).toUtf8().toBase64();
    QString reply;
    if (!client.post(reply, credentials.constData(), "Basic"))
        return {-100, filingRecordFailure(client)};
    if (judgeFilingReply(reply) != 0)
        return {-99, tr("The e-signature service did not accept the filing record.")};
    return {};
}
