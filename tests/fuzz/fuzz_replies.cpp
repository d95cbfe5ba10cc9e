// libFuzzer target: any bytes as a reply of the CRA's filing services (EFILE,
// NETFILE, terms, T1135, T1013 and PAD) and of the Auto-fill services.
// Seeds: tests/fakes/cra.
//
// TinyXML is the system's library and not instrumented: the reply sits right
// before a page the process may not read, so that a read past its end (past
// the terminating zero a received reply has) crashes.
#include "filingresult.h"
#include "mytixmlhandle.h"
#include "replyparsers.h"
#include "tddwebservice.h"
#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {
constexpr size_t kMaxReply = 1 << 20;

// A reply-sized region followed by a page without access.
char *guardedEnd()
{
    static char *end = [] {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        const size_t usable = (kMaxReply + 1 + page - 1) / page * page;
        void *map = mmap(nullptr, usable + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED)
            abort();
        char *base = static_cast<char *>(map);
        mprotect(base + usable, page, PROT_NONE);
        return base + usable;
    }();
    return end;
}

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
    if (size > kMaxReply)
        return 0;
    // the bytes and the zero after them end at the guard page
    char *at = guardedEnd() - size - 1;
    std::memcpy(at, data, size);
    at[size] = '\0';
    const QByteArray reply = QByteArray::fromRawData(at, int(size));
    filingReplies(reply);
    autoFillReplies(reply);
    return 0;
}
