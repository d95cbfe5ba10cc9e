// The web-service helpers of the control library: a SOAP exchange with a
// loopback server, digests, XML lookups and printing, CSV rows.
#include "cryptocoding.h"
#include "fakehttpsserver.h"
#include "mytixmlhandle.h"
#include "textandtime.h"
#include "tlsw3client.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace bqfakes;

namespace {
const char kPath[] = "/ebci/pfeo/ws/services/FileReturnService";

// Connect, handshake, a 300 KB request and a 20 KB reply.
void BM_TlsSoapExchange(benchmark::State &state)
{
    static FakeHttpsServer server;
    static bool started = [] {
        server.route("POST", kPath, [](const FakeRequest &) { return FakeResponse::text(QByteArray(20 * 1024, 'r')); });
        return server.start();
    }();
    if (!started) {
        state.SkipWithError("the loopback server did not start");
        return;
    }
    TLSW3Client::setTestCaFile(server.caFile());
    const QByteArray request(300 * 1024, 'q');
    for (auto _ : state) {
        TLSW3Client client;
        RawHTTPSoapResponseStru reply;
        if (!client.Connect(QStringLiteral("127.0.0.1:%1").arg(server.port()))
            || !client.CallSoap(kPath, false, "text/xml; charset=UTF-8", request.constData(), request.size(), reply)
            || reply.body.GetSize() != 20 * 1024) {
            state.SkipWithError("the exchange failed");
            return;
        }
        server.clearRequests();
    }
}
BENCHMARK(BM_TlsSoapExchange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Sha256TwoMegabytes(benchmark::State &state)
{
    const QByteArray data(2 * 1024 * 1024, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(SHA256(data, true));
}
BENCHMARK(BM_Sha256TwoMegabytes)->Unit(benchmark::kMillisecond);

// A reply with 40 items; lookups along a path with the "ns" prefix, then one
// item of about 20 KB printed back to text.
void BM_XmlLookupsAndPrint(benchmark::State &state)
{
    std::string xml = "<soapenv:Envelope><soapenv:Body><ns2:GetTDDEFileResponse><ns2:EFileTaxDataDelivery><ns2:EFileTaxData>";
    std::string item = "<ns2:EFileIndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>abc</IndividualTaxpayerIdentifier>";
    while (item.size() < 20 * 1024)
        item += "<Slip><Box boxNumber=\"14\">12345.67</Box><SlipVersionDescription>Original</SlipVersionDescription></Slip>";
    item += "</ns2:EFileIndividualIncomeTaxDataItem>";
    for (int i = 0; i < 40; ++i)
        xml += item;
    xml += "</ns2:EFileTaxData></ns2:EFileTaxDataDelivery></ns2:GetTDDEFileResponse></soapenv:Body></soapenv:Envelope>";
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    for (auto _ : state) {
        const MyTiXmlHandle root(doc.FirstChildElement(), "ns");
        const MyTiXmlHandle first = root.FirstChildElement("soapenv:Body")
                                        .FirstChildElement("GetTDDEFileResponse")
                                        .FirstChildElement("EFileTaxDataDelivery")
                                        .FirstChildElement("EFileTaxData")
                                        .FirstChildElement("EFileIndividualIncomeTaxDataItem");
        benchmark::DoNotOptimize(getElementSubEleStringText(first.ToElement(), "IndividualTaxpayerIdentifier"));
        benchmark::DoNotOptimize(printElementToString(first.ToElement()));
    }
}
BENCHMARK(BM_XmlLookupsAndPrint)->Unit(benchmark::kMicrosecond);

void BM_ParseCsv325Rows(benchmark::State &state)
{
    std::string csv = "Program,Abbreviation,Name,Department,Address,City,Province,Postal code,Fax,Email,Telephone\n";
    for (int row = 1; row < 325; ++row)
        csv += "P" + std::to_string(row) + ",AB" + std::to_string(row)
            + ",\"Benefit, program " + std::to_string(row)
            + "\",Dept,\"123 Main St\",Ottawa,ON,K1A 0A1,613-555-0100,info@example.ca,1-800-959-8281\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseCSV(csv));
}
BENCHMARK(BM_ParseCsv325Rows)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
