#include "t1returndocument.h"
#include "filingformat.h"
#include "datafields.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "linecoderecords.h"
#include "t1answers.h"
#include "netfilegenobjparamstru.h"
#include "settingsseam.h"
#include "taxdata_t1new.h"
#include "templatefiller.h"
#include "xmlwriters.h"
#include <QDate>
#include <cmath>
#include <limits>

namespace {

using T1 = TaxData_T1New;

constexpr int kT90 = 171;
constexpr int kChoiceYes = 0;
constexpr int kChoiceNo = 1;

bool isEfile(quint8 mode) { return (mode & 1) != 0; }

QString config(const char *key)
{
    return settingsSource()->configValue(QString::fromLatin1(key)).trimmed();
}

CString number(qint64 n) { return CString(QString::number(n)); }

void setDate(TemplateVars &vars, const char *key, const QDate &date)
{
    if (date.isValid())
        vars.insert(key, GetDateStr(date, 2));
}

// Fills a template file and appends it (converted from UTF-8); the filler's result.
int appendFilled(QString &text, const QString &path, const TemplateVars &vars)
{
    QByteArray out;
    const int result = processTemplatePartInString(out, path, vars, TemplateUtf8);
    if (result == TemplateFilled)
        text += QString::fromUtf8(out);
    return result;
}

void setSoftwareAndAmendment(const T1 &t, TemplateVars &vars, quint8 mode)
{
    if (t.flag(T1::F_AutoFill)) {
        vars.insert("AFRFlag", CString(QStringLiteral("1")));
        setDate(vars, "AFRDate", t.date(T1::F_AutoFillDate));
    } else {
        vars.insert("AFRFlag", CString(QStringLiteral("0")));
    }
    const bool efile = isEfile(mode);
    vars.insert("swrevdate", CString(config(efile ? "EfileSoftwareDate" : "NetfileSoftwareDate")));
    const bool amended = t.isReFile();
    const QString letter = efile ? (amended ? QStringLiteral("R") : QStringLiteral("F"))
                                 : (amended ? QStringLiteral("S") : QStringLiteral("G"));
    vars.insert("swcode", CString(config(efile ? "EfileSoftwareCode" : "NetfileSoftwareCode") + letter));
    if (amended)
        vars.insert("amended", CString(QStringLiteral("1")));
    if (t.isMultipleYearFiling())
        vars.insert("multiyear", CString(QStringLiteral("1")));
}

void setBasicAndMarital(const T1 &t, TemplateVars &vars)
{
    vars.insert("sin", CString(t.sin()));
    vars.insert("taxyear", CString(QStringLiteral("2024")));
    vars.insert("bdate", GetDateStr(t.dateOfBirth(), 2));
    vars.insert("marital", number(t.maritalStatus() + 1));
    if (t.HasMaritalChange()) {
        vars.insert("maritalchg", CString(QStringLiteral("1")));
        setDate(vars, "maritalchgdate", t.date(T1::F_MaritalChangeDate));
    } else {
        vars.insert("maritalchg", CString(QStringLiteral("2")));
    }
    vars.insert("spouseselfemp", CString(t1answers::spouseSelfEmployed(t)));
}

// Inserts text under key unless it is empty.
void setAnswer(TemplateVars &vars, const char *key, const QString &text)
{
    if (!text.isEmpty())
        vars.insert(key, CString(text));
}

void setTerritoryData(const T1 &t, int province, TemplateVars &vars)
{
    const t1answers::Territory a = t1answers::territory(t, province);
    setAnswer(vars, "AborLandResidence", a.landResidence);
    setAnswer(vars, "ytfirstnation", a.firstNation);
    setAnswer(vars, "firstnationIDInd", a.firstNationId);
    setAnswer(vars, "tlicho", a.tlicho);
    setAnswer(vars, "deline", a.deline);
}

void setResidence(IndividualTaxData &person, const T1 &t, TemplateVars &vars)
{
    // the person's province when the T1 holds none
    const int year = t.provinceOfResidence();
    vars.insert("taxprov", CString(provinceCode(year > 0 && year < kProvinceCount ? year : person.province())));
    const int current = t.intValue(T1::F_CurrentProvince);
    if (current > 0)
        vars.insert("resprov", CString(provinceCode(current)));
    setTerritoryData(t, person.province(), vars);
}

void setNames(IndividualTaxData &person, const T1 &t, TemplateVars &vars)
{
    if (!t.flag(T1::F_PriorFiler)) {
        vars.insert("firstname", CString());
        vars.insert("lastname", CString());
        return;
    }
    QString sin, first, second, last, further;
    QDate birth;
    double balance = 0.0;
    person.getFilingIdentity(sin, first, second, last, further, birth, balance);
    vars.insert("firstname", first.isEmpty() ? CString(QStringLiteral("X")) : convertToXMLString(first));
    vars.insert("lastname", convertToXMLString(t.lastName().trimmed()));
    setAnswer(vars, "namechanged", t1answers::yesNo(t.intValue(T1::F_SurnameChange)));
}

void setContact(IndividualTaxData &person, const T1 &t, TemplateVars &vars, quint8 mode)
{
    QString residency = QStringLiteral("1");
    if (t.flag(T1::F_FactualResident))
        residency = QStringLiteral("2");
    else if (t.IsImmigrant())
        residency = QStringLiteral("4");
    else if (t.IsEmmigrant())
        residency = QStringLiteral("5");
    vars.insert("ResiType", CString(residency));
    const bool foreign = t.flag(T1::F_ForeignMailing);
    vars.insert("FrgnMailAddr", CString(foreign ? QStringLiteral("1") : QStringLiteral("2")));
    if (isEfile(mode) || !foreign) {
        QString block;
        writeMailingAddressXml(person, block);
        vars.insert("mailing_address_block", CString(block));
    }
}

void setDatesAndRural(const T1 &t, TemplateVars &vars)
{
    setDate(vars, "dateofmove", t1answers::dateOfMove(t));
    if (t.IsImmigrant())
        setDate(vars, "EntryDate", t.date(T1::F_EntryDate));
    if (t.IsEmmigrant())
        setDate(vars, "DepartDate", t.date(T1::F_DepartureDate));
    if (t.isProvEligibleForCAI())
        vars.insert("CAIRural", CString(t.flag(T1::F_RuralSupplement) ? QStringLiteral("1") : QStringLiteral("2")));
}

// Area code and local number only for a number of exactly ten digits.
void setPhoneAndEmail(const T1 &t, TemplateVars &vars)
{
    const QString phone = t.text(T1::F_Phone);
    if (ChkPhoneStrHasSomething(phone)) {
        const QString digits = GetRawPhoneStr(phone, true);
        if (digits.size() == 10) {
            vars.insert("phone_needed", CString(QStringLiteral(" ")));
            vars.insert("areacode", CString(digits.left(3)));
            vars.insert("phone", CString(digits.mid(3, 7)));
        }
    }
    if (!CStringField::IsEmptyIfRemoveBlank(t.emailAddress()))
        vars.insert("email", CString(t.emailAddress().trimmed()));
    vars.insert("language", number(t.intValue(T1::F_Language) + 1));
}

void setSpouseAndPrograms(IndividualTaxData &person, const T1 &t, TemplateVars &vars)
{
    if (person.hasSpouseInformation()) {
        CString block;
        writeSpouseInfoXml(person, block);
        vars.insert("tpTaxpayerSpouseData_block", block);
    }
    const int citizen = t.intValue(T1::F_Citizenship);
    vars.insert("citizen", number(citizen == 0 || citizen == 1 ? citizen + 1 : 0));
    setAnswer(vars, "elecanauth", t1answers::electionsCanada(t));
    vars.insert("isIndian", CString(person.hasForm(kT90) ? QStringLiteral("1") : QStringLiteral("0")));
    if (t.isDonorInfoNeeded())
        vars.insert("Donor", CString(t.flag(T1::F_OrganDonor) ? QStringLiteral("1") : QStringLiteral("2")));
}

// The records of the document: line codes, then (not bankrupt) the SFD with its count, then the T2091s.
CString recordText(IndividualTaxData &person, const T1 &t, quint8 mode)
{
    CString text;
    int counter = 0;
    QMap<int, NetfileWrittenCode> written;
    NetfileGenObjParamStru context;
    context.mode = mode;
    context.outputKind = 0;
    context.recordText = &text;
    context.counter = &counter;
    context.writtenCodes = &written;
    person.addNetfileFieldRecords(mode, context);
    if (!t.IsBankrupt())
        person.writeSelectedFinancialData(mode, context);
    person.writeT2091FinancialData(mode, context);
    return text;
}

} // namespace

