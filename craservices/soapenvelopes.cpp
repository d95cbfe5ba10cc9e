#include "soapenvelopes.h"

namespace {

int buildWithParts(QByteArray &out, const TemplateVars &vars, const QByteArray &body, const char *head,
                   const char *end)
{
    if (processTemplatePartInString(out, QString::fromLatin1(head), vars, TemplateLatin1) != TemplateFilled)
        return -1;
    out += body;
    QByteArray tail;
    if (processTemplatePartInString(tail, QString::fromLatin1(end), vars, TemplateUtf8) != TemplateFilled)
        return -10;
    out += tail;
    return 0;
}

} // namespace

bool cutFilingBody(int kind, const QByteArray &document, QByteArray &body)
{
    const QByteArray open = kind == 1 ? QByteArray("<t1:T1Return") : QByteArray("<t1135:ForeignIncomeVerificationStatement");
    const QByteArray close =
        kind == 1 ? QByteArray("</t1:T1Return>") : QByteArray("</t1135:ForeignIncomeVerificationStatement>");
    const int a = document.indexOf(open);
    const int b = document.indexOf(close);
    if (a < 0 || b < 0 || a >= b)
        return false;
    body = document.mid(a, b + close.size() - a);
    return true;
}

int buildEfileSoap(QByteArray &out, const TemplateVars &vars, const QByteArray &body)
{
    return buildWithParts(out, vars, body, ":/net/net/ewspart1.xmt", ":/net/net/ewspartend.xmt");
}

int buildEfileSoapFromReturnXml(int kind, const TemplateVars &vars, const QByteArray &document, QByteArray &out)
{
    QByteArray body;
    if (!cutFilingBody(kind, document, body))
        return -1;
    return buildEfileSoap(out, vars, body);
}

int buildNetfileSoap(QByteArray &out, const TemplateVars &vars, const QByteArray &body)
{
    out.clear();
    return buildWithParts(out, vars, body, ":/net/net/nwspart1.xmt", ":/net/net/nwspartend.xmt");
}

int buildNetfileSoapFromReturnXml(int kind, const TemplateVars &vars, const QByteArray &document, QByteArray &out)
{
    QByteArray body;
    if (!cutFilingBody(kind, document, body))
        return -1;
    return buildNetfileSoap(out, vars, body);
}

int buildTrisSoap(bool isT1013, const TemplateVars &vars, const QString &body, CString &out)
{
    const QString head = isT1013 ? QStringLiteral(":/net/net/t1013wspart1.xmt") : QStringLiteral(":/net/net/t183padwspart1.xmt");
    const QString end = isT1013 ? QStringLiteral(":/net/net/t1013wspartend.xmt") : QStringLiteral(":/net/net/t183padwspartend.xmt");
    QString text;
    int rc = processTemplatePart(text, head, vars, TemplateLatin1);
    if (rc != TemplateFilled)
        return rc;
    text += body;
    rc = processTemplatePart(text, end, TemplateVars(), TemplateLatin1);
    out += text;
    return rc;
}
