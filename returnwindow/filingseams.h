#pragma once
#include "cstring.h"
#include <QList>
#include <QString>
#include <functional>

class CReturnFile;
class QWidget;
class ValidationMessageGroup;

// What the return window hands the filing result dialog.
struct NetfileRequest
{
    int mode = 1;   // 1 EFILE, 2 NETFILE
    CReturnFile *returnFile = nullptr;
    bool reFile = false;
    QString document;
    QString summary;   // the result summary line
    QString name;      // the taxpayer's full name
    QWidget *parent = nullptr;
};

// What the window reads back. sent is false only when nothing could be sent at
// all (the dialog that stands in until filing exists): the return is left alone.
struct NetfileOutcome
{
    bool sent = false;
    bool filed = false;
    QString confirmation;
    QString message;
    QString time;   // of the CRA's answer, as the result dialog showed it
};

using NetfileResultRunner = std::function<NetfileOutcome(const NetfileRequest &)>;
// Runs the filing result dialog modally.
NetfileOutcome runNetfileResultDialog(const NetfileRequest &request);
// Replaces the dialog (tests); an empty runner restores the default.
void setNetfileResultRunner(NetfileResultRunner runner);

// Shows the validation messages (list A of the current person, list B of the
// other one when both is set); the lists stay the caller's.
using ValidationDialogRunner =
    std::function<void(QWidget *parent, const QString &titleA, const QList<ValidationMessageGroup *> &listA, bool both,
                       const QString &titleB, const QList<ValidationMessageGroup *> &listB)>;
void runValidationDialog(QWidget *parent, const QString &titleA, const QList<ValidationMessageGroup *> &listA,
                         bool both, const QString &titleB, const QList<ValidationMessageGroup *> &listB);
void setValidationDialogRunner(ValidationDialogRunner runner);

// The report engine as the print command uses it.
class ReportBridge
{
public:
    virtual ~ReportBridge();
    // 0 when the engine is ready, else a negative code.
    virtual int load() = 0;
    // Writes the PDF of the saved return file into outputFolder; 0 and its
    // name in pdfName, or the engine's code.
    virtual int runJob(const CString &returnFilePath, bool isSpouse, int kind, int category, int formId,
                       int printMask, const QString &outputFolder, CString &pdfName) = 0;
};

// The bridge in force: the Java report engine unless a test installed another.
ReportBridge *reportBridge();
// Installs a bridge (not owned); null restores the report engine.
void setReportBridge(ReportBridge *bridge);