namespace {
// Truncated toward zero, range-safe: NaN gives 0.
qint64 wholeTruncated(double amount)
{
    // the filing checks refuse amounts past ten digits; beyond 64 bits is held at its end
    constexpr double limit = 9.2e18;
    if (std::isnan(amount))
        return 0;
    if (std::fabs(amount) >= limit)
        return amount > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return qint64(amount);
}
} // namespace

qint64 wholeSpouseAmount(double amount)
{
    return wholeTruncated(amount < -0.009 ? amount - 0.5 : amount + 0.5);
}

qint64 wholeBankruptAmount(double amount)
{
    if (amount < -0.509)
        return wholeTruncated(amount - 0.5);
    if (amount >= 0.991)
        return wholeTruncated(amount + 0.5);
    return 1;
}

int buildPart1(IndividualTaxData &person, QString &text, quint8 mode)
{
    const T1 *t = person.t1();
    if (!t)
        return DocumentNoT1;
    TemplateVars vars;
    setSoftwareAndAmendment(*t, vars, mode);
    setBasicAndMarital(*t, vars);
    setResidence(person, *t, vars);
    setNames(person, *t, vars);
    setContact(person, *t, vars, mode);
    setDatesAndRural(*t, vars);
    setPhoneAndEmail(*t, vars);
    setSpouseAndPrograms(person, *t, vars);
    return appendFilled(text, isEfile(mode) ? QStringLiteral(":/net/net/epart1.xmt")
                                            : QStringLiteral(":/net/net/npart1.xmt"), vars);
}

