// Reading the downloaded slips of a reply and making their report lines.
#include "cstring.h"
#include "tddtaxdataoneperson.h"
#include <QFile>
#include <QString>
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

} // namespace

BENCHMARK_MAIN();
