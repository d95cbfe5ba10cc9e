// Developer tool (not part of the program): builds a .r24 return file from a JSON
// description and prints the calculated lines of a return as JSON.
//
//   bqreturntool build <description.json> <return.r24>
//   bqreturntool lines <description.json | return.r24>
//   bqreturntool barcodes <return.r24>
//   bqreturntool barcode <return.r24>
#include "barcodedecoder.h"
#include "barcodereader.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "returnbuilder.h"
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTextStream>
#include <memory>

namespace {

int fail(const QString &text)
{
    QTextStream(stderr) << text << '\n';
    return 1;
}

std::unique_ptr<CReturnFile> open(const QString &path, QString &error)
{
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1").arg(path);
            return nullptr;
        }
        QJsonParseError parse;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &parse);
        if (!doc.isObject()) {
            error = QStringLiteral("%1: %2").arg(path, parse.errorString());
            return nullptr;
        }
        std::unique_ptr<CReturnFile> file(returnbuilder::build(doc.object(), &error));
        if (file)
            returnbuilder::recalculate(*file);
        return file;
    }
    int code = 0;
    std::unique_ptr<CReturnFile> file(CReturnFile::load(path, code));
    if (!file || code != 0) {
        error = QStringLiteral("%1: not read (code %2)").arg(path).arg(code);
        return nullptr;
    }
    returnbuilder::recalculate(*file);
    return file;
}

// Each person's barcode texts, one a line, as stored: "# self" or "# spouse" first,
// "# self: no barcode data" for a person without.
int printBarcodes(const QString &path)
{
    QList<barcodereader::PersonBarcodes> persons;
    QString error;
    if (!barcodereader::read(path, persons, &error))
        return fail(error);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write to the standard output"));
    for (int i = 0; i < persons.size(); ++i) {
        const QByteArray who = i == 0 ? "# self" : "# spouse";
        out.write(persons.at(i).hasData ? who + '\n' : who + ": no barcode data\n");
        for (const QByteArray &text : persons.at(i).texts)
            out.write(text + '\n');
    }
    out.flush();
    return 0;
}

// Each person's barcode blocks decoded: the record with its length, then one line
// entry a line, then "-EOD" when the block ends with it.
int printDecodedBarcodes(const QString &path)
{
    QList<barcodereader::PersonBarcodes> persons;
    QString error;
    if (!barcodereader::read(path, persons, &error))
        return fail(error);
    QTextStream out(stdout);
    for (int i = 0; i < persons.size(); ++i) {
        const QString who = i == 0 ? QStringLiteral("# self") : QStringLiteral("# spouse");
        out << who << (persons.at(i).hasData ? "" : ": no barcode data") << '\n';
        for (const QByteArray &text : persons.at(i).texts) {
            const barcodedecoder::Block b = barcodedecoder::decode(text);
            if (!b.valid) {
                out << "unknown block: " << text << '\n';
                continue;
            }
            out << "record " << b.record.size() << ": " << QString::fromUtf8(b.record) << '\n';
            for (const QByteArray &entry : b.entries)
                out << "  " << QString::fromUtf8(entry) << '\n';
            if (b.terminated)
                out << "-EOD\n";
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installFilingDocServices();
    const QStringList args = app.arguments().mid(1);
    const QString usage = QStringLiteral("usage: bqreturntool build <description.json> <return.r24>\n"
                                         "       bqreturntool lines <description.json | return.r24>\n"
                                         "       bqreturntool barcodes <return.r24>\n"
                                         "       bqreturntool barcode <return.r24>");
    if (args.size() == 3 && args.at(0) == QLatin1String("build")) {
        QString error;
        std::unique_ptr<CReturnFile> file = open(args.at(1), error);
        if (!file)
            return fail(error);
        if (file->save(args.at(2), 1, &error) != 0)
            return fail(QStringLiteral("%1: not written: %2").arg(args.at(2), error));
        return 0;
    }
    if (args.size() == 2 && args.at(0) == QLatin1String("lines")) {
        QString error;
        std::unique_ptr<CReturnFile> file = open(args.at(1), error);
        if (!file)
            return fail(error);
        QTextStream(stdout) << QJsonDocument(returnbuilder::calculatedLines(*file)).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (args.size() == 2 && args.at(0) == QLatin1String("barcodes"))
        return printBarcodes(args.at(1));
    if (args.size() == 2 && args.at(0) == QLatin1String("barcode"))
        return printDecodedBarcodes(args.at(1));
    return fail(usage);
}
