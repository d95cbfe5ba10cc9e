#include "cjavabridge.h"
#include "settingsseam.h"
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLibrary>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

const char *const kEngineClass = "a/b/g6";
// Where Debian's default JDK keeps its library whatever its version.
const char *const kStableJvmPath = "/usr/lib/jvm/default-java/lib/server/libjvm.so";
// Local references one job needs at most, with room to spare.
constexpr jint kFrameCapacity = 32;

typedef jint(JNICALL *GetDefaultArgsFn)(void *);
typedef jint(JNICALL *CreateVmFn)(JavaVM **, void **, void *);

bool isRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

bool configFlag(const QString &key)
{
    const QString v = settingsSource()->configValue(key).trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
        || v == QLatin1String("on");
}

// Pops the job's local frame on every way out.
class LocalFrame
{
public:
    explicit LocalFrame(JNIEnv *env) : m_env(env), m_pushed(env->PushLocalFrame(kFrameCapacity) == 0) {}
    ~LocalFrame()
    {
        if (m_pushed)
            m_env->PopLocalFrame(nullptr);
    }
    bool pushed() const { return m_pushed; }

private:
    JNIEnv *m_env;
    bool m_pushed;
};

// A machine that fails to start ends the process through its exit or abort
// hook. While this thread starts one, the hooks jump back into startVm instead.
thread_local sigjmp_buf *t_startJump = nullptr;

void JNICALL onVmExit(jint)
{
    if (sigjmp_buf *jump = t_startJump)
        siglongjmp(*jump, 1);
}

void JNICALL onVmAbort()
{
    if (sigjmp_buf *jump = t_startJump)
        siglongjmp(*jump, 1);
}

// The signals the machine takes over while it starts; a failed start gives them back.
const int kVmSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGPIPE, SIGXFSZ, SIGQUIT,
                          SIGUSR2, SIGHUP, SIGINT, SIGTERM, SIGTRAP};
constexpr size_t kVmSignalCount = sizeof(kVmSignals) / sizeof(kVmSignals[0]);

// Calls create with the hooks armed; false when the machine gave up on its start.
bool createWithinHooks(CreateVmFn create, JavaVM **vm, void **env, JavaVMInitArgs *args, jint &result)
{
    struct sigaction saved[kVmSignalCount];
    for (size_t i = 0; i < kVmSignalCount; ++i)
        sigaction(kVmSignals[i], nullptr, &saved[i]);
    sigjmp_buf jump;
    if (sigsetjmp(jump, 1) != 0) {
        t_startJump = nullptr;
        for (size_t i = 0; i < kVmSignalCount; ++i)
            sigaction(kVmSignals[i], &saved[i], nullptr);
        return false;
    }
    t_startJump = &jump;
    result = create(vm, env, args);
    t_startJump = nullptr;
    return true;
}

struct MethodSpec
{
    const char *name;
    const char *signature;
    int missingCode;
};

} // namespace

CJavaBridge &CJavaBridge::instance()
{
    static CJavaBridge bridge;
    return bridge;
}

CJavaBridge::CJavaBridge() = default;

// The machine may still run: the library is neither unloaded nor the machine destroyed.
CJavaBridge::~CJavaBridge()
{
    delete library;
}

int CJavaBridge::load()
{
    if (loaded)
        return 0;
    // The machine is made once; after a failed check only the checks run again.
    if (!vm) {
        pdfPath = settingsSource()->configValue(QStringLiteral("PDFPATH"));
        xmlPath = settingsSource()->configValue(QStringLiteral("XMLPATH"));
        classPath = settingsSource()->configValue(QStringLiteral("JAVACLASSPATH"));
        CString path;
        const int found = findJvmLibrary(path);
        if (found != 0)
            return found;
        if (!library || library->fileName() != path) {
            delete library;
            library = new QLibrary(path);
        }
    }
    const int r = createJavaVM();
    if (r == 0)
        loaded = true;
    return r;
}

