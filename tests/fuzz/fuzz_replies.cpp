// libFuzzer target: any bytes as a reply of the CRA's filing services (EFILE,
// NETFILE, terms, T1135, T1013 and PAD) and of the Auto-fill services.
// Seeds: tests/fakes/cra.
#include "filingresult.h"
#include "mytixmlhandle.h"
#include "replyparsers.h"
#include "tddwebservice.h"
#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>

namespace {
void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

void filingReplies(const QByteArray &reply)
{
    for (int kind : {1, 101}) {
        FilingResult efile(kind);
        parseEfileResponse(nullptr, reply, kind, efile);
    }
    FilingResult netfile(1);
    parseNetfileResponse(nullptr, 1, reply, netfile);
    FilingResult terms(0);
    parseNetfileTermsResponse(reply, terms);
    // T1013 and PAD: the sender cuts the envelope out, then reads it
    const QByteArray xml = cutFormReply(reply);
    TiXmlDocument doc;
    if (!xml.isEmpty() && parseXmlText(doc, xml) && doc.FirstChildElement()) {
        FormFilingReply tris;
        parseTrisResponse(doc.FirstChildElement(), tris);
        FormFilingReply pad;
        parsePadResponse(doc.FirstChildElement(), pad);
    }
}

void autoFillReplies(const QByteArray &reply)
{
    for (const char *response : {"StageTDDEFileResponse", "GetTDDEFileResponse", "StageNOAResponse", "GetNOAResponse"}) {
        TddServiceReply out;
        parseSoapResponse(reply, response, "TokenIdentifier", out);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc)
    static QCoreApplication app(qtArgc, qtArgv);
    qInstallMessageHandler(dropLog);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // a copy of exactly the input's bytes, as a reply arrives
    const QByteArray reply(reinterpret_cast<const char *>(data), int(size));
    filingReplies(reply);
    autoFillReplies(reply);
    return 0;
}
