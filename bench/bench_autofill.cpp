// Reading the downloaded slips of a reply and making their report lines; a
// whole reply parsed, paged and saved; notices masked and saved.
#include "cstring.h"
#include "mytixmlhandle.h"
#include "noataxdataoneperson.h"
#include "tddtaxdataoneperson.h"
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <tinyxml.h>

namespace {

// The twenty kinds of the fixture reply, repeated to 100 slips.
std::string hundredSlips()
{
    QFile f(QStringLiteral(BQ_AUTOFILL_FIXTURES "/slips-all-kinds.xml"));
    if (!f.open(QIODevice::ReadOnly))
        return std::string();
    const QString text = QString::fromUtf8(f.readAll());
    const int open = text.indexOf(QStringLiteral(">"), text.indexOf(QStringLiteral("<Slips"))) + 1;
    const int close = text.indexOf(QStringLiteral("<NR4Slip>"));
    const QString kinds = text.mid(open, close - open);
    QString xml = QStringLiteral("<Slips remark=\"r\">");
    for (int i = 0; i < 5; ++i)
        xml += kinds;
    xml += QStringLiteral("</Slips>");
    return xml.toStdString();
}

void BM_ParseHundredSlips(benchmark::State &state)
{
    const std::string xml = hundredSlips();
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    int slips = 0;
    for (auto _ : state) {
        TDDTaxDataOnePerson person(2024);
        slips = person.parseSlips(doc.RootElement());
        benchmark::DoNotOptimize(slips);
    }
    state.counters["slips"] = slips;
}
BENCHMARK(BM_ParseHundredSlips)->Unit(benchmark::kMicrosecond);

void BM_PageOfHundredSlips(benchmark::State &state)
{
    const std::string xml = hundredSlips();
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    TDDTaxDataOnePerson person(2024);
    person.parseSlips(doc.RootElement());
    for (auto _ : state) {
        CString out;
        person.htmlSlips(out);
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_PageOfHundredSlips)->Unit(benchmark::kMicrosecond);

QString readFixture(const char *name)
{
    QFile f(QStringLiteral(BQ_AUTOFILL_FIXTURES "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The inside of the first element named tag (its text between the tags).
QString inner(const QString &text, const QString &tag)
{
    const int open = text.indexOf(QStringLiteral(">"), text.indexOf(QLatin1Char('<') + tag)) + 1;
    const int close = text.lastIndexOf(QStringLiteral("</") + tag);
    return text.mid(open, close - open);
}

// One person: the fixture's full Summary, Client and CarryOver filled up to
// 100 RRSP history years and 100 entries of three loss lists, and 100 slips of
// mixed kinds.
QString benchPerson(int n)
{
    const QString full = readFixture("person-full.xml");
    QString summary = inner(full, QStringLiteral("ns2:Summary"));
    QString history;
    for (int y = 0; y < 98; ++y)
        history += QStringLiteral("<ns2:RRSPContribution><ns2:TaxYear>%1</ns2:TaxYear>"
                                  "<ns2:UndeductedContributionsAmount>150.00</ns2:UndeductedContributionsAmount>"
                                  "<ns2:CurrentYearContributionsAmount>4000.00</ns2:CurrentYearContributionsAmount>"
                                  "<ns2:TotalAvailableContributionsAmount>4150.00</ns2:TotalAvailableContributionsAmount>"
                                  "<ns2:RepaymentToHBPorLLPAmount>0.00</ns2:RepaymentToHBPorLLPAmount>"
                                  "<ns2:ContributionsDeductedAmount>3000.00</ns2:ContributionsDeductedAmount>"
                                  "<ns2:TotalUnclaimedRRSPContributionsAmount>1150.00"
                                  "</ns2:TotalUnclaimedRRSPContributionsAmount></ns2:RRSPContribution>\n")
                       .arg(1900 + y);
    summary.replace(QStringLiteral("</ns2:RRSPContributionHistory>"), history + QStringLiteral("</ns2:RRSPContributionHistory>"));
    QString carryOver = inner(full, QStringLiteral("ns2:CarryOver"));
    QString losses;
    for (int y = 0; y < 99; ++y)
        losses += QStringLiteral("<ns2:NonCapitalLoss><ns2:TaxYear>%1</ns2:TaxYear>"
                                 "<ns2:CurrentYearNonCapitalLossAmount>4100.00</ns2:CurrentYearNonCapitalLossAmount>"
                                 "<ns2:PriorYearNonCapitalLossAmount>0.00</ns2:PriorYearNonCapitalLossAmount>"
                                 "<ns2:SubsequentYearNonCapitalLossAmount>1000.00"
                                 "</ns2:SubsequentYearNonCapitalLossAmount></ns2:NonCapitalLoss>\n")
                      .arg(1900 + y);
    carryOver.replace(QStringLiteral("</ns2:NonCapitalLosses>"), losses + QStringLiteral("</ns2:NonCapitalLosses>"));
    QString gains;
    for (int y = 0; y < 99; ++y)
        gains += QStringLiteral("<ns2:CapitalGainLoss><ns2:TaxYear>%1</ns2:TaxYear><ns2:InclusionRate>50</ns2:InclusionRate>"
                                "<ns2:TaxableCapitalGainAmount>0.00</ns2:TaxableCapitalGainAmount>"
                                "<ns2:UnappliedNetLossAmount>2300.00</ns2:UnappliedNetLossAmount>"
                                "<ns2:PriorYearNetLossAmount>0.00</ns2:PriorYearNetLossAmount>"
                                "<ns2:SubsequentYearNetLossAmount>0.00</ns2:SubsequentYearNetLossAmount>"
                                "</ns2:CapitalGainLoss>\n")
                     .arg(1900 + y);
    carryOver.replace(QStringLiteral("</ns2:CapitalGainLosses>"), gains + QStringLiteral("</ns2:CapitalGainLosses>"));
    QString deductions;
    for (int y = 0; y < 99; ++y)
        deductions += QStringLiteral("<ns2:CapitalGainDeduction><ns2:TaxYear>%1</ns2:TaxYear>"
                                     "<ns2:CapitalGainDeductionAmount>15000.00</ns2:CapitalGainDeductionAmount>"
                                     "<ns2:NetCapitalGainLossAmount>30000.00</ns2:NetCapitalGainLossAmount>"
                                     "<ns2:NetFarmPropertyDispositionAmount>0.00</ns2:NetFarmPropertyDispositionAmount>"
                                     "<ns2:NetSmallBusinessShareDispositionAmount>30000.00"
                                     "</ns2:NetSmallBusinessShareDispositionAmount></ns2:CapitalGainDeduction>\n")
                          .arg(1900 + y);
    carryOver.replace(QStringLiteral("</ns2:CapitalGainDeductions>"),
                      deductions + QStringLiteral("</ns2:CapitalGainDeductions>"));
    return QStringLiteral("<ns2:EFileIndividualIncomeTaxDataItem><ns2:IndividualTaxpayerIdentifier>id%1"
                          "</ns2:IndividualTaxpayerIdentifier><ns2:Summary>%2</ns2:Summary><ns2:Client>%3</ns2:Client>"
                          "<ns2:CarryOver>%4</ns2:CarryOver>%5</ns2:EFileIndividualIncomeTaxDataItem>\n")
        .arg(n)
        .arg(summary, inner(full, QStringLiteral("ns2:Client")), carryOver,
             QString::fromStdString(hundredSlips()));
}

std::string benchReply()
{
    QString xml = QStringLiteral("<soapenv:Envelope xmlns:soapenv=\"s\"><soapenv:Body><ns2:GetTDDEFileResponse "
                                 "xmlns:ns2=\"t\"><ns2:EFileTaxDataDelivery><ns2:EFileTaxData>\n");
    for (int n = 0; n < 10; ++n)
        xml += benchPerson(n);
    xml += QStringLiteral("</ns2:EFileTaxData></ns2:EFileTaxDataDelivery></ns2:GetTDDEFileResponse>"
                          "</soapenv:Body></soapenv:Envelope>\n");
    return xml.toStdString();
}

const char *const kSchema[] = {
    "create table tb_taxpayers (id integer primary key autoincrement, name varchar(200), sin varchar(20), "
    "phone varchar(20), email varchar(80))",
    "create index idx_tb_taxpayer_sin on tb_taxpayers (sin)",
    "create table tb_taxdata (id integer primary key autoincrement, uid integer, create_time datetime, "
    "data1 text, html1 text, taxyear integer)",
    "create index idx_tb_taxdata_uid on tb_taxdata (uid)",
    "create table tb_taxnoa (id integer primary key autoincrement, uid integer, create_time datetime, "
    "data1 text, htmlfile varchar(256), taxyear integer)",
    "create index idx_tb_taxnoa_uid on tb_taxnoa (uid)",
};

QSqlDatabase freshDatabase(const QString &path, const QString &name)
{
    QFile::remove(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.open();
    QSqlQuery q(db);
    for (const char *sql : kSchema)
        q.exec(QLatin1String(sql));
    return db;
}

// The whole reply: parsed, each person read, paged and saved into a fresh file.
void BM_ReplyParsedPagedSaved(benchmark::State &state)
{
    const std::string reply = benchReply();
    QTemporaryDir dir;
    int saved = 0;
    for (auto _ : state) {
        TiXmlDocument doc;
        doc.Parse(reply.c_str(), nullptr, TIXML_ENCODING_UTF8);
        {
            QSqlDatabase db = freshDatabase(dir.filePath(QStringLiteral("bench.db")), QStringLiteral("bench"));
            const MyTiXmlHandle first = MyTiXmlHandle(doc.RootElement(), "ns")
                                            .FirstChildElement("soapenv:Body")
                                            .FirstChildElement("GetTDDEFileResponse")
                                            .FirstChildElement("EFileTaxDataDelivery")
                                            .FirstChildElement("EFileTaxData")
                                            .FirstChildElement("EFileIndividualIncomeTaxDataItem");
            int n = 0;
            saved = 0;
            for (const TiXmlElement *e = first.ToElement(); e; e = e->NextSiblingElement(), ++n) {
                TDDTaxDataOnePerson person(2024);
                person.parse(e);
                const std::string sin = "0464542" + std::to_string(10 + n);
                if (person.saveToDatabase(db, nullptr, sin.c_str(), printElementToString(e).c_str()) == 0)
                    ++saved;
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    }
    state.counters["persons"] = saved;
    state.counters["MB"] = double(reply.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReplyParsedPagedSaved)->Unit(benchmark::kMillisecond);

// One person's whole page with 100 slips.
void BM_PersonPageHundredSlips(benchmark::State &state)
{
    const std::string xml = benchPerson(1).toStdString();
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    TDDTaxDataOnePerson person(2024);
    person.parse(doc.RootElement());
    for (auto _ : state) {
        CString out;
        person.toHtml(out, "046454286", "2025-03-01T10:00:00-05:00");
        benchmark::DoNotOptimize(out.size());
    }
    state.counters["slips"] = person.slipCount();
}
BENCHMARK(BM_PersonPageHundredSlips)->Unit(benchmark::kMillisecond);

// Ten notice items (no page to request) masked and saved.
void BM_TenNoticesMaskedSaved(benchmark::State &state)
{
    QTemporaryDir dir;
    static int run = 0;
    QSqlDatabase db = freshDatabase(dir.filePath(QStringLiteral("noa.db")), QStringLiteral("noa%1").arg(++run));
    std::vector<std::string> items;
    for (int n = 0; n < 10; ++n)
        items.push_back("<soapenv:Envelope><soapenv:Body><GetNOAResponse><NoticeOfAssessment>"
                        "<NoticeOfAssessmentData><ns2:NoticeOfAssessmentItem><ns2:IndividualTaxpayerIdentifier>id"
                        + std::to_string(n) + "</ns2:IndividualTaxpayerIdentifier>"
                        "<ns2:AssessmentSummaryText xml:lang=\"en\">Assessed as filed</ns2:AssessmentSummaryText>"
                        "<ns2:Detail><ns2:MaskedAccountNumber>0464542" + std::to_string(10 + n)
                        + "</ns2:MaskedAccountNumber>" + std::string(3000, ' ') + "<ns2:Amount>412.36</ns2:Amount>"
                        "</ns2:Detail></ns2:NoticeOfAssessmentItem></NoticeOfAssessmentData></NoticeOfAssessment>"
                        "</GetNOAResponse></soapenv:Body></soapenv:Envelope>");
    int saved = 0;
    for (auto _ : state) {
        saved = 0;
        for (int n = 0; n < 10; ++n) {
            std::string xml = items[size_t(n)];
            TiXmlDocument doc;
            doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
            NOATaxDataOnePerson notice(dir.path(), 2024);
            notice.parseNotice(MyTiXmlHandle(doc.RootElement(), "ns")
                                   .FirstChildElement("soapenv:Body")
                                   .FirstChildElement("GetNOAResponse")
                                   .FirstChildElement("NoticeOfAssessment")
                                   .FirstChildElement("NoticeOfAssessmentData")
                                   .FirstChildElement("NoticeOfAssessmentItem")
                                   .ToElement());
            const std::string sin = "0464542" + std::to_string(10 + n);
            saved += notice.saveToDatabase(db, nullptr, sin.c_str(), xml);
        }
    }
    state.counters["saved"] = saved;
}
BENCHMARK(BM_TenNoticesMaskedSaved)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
