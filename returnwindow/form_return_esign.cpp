// The return window's requests to the e-signature service: e-delivery,
// e-signature, signature status and the client-letter template.
#include "ctaxdata_form.h"
#include "waitcursor.h"
#include "ctaxdata_rc71.h"
#include "creturnfile.h"
#include "form_return.h"
#include "serviceswitches.h"
#include "formentry.h"
#include "formtables.h"
#include "messages.h"
#include "pdfcheck.h"
#include "privatefile.h"
#include "qwebclient.h"
#include "settingsseam.h"
#include "taxdata_t183new.h"
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

namespace {
const char kWebAddress[] = "https://www.vantrel.ca";
const char kOperationFailed[] = "Operation failed, check vantrel points and make sure vpn/firewall doesn't block.";
const char kInvalidResult[] = "Invalid result returned.";
const char kNotInitiated[] = "E-Signature request has not been initiated!";
const char kQueryFailed[] = "Network query failed critically.";
const int kShownReplyChars = 500;
const int kT183 = 96, kRC71 = 53, kT1013 = 117, kT185 = 181, kT1135 = 101, kT1134 = 177;
const int kT183RequestId = 10002, kRC71RequestId = 10005;

QString userSetting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}

QString serviceUrl(const char *path)
{
    return settingsSource()->configValue(QStringLiteral("VantrelServer")) + QLatin1String(path);
}

QByteArray basicCredentials()
{
    return (userSetting("VantrelEmail") + QLatin1Char(':') + userSetting("VantrelPswd")).toUtf8().toBase64();
}

// The S.I.N. as the filing record sends it: a nine-digit number keeps its
// first and last three digits.
QString maskedSin(const QString &sin)
{
    if (sin.size() < 6)
        return QString(sin.size(), QLatin1Char('*'));
    return sin.left(1) + QStringLiteral("*****") + sin.mid(6);
}

// The reply, cut short, on a line of its own below the first sentence.
QString invalidResult(const QString &reply)
{
    return QLatin1String(kInvalidResult) + QLatin1Char('\n') + reply.left(kShownReplyChars);
}

QJsonObject replyObject(const QString &reply, bool *isObject = nullptr)
{
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8());
    if (isObject)
        *isObject = doc.isObject();
    return doc.object();
}

QString replyMessage(const QString &reply)
{
    const QString message = replyObject(reply).value(QStringLiteral("message")).toString();
    return message.isEmpty() ? invalidResult(reply) : message;
}

QString signatureFormCode(int formType)
{
    switch (formType) {
    case kT183: return QStringLiteral("T183");
    case kT185: return QStringLiteral("T185");
    case kT1013: return QStringLiteral("T1013");
    default: return formName(formType);
    }
}

QString deliveryFormCode(int formType)
{
    switch (formType) {
    case kT1135: return QStringLiteral("T1135");
    case kT1134: return QStringLiteral("T1134");
    default: return QStringLiteral("T1GEN");
    }
}

bool isDecimalId(const QString &id)
{
    if (id.isEmpty())
        return false;
    for (QChar c : id)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// An ISO 8601 UTC date-time ("...Z" or "+00:00"); invalid otherwise.
QDateTime parseUtc(const QString &text)
{
    QDateTime at = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!at.isValid())
        at = QDateTime::fromString(text, Qt::ISODate);
    if (!at.isValid() || at.timeSpec() == Qt::LocalTime || at.offsetFromUtc() != 0)
        return QDateTime();
    return at;
}

// Writes url into a temporary file beside target; the temporary's path, or
// empty (with why) when the download failed or its content is not what check
// accepts.
QString downloadChecked(const QString &url, const QString &target, bool (*check)(const QString &), QString &why)
{
    const QString temporary = target + QStringLiteral(".download");
    QFile::remove(temporary);
    QWebClient client(url, false);
    const bool downloaded = client.download(temporary);
    if (downloaded && check(temporary))
        return temporary;
    why = downloaded ? QCoreApplication::translate("Form_Return", "%1 came incomplete or damaged")
                           .arg(QFileInfo(target).fileName())
                     : QCoreApplication::translate("Form_Return", "%1 could not be downloaded (%2)")
                           .arg(QFileInfo(target).fileName(),
                                client.errorText().isEmpty() ? QStringLiteral("no answer") : client.errorText());
    QFile::remove(temporary);
    return QString();
}

bool isXml(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&f);
    bool hasElement = false;
    while (!xml.atEnd())
        hasElement = xml.readNext() == QXmlStreamReader::StartElement || hasElement;
    return hasElement && !xml.hasError();
}