int CJavaBridge::findJvmLibrary(CString &path)
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../jre/lib/server/libjvm.so");
    if (isRegularFile(beside)) {
        path = QFileInfo(beside).absoluteFilePath();
        return 0;
    }
    QString configured = settingsSource()->configValue(QStringLiteral("JVMPATH")).trimmed();
    if (configured.isEmpty())
        configured = QString::fromLatin1(kStableJvmPath);
    if (isRegularFile(configured)) {
        path = configured;
        return 0;
    }
    return -21;
}

int CJavaBridge::createJavaVM()
{
    if (!vm) {
        const int r = startVm();
        if (r != 0)
            return r;
    }
    return checkEngine();
}

int CJavaBridge::startVm()
{
    if (startFailed)
        return -10;
    if (!library)
        return -21;
    auto getDefaultArgs = reinterpret_cast<GetDefaultArgsFn>(library->resolve("JNI_GetDefaultJavaVMInitArgs"));
    if (!getDefaultArgs) {
        std::fputs("JVM library did not contain JNI_GetDefaultJavaVMInitArgs entry point.\n", stderr);
        return -3;
    }
    auto createVm = reinterpret_cast<CreateVmFn>(library->resolve("JNI_CreateJavaVM"));
    if (!createVm) {
        std::fputs("JVM library did not contain JNI_CreateJavaVM entry point.\n", stderr);
        return -5;
    }
    initArgs = JavaVMInitArgs{};
    initArgs.version = JNI_VERSION_1_2;
    if (getDefaultArgs(&initArgs) != 0)
        return -7;

    // The options are sized to their text: a class path has no length limit.
    QByteArray classPathOption = QByteArrayLiteral("-Djava.class.path=") + classPath.toUtf8();
    QByteArray headlessOption = QByteArrayLiteral("-Djava.awt.headless=true");
    QByteArray exitOption = QByteArrayLiteral("exit");
    QByteArray abortOption = QByteArrayLiteral("abort");
    // SIGTERM, SIGHUP and SIGINT stay the program's: they keep unsaved returns
    QByteArray signalsOption = QByteArrayLiteral("-Xrs");
    JavaVMOption options[5];
    options[0].optionString = classPathOption.data();
    options[0].extraInfo = nullptr;
    options[1].optionString = headlessOption.data();
    options[1].extraInfo = nullptr;
    options[2].optionString = exitOption.data();
    options[2].extraInfo = reinterpret_cast<void *>(&onVmExit);
    options[3].optionString = abortOption.data();
    options[3].extraInfo = reinterpret_cast<void *>(&onVmAbort);
    options[4].optionString = signalsOption.data();
    options[4].extraInfo = nullptr;
    initArgs.version = JNI_VERSION_1_2;
    initArgs.nOptions = 5;
    initArgs.options = options;
    initArgs.ignoreUnrecognized = JNI_FALSE;

    JavaVM *madeVm = nullptr;
    void *madeEnv = nullptr;
    jint created = JNI_ERR;
    const bool returned = createWithinHooks(createVm, &madeVm, &madeEnv, &initArgs, created);
    initArgs.options = nullptr;   // the option texts live on this frame only
    if (!returned) {
        // a machine that gave up part way cannot be made again in this process
        startFailed = true;
        std::fputs("The Java virtual machine could not start; printing needs a restart of the program.\n", stderr);
        return -10;
    }
    if (created != 0 || !madeVm || !madeEnv)
        return -10;
    vm = madeVm;
    env = static_cast<JNIEnv *>(madeEnv);
    return 0;
}

