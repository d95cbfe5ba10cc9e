#include "batchcalc.h"
#include "csingleinstanceguard.h"
#include "filingconfig.h"
#include "filingdocservices.h"
#include "fileassociation.h"
#include "fontwarmup.h"
#include "mainwindow.h"
#include "tabwndapp.h"
#include "terminationsignals.h"
#include <QDebug>
#include <QFileInfo>
#include <QSessionManager>
#include <QSslSocket>
#include <memory>

namespace {
// Loading the TLS libraries to ask takes a while: it is done once the window is up.
void checkSsl()
{
    if (!QSslSocket::supportsSsl())
        showInformation(QCoreApplication::translate("main", "This system's SSL/TLS (%1/%2), please email these "
                                                            "details and OS version for support.")
                            .arg(QSslSocket::sslLibraryBuildVersionString())
                            .arg(QSslSocket::sslLibraryVersionNumber()));
}

// The return file named on the command line, or nothing.
QString returnToOpen(const QStringList &args)
{
    if (args.size() < 2)
        return QString();
    const QString path = FileAssociation::localPathFromArgument(args.at(1));
    return QFileInfo::exists(path) && path.endsWith(QLatin1String(".r24"), Qt::CaseSensitive) ? path : QString();
}
// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a closed terminal, Ctrl+C)
// and the desktop session's end keep each return's unsaved work in its recovery copy.
void keepWorkOnTermination(MainWindow *window)
{
    auto *termination = new TerminationSignals(window);
    if (!termination->install())
        qWarning() << "termination signals are not handled: unsaved work is not kept when the program is ended";
    QObject::connect(termination, &TerminationSignals::terminationRequested, window,
                     [window](int signalNumber) { window->endOnTermination(signalNumber); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
                     [window](QSessionManager &) { window->keepUnsavedWork(); }, Qt::DirectConnection);
}
} // namespace

int main(int argc, char **argv)
{
    // before any return is read or written
    installFilingDocServices();

    // The batch mode shows nothing and asks nothing: no display is needed.
    const bool batch = isBatchCommandLine(argc, argv);
    if (batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // the window's first text needs the font configuration: it loads meanwhile
    std::unique_ptr<FontWarmUp> fonts(batch ? nullptr : new FontWarmUp);

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // No widget of the program draws with OpenGL: raster windows spare loading
    // the GL libraries when the first window is made.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
    // the session's end keeps unsaved work in recovery copies (below) instead of
    // closing the windows, whose questions nobody may be there to answer
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    TabWndApp *app = TabWndApp::create(argc, argv);
    if (batch)
        setMessageHandler(&BatchMessages::instance());

    // A second instance that may not run stops before it writes anything (the
    // association, the log, the database) or opens a return; the batch mode takes no guard.
    const QString instanceTitle = QString::fromUtf8("Brackenquill 2024 for EFile");
    CSingleInstanceGuard guard(instanceTitle);
    if (!batch && !app->takeInstanceGuard(guard, instanceTitle))
        return 0;

    // The desktop's association of .r24 files and of the URL scheme; failures are ignored.
    FileAssociation::write(QCoreApplication::applicationFilePath(), QStringLiteral(":/res/images/efile-2024.ico"));

    app->setQtMessagesToLog(true);
    if (app->initialize() != 0)
        return -1;
    // the filing exchange log (efileresult.txt) is kept in the run folder
    setFilingRunFolder(app->runFolder());

    const QStringList args = QCoreApplication::arguments();
    if (batch) {
        qInfo().noquote() << QStringLiteral("print result ") + args.value(3);
        // The application object is left as it is: batch mode writes no settings back.
        return runBatchCalculation(args.value(2), args.value(3));
    }

    QApplication::setWindowIcon(QIcon(appEdition == 2 ? QStringLiteral(":/res/images/netfile-2024.ico")
                                                      : QStringLiteral(":/res/images/efile-2024.ico")));

    MainWindow *window = createMainWindow();
    app->setMainWindow(window);
    window->placeOnScreen(app->savedWindowRect());
    window->setMinimumSize(768, 480);

    keepWorkOnTermination(window);

    // The window shows first; the TLS check and a return named on the command
    // line follow from the event loop, once the window is on the screen.
    window->show();
    const QString path = returnToOpen(args);
    window->whenOnScreen([window, path] {
        // the desktop's frame is known now: the whole window stays in sight
        window->placeOnScreen(window->geometry());
        checkSsl();
        if (!path.isEmpty())
            window->openReturnFile(path);
    });
    const int result = QApplication::exec();
    delete app;
    return result;
}
