// Developer and test tool: loads the report engine bridge in its own process and
// runs print jobs, so that each engine variant gets its own virtual machine.
//
//   bqprintprobe [--set KEY=VALUE]... [--user KEY=VALUE]... [--loads N] [--jobs N]
//                [--spouse] [--kind K] [--category C] [--form ID] [--mask M]
//                [--out FOLDER] [--pdf NAME] [--timing] [return.r24]
//
// Prints "load <code>" per load, "vms <count>" and "job <code> <pdf name>" per job;
// with --timing also "time <milliseconds>" after each load and job.
#include "cjavabridge.h"
#include "settingsseam.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTextStream>
#include <dlfcn.h>
#include <jni.h>

namespace {

class ProbeSettings : public SettingsSource
{
public:
    QHash<QString, QString> config;
    QHash<QString, QString> user;
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
};

// Virtual machines made in this process, asked of the library already loaded.
int createdVmCount()
{
    CString path;
    if (CJavaBridge::instance().findJvmLibrary(path) != 0)
        return 0;
    void *handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return 0;
    typedef jint(JNICALL * CreatedFn)(JavaVM **, jsize, jsize *);
    auto created = reinterpret_cast<CreatedFn>(dlsym(handle, "JNI_GetCreatedJavaVMs"));
    jsize count = 0;
    JavaVM *vms[4];
    if (!created || created(vms, 4, &count) != 0)
        count = 0;
    dlclose(handle);
    return int(count);
}

bool splitPair(const QString &text, QHash<QString, QString> &into)
{
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    into.insert(text.left(eq), text.mid(eq + 1));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    ProbeSettings settings;
    int loads = 1;
    int jobs = 0;
    bool spouse = false;
    bool timing = false;
    int kind = 0, category = 0, form = 0, mask = 0;
    QString out, returnFile;
    CString pdfName;
    QTextStream err(stderr);
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        const bool hasValue = !args.isEmpty();
        if (a == QLatin1String("--spouse"))
            spouse = true;
        else if (a == QLatin1String("--timing"))
            timing = true;
        else if (a == QLatin1String("--set") && hasValue && splitPair(args.first(), settings.config))
            args.removeFirst();
        else if (a == QLatin1String("--user") && hasValue && splitPair(args.first(), settings.user))
            args.removeFirst();
        else if (a == QLatin1String("--loads") && hasValue)
            loads = args.takeFirst().toInt();
        else if (a == QLatin1String("--jobs") && hasValue)
            jobs = args.takeFirst().toInt();
        else if (a == QLatin1String("--kind") && hasValue)
            kind = args.takeFirst().toInt();
        else if (a == QLatin1String("--category") && hasValue)
            category = args.takeFirst().toInt();
        else if (a == QLatin1String("--form") && hasValue)
            form = args.takeFirst().toInt();
        else if (a == QLatin1String("--mask") && hasValue)
            mask = args.takeFirst().toInt(nullptr, 0);
        else if (a == QLatin1String("--out") && hasValue)
            out = args.takeFirst();
        else if (a == QLatin1String("--pdf") && hasValue)
            pdfName = args.takeFirst();
        else if (!a.startsWith(QLatin1String("--")) && returnFile.isEmpty())
            returnFile = a;
        else {
            err << "bqprintprobe: unknown or incomplete option " << a << '\n';
            return 2;
        }
    }
    if (jobs == 0 && !returnFile.isEmpty())
        jobs = 1;
    setSettingsSource(&settings);

    QTextStream cout(stdout);
    CJavaBridge &bridge = CJavaBridge::instance();
    int loadResult = 0;
    QElapsedTimer clock;
    auto reportTime = [&] {
        if (timing)
            cout << "time " << QString::number(clock.nsecsElapsed() / 1e6, 'f', 1) << '\n';
    };
    for (int i = 0; i < loads; ++i) {
        clock.start();
        loadResult = bridge.load();
        cout << "load " << loadResult << '\n';
        reportTime();
    }
    cout << "vms " << createdVmCount() << '\n';
    cout.flush();
    for (int i = 0; i < jobs; ++i) {
        // a job is tried even after a failed load: the bridge must refuse it with a code
        clock.start();
        const int r = bridge.runJob(returnFile, spouse, kind, category, form, mask, out, pdfName);
        cout << "job " << r << ' ' << pdfName << '\n';
        reportTime();
        cout.flush();
    }
    setSettingsSource(nullptr);
    return 0;
}
