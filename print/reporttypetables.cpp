#include "reporttypetables.h"
#include "cmultiprovstaxmgr.h"
#include "cprovincialtaxmanager.h"
#include "ctaxdata_form.h"
#include "fieldcaptions.h"
#include "fieldtable.h"
#include "formprinttable.h"
#include "formtables.h"
#include "settingsseam.h"
#include "taxdata_taxnote.h"
#include "taxfactory.h"
#include <QDir>
#include <QHash>
#include <QLibrary>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {

constexpr int kFileVersion = 66098;
constexpr int kFormRows = 213;
constexpr int kSlipRows = 26;
constexpr int kUnusedSlipType = 12;
// Forms that get a data class but no XML files.
constexpr int kNoXmlForms[] = {33, 131, 159, 165};

QString config(const char *key)
{
    return settingsSource()->configValue(QString::fromLatin1(key)).trimmed();
}

QString header(const char *className)
{
    return QStringLiteral("package brackenquill.makereport;\nimport java.io.*;\nimport java.util.Vector;\n\n"
                          "public class %1\n{\n")
        .arg(QLatin1String(className));
}

QString constantLine(const char *name, int type)
{
    return QStringLiteral("static final int CONST_%1 = %2;\n").arg(QString::fromUtf8(name)).arg(type);
}

// A file that cannot be written whole is left out, as one that does not open.
void writeSource(const QString &folder, const QString &name, const QString &text)
{
    QSaveFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return;
    file.commit();
}

// The T1's captions by line code: the caption of a line that a form without
// captions of its own carries too.
const QHash<int, QString> &t1CaptionsByCode()
{
    static const QHash<int, QString> captions = [] {
        QHash<int, QString> byCode;
        std::unique_ptr<CTaxData_Form> t1(createForm(1));
        if (!t1)
            return byCode;
        for (const FieldSpec &spec : t1->fieldTable().describedSpecs(t1->kind(), t1->formType()))
            if (spec.code > 0 && spec.caption && !spec.internal)
                byCode.insert(spec.code, QString::fromUtf8(spec.caption));
        return byCode;
    }();
    return captions;
}

// A field's caption as the pages show it; else the T1's caption of its line;
// empty when the key stands for it; null (Java) for a field kept by the
// program or one the client copy leaves out.
QString captionLiteral(const FieldSpec &spec)
{
    if (spec.internal || spec.noPrint)
        return QStringLiteral("null");
    if (spec.caption)
        return javaStringLiteral(QString::fromUtf8(spec.caption));
    return javaStringLiteral(spec.code > 0 ? t1CaptionsByCode().value(spec.code) : QString());
}

// The line or box a page shows beside the caption ("30300", "Box 14"); a form
// without captions of its own shows its line codes.
QString lineLiteral(const FieldSpec &spec, bool captioned)
{
    if (spec.line)
        return javaStringLiteral(QString::fromLatin1(spec.line));
    return javaStringLiteral(!captioned && spec.code > 0 ? QString::number(spec.code) : QString());
}

// A coded field's labels as "code=label|code=label"; empty for other fields.
QString choicesLiteral(const char *choices)
{
    QStringList pairs;
    if (choices)
        for (const auto &choice : choiceList(QString::fromLatin1(choices)))
            pairs << QStringLiteral("%1=%2").arg(choice.first).arg(QString(choice.second).remove(QLatin1Char('|')));
    return javaStringLiteral(pairs.join(QLatin1Char('|')));
}