bool replaceByRename(const QString &temporary, const QString &target)
{
    const QString old = target + QStringLiteral(".old");
    QFile::remove(old);
    const bool hadTarget = QFile::exists(target);
    if (hadTarget && !QFile::rename(target, old))
        return false;
    if (!QFile::rename(temporary, target)) {
        if (hadTarget)
            QFile::rename(old, target);
        return false;
    }
    QFile::remove(old);
    return true;
}
// The items of a document request after its file part: who receives it and how it is
// opened (the S.I.N. masked), then what sends it.
void addRecipientItems(QWebClient &client, const QString &email, const QString &password, const QString &sin)
{
    client.addQueryItem(QStringLiteral("email"), email);
    client.addQueryItem(QStringLiteral("password"), password);
    client.addQueryItem(QStringLiteral("licdata"), maskedSin(sin));
    client.addQueryItem(QStringLiteral("expires_in_days"), QStringLiteral("30"));
}

void addSenderItems(QWebClient &client, const QString &func, const QString &form, const QString &firstName)
{
    client.addQueryItem(QStringLiteral("sw"), QStringLiteral("T1KV2024"));
    client.addQueryItem(QStringLiteral("func"), func);
    client.addQueryItem(QStringLiteral("form"), form);
    client.addQueryItem(QStringLiteral("sender_note"),
                        QStringLiteral("This is for %1 (tax year %2), default password is last 4 digits of SIN")
                            .arg(firstName, QStringLiteral("2024")));
    client.addQueryItem(QStringLiteral("login_type"), QStringLiteral("fernquaver"));
}

} // namespace

bool Form_Return::hasVantrelCredentials()
{
    if (!userSetting("VantrelEmail").isEmpty() && !userSetting("VantrelPswd").isEmpty())
        return true;
    gMsgInformation(tr("Enter Vantrel points email/password in preference, they are used for Van-trel purpose."),
                    this);
    return false;
}

int Form_Return::loginVantrel(QString &accessToken)
{
    if (userSetting("VantrelEmail").isEmpty() || userSetting("VantrelPswd").isEmpty()) {
        hasVantrelCredentials();
        return 112;
    }
    int result = 99;
    {
        WaitCursor wait;
        QWebClient client(serviceUrl("/api/user/login"), false);
        client.addQueryItem(QStringLiteral("email"), userSetting("VantrelEmail"));
        client.addQueryItem(QStringLiteral("password"), userSetting("VantrelPswd"));
        QString reply;
        if (client.post(reply, nullptr)) {
            const QString token = replyObject(reply).value(QStringLiteral("access_token")).toString();
            if (!token.isEmpty()) {
                accessToken = token;
                result = 0;
            }
        }
    }
    if (result != 0)
        gMsgInformation(tr("Cannot login into vantrel, please check vantrel email/password setting in preference"));
    return result;
}

void Form_Return::sendForEDelivery(int formType, const QString &receiverEmail, const QString &sin,
                                   const QString &firstName, const QString &pdfFile)
{
    if (!serviceAvailable(eDeliveryAvailable, this) || !hasVantrelCredentials())
        return;
    const QString password = sin.right(4);
    const QString text = tr("An E-Delivery link email will be sent to %1. Client can download file using %2 (last 4 "
                            "digits of the S.I.N.) as password.")
                             .arg(receiverEmail, password);
    if (!CYesNoContinueDlg::warnYesNoMsg(this, tr("Send Document for E-Delivery through") + QLatin1Char(' ')
                                                   + QLatin1String(kWebAddress),
                                         text))
        return;
    QString shown;
    {
        WaitCursor wait;
        QWebClient client(serviceUrl("/api/signature-requests"), pdfFile, QFileInfo(pdfFile).fileName(),
                          QStringLiteral("document_file"));
        addRecipientItems(client, receiverEmail, password, sin);
        addSenderItems(client, QStringLiteral("DOCDELI"), deliveryFormCode(formType), firstName);
        QString reply;
        const QByteArray credentials = basicCredentials();
        shown = client.post(reply, credentials.constData(), "Basic") ? replyMessage(reply)
                                                                      : tr(kOperationFailed);
    }
    gMsgInformation(shown);
}

