#include "replyparsers.h"
#include "filinglog.h"
#include "mytixmlhandle.h"
#include "qwebclient.h"
#include "settingsseam.h"
#include <QRegularExpression>
#include <QUrl>
#include <tinyxml.h>

namespace {

QString elementText(const TiXmlElement *e)
{
    const char *t = e ? e->GetText() : nullptr;
    return t ? QString::fromUtf8(t) : QString();
}

QString childText(const TiXmlElement *e, const char *name)
{
    return e ? QString(getElementSubEleStringText(e, name)) : QString();
}

QString withApostrophes(QString s)
{
    return s.replace(QChar(0x2019), QLatin1Char('\''));
}

QString escapeHtml(const QString &s)
{
    return s.toHtmlEscaped();
}

// For an attribute in single quotes.
QString escapeAttribute(const QString &s)
{
    return s.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}

// The next sibling element of the same name: the texts of a message sit beside its links.
const TiXmlElement *nextOfKind(const TiXmlElement *e)
{
    return e->NextSiblingElement(e->Value());
}

bool isWebTarget(const QString &target)
{
    const QUrl url(target.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

MyTiXmlHandle bodyOf(const TiXmlDocument &doc)
{
    return MyTiXmlHandle(doc.FirstChildElement()).FirstChildElement("soapenv:Body");
}

// A document type declaration before the root element. The CRA's replies
// carry none, and the parser would read one's internal subset as the end of
// the document: such a reply is refused whole.
bool hasDoctype(const QByteArray &reply)
{
    static const QRegularExpression rootStart(QStringLiteral("<[A-Za-z_]"));
    const QString text = QString::fromLatin1(reply.left(64 * 1024));
    const int root = text.indexOf(rootStart);
    return text.left(root < 0 ? text.size() : root).contains(QLatin1String("<!DOCTYPE"), Qt::CaseInsensitive);
}

bool parseXml(TiXmlDocument &doc, const QByteArray &reply)
{
    return !hasDoctype(reply) && parseXmlText(doc, reply) && doc.FirstChildElement();
}

// "the reply is a web page (...), not the CRA's XML"; "" for any other reply.
QString webPageFailure(const QByteArray &reply)
{
    const QString page = webPageReply(reply);
    return page.isEmpty() ? QString() : QStringLiteral("the reply is %1, not the CRA's XML").arg(page);
}

// A reply of plain text (an error status's words).
QString noXmlDocument()
{
    return QStringLiteral("the reply holds no XML document");
}

QString elementName(const TiXmlElement *e)
{
    return e ? QString::fromUtf8(e->Value()) : QString();
}

} // namespace

namespace {

// Error codes and texts of a processing error.
void processingErrorSteps(const MyTiXmlHandle &p, FilingResult &result)
{
    const MyTiXmlHandle em = p.FirstChildElement("t1rsp:EnglishMessage");
    appendMessageTextsHtml(result.message, em.FirstChildElement("t1rsp:MessageText").ToElement());
    appendHyperlinksHtml(result.message, em.FirstChildElement("t1rsp:Hyperlink").ToElement());
    const MyTiXmlHandle ecd = p.FirstChildElement("t1rsp:ErrorCodeDescription");
    if (const TiXmlElement *ec = ecd.FirstChildElement("t1rsp:ErrorCode").ToElement()) {
        const QString code = elementText(ec);
        result.detail += code;
        result.message += QStringLiteral("<br/>Error code: (%1)<br/>").arg(escapeHtml(code));
    }
    const TiXmlElement *t =
        ecd.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement();
    if (t) {
        result.message += QLatin1String("<br/>Error Message:<br/>");
        for (const TiXmlElement *e = t; e; e = nextOfKind(e)) {
            if (e != t)
                result.message += QLatin1String("<br/>");
            result.message += escapeHtml(withApostrophes(elementText(e)));
        }
    }
}

// Rejection, else SystemError, else ProcessingError of a file-return response.
void rejectionSteps(const MyTiXmlHandle &frr, FilingResult &result)
{
    const MyTiXmlHandle r = frr.FirstChildElement("t1rsp:Rejection");
    if (r.exists()) {
        const MyTiXmlHandle em = r.FirstChildElement("t1rsp:EnglishMessage");
        appendMessageTextsHtml(result.message, em.FirstChildElement("t1rsp:MessageText").ToElement());
        appendHyperlinksHtml(result.message, em.FirstChildElement("t1rsp:Hyperlink").ToElement());
        return;
    }
    const MyTiXmlHandle s = frr.FirstChildElement("t1rsp:SystemError");
    if (s.exists()) {
        appendMessageTextsHtml(
            result.message,
            s.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement());
        return;
    }
    const MyTiXmlHandle p = frr.FirstChildElement("t1rsp:ProcessingError");
    if (p.exists())
        processingErrorSteps(p, result);
}

// The fault's own words for the user: its text, else its code.
QString faultFailure(const MyTiXmlHandle &fault)
{
    const QString text = childText(fault.ToElement(), "faultstring").simplified();
    const QString code = childText(fault.ToElement(), "faultcode").simplified();
    if (!text.isEmpty())
        return QStringLiteral("the CRA's service answered with a fault: %1").arg(text);
    return code.isEmpty() ? QStringLiteral("the CRA's service answered with a fault without its text")
                          : QStringLiteral("the CRA's service answered with the fault %1").arg(code);
}

// Why a reply is not a usable XML reply ("" when it is one): empty, a web
// page, a document type declaration, text without XML, not well-formed.
QString xmlReplyFailure(const QByteArray &reply, const TiXmlDocument &doc)
{
    if (reply.trimmed().isEmpty())
        return QStringLiteral("the reply is empty");
    const QString page = webPageFailure(reply);
    if (!page.isEmpty())
        return page;
    if (hasDoctype(reply))
        return QStringLiteral("the reply holds a document type declaration (<!DOCTYPE>), which is refused: the "
                              "CRA's replies carry none");
    if (!reply.contains('<'))
        return noXmlDocument();
    if (doc.Error())
        return QStringLiteral("the reply is not well-formed XML: %1 (line %2, column %3)")
            .arg(QString::fromUtf8(doc.ErrorDesc()))
            .arg(doc.ErrorRow())
            .arg(doc.ErrorCol());
    if (!doc.FirstChildElement())
        return QStringLiteral("the reply holds no XML element");
    return QString();
}

// What a well-formed reply holds in place of the wanted one: a web page, the
// CRA's fault, another root or body element.
QString unexpectedReplyFailure(const QByteArray &reply, const TiXmlDocument &doc, const QString &wanted)
{
    const QString page = webPageFailure(reply);
    if (!page.isEmpty())
        return page;
    const TiXmlElement *root = doc.FirstChildElement();
    const TiXmlElement *body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body").ToElement();
    if (!body)
        return QStringLiteral("the reply is <%1>, not the CRA's SOAP envelope").arg(elementName(root));
    const MyTiXmlHandle fault = MyTiXmlHandle(body).FirstChildElement("soapenv:Fault");
    if (fault.exists())
        return faultFailure(fault);
    const TiXmlElement *first = body->FirstChildElement();
    return first ? QStringLiteral("the reply holds <%1>, not %2").arg(elementName(first), wanted)
                 : QStringLiteral("the reply's body is empty, without %1").arg(wanted);
}

int readEfileResponse(const MyTiXmlHandle &response, FilingResult &result)
{
    result.message.clear();
    result.resultCode = childText(response.ToElement(), "ResultCode");
    const MyTiXmlHandle frr = response.FirstChildElement("t1rsp:FileReturnResponse");
    const MyTiXmlHandle confirmation = frr.FirstChildElement("t1rsp:Confirmation");
    result.confirmed = confirmation.exists();
    if (result.confirmed) {
        result.confirmation = childText(response.ToElement(), "TransmissionNumber");
        result.cvIndicator = childText(response.ToElement(), "t1ersp:CvIndicator");
        const MyTiXmlHandle em = confirmation.FirstChildElement("t1rsp:EnglishMessage");
        result.message += escapeHtml(childText(em.ToElement(), "t1rsp:MessageText"));
        appendHyperlinksHtml(result.message, em.FirstChildElement("t1rsp:Hyperlink").ToElement());
    } else if (result.isCode184()) {
        const MyTiXmlHandle p = frr.FirstChildElement("t1rsp:ProcessingError");
        if (p.exists())
            processingErrorSteps(p, result);
    } else {
        rejectionSteps(frr, result);
    }
    return 0;
}

int readEfileOtherReply(const MyTiXmlHandle &body, FilingResult &result)
{
    const MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault");
    if (fault.exists()) {
        const MyTiXmlHandle fs = fault.FirstChildElement("faultstring");
        result.message = fs.exists() ? QString(escapeHtml(fs.text())) : QStringLiteral("XML fault error, no details.");
        result.failure = faultFailure(fault);
        return EfileFaultReply;
    }
    const MyTiXmlHandle frrms = body.FirstChildElement("FrrmsEfileReturnResponse");
    if (frrms.exists()) {
        result.resultCode = childText(frrms.ToElement(), "ResultCode");
        result.message = escapeHtml(childText(frrms.FirstChildElement("t1rsp:FileReturnResponse")
                                                  .FirstChildElement("t1rsp:Rejection")
                                                  .FirstChildElement("t1rsp:EnglishMessage")
                                                  .ToElement(),
                                              "t1rsp:MessageText"));
        return 0;
    }
    const MyTiXmlHandle eol = body.FirstChildElement("pfeo:EolResponse");
    if (eol.exists()) {
        result.resultCode = childText(eol.ToElement(), "resultCode");
        result.message = QStringLiteral("132 means EFile system is not operational at this time.");
        return EfileServiceUnavailable;
    }
    result.resultCode = "-1";
    result.message = QStringLiteral("Efile error, no response, nor fault error");
    return EfileNoFilingResult;
}

bool isOn(const QString &value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
           || v == QLatin1String("on");
}

} // namespace

void appendMessageTextsHtml(CString &text, const TiXmlElement *first)
{
    if (!first)
        return;
    text.clear();
    for (const TiXmlElement *e = first; e; e = nextOfKind(e)) {
        text += escapeHtml(withApostrophes(elementText(e)));
        text += QLatin1String("<br/>");
    }
}

void appendHyperlinksHtml(CString &text, const TiXmlElement *first)
{
    if (!first)
        return;
    text += QLatin1String("<br/>");
    for (const TiXmlElement *e = first; e; e = nextOfKind(e)) {
        if (e != first)
            text += QLatin1String("<br/>");
        const QString target = childText(e, "t1rsp:HyperlinkTarget");
        const QString label = childText(e, "t1rsp:HyperlinkText");
        if (isWebTarget(target)) {
            text += QLatin1String("<a href='") + escapeAttribute(target.trimmed()) + QLatin1String("'>")
                    + escapeHtml(label) + QLatin1String("</a><br/>");
        } else {
            // Not a web address: shown, never followed.
            text += escapeHtml(label.isEmpty() ? target : label + QLatin1String(" (") + target + QLatin1Char(')'))
                    + QLatin1String("<br/>");
        }
    }
}

int parseEfileResponse(FilingLog *log, const QByteArray &reply, int kind, FilingResult &result)
{
    TiXmlDocument doc;
    if (!parseXml(doc, reply)) {
        result.resultCode = "-1";
        result.detail = QStringLiteral("CRA system returns invalid response.");
        result.failure = xmlReplyFailure(reply, doc);
        return EfileNotXml;
    }
    const MyTiXmlHandle body = bodyOf(doc);
    const char *responseName = kind == 101 ? "FrrmsEfileReturnResponse" : "t1ersp:EfileReturnResponse";
    const MyTiXmlHandle response = body.FirstChildElement(responseName);
    const int rc = response.exists() ? readEfileResponse(response, result) : readEfileOtherReply(body, result);
    if (rc == EfileNoFilingResult)
        result.failure = unexpectedReplyFailure(reply, doc, QStringLiteral("a filing result"));
    if (log) {
        log->write(result.message.toUtf8());
        log->write("\n");
    }
    return rc;
}

int parseNetfileTermsResponse(const QByteArray &reply, FilingResult &result)
{
    TiXmlDocument doc;
    int rc = 0;
    if (!parseXml(doc, reply)) {
        result.confirmed = false;
        result.detail = QStringLiteral("unknown error");
        result.failure = xmlReplyFailure(reply, doc);
        rc = -1;
    }
    const MyTiXmlHandle tc = bodyOf(doc)
                                 .FirstChildElement("t1rsp:TermsAndConditionsResponse")
                                 .FirstChildElement("t1rsp:TermsAndConditions");
    if (!tc.exists()) {
        result.confirmed = false;
        result.detail = QStringLiteral("CRA system returns invalid response.");
        if (rc == 0)
            result.failure = unexpectedReplyFailure(reply, doc, QStringLiteral("the terms"));
        return -1;
    }
    result.confirmed = true;
    const MyTiXmlHandle em = tc.FirstChildElement("t1rsp:EnglishMessage");
    for (const TiXmlElement *e = em.FirstChildElement("t1rsp:MessageText").ToElement(); e;
         e = nextOfKind(e))
        result.message += elementText(e) + QLatin1String("\r\n");
    const MyTiXmlHandle link = em.FirstChildElement("t1rsp:Hyperlink");
    if (link.exists()) {
        result.confirmation = childText(link.ToElement(), "t1rsp:HyperlinkText");
        result.detail = childText(link.ToElement(), "t1rsp:HyperlinkTarget");
    }
    return rc;
}

bool parseNetfileResponse(FilingLog *log, int kind, const QByteArray &reply, FilingResult &result)
{
    TiXmlDocument doc;
    if (!parseXml(doc, reply)) {
        result.confirmed = false;
        result.detail = QStringLiteral("response error");
        result.failure = xmlReplyFailure(reply, doc);
        if (log)
            log->write("CRA system returns invalid response, please retry later.\n\n");
        return true;
    }
    const MyTiXmlHandle body = bodyOf(doc);
    const MyTiXmlHandle r = body.FirstChildElement(kind == 101 ? "FrrmsNetfileReturnResponse" : "t1rsp:NetfileReturnResponse");
    const MyTiXmlHandle code = r.FirstChildElement("ResultCode");
    if (code.exists())
        result.detail = code.text();
    const MyTiXmlHandle frr = r.FirstChildElement("t1rsp:FileReturnResponse");
    if (frr.exists()) {
        const MyTiXmlHandle c = frr.FirstChildElement("t1rsp:Confirmation");
        if (c.exists()) {
            result.confirmed = true;
            result.confirmation = childText(c.ToElement(), "t1rsp:ConfirmationCode");
            for (const TiXmlElement *e =
                     c.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement();
                 e; e = nextOfKind(e))
                result.message += escapeHtml(elementText(e)) + QLatin1String("\r\n");
        } else {
            result.confirmed = false;
            rejectionSteps(frr, result);
        }
    } else {
        result.confirmed = false;
        const MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault");
        const MyTiXmlHandle fs = fault.FirstChildElement("faultstring");
        result.message = fs.exists() ? QString(escapeHtml(fs.text())) : QStringLiteral("Error: no T1 return response and Fault");
        result.failure = unexpectedReplyFailure(reply, doc, QStringLiteral("a filing result"));
    }
    if (log && !isOn(settingsSource()->configValue(QStringLiteral("MODEDEBUG")))) {
        log->write(result.message.toUtf8());
        log->write("\n\n");
    }
    return false;
}

int parseTrisResponse(const TiXmlElement *root, FormFilingReply &reply)
{
    const MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    const MyTiXmlHandle br = body.FirstChildElement("trisr:Response").FirstChildElement("trisr:BatchResponse");
    const MyTiXmlHandle d = br.FirstChildElement("trisr:BatchResponseDetail");
    if (d.exists()) {
        reply.receivedFormsCount = getElementSubEleStringAsInt(d.ToElement(), "trisr:ReceivedFormsCount", 0);
        reply.confirmationNumber = childText(d.ToElement(), "trisr:ConfirmationNumber");
    }
    reply.responseText = QStringLiteral("response codes: ");
    const MyTiXmlHandle codes = br.FirstChildElement("trisr:ResponseCodes");
    const struct
    {
        MyTiXmlHandle group;
        const char *code;
    } groups[] = {
        {codes.FirstChildElement("trisr:BatchLevelResponse").FirstChildElement("trisr:BatchResponseCode"),
         "trisr:ResponseCode"},
        {codes.FirstChildElement("trisr:FormLevelResponse").FirstChildElement("trisr:FormResponseCode"),
         "trisr:ResponseCode"},
        {br.FirstChildElement("trisr:RejectedBatchForms")
             .FirstChildElement("trisr:BatchLevelError")
             .FirstChildElement("trisr:BatchErrorCode"),
         "trisr:ErrorCode"},
    };
    for (const auto &g : groups) {
        for (const TiXmlElement *e = g.group.FirstChildElement(g.code).ToElement(); e; e = nextOfKind(e)) {
            const QString code = elementText(e);
            reply.responseCodes << code;
            reply.responseText += code + QLatin1Char(' ');
        }
    }
    const MyTiXmlHandle f = body.FirstChildElement("soapenv:Fault");
    if (f.exists()) {
        reply.responseText += QLatin1String(" Fault code: ") + childText(f.ToElement(), "faultcode")
                              + QLatin1String(" details:") + childText(f.ToElement(), "faultstring");
        const MyTiXmlHandle desc =
            f.FirstChildElement("Detail").FirstChildElement("SystemSoapFaultType").FirstChildElement("description");
        if (desc.exists())
            reply.responseText += QLatin1String(" description:") + childText(desc.ToElement(), "englishMessageText");
    }
    return 0;
}

int parsePadResponse(const TiXmlElement *root, FormFilingReply &reply)
{
    const MyTiXmlHandle body = MyTiXmlHandle(root).FirstChildElement("soapenv:Body");
    const MyTiXmlHandle p = body.FirstChildElement("PadCreateResponse");
    MyTiXmlHandle d(nullptr);
    const MyTiXmlHandle c = p.FirstChildElement("Confirmation");
    if (c.exists()) {
        reply.confirmationNumber = childText(c.ToElement(), "ConfirmationNumber");
        d = c.FirstChildElement("ResponseCodeDescription");
    }
    for (const char *name : {"Rejection", "ProcessingError", "SystemError"}) {
        const MyTiXmlHandle e = p.FirstChildElement(name);
        if (e.exists()) {
            reply.rejected = true;
            d = e.FirstChildElement("ResponseCodeDescription");
        }
    }
    for (const TiXmlElement *e = d.ToElement(); e; e = nextOfKind(e)) {
        reply.responseCodes << childText(e, "ResponseCode");
        reply.responseText += getElementSubEleStringText(e->FirstChildElement("EnglishMessage"), "MessageText")
                              + QLatin1Char('\n');
    }
    const MyTiXmlHandle f = body.FirstChildElement("soapenv:Fault");
    if (f.exists())
        reply.responseText += childText(f.ToElement(), "faultstring");
    return 0;
}

QString parseFormReply(const QByteArray &reply, const QByteArray &xml, TiXmlDocument &doc, bool isT1013)
{
    const QString page = webPageFailure(reply);
    if (!page.isEmpty())
        return page;
    if (xml.isEmpty())
        return reply.trimmed().isEmpty() ? QStringLiteral("the reply is empty") : noXmlDocument();
    if (!parseXml(doc, xml))
        return xmlReplyFailure(xml, doc);
    const MyTiXmlHandle body = bodyOf(doc);
    if (body.FirstChildElement("soapenv:Fault").exists()
        || body.FirstChildElement(isT1013 ? "trisr:Response" : "PadCreateResponse").exists())
        return QString();
    return unexpectedReplyFailure(reply, doc, isT1013 ? QStringLiteral("a T1013 response")
                                                      : QStringLiteral("a PAD response"));
}

QByteArray cutFormReply(const QByteArray &reply)
{
    int start = reply.indexOf("<?xml");
    if (start < 0)
        start = reply.indexOf('<');
    if (start < 0)
        return QByteArray();
    static const QByteArray envelopeEnd("</soapenv:Envelope>");
    const int end = reply.indexOf(envelopeEnd, start);
    return end < 0 ? reply.mid(start) : reply.mid(start, end + envelopeEnd.size() - start);
}
