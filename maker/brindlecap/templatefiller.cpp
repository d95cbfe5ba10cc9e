#include "templatefiller.h"
#include "xmlwriters.h"
#include <QFile>

namespace {

const QLatin1String kOpen("$$(");
const QLatin1String kNeeded("_needed0");
const QLatin1String kBlockSuffix("_block");

bool isBlank(const QStringRef &s)
{
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    return true;
}

// Widens [a, b) to its whole line, line end included, when the rest of the line is blank.
void widenToBlankLine(const QString &t, int &a, int &b)
{
    const int lineStart = a > 0 ? t.lastIndexOf(QLatin1Char('\n'), a - 1) + 1 : 0;
    int lineEnd = t.indexOf(QLatin1Char('\n'), b);
    if (lineEnd < 0)
        lineEnd = t.size();
    int contentEnd = lineEnd;
    if (contentEnd > b && t.at(contentEnd - 1) == QLatin1Char('\r'))
        --contentEnd;
    if (!isBlank(t.midRef(lineStart, a - lineStart)) || !isBlank(t.midRef(b, contentEnd - b)))
        return;
    a = lineStart;
    b = lineEnd < t.size() ? lineEnd + 1 : lineEnd;
}

// Removes [a, b) and gives where the text after it now starts.
int removeSpan(QString &t, int a, int b)
{
    widenToBlankLine(t, a, b);
    t.remove(a, b - a);
    return a;
}

bool isOn(const TemplateVars &vars, const QString &key)
{
    const auto it = vars.constFind(key.toLatin1());
    return it != vars.constEnd() && !it->isEmpty() && *it != QLatin1String("0");
}

// The placeholder at `at`: its name and the index after its ")"; false when unclosed.
bool placeholderAt(const QString &t, int at, QString &name, int &end)
{
    const int close = t.indexOf(QLatin1Char(')'), at + kOpen.size());
    if (close < 0)
        return false;
    name = t.mid(at + kOpen.size(), close - at - kOpen.size());
    end = close + 1;
    return true;
}

// Keeps or drops every "_needed" block.
int resolveBlocks(QString &t, const TemplateVars &vars, QString *missing)
{
    int at = 0;
    QString name;
    int end = 0;
    while ((at = t.indexOf(kOpen, at)) >= 0 && placeholderAt(t, at, name, end)) {
        if (!name.endsWith(kNeeded)) {
            at = end;
            continue;
        }
        const QString mark = t.mid(at, end - at);
        const int second = t.indexOf(mark, end);
        if (second < 0) {
            if (missing)
                *missing = name;
            return TemplateOpenBlock;
        }
        if (isOn(vars, name.left(name.size() - 1))) {
            removeSpan(t, second, second + mark.size());
            at = removeSpan(t, at, end);
        } else {
            at = removeSpan(t, at, second + mark.size());
        }
    }
    return TemplateFilled;
}

// The start of the element "<tag ...>" that ends right before `at` and the end of
// its "</tag>" right after `end`; false when the placeholder is not an element's whole content.
bool enclosingElement(const QString &t, int at, int end, int &elementStart, int &elementEnd)
{
    if (at < 1 || t.at(at - 1) != QLatin1Char('>'))
        return false;
    const int open = t.lastIndexOf(QLatin1Char('<'), at - 1);
    if (open < 0 || open + 1 >= at || t.at(open + 1) == QLatin1Char('/'))
        return false;
    int nameEnd = open + 1;
    while (nameEnd < at - 1 && !t.at(nameEnd).isSpace())
        ++nameEnd;
    QString close = QStringLiteral("</");
    close += t.midRef(open + 1, nameEnd - open - 1);
    close += QLatin1Char('>');
    if (t.midRef(end, close.size()) != close)
        return false;
    elementStart = open;
    elementEnd = end + close.size();
    return true;
}

// Replaces every variable; on a missing required one gives its result.
int replaceVariables(QString &t, const TemplateVars &vars, QString *missing)
{
    int at = 0;
    QString name;
    int end = 0;
    while ((at = t.indexOf(kOpen, at)) >= 0 && placeholderAt(t, at, name, end)) {
        const bool optional = name.endsWith(QLatin1Char('0'));
        const QString key = optional ? name.left(name.size() - 1) : name;
        const auto it = vars.constFind(key.toLatin1());
        if (it != vars.constEnd()) {
            const QString value = key.endsWith(kBlockSuffix) ? QString(*it) : QString(convertToXMLStringOnce(*it));
            t.replace(at, end - at, value);
            at += value.size();
        } else if (optional) {
            int a = at, b = end;
            enclosingElement(t, at, end, a, b);
            at = removeSpan(t, a, b);
        } else {
            if (missing)
                *missing = name;
            return TemplateMissingKey;
        }
    }
    return TemplateFilled;
}

} // namespace

bool loadFileToQString(const QString &path, QString &text, int options)
{
    text.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    text = (options & TemplateUtf8) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    return true;
}

int fillTemplateText(QString &out, const QString &templateText, const TemplateVars &vars, QString *missing)
{
    QString t = templateText;
    int result = resolveBlocks(t, vars, missing);
    if (result == TemplateFilled)
        result = replaceVariables(t, vars, missing);
    if (result == TemplateFilled)
        out += t;
    return result;
}

int fillTemplateVar(QString &out, const TemplateVars &vars, const char *key)
{
    const auto it = vars.constFind(QByteArray(key));
    if (it == vars.constEnd() || it->isEmpty())
        return TemplateUnreadable;
    return fillTemplateText(out, *it, vars);
}

int processTemplatePartInString(QByteArray &out, const QString &templatePath, const TemplateVars &vars,
                                int options)
{
    QString filled;
    const int result = processTemplatePart(filled, templatePath, vars, options);
    if (result == TemplateFilled)
        out += (options & TemplateUtf8) ? filled.toUtf8() : filled.toLatin1();
    return result;
}

int processTemplatePart(QString &out, const QString &templatePath, const TemplateVars &vars, int options)
{
    QString templateText;
    if (!loadFileToQString(templatePath, templateText, options))
        return TemplateUnreadable;
    return fillTemplateText(out, templateText, vars);
}
