#include "codedescriptions.h"
#include "textandtime.h"
#include <QHash>
#include <mutex>

namespace {

const char kProgramTableResource[] = ":/tdd/tdd/cde-elements-22b.csv";

QHash<QString, QString> &programPhoneTable()
{
    static QHash<QString, QString> table;
    return table;
}

std::once_flag g_tableLoaded;

void fillTable()
{
    try {
        const std::string csv = loadFileToString(QString::fromLatin1(kProgramTableResource), 64, 64);
        const QList<QStringList> rows = ParseCSV(csv);
        QHash<QString, QString> &table = programPhoneTable();
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList &row = rows.at(i);
            if (row.size() < 4 || table.contains(row.at(1)))
                continue;
            table.insert(row.at(1), row.last());
        }
    } catch (...) {
        // what was stored until then stays
    }
}

} // namespace

void loadCodeDescriptions()
{
    std::call_once(g_tableLoaded, fillTable);
}

std::string codeDescription(const std::string &programCode)
{
    loadCodeDescriptions();
    const QHash<QString, QString> &table = programPhoneTable();
    const auto it = table.constFind(QString::fromUtf8(programCode.data(), int(programCode.size())));
    return it == table.constEnd() ? std::string() : it.value().toUtf8().toStdString();
}
