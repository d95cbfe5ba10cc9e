#include "creturnfile.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "tabwndapp.h"
#include "utils.h"
#include <QDebug>
#include <QStandardPaths>
#include <memory>

// The test return needs a province, or it would be written as a damaged file;
// it holds the federal forms and those of its province, so that it reads back
// (another province's forms are made only by that province's plug-in).
bool TabWndApp::writeTestPrintFile()
{
    constexpr int kTestProvince = 9;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = folder + QStringLiteral("/testprint.r24");
    qInfo("test print file => %s", path.toLatin1().constData());

    makeFolderExists(folder);
    auto returnFile = std::make_unique<CReturnFile>(0);
    returnFile->setProvince(0, kTestProvince, false);
    returnFile->addAllForms();
    QList<CTaxData_Form *> otherProvinces;
    for (const FormEntry *entry : returnFile->self()->forms()) {
        const int province = getFormProv(entry->type);
        if (province != 0 && province != kTestProvince)
            otherProvinces.append(entry->object);
    }
    for (CTaxData_Form *form : qAsConst(otherProvinces))
        returnFile->removeForm(form, false);
    QString error;
    if (returnFile->save(path, appEdition, &error) != 0) {
        qInfo().noquote() << error;
        return false;
    }
    return true;
}
