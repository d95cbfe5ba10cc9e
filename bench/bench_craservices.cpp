// The EFILE envelope of a 300 KB return, a 20 KB rejection reply with texts and
// links, and a T1013 reply cut and parsed; the form filings' envelopes (a 50 KB
// T1135 statement, a T1013 batch, a PAD body) and their replies.
#include "replyparsers.h"
#include "soapenvelopes.h"
#include <benchmark/benchmark.h>
#include <tinyxml.h>

namespace {

QByteArray returnDocument()
{
    QByteArray doc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<t1:T1Return xmlns:t1=\"urn:t1\">");
    for (int i = 0; doc.size() < 300 * 1024; ++i)
        doc += "<t1:Line><t1:Code>" + QByteArray::number(10000 + i) + "</t1:Code><t1:Amount>"
               + QByteArray::number(i * 17.25, 'f', 2) + "</t1:Amount><t1:Text>Montr\xc3\xa9" "al &amp; co</t1:Text></t1:Line>";
    return doc + "</t1:T1Return>\n";
}

TemplateVars efileVars()
{
    TemplateVars v;
    for (const char *key : {"efilerID", "efpasd", "repID", "dcn", "testcaseID", "firsttime", "givenname", "secondname",
                            "familyname", "ENOAFlag", "precntctcode", "postcntctcode", "origip"})
        v.insert(key, "Value & <1>");
    return v;
}

