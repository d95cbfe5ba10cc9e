#pragma once
#include "cstring.h"
#include <QString>
#include <jni.h>

class QLibrary;

// The one owner of the Java virtual machine that runs the report engine.
// The machine is made once per process, on the thread that runs every job,
// and lives until the process ends.
class CJavaBridge
{
public:
    // Codes beyond the engine's own table.
    enum Code {
        NotLoaded = -99,            // runJob before a successful load
        // a Java exception was thrown by the step named
        ExceptionInInit = -141,
        ExceptionInPdfPath = -142,
        ExceptionInXmlPath = -143,
        ExceptionInFolder = -144,
        ExceptionInMask = -145,
        ExceptionInPrepare = -146,  // "if"()
        ExceptionInInt = -147,
        ExceptionInNew = -148,
        ExceptionInFor = -149,
        ExceptionInKind = -150,
        ExceptionInRead = -151,
        ExceptionInWrite = -152,
        ExceptionInPdfName = -153,
        NoLocalFrame = -154,
    };

    static CJavaBridge &instance();

    int load();
    int runJob(const CString &returnFilePath, bool isSpouse, int kind, int category, int formId, int printMask,
               const QString &outputFolder, CString &pdfName);
    int findJvmLibrary(CString &path);
    int createJavaVM();
    void shutdown();
    void reset();

    bool isLoaded() const { return loaded; }

private:
    CJavaBridge();
    ~CJavaBridge();
    CJavaBridge(const CJavaBridge &) = delete;
    CJavaBridge &operator=(const CJavaBridge &) = delete;

    int startVm();
    int checkEngine();
    bool takeException(const char *step);
    jstring newString(const QString &text);

    QLibrary *library = nullptr;
    bool attached = false;
    JavaVM *vm = nullptr;
    JNIEnv *env = nullptr;
    JavaVMInitArgs initArgs{};
    bool loaded = false;
    bool startFailed = false;   // the machine gave up its start: no second try in this process
    CString classPath;
    CString pdfPath;
    CString xmlPath;
};
