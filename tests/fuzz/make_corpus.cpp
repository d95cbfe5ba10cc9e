// Writes the seed corpus of the return-file reader into the folder given:
//   bq_make_corpus tests/fuzz/corpus
#include "creturnfile.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

using namespace returnfixture;

namespace {

bool save(const QString &folder, const QString &name, CReturnFile &rf)
{
    QFile f(QDir(folder).filePath(name));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(write(rf)) > 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    SilentMessages messages;
    setMessageHandler(&messages);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;

    // a T1 and nothing else
    {
        CReturnFile rf;
        rf.self()->storeReadProvince(9);
        rf.self()->loadProvincePlugin();
        fillObject(rf.self()->addForm(1, 0, true, 0, false)->object, 1);
        ok = save(folder, QStringLiteral("minimal.r24"), rf) && ok;
    }
    // a single return with a few forms, slips and a note
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 5, false);
        fillPerson(*rf.self(), 4, 3, 1, 10);
        ok = save(folder, QStringLiteral("single.r24"), rf) && ok;
    }
    // a protected single return of another province
    {
        CReturnFile rf;
        newPerson(*rf.self(), 2, QStringLiteral("Cam"), QStringLiteral("Lee"), 5, false);
        fillPerson(*rf.self(), 2, 1, 0, 20);
        rf.self()->setPassword(SilentMessages::corpusPassword());
        ok = save(folder, QStringLiteral("password.r24"), rf) && ok;
    }
    // a couple with a shared slip, dependants and settings
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, true);
        newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
        fillPerson(*rf.self(), 3, 2, 1, 30);
        fillPerson(*rf.spouse(), 2, 1, 0, 40);
        rf.shareSlipWithSpouse(rf.self()->addSlip(8, 0, 0)->object);
        rf.dependants().AllocData(12);
        rf.dependants().at(0).firstName = QStringLiteral("Mia");
        rf.dependants().at(0).relation = DependantInfo::Child;
        rf.settings().setSelection(true, 1, 4242);
        ok = save(folder, QStringLiteral("coupled.r24"), rf) && ok;
    }
    return ok ? 0 : 1;
}