// The captions of one row list's columns, by the row table's order.
QString rowCaptionsLiteral(const CTaxData_Form &form, int list)
{
    const FieldTable &table = form.rows(list).table();
    const RowListCaptions *columns = nullptr;
    for (const RowListCaptions *c : findRowListCaptions(form.kind(), form.formType()))
        if (c->list == list)
            columns = c;
    QStringList out;
    for (int i = 0; i < table.count(); ++i) {
        QString literal = columns ? QStringLiteral("null") : javaStringLiteral(QString());
        for (int c = 0; columns && c < columns->count; ++c) {
            const FieldCaption &caption = columns->columns[c];
            const unsigned hidden = FieldCaption::Internal | FieldCaption::NoPrint;
            if (QLatin1String(caption.key) == QLatin1String(table.spec(i).key) && !(caption.flags & hidden))
                literal = javaStringLiteral(QString::fromUtf8(caption.caption));
        }
        out << literal;
    }
    return QLatin1Char('{') + out.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// The client copy's captions of a data class, beside it as <class>Captions:
// the labels, lines and S.I.N. marks the pages show, aligned with the class's
// KEYS and ROW_KEYS, the order in which the pages show the fields, and the
// name and title a slip is printed under ("T4A(OAS)", empty for a form).
void writeCaptionClass(const CTaxData_Form &form, const QString &javaFolder, const QString &className,
                       const SlipInfo *slip = nullptr)
{
    const std::vector<FieldSpec> &specs = form.fieldTable().describedSpecs(form.kind(), form.formType());
    const bool captioned = findFormCaptions(form.kind(), form.formType()) != nullptr;
    QStringList captions, choices, lines, sins, order, rows;
    for (const FieldSpec &spec : specs) {
        captions << captionLiteral(spec);
        choices << choicesLiteral(spec.choices);
        lines << lineLiteral(spec, captioned);
        sins << QLatin1String(spec.sin ? "true" : "false");
    }
    for (int i : form.fieldTable().shownOrder(form.kind(), form.formType()))
        order << QString::number(i);
    for (int l = 0; l < form.rowListCount(); ++l)
        rows << rowCaptionsLiteral(form, l);
    QString s = QStringLiteral("package brackenquill.makereport;\n\n"
                               "// Captions of %1 as the pages show them (null: not printed), coded fields' labels,\n"
                               "// lines, S.I.N. fields and the pages' order of the fields.\n"
                               "public class %1Captions\n{\n").arg(className);
    const auto array = [&s](const char *type, const char *name, const QStringList &items) {
        s += QStringLiteral("    public static final %1 %2 = {%3};\n")
                 .arg(QLatin1String(type), QLatin1String(name), items.join(QStringLiteral(", ")));
    };
    array("String[]", "CAPTIONS", captions);
    array("String[]", "CHOICES", choices);
    array("String[]", "LINES", lines);
    array("boolean[]", "SIN", sins);
    array("int[]", "ORDER", order);
    array("String[][]", "ROW_CAPTIONS", rows);
    s += QStringLiteral("    public static final String NAME = %1;\n    public static final String TITLE = %2;\n")
             .arg(javaStringLiteral(slip ? QString::fromUtf8(slip->name) : QString()),
                  javaStringLiteral(slip ? QString::fromUtf8(slip->title) : QString()));
    s += QStringLiteral("}\n");
    writeSource(javaFolder, className + QStringLiteral("Captions.java"), s);
}

bool isNoXmlForm(int type)
{
    for (int t : kNoXmlForms)
        if (t == type)
            return true;
    return false;
}

// The provincial plug-ins, each loaded by its full path in the application folder.
struct ProvincePlugin
{
    QLibrary *library = nullptr;
    CProvincialTaxManager *manager = nullptr;
};

std::vector<ProvincePlugin> loadProvincePlugins()
{
    typedef CProvincialTaxManager *(*GetTaxManagerFn)();
    std::vector<ProvincePlugin> plugins;
    CMultiProvsTaxMgr names(0, nullptr);
    for (int p = 1; p <= 13; ++p) {
        QString fileName;
        if (!IsProvinceSupported(p) || !names.getProvinceLibraryName(p, fileName))
            continue;
        auto *lib = new QLibrary(CMultiProvsTaxMgr::libraryFolder() + QLatin1Char('/') + fileName);
        auto entry = lib->load() ? reinterpret_cast<GetTaxManagerFn>(lib->resolve("GetTaxManager")) : nullptr;
        CProvincialTaxManager *manager = entry ? entry() : nullptr;
        if (!manager) {
            lib->unload();
            delete lib;
            continue;
        }
        plugins.push_back({lib, manager});
    }
    return plugins;
}

void releasePlugins(std::vector<ProvincePlugin> &plugins)
{
    for (ProvincePlugin &p : plugins) {
        delete p.manager;
        p.library->unload();
        delete p.library;
    }
    plugins.clear();
}

// The form of a row with its own files, made by the lowest province that makes it.
void writeFormFiles(const FormPrintInfo &row, std::vector<ProvincePlugin> &plugins, const QString &javaFolder)
{
    CTaxData_Form *form = nullptr;
    CProvincialTaxManager *maker = nullptr;
    for (ProvincePlugin &p : plugins) {
        if ((form = p.manager->createProvincialForm(row.type, false))) {
            maker = p.manager;
            break;
        }
    }
    if (!form)
        form = createForm(unsigned(row.type));
    if (!form)
        return;
    const QString name = QString::fromUtf8(row.constName);
    const QString fileName = QString::fromUtf8(row.fileName);
    const bool written = !fileName.isEmpty() && form->writeJavaClass(javaFolder, name, 0) == 0;
    if (written)
        writeCaptionClass(*form, javaFolder, name);
    if (written && !isNoXmlForm(row.type)) {
        form->writeXml(config("XMLPATH"), name, fileName, kFileVersion);
        form->writeBlankFormXml(config("BFORM_XMLPATH"), name, fileName, kFileVersion);
    }
    if (!maker || !maker->releaseForm(form, false))
        delete form;
}

QString taxFormTypeSource()
{
    QString s = header("TaxFormType");
    for (int t = 1; t <= kFormRows; ++t)
        s += constantLine(Global_FormsPrint_Info[t].constName, Global_FormsPrint_Info[t].type);
    s += QStringLiteral("\nprivate InfoFileItem[] pdfFiles;\n\nprivate TaxFormType()\n{\n");
    s += QStringLiteral("pdfFiles = new InfoFileItem[%1];\n\npdfFiles[  0] = null;\n").arg(kFormRows + 1);
    for (int t = 1; t <= kFormRows; ++t) {
        const FormPrintInfo &row = Global_FormsPrint_Info[t];
        s += QStringLiteral("pdfFiles[%1] = new InfoFileItem(CONST_%2, %3, %4, %5);\n")
                 .arg(t, 3)
                 .arg(QString::fromUtf8(row.constName), javaStringLiteral(formName(row.type)),
                      javaStringLiteral(QString::fromUtf8(row.thirdText)),
                      javaStringLiteral(QString::fromUtf8(row.fileName)));
    }
    s += QStringLiteral("}\n\nstatic TaxFormType s_taxformtype = new TaxFormType();\n"
                        "public static InfoFileItem getFormTypeInfo(int nType)\n{\n");
    s += QStringLiteral("for (int j=0; j<%1; j++)\n").arg(kFormRows + 1);
    s += QStringLiteral("{\nif ((s_taxformtype.pdfFiles[j]!=null) && (s_taxformtype.pdfFiles[j].nFormType == nType))\n"
                        "{\nreturn s_taxformtype.pdfFiles[j];\n}\n}\nreturn null;\n}\n\n}\n\n");
    return s;
}

} // namespace