void Form_Return::sendForESignature(int formType, bool withDatePosition, const QString &receiverEmail,
                                    const QString &sin, const QString &firstName, const QString &pdfFile)
{
    if (!serviceAvailable(eSignatureAvailable, this) || !hasVantrelCredentials())
        return;
    const QString password = sin.right(4);
    const QString text = tr("An E-Signature link email will be sent to %1. Client can access to sign the file using "
                            "%2 (last 4 digits of the S.I.N.) as password.")
                             .arg(receiverEmail, password);
    if (!CYesNoContinueDlg::warnYesNoMsg(this, tr("Send Document for E-Signature through") + QLatin1Char(' ')
                                                   + QLatin1String(kWebAddress),
                                         text))
        return;
    QString shown;
    {
        WaitCursor wait;
        QWebClient client(serviceUrl("/api/signature-requests"), pdfFile, QFileInfo(pdfFile).fileName(),
                          QStringLiteral("document_file"));
        addRecipientItems(client, receiverEmail, password, sin);
        if (withDatePosition)
            client.addQueryItem(QStringLiteral("date_pos"), QStringLiteral("[{\"page\": 0}]"));
        addSenderItems(client, QStringLiteral("VANTREL"), signatureFormCode(formType), firstName);
        QString reply;
        const QByteArray credentials = basicCredentials();
        if (!client.post(reply, credentials.constData(), "Basic")) {
            shown = tr(kOperationFailed);
        } else {
            shown = replyMessage(reply);
            const QJsonObject object = replyObject(reply);
            if (!object.contains(QStringLiteral("sr_id"))) {
                shown = invalidResult(reply);
            } else {
                const int id = object.value(QStringLiteral("sr_id")).toInt(0);
                qInfo().noquote() << "send esign, returns srcID: " << id;
                const int code = formType == kT183 ? kT183RequestId : formType == kRC71 ? kRC71RequestId : 0;
                if (code && m_return) {
                    m_return->setText(code, QString::number(id));
                    refreshPages();   // an open T183 or RC71 page shows the new request
                    modifiedChanged();
                }
            }
        }
    }
    gMsgInformation(shown);
}

void Form_Return::querySignatureStatus(int formType)
{
    if (formType != kT183 && formType != kRC71)
        return;
    if (!serviceAvailable(eSignatureAvailable, this) || !hasVantrelCredentials())
        return;
    CTaxData_Form *form = m_return ? m_return->getForm(formType, 0, false) : nullptr;
    QString id;
    if (form)
        id = form->text(formType == kT183 ? int(TaxData_T183New::F_Text) : int(CTaxData_RC71::F_Text));
    id.remove(QLatin1Char(' '));
    if (!isDecimalId(id)) {
        gMsgInformation(tr(kNotInitiated), this);
        return;
    }
    WaitCursor wait;
    QString token;
    if (loginVantrel(token) != 0)
        return;
    QWebClient client(serviceUrl("/api/signature-requests/") + id, false);
    QString reply;
    const QByteArray bearer = token.toUtf8();
    QString shown = QStringLiteral("Status: ");
    if (!client.post(reply, bearer.constData(), "Bearer")) {
        shown = tr(kOperationFailed);
    } else {
        bool isObject = false;
        const QJsonObject object = replyObject(reply, &isObject);
        const QJsonValue status = object.value(QStringLiteral("status"));
        if (!isObject || !(status.isUndefined() || status.isNull() || status.isString())) {
            shown = tr(kQueryFailed);   // a reply that cannot be read as a status
        } else if (!object.contains(QStringLiteral("sr_id"))) {
            shown = invalidResult(reply);
        } else {
            const QString statusText = status.toString();
            if (statusText.compare(QLatin1String("completed"), Qt::CaseInsensitive) != 0) {
                shown += statusText + tr(" Signature time is not available.");
            } else {
                shown += statusText;
                const QJsonValue at = object.value(QStringLiteral("completed_at_utc"));
                if (at.isUndefined() || at.isNull()) {
                    shown += tr(" No signed time is returned.");
                } else {
                    const QString atText = at.isString() ? at.toString()
                                                         : QString::fromUtf8(QJsonDocument(QJsonArray{at}).toJson(
                                                                                 QJsonDocument::Compact))
                                                               .mid(1)
                                                               .chopped(1);
                    shown += tr(" Signed time: %1").arg(atText);
                    const QDateTime utc = parseUtc(atText);
                    if (!utc.isValid()) {
                        shown += QLatin1Char('\n') + tr("The signed time could not be read; nothing was stored.");
                    } else {
                        if (auto *t183 = dynamic_cast<TaxData_T183New *>(form)) {
                            const QDateTime local = utc.toLocalTime();
                            t183->setDate(TaxData_T183New::F_SignDate, local.date());
                            t183->setText(TaxData_T183New::F_SignTime, local.time().toString(QStringLiteral("HH:mm:ss")));
                            t183->setFlag(TaxData_T183New::F_ESigned, true);
                        }
                        refreshPages();
                        modifiedChanged();
                    }
                }
            }
        }
    }
    wait.release();
    gMsgInformation(shown, this);
}

