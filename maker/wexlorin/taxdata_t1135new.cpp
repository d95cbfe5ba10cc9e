#include "taxdata_t1135new.h"
#include "filingformat.h"
#include "formtables.h"
#include "utils.h"
#include "xmlwriters.h"
#include <QRegularExpression>
#include <cmath>

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Kind", FieldKind::Int},
        {"FirstName", FieldKind::Text},
        {"FirstName2", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Province", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Country", FieldKind::Text},
        {"YearStart", FieldKind::Date},
        {"Amended", FieldKind::Flag},
        {"FilingStatus", FieldKind::Int},
        {"FilingTime", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"TotalCost", FieldKind::Amount},
        {"OverwriteStatus", FieldKind::Flag},
        {"Method", FieldKind::Int},
        {"HasFunds", FieldKind::Flag},
        {"HasShares", FieldKind::Flag},
        {"HasIndebtedness", FieldKind::Flag},
        {"HasTrustInterests", FieldKind::Flag},
        {"HasRealProperty", FieldKind::Flag},
        {"HasOtherProperty", FieldKind::Flag},
        {"HasDealerAccount", FieldKind::Flag},
        {"Countries", FieldKind::Text},
        {"SimpleIncome", FieldKind::Amount},
        {"SimpleGain", FieldKind::Amount},
        {"SelfEmployed", FieldKind::Flag},
        {"CertDate", FieldKind::Date},
        {"Phone", FieldKind::Text},
        {"PreparerName", FieldKind::Text},
        {"PreparerAddress", FieldKind::Text},
        {"PreparerPostcode", FieldKind::Text},
        {"PreparerPhone", FieldKind::Text}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Country", FieldKind::Text},
        {"MaxCost", FieldKind::Amount},
        {"YearEndCost", FieldKind::Amount},
        {"Income", FieldKind::Amount},
        {"Gain", FieldKind::Amount},
        {"Category", FieldKind::Int},
        {"CapitalReceived", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1135New::TaxData_T1135New() : CTaxData_Form(formFields(), KindForm, 101)
{
    addRowList(rowFields());
}

void TaxData_T1135New::Calculate01()
{
    setAmount(F_TotalCost, rows(0).sum(C_MaxCost));
}

namespace {

using V = TaxData_T1135New;

// The simplified method is for a total cost under this amount throughout the year.
constexpr double kSimplifiedLimit = 250000.0;
constexpr int kYear = 2024;

struct CategoryInfo
{
    V::Field flag;          // the simplified method's box
    const char *element;    // the detailed method's element of one property
};

const CategoryInfo kCategories[V::CategoryCount] = {
    {V::F_HasFunds, "t1135:FundsHeldOutsideCanada"},
    {V::F_HasShares, "t1135:SharesOfNonResidentCorporation"},
    {V::F_HasIndebtedness, "t1135:IndebtednessOwedByNonResident"},
    {V::F_HasTrustInterests, "t1135:InterestInNonResidentTrust"},
    {V::F_HasRealProperty, "t1135:RealPropertyOutsideCanada"},
    {V::F_HasOtherProperty, "t1135:OtherPropertyOutsideCanada"},
    {V::F_HasDealerAccount, "t1135:PropertyHeldWithCanadianDealer"},
};

void add(QList<CString> &messages, const QString &text) { messages.append(CString(text)); }

bool isCountryCode(const QString &code)
{
    static const QRegularExpression three(QStringLiteral("^[A-Z]{3}$"));
    return three.match(code).hasMatch();
}

bool isCanada(const V &f)
{
    const QString country = f.text(V::F_Country).trimmed().toUpper();
    return country.isEmpty() || country == QLatin1String("CAN");
}

// The two-letter code of a province given as code, name or number; empty when none.
QString provinceCodeOf(const QString &text)
{
    const QString t = text.trimmed();
    for (int p = 1; p < kProvinceCount; ++p)
        for (int w = 0; w < 3; ++w)
            if (t.compare(QLatin1String(Global_Provs_Info[p].word[w]), Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(Global_Provs_Info[p].word[0]);
    bool ok = false;
    const int index = t.toInt(&ok);
    return ok && index > 0 && index < kProvinceCount ? provinceCode(index) : QString();
}

bool isPostalCode(const QString &raw)
{
    static const QRegularExpression code(QStringLiteral("^[A-Z][0-9][A-Z][0-9][A-Z][0-9]$"));
    return code.match(raw).hasMatch();
}

// For an individual the name field holds the full name; the given name is what
// stands before the last name.
QString givenName(const V &f)
{
    QString name = f.text(V::F_FirstName).trimmed();
    const QString last = f.text(V::F_LastName).trimmed();
    if (!last.isEmpty() && name.size() > last.size()
        && name.endsWith(QLatin1Char(' ') + last, Qt::CaseInsensitive))
        name = name.left(name.size() - last.size()).trimmed();
    return name;
}

void checkIdentification(const V &f, QList<CString> &messages)
{
    if (!f.isIndividual())
        add(messages, QStringLiteral("T1135: only an individual's statement is filed from this return."));
    if (!CheckSIN(GetPureDigitStr(f.text(V::F_SIN))))
        add(messages, QStringLiteral("T1135: the social insurance number is not valid."));
    if (f.text(V::F_LastName).trimmed().isEmpty())
        add(messages, QStringLiteral("T1135: enter the last name."));
    if (f.text(V::F_Address).trimmed().isEmpty() || f.text(V::F_City).trimmed().isEmpty())
        add(messages, QStringLiteral("T1135: enter the address and the city."));
    if (isCanada(f)) {
        if (provinceCodeOf(f.text(V::F_Province)).isEmpty())
            add(messages, QStringLiteral("T1135: enter the province of the address."));
        if (!isPostalCode(GetRawPostcode(f.text(V::F_Postcode))))
            add(messages, QStringLiteral("T1135: enter a valid postal code (A1A 1A1)."));
    } else if (!isCountryCode(f.text(V::F_Country).trimmed().toUpper())) {
        add(messages, QStringLiteral("T1135: the country of the address must be a 3-letter country code."));
    }
    const QDate start = f.date(V::F_YearStart);
    if (start.isValid() && start.year() != kYear)
        add(messages, QStringLiteral("T1135: the taxation year must begin in 2024."));
}

void checkSimplified(V &f, QList<CString> &messages)
{
    if (f.rows(0).sum(V::C_MaxCost) >= kSimplifiedLimit)
        add(messages, QStringLiteral("T1135: the simplified method is only for a total cost under $250,000 "
                                     "throughout the year; report each property in detail."));
    bool anyKind = false;
    for (const CategoryInfo &c : kCategories)
        anyKind = anyKind || f.flag(c.flag);
    if (!anyKind)
        add(messages, QStringLiteral("T1135: tick each kind of foreign property held in the year."));
    const QStringList countries = f.simplifiedCountries();
    if (countries.isEmpty())
        add(messages, QStringLiteral("T1135: enter the code of each country where the property is held."));
    for (const QString &code : countries)
        if (!isCountryCode(code))
            add(messages, QStringLiteral("T1135: \"%1\" is not a 3-letter country code.").arg(code));
}

void checkProperty(const FieldRecord &row, int number, QList<CString> &messages)
{
    const int category = int(row.number(V::C_Category));
    if (category < V::CategoryFunds || category > V::CategoryCount)
        add(messages, QStringLiteral("T1135: property %1: choose its category.").arg(number));
    if (row.text(V::C_Description).trimmed().isEmpty())
        add(messages, QStringLiteral("T1135: property %1: enter its name or description.").arg(number));
    if (!isCountryCode(row.text(V::C_Country).trimmed().toUpper()))
        add(messages, QStringLiteral("T1135: property %1: enter a 3-letter country code.").arg(number));
    const double most = row.number(V::C_MaxCost);
    const double yearEnd = row.number(V::C_YearEndCost);
    if (most < 0 || yearEnd < 0)
        add(messages, QStringLiteral("T1135: property %1: a cost amount cannot be negative.").arg(number));
    else if (yearEnd - most >= 0.009)
        add(messages, QStringLiteral("T1135: property %1: the cost at year end cannot exceed the highest cost "
                                     "in the year.").arg(number));
}

void checkDetailed(V &f, QList<CString> &messages)
{
    const FieldRowList &rows = f.rows(0);
    if (rows.count() == 0)
        add(messages, QStringLiteral("T1135: enter each specified foreign property."));
    for (int i = 0; i < rows.count(); ++i)
        checkProperty(rows.row(i), i + 1, messages);
}

QString wholeDollars(double amount) { return QString::number(std::llround(amount)); }

void writeSimplified(const V &f, QString &xml)
{
    writeXMLOpenTagString(xml, QStringLiteral("t1135:SimplifiedReportingMethod"));
    for (int c = 0; c < V::CategoryCount; ++c)
        if (f.flag(kCategories[c].flag))
            writeXMLString(xml, QStringLiteral("t1135:PropertyTypeCode"), QString::number(c + 1), 0);
    for (const QString &code : f.simplifiedCountries())
        writeXMLString(xml, QStringLiteral("t1135:CountryCode"), code, 0);
    writeXMLString(xml, QStringLiteral("t1135:IncomeAmount"), wholeDollars(f.amount(V::F_SimpleIncome)), 0);
    writeXMLString(xml, QStringLiteral("t1135:GainLossAmount"), wholeDollars(f.amount(V::F_SimpleGain)), 0);
    writeXMLCloseTagString(xml, QStringLiteral("t1135:SimplifiedReportingMethod"));
    xml += QLatin1String("\r\n");
}

void writeProperty(const FieldRecord &row, int category, QString &xml)
{
    const QString element = QLatin1String(kCategories[category - 1].element);
    writeXMLOpenTagString(xml, element);
    writeXMLString(xml, QStringLiteral("t1135:DescriptionText"), row.text(V::C_Description).trimmed(), 60);
    writeXMLString(xml, QStringLiteral("t1135:CountryCode"), row.text(V::C_Country).trimmed().toUpper(), 0);
    writeXMLString(xml, QStringLiteral("t1135:MaximumCostAmount"), wholeDollars(row.number(V::C_MaxCost)), 0);
    writeXMLString(xml, QStringLiteral("t1135:YearEndCostAmount"), wholeDollars(row.number(V::C_YearEndCost)), 0);
    writeXMLString(xml, QStringLiteral("t1135:IncomeAmount"), wholeDollars(row.number(V::C_Income)), 0);
    if (category == V::CategoryTrustInterests)
        writeXMLString(xml, QStringLiteral("t1135:CapitalReceivedAmount"),
                       wholeDollars(row.number(V::C_CapitalReceived)), 0);
    if (category != V::CategoryFunds)
        writeXMLString(xml, QStringLiteral("t1135:GainLossAmount"), wholeDollars(row.number(V::C_Gain)), 0);
    writeXMLCloseTagString(xml, element);
    xml += QLatin1String("\r\n");
}

// The properties by category in the form's order, each category in row order.
void writeDetailed(const V &f, QString &xml)
{
    const FieldRowList &rows = f.rows(0);
    writeXMLOpenTagString(xml, QStringLiteral("t1135:DetailedReportingMethod"));
    xml += QLatin1String("\r\n");
    for (int category = V::CategoryFunds; category <= V::CategoryCount; ++category)
        for (int i = 0; i < rows.count(); ++i)
            if (int(rows.row(i).number(V::C_Category)) == category)
                writeProperty(rows.row(i), category, xml);
    writeXMLCloseTagString(xml, QStringLiteral("t1135:DetailedReportingMethod"));
    xml += QLatin1String("\r\n");
}

void setIf(TemplateVars &vars, const char *key, const QString &value)
{
    if (!value.isEmpty())
        vars.insert(key, CString(value));
}

// Ten digits (a leading country code 1 dropped); empty otherwise.
QString tenDigitPhone(const QString &text)
{
    const QString digits = GetRawPhoneStr(text, true);
    return digits.size() == 10 ? digits : QString();
}

void setIdentificationVars(const V &f, TemplateVars &vars)
{
    if (f.flag(V::F_Amended))
        vars.insert("amended", CString(QStringLiteral("1")));
    vars.insert("firstname", CString(givenName(f).left(30)));
    vars.insert("lastname", CString(f.text(V::F_LastName).trimmed().left(60)));
    vars.insert("sin", CString(GetPureDigitStr(f.text(V::F_SIN)).left(9)));
    vars.insert("selfemp", CString(f.flag(V::F_SelfEmployed) ? QStringLiteral("1") : QStringLiteral("2")));
    vars.insert("street", CString(f.text(V::F_Address).trimmed().left(60)));
    vars.insert("city", CString(f.text(V::F_City).trimmed().left(50)));
    if (isCanada(f)) {
        vars.insert("prov", CString(provinceCodeOf(f.text(V::F_Province))));
        vars.insert("postcode", GetRawPostcode(f.text(V::F_Postcode)));
        vars.insert("country", CString(QStringLiteral("CAN")));
    } else {
        vars.insert("prov", CString(f.text(V::F_Province).trimmed().toUpper().left(3)));
        vars.insert("postcode", CString(f.text(V::F_Postcode).trimmed().left(10)));
        vars.insert("country", CString(f.text(V::F_Country).trimmed().toUpper()));
    }
    const QDate start = f.date(V::F_YearStart).isValid() ? f.date(V::F_YearStart) : QDate(kYear, 1, 1);
    vars.insert("startdate", GetDateStr(start, 2));
    vars.insert("enddate", GetDateStr(QDate(kYear, 12, 31), 2));
}

void setCertificationVars(const V &f, TemplateVars &vars)
{
    setIf(vars, "certphone", tenDigitPhone(f.text(V::F_Phone)));
    setIf(vars, "certdate", GetDateStr(f.date(V::F_CertDate), 2));
    const QString preparer = f.text(V::F_PreparerName).trimmed();
    if (preparer.isEmpty())
        return;
    vars.insert("preparer_needed", CString(QStringLiteral("1")));
    vars.insert("preparername", CString(preparer.left(60)));
    setIf(vars, "prepareraddr", f.text(V::F_PreparerAddress).trimmed().left(60));
    setIf(vars, "preparerpostcode", GetRawPostcode(f.text(V::F_PreparerPostcode)));
    setIf(vars, "preparerphone", tenDigitPhone(f.text(V::F_PreparerPhone)));
}

} // namespace

QStringList TaxData_T1135New::simplifiedCountries() const
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return text(F_Countries).toUpper().split(separators, QString::SkipEmptyParts);
}

int TaxData_T1135New::validate(int, QList<CString> &messages)
{
    const int before = messages.size();
    checkIdentification(*this, messages);
    if (intValue(F_Method) == MethodSimplified)
        checkSimplified(*this, messages);
    else
        checkDetailed(*this, messages);
    return messages.size() - before;
}

int TaxData_T1135New::getT1135XMLContent(CString &text, TemplateVars &vars)
{
    QList<CString> faults;
    if (validate(1, faults) > 0)
        return -1;
    setIdentificationVars(*this, vars);
    setCertificationVars(*this, vars);
    QString xml;
    int result = fillTemplateVar(xml, vars, "t1135part2");
    if (result != TemplateFilled)
        return result;
    if (intValue(F_Method) == MethodSimplified)
        writeSimplified(*this, xml);
    else
        writeDetailed(*this, xml);
    result = fillTemplateVar(xml, vars, "t1135part3");
    if (result == TemplateFilled)
        text += xml;
    return result;
}