void writeTaxFormTypeJava()
{
    const QString javaFolder = config("JAVAPROJPATH");
    if (javaFolder.isEmpty())
        return;
    std::vector<ProvincePlugin> plugins = loadProvincePlugins();
    for (int t = 1; t <= kFormRows; ++t) {
        const FormPrintInfo &row = Global_FormsPrint_Info[t];
        if (!IsFormExpired(row.type, 0))
            writeFormFiles(row, plugins, javaFolder);
    }
    releasePlugins(plugins);
    writeSource(javaFolder, QStringLiteral("TaxFormType.java"), taxFormTypeSource());
}

void writeSlipDataTypeJava()
{
    const QString javaFolder = config("JAVAPROJPATH");
    if (javaFolder.isEmpty())
        return;
    for (int t = 1; t <= kSlipRows; ++t) {
        const SlipPrintInfo &row = Global_SlipsPrint_Info[t];
        if (row.type == kUnusedSlipType)
            continue;
        std::unique_ptr<CTaxData_Form> slip(createSlip(unsigned(row.type)));
        if (!slip)
            continue;
        const QString name = QString::fromUtf8(row.constName);
        if (slip->writeJavaClass(javaFolder, name, 0) == 0)
            writeCaptionClass(*slip, javaFolder, name,
                              row.type > 0 && row.type < kSlipTableSize ? &Global_Slips_Info[row.type] : nullptr);
        slip->writeXml(config("BFORM_XMLPATH"), name, name + QStringLiteral(".xml"), kFileVersion);
    }
    QString s = header("SlipDataType");
    for (int t = 1; t <= kSlipRows; ++t)
        s += constantLine(Global_SlipsPrint_Info[t].constName, Global_SlipsPrint_Info[t].type);
    s += QStringLiteral("\nSlipDataType()\n{\n}\n}\n");
    writeSource(javaFolder, QStringLiteral("SlipDataType.java"), s);
}

void writeNoteDataTypeJava()
{
    const QString javaFolder = config("JAVAPROJPATH");
    if (javaFolder.isEmpty())
        return;
    std::unique_ptr<TaxData_TaxNote> note(createTaxNote());
    if (note)
        note->writeJavaClass(javaFolder, QStringLiteral("NoteData_General"), 0);
    writeSource(javaFolder, QStringLiteral("NoteDataType.java"),
                header("NoteDataType") + QStringLiteral("static final int CONST_NOTE_GENERAL= 1;\n\nNoteDataType()\n{\n}\n}\n"));
}