void Form_Return::sendFormForESignature(int formType)
{
    FormEntry *entry = m_return ? m_return->findFormEntry(formType, 0, false) : nullptr;
    if (!entry) {
        gMsgInformation(tr("Form[%1] is not in the tax return.").arg(formName(formType)));
        return;
    }
    // the print offers the signature request once the PDF is written
    CString path;
    printReturn(0, 0, formType, entry->id, 0, &path);
}

int Form_Return::fetchCustomizedClientLetter(const QString &pdfFolder, const QString &xmlFolder)
{
    qInfo("fetchCustomizedClientLetter");
    m_clientLetterFailure.clear();
    QString token;
    const int login = loginVantrel(token);
    if (login != 0) {
        qInfo().noquote() << "cannot get vantrel token:" << login;
        return login;
    }
    QWebClient client(serviceUrl("/api/templates/latest"), false);
    client.addQueryItem(QStringLiteral("software_name"), QStringLiteral("T1KV"));
    client.addQueryItem(QStringLiteral("software_version"), QStringLiteral("2024"));
    client.addQueryItem(QStringLiteral("type"), QStringLiteral("client_letter"));
    client.addQueryItem(QStringLiteral("version_info_only"), QStringLiteral("0"));
    QString reply;
    const QByteArray bearer = token.toUtf8();
    if (!client.post(reply, bearer.constData(), "Bearer")) {
        m_clientLetterFailure = tr("the service did not answer the request for it (%1)")
                                    .arg(client.errorText().isEmpty() ? QStringLiteral("no answer") : client.errorText());
        return 106;
    }
    bool isObject = false;
    const QJsonObject object = replyObject(reply, &isObject);
    if (!isObject || !object.value(QStringLiteral("success")).toBool(false)) {
        m_clientLetterFailure = tr("the service's answer could not be read");
        return 111;
    }
    const QJsonArray data = object.value(QStringLiteral("data")).toArray();
    if (data.isEmpty())
        return 0;
    const QJsonObject first = data.first().toObject();
    const int version = first.value(QStringLiteral("template_version")).toInt(0);
    const QString pdfPath = pdfFolder + QDir::separator() + QStringLiteral("t1_clientletter_own.pdf");
    const QString xmlPath = xmlFolder + QDir::separator() + QStringLiteral("t1_clientletter_own.xml");
    const int stored = userSetting("CustomizedClientLetter_Ver").toInt();
    // a template on disk that is not whole is fetched again, whatever its version
    if (stored >= version && isWholePdfFile(pdfPath))
        return 0;
    qInfo().noquote() << "tempVer:" << version;
    const int result = storeClientLetter(first, pdfPath, xmlPath);
    if (result == 100)
        settingsSource()->setUserInt(QStringLiteral("CustomizedClientLetter_Ver"), version);
    return result;
}

// Downloads the template's PDF and XML beside their places and puts them in
// place only when both came whole: 100, or 106 with why.
int Form_Return::storeClientLetter(const QJsonObject &templateInfo, const QString &pdfPath, const QString &xmlPath)
{
    for (const QString &folder : {QFileInfo(pdfPath).path(), QFileInfo(xmlPath).path()}) {
        if (!makePrivateFolder(folder)) {
            m_clientLetterFailure = tr("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
            return 106;
        }
    }
    const QString pdfTemp = downloadChecked(templateInfo.value(QStringLiteral("template_pdf_url")).toString(), pdfPath,
                                            isWholePdfFile, m_clientLetterFailure);
    if (pdfTemp.isEmpty())
        return 106;
    const QString xmlTemp = downloadChecked(templateInfo.value(QStringLiteral("template_xml_url")).toString(), xmlPath,
                                            isXml, m_clientLetterFailure);
    if (xmlTemp.isEmpty()) {
        QFile::remove(pdfTemp);
        return 106;
    }
    if (!replaceByRename(pdfTemp, pdfPath)) {
        QFile::remove(pdfTemp);
        QFile::remove(xmlTemp);
        m_clientLetterFailure = tr("%1 cannot be replaced").arg(QDir::toNativeSeparators(pdfPath));
        return 106;
    }
    if (!replaceByRename(xmlTemp, xmlPath)) {
        QFile::remove(xmlTemp);
        m_clientLetterFailure = tr("%1 cannot be replaced").arg(QDir::toNativeSeparators(xmlPath));
        return 106;
    }
    return 100;
}
