#pragma once
// What the return and form filing dialogs share: envelope variables, the filing
// logs of the run and the CRA's texts shown as HTML.
#include "cstring.h"
#include "templatefiller.h"
#include <QMap>
#include <QString>

// The envelope variables as the template filler takes them.
TemplateVars toTemplateVars(const QMap<QString, QString> &vars);
// efileresult.txt (result) or efilelog.txt of the run.
CString efileLogPath(bool result);
// One line of the filing record the program keeps (no program object: nothing).
void appendFilingRecord(const QString &name, const QString &result, const QString &confirmation,
                        const QString &message);
// Plain text shown as HTML: escaped, line ends as breaks.
QString plainToHtml(const QString &text);
// A failure message, and below it "Reason: " and why the exchange failed, when that is known.
QString withReason(const QString &text, const QString &failure);
