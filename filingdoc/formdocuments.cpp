#include "formdocuments.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "validationmessagegroup.h"

namespace {

constexpr int kFormT1013 = 117;
constexpr int kFormT1135 = 101;
constexpr int kOwnChecks = 2;

// The release of this program's documents, fixed whatever the settings say.
const char kFormVersion[] = "2024";
const char kReleaseDate[] = "20260525";
const char kT1135RevisionDate[] = "2026-05-25";

template<class Form>
Form *formOf(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, false));
}

// Runs the form's own checks into a new group; the group is kept only when it holds a message.
int collectOwnChecks(CTaxData_Form *form, int type, quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    if (!form)
        return 0;
    auto *group = new ValidationMessageGroup(kOwnChecks, type);
    const int result = form->validate(edition, group->messages);
    if (group->messages.isEmpty())
        delete group;
    else
        groups.append(group);
    return result;
}

bool inTestMode()
{
    const QString v = settingsSource()->configValue(QStringLiteral("MODEDEBUG")).trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
        || v == QLatin1String("on");
}

QString efileSoftwareCode()
{
    return settingsSource()->configValue(QStringLiteral("EfileSoftwareCode")).trimmed();
}

QString efileNumber()
{
    const QString name = inTestMode() ? QStringLiteral("BusinessEFileNumDbg") : QStringLiteral("BusinessEFileNum");
    return settingsSource()->userSetting(name).trimmed();
}

// Reads each template into vars under its name; false when one cannot be read.
bool loadTemplates(TemplateVars &vars, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        QString text;
        if (!loadFileToQString(QStringLiteral(":/net/net/%1.xmt").arg(QLatin1String(name)), text, TemplateUtf8)
            || text.isEmpty())
            return false;
        vars.insert(name, CString(text));
    }
    return true;
}

int appendFilled(QString &document, const char *path, const TemplateVars &vars)
{
    QByteArray out;
    const int result = processTemplatePartInString(out, QString::fromLatin1(path), vars, TemplateUtf8);
    if (result == TemplateFilled)
        document += QString::fromUtf8(out);
    return result;
}

} // namespace

int collectT1013Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    return collectOwnChecks(formOf<TaxData_T1013New>(person, kFormT1013), kFormT1013, edition, groups);
}

int collectT1135Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups)
{
    return collectOwnChecks(formOf<TaxData_T1135New>(person, kFormT1135), kFormT1135, edition, groups);
}

int buildT1013Xml(IndividualTaxData &person, CString &document)
{
    TaxData_T1013New *t1013 = formOf<TaxData_T1013New>(person, kFormT1013);
    if (!t1013)
        return FormDocumentNoForm;
    const QString release = QString::fromLatin1(kReleaseDate);
    TemplateVars vars;
    vars.insert("version", CString(QString::fromLatin1(kFormVersion)));
    vars.insert("releaseyear", CString(release.mid(0, 4)));
    vars.insert("releasemonth", CString(release.mid(4, 2)));
    vars.insert("releaseday", CString(release.mid(6, 2)));
    vars.insert("softwarecode", CString(efileSoftwareCode() + QLatin1Char('H')));
    t1013->setText(TaxData_T1013New::F_EFileNumber, efileNumber());
    if (!loadTemplates(vars, {"t1013part1", "t1013part2", "t1013partend"}))
        return TemplateUnreadable;
    return t1013->getT1013XMLContent(document, vars);
}

int buildT1135Header(QString &document, TemplateVars &vars)
{
    vars.insert("swcode", CString(efileSoftwareCode() + QLatin1Char('K')));
    vars.insert("swrevdate", CString(QString::fromLatin1(kT1135RevisionDate)));
    return appendFilled(document, ":/net/net/t1135part1.xmt", vars);
}

int appendT1135EndPart(QString &document, const TemplateVars &vars)
{
    return appendFilled(document, ":/net/net/t1135partend.xmt", vars);
}

int buildT1135Xml(IndividualTaxData &person, QString &document)
{
    TaxData_T1135New *t1135 = formOf<TaxData_T1135New>(person, kFormT1135);
    if (!t1135)
        return FormDocumentNoForm;
    TemplateVars vars;
    if (!loadTemplates(vars, {"t1135part1", "t1135part2", "t1135part3", "t1135partend"}))
        return TemplateUnreadable;
    QString text;
    int result = buildT1135Header(text, vars);
    if (result != TemplateFilled)
        return result;
    CString body;
    result = t1135->getT1135XMLContent(body, vars);
    if (result != 0)
        return result;
    text += body;
    result = appendT1135EndPart(text, vars);
    if (result == TemplateFilled)
        document += text;
    return result;
}
