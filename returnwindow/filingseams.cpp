#include "filingseams.h"
#include "cjavabridge.h"
#include "cnetfileresultdlg.h"
#include "dlgvalidationmsgs.h"

namespace {

NetfileOutcome runDefaultResultDialog(const NetfileRequest &request)
{
    CNetfileResultDlg dlg(request.mode, request.returnFile, request.reFile, request.document, request.parent);
    dlg.setTexts(request.summary, request.name);
    dlg.exec();
    NetfileOutcome outcome;
    // the CRA answered: accepted, or rejected with its code; a cancel or a failed
    // exchange leaves the return as it was
    outcome.sent = dlg.filed || !dlg.confirmationText.isEmpty();
    outcome.filed = dlg.filed;
    outcome.confirmation = dlg.confirmationText;
    outcome.message = dlg.messageText;
    outcome.time = dlg.answerTime;
    return outcome;
}

NetfileResultRunner &resultRunner()
{
    static NetfileResultRunner runner;
    return runner;
}

void runDefaultValidationDialog(QWidget *parent, const QString &titleA, const QList<ValidationMessageGroup *> &listA,
                                bool both, const QString &titleB, const QList<ValidationMessageGroup *> &listB)
{
    DlgValidationMsgs dlg(parent);
    dlg.setMessages(titleA, listA, both, titleB, listB);
    dlg.resize(750, 650);
    dlg.exec();
}

ValidationDialogRunner &validationRunner()
{
    static ValidationDialogRunner runner;
    return runner;
}

class JavaReportBridge : public ReportBridge
{
public:
    int load() override { return CJavaBridge::instance().load(); }
    int runJob(const CString &returnFilePath, bool isSpouse, int kind, int category, int formId, int printMask,
               const QString &outputFolder, CString &pdfName) override
    {
        return CJavaBridge::instance().runJob(returnFilePath, isSpouse, kind, category, formId, printMask,
                                              outputFolder, pdfName);
    }
};

ReportBridge *&installedBridge()
{
    static ReportBridge *bridge = nullptr;
    return bridge;
}

} // namespace

NetfileOutcome runNetfileResultDialog(const NetfileRequest &request)
{
    const NetfileResultRunner &runner = resultRunner();
    return runner ? runner(request) : runDefaultResultDialog(request);
}

void setNetfileResultRunner(NetfileResultRunner runner)
{
    resultRunner() = std::move(runner);
}

void runValidationDialog(QWidget *parent, const QString &titleA, const QList<ValidationMessageGroup *> &listA,
                         bool both, const QString &titleB, const QList<ValidationMessageGroup *> &listB)
{
    const ValidationDialogRunner &runner = validationRunner();
    if (runner)
        runner(parent, titleA, listA, both, titleB, listB);
    else
        runDefaultValidationDialog(parent, titleA, listA, both, titleB, listB);
}

void setValidationDialogRunner(ValidationDialogRunner runner)
{
    validationRunner() = std::move(runner);
}

ReportBridge::~ReportBridge() = default;

ReportBridge *reportBridge()
{
    static JavaReportBridge javaBridge;
    ReportBridge *installed = installedBridge();
    return installed ? installed : &javaBridge;
}

void setReportBridge(ReportBridge *bridge)
{
    installedBridge() = bridge;
}