int buildDeceasedPart(IndividualTaxData &person, QString &text)
{
    const T1 *t = person.t1();
    if (!t)
        return DocumentNoT1;
    TemplateVars vars;
    vars.insert("date", GetDateStr(t->date(T1::F_DeceasedDate), 2));
    if (t->flag(T1::F_TaxBeneficiaryElection))
        vars.insert("taxbnfry", CString(QStringLiteral("1")));
    return appendFilled(text, QStringLiteral(":/net/net/epartdec.xmt"), vars);
}

int buildBankruptPart(IndividualTaxData &person, QString &text)
{
    const T1 *t = person.t1();
    if (!t)
        return DocumentNoT1;
    TemplateVars vars;
    vars.insert("netinc", number(wholeBankruptAmount(t->amount(T1::F_PostBankruptNetIncome))));
    vars.insert("adjnetinc", number(wholeBankruptAmount(t->amount(T1::F_PostBankruptAdjNetIncome))));
    return appendFilled(text, QStringLiteral(":/net/net/epartbnk.xmt"), vars);
}

int appendEndPart(QString &text, quint8 mode)
{
    return processTemplatePart(text, isEfile(mode) ? QStringLiteral(":/net/net/epartend.xmt")
                                                   : QStringLiteral(":/net/net/npartend.xmt"),
                               TemplateVars(), TemplateLatin1);
}

int buildNetfileDocument(IndividualTaxData &person, QString &text, quint8 mode)
{
    const T1 *t = person.t1();
    if (!t)
        return DocumentNoT1;
    QString document;
    int result = buildPart1(person, document, mode);
    if (result == 0 && isEfile(mode) && t->IsDeceasedForEfileReporting())
        result = buildDeceasedPart(person, document);
    if (result == 0 && isEfile(mode) && t->IsBankrupt())
        result = buildBankruptPart(person, document);
    if (result != 0)
        return result;
    document += recordText(person, *t, mode);
    result = appendEndPart(document, mode);
    if (result != 0)
        return result;
    text += document;
    return 0;
}

