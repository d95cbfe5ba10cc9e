// libFuzzer target: any bytes through the return-file reader.
#include "creturnfile.h"
#include "mydatastream.h"
#include "silentmessages.h"
#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>
#include <dlfcn.h>
#include "cmultiprovstaxmgr.h"
#include "formtables.h"

namespace {
void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

// The plug-in registry keeps each provincial library loaded for the whole run
// on purpose: what it holds at exit is not a leak.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:PluginRegistry::loadLibrary\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // the provincial plug-ins are found beside the executable
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc)
    static QCoreApplication app(qtArgc, qtArgv);
    static SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    // The reader loads and unloads plug-ins for every input; an instrumented library
    // that is unmapped leaves dangling coverage counters behind. Keep each one mapped
    // for the whole run (later unloads then only drop a reference).
    for (int p = 1; p < kProvinceCount; ++p) {
        const QString path = CMultiProvsTaxMgr::libraryFolder() + QLatin1Char('/')
            + getOSLibFilename(QString::fromLatin1(Global_Provs_Info[p].word[3]));
        dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_NODELETE);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    MyDataStream ar(&buffer, false);
    CReturnFile returnFile;
    returnFile.serialize(1, ar);
    return 0;
}
