#pragma once
#include "cstring.h"
#include <QByteArray>
#include <QMap>

// Filing templates: "$$(name)" is a required variable, "$$(name0)" an optional
// one filled from the entry "name". An optional variable whose entry is absent
// drops the element that holds it ("<a>$$(x0)</a>"), or only itself when it
// stands alone. "$$(name_needed0)" ... "$$(name_needed0)" brackets a block kept
// only when the entry "name_needed" is present and neither empty nor "0".
// Every value is XML-escaped once (entity references already in it are kept);
// an entry whose name ends in "_block" is XML built by the caller and goes in as it is.
// A line that a dropped element or block leaves blank goes too.

// Variable name (without "$$(" and ")") to value.
using TemplateVars = QMap<QByteArray, CString>;

// Options of the readers and fillers: how the file's 8-bit text is decoded
// (and the 8-bit result encoded).
enum TemplateOption { TemplateLatin1 = 1, TemplateUtf8 = 64 };

enum TemplateResult {
    TemplateFilled = 0,
    TemplateUnreadable = 1,     // the template file cannot be read
    TemplateMissingKey = 2,     // a required variable has no entry
    TemplateOpenBlock = 3,      // a block mark without its closing mark
};

// Reads a whole file into text (UTF-8 with TemplateUtf8, else Latin-1); false and
// an empty text when it cannot be read.
bool loadFileToQString(const QString &path, QString &text, int options);

// Fills a template text; on success appends the result to out. On failure out is
// unchanged and, when given, missing receives the variable at fault.
int fillTemplateText(QString &out, const QString &templateText, const TemplateVars &vars,
                     QString *missing = nullptr);
// Fills the template text held in vars under key and appends it; TemplateUnreadable
// when vars has no such text.
int fillTemplateVar(QString &out, const TemplateVars &vars, const char *key);
// Fills the template file and appends the result as 8-bit text (encoded as the option says).
int processTemplatePartInString(QByteArray &out, const QString &templatePath, const TemplateVars &vars,
                                int options);
// Fills the template file and appends the result.
int processTemplatePart(QString &out, const QString &templatePath, const TemplateVars &vars, int options);