void writeSpouseInfoXml(IndividualTaxData &person, CString &out)
{
    const T1 *t = person.t1();
    if (!t)
        return;
    QString text;
    writeXMLString(text, QStringLiteral("tp:SpouseSocialInsuranceNumber"), t->spouseSin(), 0);
    writeXMLString(text, QStringLiteral("tp:SpouseGivenName"), t->spouseFirstName().left(4), 0);
    const qint64 netIncome = wholeSpouseAmount(t->amount(T1::F_SpouseNetIncome));
    if (netIncome > 0)
        text += QStringLiteral("<tp:SpouseNetIncomeAmount>%1</tp:SpouseNetIncomeAmount>").arg(netIncome);
    const qint64 uccb = wholeTruncated(t->amount(T1::F_SpouseUCCB));
    if (uccb != 0)
        text += QStringLiteral("<tp:SpouseUniversalChildCareBenefitAmount>%1</tp:SpouseUniversalChildCareBenefitAmount>")
                    .arg(uccb);
    const qint64 repaid = wholeTruncated(t->amount(T1::F_SpouseUCCBRepayment));
    if (repaid != 0)
        text += QStringLiteral("<tp:SpouseUniversalChildCareRepaymentAmount>%1</tp:SpouseUniversalChildCareRepaymentAmount>")
                    .arg(repaid);
    out += text;
}

namespace {

void writeForeignAddress(const T1 &t, const QString &street, QString &content)
{
    writeXMLOpenTagString(content, QStringLiteral("comm:NonCanadianMailingAddress"));
    writeXMLString(content, QStringLiteral("comm:AddressStreetText"), street, 60);
    writeXMLString(content, QStringLiteral("comm:GlobalAddressMunicipalityName"), t.text(T1::F_City).trimmed(), 50);
    const QString country = t.text(T1::F_ForeignCountry).trimmed();
    if (country.compare(QLatin1String("USA"), Qt::CaseInsensitive) == 0) {
        writeXMLString(content, QStringLiteral("comm:StateCode"), t.text(T1::F_ForeignState).trimmed(), 0);
        writeXMLOpenTagString(content, QStringLiteral("comm:USZipCode"));
        writeXMLString(content, QStringLiteral("comm:ZipCode"), t.text(T1::F_Postcode).trimmed(), 0);
        writeXMLCloseTagString(content, QStringLiteral("comm:USZipCode"));
    }
    writeXMLString(content, QStringLiteral("comm:CountryCode"), country, 0);
    writeXMLCloseTagString(content, QStringLiteral("comm:NonCanadianMailingAddress"));
}

void writeCanadianAddress(const T1 &t, const QString &street, QString &content)
{
    writeXMLOpenTagString(content, QStringLiteral("comm:CanadianMailingAddress"));
    writeXMLString(content, QStringLiteral("comm:AddressStreetText"), street, 60);
    writeXMLString(content, QStringLiteral("comm:AddressMunicipalityName"), t.text(T1::F_City).trimmed(), 50);
    writeXMLString(content, QStringLiteral("comm:AddressProvinceCode"), provinceCode(t1answers::mailingProvince(t)),
                   0);
    writeXMLString(content, QStringLiteral("comm:AddressPostalCode"), GetRawPostcode(t.text(T1::F_Postcode)), 0);
    writeXMLCloseTagString(content, QStringLiteral("comm:CanadianMailingAddress"));
}

} // namespace

void writeMailingAddressXml(IndividualTaxData &person, QString &out)
{
    const T1 *t = person.t1();
    if (!t)
        return;
    QString content;
    if (!CStringField::IsEmptyIfRemoveBlank(t->text(T1::F_CareOf)))
        writeXMLString(content, QStringLiteral("comm:AddressCareOfLineText"), t->text(T1::F_CareOf).trimmed(), 26);
    CString street;
    t->GetFullAddressWithoutPostcode(10, street);
    if (t->flag(T1::F_ForeignMailing))
        writeForeignAddress(*t, street, content);
    else
        writeCanadianAddress(*t, street, content);
    const int same = t->intValue(T1::F_HomeAddressSame);
    if (same == kChoiceYes || same == kChoiceNo)
        writeXMLString(content, QStringLiteral("tp:HomeAddressSameAsMailingAddressIndicator"),
                       same == kChoiceYes ? QStringLiteral("1") : QStringLiteral("2"), 0);
    writeXMLOpenTagString(out, QStringLiteral("tp:TaxpayerMailingAddress"));
    out += content;
    writeXMLCloseTagString(out, QStringLiteral("tp:TaxpayerMailingAddress"));
}
