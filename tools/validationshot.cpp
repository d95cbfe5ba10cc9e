// Takes a picture of the validation result of a coupled return: the checks of both
// persons (EFILE) with the checks between spouses, shown as the return window shows
// them, in two tabs.
//   bqvalidationshot description.json picture.png [tab]   (tab 1: the spouse's)
#include "creturnfile.h"
#include "dlgvalidationmsgs.h"
#include "filingdocservices.h"
#include "returnbuilder.h"
#include "validationmessagegroup.h"
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {
constexpr int kEFile = 1;

std::unique_ptr<CReturnFile> load(const QString &description)
{
    QFile file(description);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QString error;
    std::unique_ptr<CReturnFile> rf(returnbuilder::build(QJsonDocument::fromJson(file.readAll()).object(), &error));
    if (!rf) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    // the entered couple amounts stand as given: the checks read the return as described
    return rf;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bqvalidationshot description.json picture.png\n");
        return 2;
    }
    installFilingDocServices();
    std::unique_ptr<CReturnFile> rf = load(QString::fromLocal8Bit(argv[1]));
    if (!rf || !rf->isCoupled()) {
        std::fprintf(stderr, "a coupled return description is needed\n");
        return 1;
    }
    QList<ValidationMessageGroup *> self, spouse;
    QString selfName, spouseName;
    rf->checkForFiling(kEFile, self, selfName, false, true);
    rf->checkForFiling(kEFile, spouse, spouseName, true, true);
    bool ok = false;
    {
        DlgValidationMsgs dlg(nullptr);
        dlg.setMessages(selfName, self, true, spouseName, spouse);
        dlg.resize(750, 650);
        if (argc > 3)
            dlg.findChild<QTabWidget *>(QStringLiteral("tabPeople"))->setCurrentIndex(QByteArray(argv[3]).toInt());
        dlg.show();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QTest::qWait(60);
        }
        ok = dlg.grab().save(QString::fromLocal8Bit(argv[2]));
    }
    qDeleteAll(self);
    qDeleteAll(spouse);
    std::printf("%s %s\n", ok ? "wrote" : "failed", argv[2]);
    return ok ? 0 : 1;
}
