#include "envelopevars.h"
#include "ctaxdata_rc71.h"
#include "datafields.h"
#include "filingformat.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "taxdata_t183new.h"
#include "taxdata_t1new.h"
#include <QDateTime>

namespace {

constexpr int kRequestReturnFiling = 1;
constexpr int kFormRC71 = 53;
constexpr int kFormT183 = 96;

bool inTestMode()
{
    const QString v = settingsSource()->configValue(QStringLiteral("MODEDEBUG")).trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
        || v == QLatin1String("on");
}

QString userSetting(const QString &name)
{
    return settingsSource()->userSetting(name).trimmed();
}

struct Identity
{
    QString sin, first, second, last, further;
    QDate birth;
    double balance = 0.0;
};

Identity filingIdentity(const IndividualTaxData &person)
{
    Identity id;
    person.getFilingIdentity(id.sin, id.first, id.second, id.last, id.further, id.birth, id.balance);
    return id;
}

QString orX(const QString &text) { return text.isEmpty() ? QStringLiteral("X") : text; }

// "firsttime" and, for a first-time filer, the names.
void setNames(const TaxData_T1New &t, const Identity &id, QMap<QString, QString> &vars, bool withAccessCode)
{
    if (t.flag(TaxData_T1New::F_PriorFiler)) {
        vars[QStringLiteral("firsttime")] = QStringLiteral("0");
        const QString code = t.text(TaxData_T1New::F_NetfileAccessCode);
        if (withAccessCode && !CStringField::IsEmptyIfRemoveBlank(code))
            vars[QStringLiteral("accesscode")] = code.trimmed();
        return;
    }
    vars[QStringLiteral("firsttime")] = QStringLiteral("1");
    vars[QStringLiteral("givenname")] = orX(id.first);
    vars[QStringLiteral("secondname")] = orX(id.second);
    vars[QStringLiteral("familyname")] = id.last;
}

void setSignature(QMap<QString, QString> &vars, const char *flagKey, const char *dateKey, const char *timeKey,
                  bool signedOnline, const QString &when)
{
    const QDateTime at = QDateTime::fromString(when.trimmed(), Qt::ISODate);
    if (signedOnline && at.isValid()) {
        vars[QLatin1String(flagKey)] = QStringLiteral("1");
        vars[QLatin1String(dateKey)] = at.date().toString(QStringLiteral("yyyy-MM-dd"));
        vars[QLatin1String(timeKey)] = at.time().toString(QStringLiteral("hh:mm:ss"));
    } else {
        vars[QLatin1String(flagKey)] = QStringLiteral("0");
    }
}

void setFilerAndRepresentative(QMap<QString, QString> &vars)
{
    const bool test = inTestMode();
    vars[QStringLiteral("efilerID")] = userSetting(test ? QStringLiteral("BusinessEFileNumDbg")
                                                        : QStringLiteral("BusinessEFileNum"));
    vars[QStringLiteral("efpasd")] = userSetting(test ? QStringLiteral("BusinessEFilePasswordDbg")
                                                      : QStringLiteral("BusinessEFilePassword"));
    const QString rep = userSetting(QStringLiteral("T1013RepID"));
    if (!rep.isEmpty() && !rep.startsWith(QLatin1String("TEMP"), Qt::CaseInsensitive))
        vars[QStringLiteral("repID")] = rep;
}

void setTestCase(QMap<QString, QString> &vars)
{
    if (!inTestMode())
        return;
    const QString id = vars[QStringLiteral("testid")].trimmed();
    bool ok = false;
    const int n = id.toInt(&ok);
    if (ok && n > 0)
        vars[QStringLiteral("testcaseID")] = QString::number(n);
}

void setT183Data(const TaxData_T183New &t183, const CTaxData_RC71 *rc71, int requestKind,
                 QMap<QString, QString> &vars)
{
    using F = TaxData_T183New;
    if (t183.flag(F::F_RepresentativeAuthorized)) {
        vars[QStringLiteral("preparerRepresent")] = QStringLiteral("1");
        const QDate expiry = t183.date(F::F_AuthorizationExpiry);
        if (expiry.isValid())
            vars[QStringLiteral("preparerRepresentExpDate")] = GetDateStr(expiry, 2);
    }
    vars[QStringLiteral("ENOAFlag")] = t183.flag(F::F_NoaRetrieval) ? QStringLiteral("1") : QStringLiteral("0");
    vars[QStringLiteral("precntctcode")] = QString::number(t183.intValue(F::F_PreAssessment) + 2);
    vars[QStringLiteral("postcntctcode")] = QString::number(t183.intValue(F::F_PostAssessment) + 2);
    if (requestKind != kRequestReturnFiling)
        return;
    vars[QStringLiteral("esigned_needed")] = QStringLiteral(" ");
    setSignature(vars, "esigned", "esigndate", "esigntime", t183.flag(F::F_ESigned),
                 t183.date(F::F_SignDate).toString(Qt::ISODate) + QLatin1Char('T') + t183.text(F::F_SignTime));
    if (rc71) {
        vars[QStringLiteral("rc71_needed")] = QStringLiteral(" ");
        setSignature(vars, "rc71signed", "rc71signdate", "rc71signtime", rc71->flag(CTaxData_RC71::F_ESigned),
                     rc71->text(CTaxData_RC71::F_ESignTime));
    }
}

} // namespace

void fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int agreement,
                            QString *text, double *amount, int testCase)
{
    const TaxData_T1New *t = person.t1();
    if (!t)
        return;
    const Identity id = filingIdentity(person);
    if (text)
        *text = id.further;
    if (amount)
        *amount = id.balance;
    vars[QStringLiteral("sin")] = id.sin;
    vars[QStringLiteral("bod")] = GetDateStr(id.birth, 2);
    vars[QStringLiteral("agreement")] = QString::number(agreement);
    setNames(*t, id, vars, true);
    if (testCase > 0)
        vars[QStringLiteral("testcaseID")] = QString::number(testCase);
}

void fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int requestKind)
{
    setFilerAndRepresentative(vars);
    const auto *t183 = dynamic_cast<TaxData_T183New *>(person.getForm(kFormT183, 0, false));
    if (t183)
        vars[QStringLiteral("dcn")] = t183->getDCN();
    setTestCase(vars);
    if (const TaxData_T1New *t = person.t1())
        setNames(*t, filingIdentity(person), vars, false);
    const auto *rc71 = dynamic_cast<CTaxData_RC71 *>(person.getForm(kFormRC71, 0, false));
    if (rc71) {
        vars[QStringLiteral("rc71_exist")] = QString();
        vars[QStringLiteral("rc71sign")] = QStringLiteral("0");
        vars[QStringLiteral("discounterRegNum")] = rc71->text(CTaxData_RC71::F_DiscounterCode).trimmed();
    }
    if (t183)
        setT183Data(*t183, rc71, requestKind, vars);
}