// True when a Java exception was pending: it goes to the log and is cleared.
bool CJavaBridge::takeException(const char *step)
{
    if (!env->ExceptionCheck())
        return false;
    jthrowable thrown = env->ExceptionOccurred();
    env->ExceptionClear();
    QString text = QStringLiteral("(no description)");
    jclass throwableClass = env->FindClass("java/lang/Throwable");
    jmethodID toString = throwableClass ? env->GetMethodID(throwableClass, "toString", "()Ljava/lang/String;") : nullptr;
    jstring described = toString ? static_cast<jstring>(env->CallObjectMethod(thrown, toString)) : nullptr;
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        described = nullptr;
    }
    if (described) {
        const jchar *chars = env->GetStringChars(described, nullptr);
        if (chars) {
            text = QString::fromUtf16(reinterpret_cast<const char16_t *>(chars), env->GetStringLength(described));
            env->ReleaseStringChars(described, chars);
        }
        env->DeleteLocalRef(described);
    }
    if (throwableClass)
        env->DeleteLocalRef(throwableClass);
    env->DeleteLocalRef(thrown);
    qWarning().noquote() << "report engine:" << step << "threw" << text;
    return true;
}

jstring CJavaBridge::newString(const QString &text)
{
    jstring s = env->NewString(reinterpret_cast<const jchar *>(text.utf16()), jsize(text.size()));
    if (takeException("making a string"))
        return nullptr;
    return s;
}

int CJavaBridge::checkEngine()
{
    LocalFrame frame(env);
    if (!frame.pushed()) {
        takeException("local frame");
        return NoLocalFrame;
    }
    jclass cls = env->FindClass(kEngineClass);
    if (!cls) {
        takeException("finding the engine class");
        return -101;
    }
    const MethodSpec checked[] = {
        {"<init>", "()V", -102},
        {"do", "(Ljava/lang/String;)V", -103},
        {"if", "(Ljava/lang/String;)V", -104},
        {"a", "(Ljava/lang/String;)V", -105},
    };
    for (const MethodSpec &m : checked) {
        if (!env->GetMethodID(cls, m.name, m.signature)) {
            takeException(m.name);
            return m.missingCode;
        }
    }
    // looked up without a check
    env->GetMethodID(cls, "for", "(Ljava/lang/String;)I");
    takeException("for");
    env->GetMethodID(cls, "a", "(III)I");
    takeException("a");
    return 0;
}

