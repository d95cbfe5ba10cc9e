// libFuzzer target: any bytes through the return-file reader.
#include "creturnfile.h"
#include "mydatastream.h"
#include "silentmessages.h"
#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>

namespace {
void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

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
