#include "filingdialogsupport.h"
#include "filingconfig.h"
#include "tabwndapp.h"

TemplateVars toTemplateVars(const QMap<QString, QString> &vars)
{
    TemplateVars out;
    for (auto it = vars.cbegin(); it != vars.cend(); ++it)
        out.insert(it.key().toUtf8(), CString(it.value()));
    return out;
}

CString efileLogPath(bool result)
{
    CString path;
    if (TabWndApp *app = TabWndApp::instance())
        app->efileLogPath(path, result);
    else
        path = filingRunFolder() + (result ? QStringLiteral("/efileresult.txt") : QStringLiteral("/efilelog.txt"));
    return path;
}

void appendFilingRecord(const QString &name, const QString &result, const QString &confirmation,
                        const QString &message)
{
    if (TabWndApp *app = TabWndApp::instance())
        app->appendFilingRecord(name, result, confirmation, message);
}

QString plainToHtml(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    return html;
}

QString withReason(const QString &text, const QString &failure)
{
    return failure.isEmpty() ? text : text + QStringLiteral("\nReason: ") + failure;
}
