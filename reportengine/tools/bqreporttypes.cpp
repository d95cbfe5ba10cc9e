// Build-time tool: writes the report engine's type tables and data classes.
//   bqreporttypes <java folder> <xml folder> <blank-form xml folder>
#include "reporttypetables.h"
#include "settingsseam.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {
class FolderSettings : public SettingsSource
{
public:
    QString java, xml, blankXml;
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &key) const override
    {
        if (key == QLatin1String("JAVAPROJPATH"))
            return java;
        if (key == QLatin1String("XMLPATH"))
            return xml;
        if (key == QLatin1String("BFORM_XMLPATH"))
            return blankXml;
        return QString();
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: bqreporttypes <java folder> <xml folder> <blank-form xml folder>\n";
        return 2;
    }
    FolderSettings settings;
    settings.java = QDir(args.at(0)).absolutePath();
    settings.xml = QDir(args.at(1)).absolutePath();
    settings.blankXml = QDir(args.at(2)).absolutePath();
    for (const QString &f : {settings.java, settings.xml, settings.blankXml})
        if (!QDir().mkpath(f)) {
            QTextStream(stderr) << "bqreporttypes: cannot make " << f << '\n';
            return 1;
        }
    setSettingsSource(&settings);
    writeTaxFormTypeJava();
    writeSlipDataTypeJava();
    writeNoteDataTypeJava();
    setSettingsSource(nullptr);
    for (const char *name : {"TaxFormType.java", "SlipDataType.java", "NoteDataType.java"})
        if (!QFile::exists(settings.java + QLatin1Char('/') + QLatin1String(name))) {
            QTextStream(stderr) << "bqreporttypes: " << name << " was not written\n";
            return 1;
        }
    return 0;
}