QByteArray rejectionReply()
{
    QByteArray texts, links;
    for (int i = 0; texts.size() + links.size() < 20 * 1024; ++i) {
        texts += "<t1rsp:MessageText>La d\xc3\xa9" "claration est rejet\xc3\xa9" "e \xe2\x80\x99 ligne "
                 + QByteArray::number(i) + " &amp; &lt;code&gt;</t1rsp:MessageText>";
        links += "<t1rsp:Hyperlink><t1rsp:HyperlinkText>Codes d\xe2\x80\x99" "erreur " + QByteArray::number(i)
                 + "</t1rsp:HyperlinkText><t1rsp:HyperlinkTarget>https://www.canada.ca/fr/codes-" + QByteArray::number(i)
                 + ".html</t1rsp:HyperlinkTarget></t1rsp:Hyperlink>";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"s\"><soapenv:Body>"
           "<t1ersp:EfileReturnResponse><ResultCode>2001</ResultCode><t1rsp:FileReturnResponse><t1rsp:Rejection>"
           "<t1rsp:EnglishMessage>"
           + texts + links + "</t1rsp:EnglishMessage></t1rsp:Rejection></t1rsp:FileReturnResponse>"
                             "</t1ersp:EfileReturnResponse></soapenv:Body></soapenv:Envelope>";
}

void BM_EfileEnvelope300KB(benchmark::State &state)
{
    const QByteArray doc = returnDocument();
    const TemplateVars vars = efileVars();
    for (auto _ : state) {
        QByteArray out;
        if (buildEfileSoapFromReturnXml(1, vars, doc, out) != 0)
            state.SkipWithError("envelope not built");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_EfileEnvelope300KB)->Unit(benchmark::kMillisecond);

void BM_Rejection20KB(benchmark::State &state)
{
    const QByteArray reply = rejectionReply();
    for (auto _ : state) {
        FilingResult r(1);
        if (parseEfileResponse(nullptr, reply, 1, r) != 0 || r.message.isEmpty())
            state.SkipWithError("reply not parsed");
        benchmark::DoNotOptimize(r.message.data());
    }
}
BENCHMARK(BM_Rejection20KB)->Unit(benchmark::kMillisecond);

void BM_T1013ReplyCutAndParsed(benchmark::State &state)
{
    const QByteArray raw =
        "HTTP/1.1 200 OK\r\n\r\n<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"s\"><soapenv:Body>"
        "<trisr:Response><trisr:BatchResponse><trisr:BatchResponseDetail><trisr:ReceivedFormsCount>2</trisr:ReceivedFormsCount>"
        "<trisr:ConfirmationNumber>RC24T10130002</trisr:ConfirmationNumber></trisr:BatchResponseDetail><trisr:ResponseCodes>"
        "<trisr:BatchLevelResponse><trisr:BatchResponseCode><trisr:ResponseCode>0</trisr:ResponseCode><trisr:ResponseCode>1"
        "</trisr:ResponseCode></trisr:BatchResponseCode></trisr:BatchLevelResponse></trisr:ResponseCodes></trisr:BatchResponse>"
        "</trisr:Response></soapenv:Body></soapenv:Envelope>";
    for (auto _ : state) {
        const QByteArray xml = cutFormReply(raw);
        TiXmlDocument doc;
        doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
        FormFilingReply reply;
        parseTrisResponse(doc.FirstChildElement(), reply);
        if (reply.responseCodes.size() != 2)
            state.SkipWithError("reply not parsed");
    }
}
BENCHMARK(BM_T1013ReplyCutAndParsed)->Unit(benchmark::kMicrosecond);

QByteArray t1135Statement()
{
    QByteArray doc("<?xml version=\"1.0\"?><t1135:ForeignIncomeVerificationStatement xmlns:t1135=\"urn:t1135\">");
    for (int i = 0; doc.size() < 50 * 1024; ++i)
        doc += "<t1135:FundsHeldOutsideCanada><t1135:Name>Banque &amp; Cie " + QByteArray::number(i)
               + "</t1135:Name><t1135:Country>FRA</t1135:Country><t1135:MaximumCost>"
               + QByteArray::number(100000 + i) + "</t1135:MaximumCost></t1135:FundsHeldOutsideCanada>";
    return doc + "</t1135:ForeignIncomeVerificationStatement>";
}

void BM_T1135Envelope50KB(benchmark::State &state)
{
    const QByteArray doc = t1135Statement();
    const TemplateVars vars = efileVars();
    for (auto _ : state) {
        QByteArray out;
        if (buildEfileSoapFromReturnXml(0, vars, doc, out) != 0)
            state.SkipWithError("envelope not built");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_T1135Envelope50KB)->Unit(benchmark::kMillisecond);

void BM_FormEnvelope(benchmark::State &state)
{
    const bool isT1013 = state.range(0) == 1;
    TemplateVars vars;
    for (const char *key : {"efilerid", "password", "taxyear", "softwarecode", "revdate", "sin"})
        vars.insert(key, "Value & <1>");
    const QString body = isT1013
        ? QStringLiteral("<T1013Batch><Authorization><SIN>046454286</SIN><RepId>RP1234567</RepId>"
                         "<Level>2</Level></Authorization></T1013Batch>")
        : QStringLiteral("<pad:PadAgreement><pad:PaymentAmount>1250.00</pad:PaymentAmount><pad:AccountNumber>9876543"
                         "</pad:AccountNumber></pad:PadAgreement>");
    for (auto _ : state) {
        CString out;
        if (buildTrisSoap(isT1013, vars, body, out) != 0)
            state.SkipWithError("envelope not built");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_FormEnvelope)->Arg(1)->ArgName("T1013")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormEnvelope)->Arg(0)->ArgName("PAD")->Unit(benchmark::kMicrosecond);

void BM_T1135ReplyParsed(benchmark::State &state)
{
    const QByteArray reply =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"s\"><soapenv:Body>"
        "<FrrmsEfileReturnResponse><ResultCode>0</ResultCode><TransmissionNumber>FR240000456</TransmissionNumber>"
        "<t1rsp:FileReturnResponse><t1rsp:Confirmation><t1rsp:EnglishMessage><t1rsp:MessageText>Your T1135 was "
        "received.</t1rsp:MessageText><t1rsp:Hyperlink><t1rsp:HyperlinkText>T1135</t1rsp:HyperlinkText>"
        "<t1rsp:HyperlinkTarget>https://www.canada.ca/t1135.html</t1rsp:HyperlinkTarget></t1rsp:Hyperlink>"
        "</t1rsp:EnglishMessage></t1rsp:Confirmation></t1rsp:FileReturnResponse></FrrmsEfileReturnResponse>"
        "</soapenv:Body></soapenv:Envelope>";
    for (auto _ : state) {
        FilingResult r(101);
        if (parseEfileResponse(nullptr, reply, 101, r) != 0 || !r.confirmed)
            state.SkipWithError("reply not parsed");
        benchmark::DoNotOptimize(r.message.data());
    }
}
BENCHMARK(BM_T1135ReplyParsed)->Unit(benchmark::kMicrosecond);

void BM_PadReplyCutAndParsed(benchmark::State &state)
{
    const QByteArray raw =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"s\"><soapenv:Body>"
        "<PadCreateResponse><Confirmation><ConfirmationNumber>PAD2400790</ConfirmationNumber><ResponseCodeDescription>"
        "<ResponseCode>0</ResponseCode><EnglishMessage><MessageText>Accepted.</MessageText></EnglishMessage>"
        "</ResponseCodeDescription><ResponseCodeDescription><ResponseCode>1</ResponseCode><EnglishMessage><MessageText>"
        "First payment due.</MessageText></EnglishMessage></ResponseCodeDescription></Confirmation></PadCreateResponse>"
        "</soapenv:Body></soapenv:Envelope>";
    for (auto _ : state) {
        const QByteArray xml = cutFormReply(raw);
        TiXmlDocument doc;
        doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
        FormFilingReply reply;
        parsePadResponse(doc.FirstChildElement(), reply);
        if (reply.responseCodes.size() != 2 || reply.confirmationNumber.isEmpty())
            state.SkipWithError("reply not parsed");
    }
}
BENCHMARK(BM_PadReplyCutAndParsed)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