int CJavaBridge::runJob(const CString &returnFilePath, bool isSpouse, int kind, int category, int formId,
                        int printMask, const QString &outputFolder, CString &pdfName)
{
    if (!loaded || !env)
        return NotLoaded;
    LocalFrame frame(env);
    if (!frame.pushed()) {
        takeException("local frame");
        return NoLocalFrame;
    }

    // 1, 2: the entry class and the methods every job calls
    jclass cls = env->FindClass(kEngineClass);
    if (!cls) {
        takeException("finding the engine class");
        return -101;
    }
    auto method = [&](const char *name, const char *signature) -> jmethodID {
        jmethodID id = env->GetMethodID(cls, name, signature);
        if (!id)
            takeException(name);
        return id;
    };
    const jmethodID init = method("<init>", "()V");
    if (!init)
        return -102;
    const jmethodID setPdfPath = method("do", "(Ljava/lang/String;)V");
    if (!setPdfPath)
        return -103;
    const jmethodID setXmlPath = method("if", "(Ljava/lang/String;)V");
    if (!setXmlPath)
        return -104;
    const jmethodID setFolder = method("a", "(Ljava/lang/String;)V");
    if (!setFolder)
        return -105;
    jmethodID getPdfName = env->GetMethodID(cls, "a", "()Ljava/lang/String;");
    if (!getPdfName)
        env->ExceptionClear();   // optional: older engines lack it
    const jmethodID setMask = method("if", "(I)V");
    if (!setMask)
        return -112;
    const jmethodID readFile = method("for", "(Ljava/lang/String;)I");
    if (!readFile)
        return -106;
    const jmethodID writePdf = method("a", "(III)I");
    if (!writePdf)
        return -107;

    // 3: the report object
    jobject report = env->NewObject(cls, init);
    if (takeException("<init>"))
        return ExceptionInInit;
    if (!report)
        return -108;

    // 4 .. 13: the job's settings, in the engine's order
    const jmethodID prepare = method("if", "()V");
    if (!prepare)
        return -124;
    jstring pdf = newString(pdfPath);
    if (!pdf)
        return -109;
    env->CallVoidMethod(report, setPdfPath, pdf);
    if (takeException("do"))
        return ExceptionInPdfPath;
    jstring xml = newString(xmlPath);
    if (!xml)
        return -111;
    env->CallVoidMethod(report, setXmlPath, xml);
    if (takeException("if(String)"))
        return ExceptionInXmlPath;

    QString folder = outputFolder;
    if (folder.isEmpty())
        folder = settingsSource()->userSetting(QStringLiteral("RetPdfPath"));
    jstring folderString = newString(folder);
    if (!folderString)
        return ExceptionInFolder;
    env->CallVoidMethod(report, setFolder, folderString);
    if (takeException("a(String)"))
        return ExceptionInFolder;

    env->CallVoidMethod(report, setMask, jint(printMask));
    if (takeException("if(int)"))
        return ExceptionInMask;
    env->CallVoidMethod(report, prepare);
    if (takeException("if()"))
        return ExceptionInPrepare;

    const jmethodID start = method("int", "()V");
    if (!start)
        return -120;
    env->CallVoidMethod(report, start);
    if (takeException("int"))
        return ExceptionInInt;
    if (!configFlag(QStringLiteral("PrintHeader"))) {
        const jmethodID header = method("new", "()V");
        if (!header)
            return -121;
        env->CallVoidMethod(report, header);
        if (takeException("new"))
            return ExceptionInNew;
    }
    const jmethodID layout = method("for", "()V");
    if (!layout)
        return -122;
    env->CallVoidMethod(report, layout);
    if (takeException("for()"))
        return ExceptionInFor;
    if (kind != 0) {
        const jmethodID setKind = method("a", "(I)V");
        if (!setKind)
            return -123;
        env->CallVoidMethod(report, setKind, jint(kind));
        if (takeException("a(int)"))
            return ExceptionInKind;
    }

    // 14: the engine reads the saved return
    jstring file = newString(returnFilePath);
    if (!file)
        return -130;
    const jint readResult = env->CallIntMethod(report, readFile, file);
    if (takeException("for(String)"))
        return ExceptionInRead;
    qInfo().noquote() << "read data: " << readResult;
    if (readResult != 0 && readResult != 5166 && readResult != 5167)
        return -116;

    // 15: and writes the PDF
    const jint writeResult = env->CallIntMethod(report, writePdf, jint(isSpouse ? 1 : 0), jint(category), jint(formId));
    if (takeException("a(int,int,int)"))
        return ExceptionInWrite;
    qInfo().noquote() << "write data: " << writeResult;
    if (writeResult != 0)
        return -117;

    // 16: the name of the PDF written, when the engine tells it
    if (getPdfName) {
        jstring name = static_cast<jstring>(env->CallObjectMethod(report, getPdfName));
        if (takeException("a()"))
            return ExceptionInPdfName;
        if (name) {
            const jchar *chars = env->GetStringChars(name, nullptr);
            if (chars) {
                pdfName = QString::fromUtf16(reinterpret_cast<const char16_t *>(chars), env->GetStringLength(name));
                env->ReleaseStringChars(name, chars);
            } else {
                takeException("reading the PDF name");
            }
        }
    }
    return 0;
}

void CJavaBridge::shutdown()
{
    if (vm) {
        if (attached)
            vm->DetachCurrentThread();
        vm->DestroyJavaVM();
    }
    if (library) {
        library->unload();
        delete library;
    }
    reset();
}

void CJavaBridge::reset()
{
    library = nullptr;
    vm = nullptr;
    env = nullptr;
    attached = false;
    loaded = false;
}
