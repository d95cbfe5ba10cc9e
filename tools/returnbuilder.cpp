#include "returnbuilder.h"
#include "creturnfile.h"
#include "dependantinfostruct.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "taxdata_t1new.h"
#include "utils.h"
#include <QDate>
#include <QJsonArray>
#include <cmath>

namespace returnbuilder {

namespace {

QString valueText(const QJsonValue &v)
{
    if (v.isDouble())
        return QString::number(v.toDouble(), 'f', 6);
    if (v.isBool())
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return v.toString();
}

bool setFields(FieldRecord &record, const QJsonObject &fields, const QString &where, QString *error)
{
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        bool isCode = false;
        const int code = it.key().toInt(&isCode);
        const int index = isCode ? record.table().indexOfCode(code) : record.table().indexOf(it.key());
        if (index < 0 || !record.setValueText(index, valueText(it.value()))) {
            if (error)
                *error = QStringLiteral("%1: field \"%2\" unknown or its value unfit").arg(where, it.key());
            return false;
        }
    }
    return true;
}

bool setObject(CTaxData_Form *object, const QJsonObject &entry, const QString &where, QString *error)
{
    if (!setFields(object->fields(), entry.value(QStringLiteral("fields")).toObject(), where, error))
        return false;
    const QJsonArray rows = entry.value(QStringLiteral("rows")).toArray();
    if (rows.isEmpty())
        return true;
    if (object->rowListCount() < 1) {
        if (error)
            *error = QStringLiteral("%1: the form has no rows").arg(where);
        return false;
    }
    object->rows(0).clear();
    for (const QJsonValue &row : rows)
        if (!setFields(object->rows(0).append(), row.toObject(), where, error))
            return false;
    return true;
}

struct Identity
{
    QString first, last, sin;
    QDate birth;
    int province = 0;
    int marital = 5;
};

Identity identityOf(const QJsonObject &p)
{
    Identity id;
    id.first = p.value(QStringLiteral("firstName")).toString();
    id.last = p.value(QStringLiteral("lastName")).toString();
    id.sin = p.value(QStringLiteral("sin")).toString();
    id.birth = QDate::fromString(p.value(QStringLiteral("birthDate")).toString(), Qt::ISODate);
    id.province = p.value(QStringLiteral("province")).toInt();
    id.marital = p.value(QStringLiteral("maritalStatus")).toInt(5);
    return id;
}

bool fillPerson(IndividualTaxData &person, const QJsonObject &p, const QString &who, QString *error)
{
    TaxData_T1New *t1 = person.t1();
    if (!t1) {
        if (error)
            *error = who + QStringLiteral(": no T1");
        return false;
    }
    if (!setFields(t1->fields(), p.value(QStringLiteral("t1")).toObject(), who + QStringLiteral(" T1"), error))
        return false;
    const QJsonArray t1Rows = p.value(QStringLiteral("t1Rows")).toArray();
    for (const QJsonValue &row : t1Rows)
        if (!setFields(t1->rows(0).append(), row.toObject(), who + QStringLiteral(" T1 row"), error))
            return false;
    const QJsonArray slips = p.value(QStringLiteral("slips")).toArray();
    for (int i = 0; i < slips.size(); ++i) {
        const QJsonObject s = slips.at(i).toObject();
        const int type = s.value(QStringLiteral("type")).toInt();
        const QString where = QStringLiteral("%1 slip %2 (type %3)").arg(who).arg(i).arg(type);
        FormEntry *entry = person.addSlip(type, 0, 0);
        if (!entry || !entry->object) {
            if (error)
                *error = where + QStringLiteral(": not made");
            return false;
        }
        if (!setObject(entry->object, s, where, error))
            return false;
    }
    const QJsonArray forms = p.value(QStringLiteral("forms")).toArray();
    for (int i = 0; i < forms.size(); ++i) {
        const QJsonObject f = forms.at(i).toObject();
        const int type = f.value(QStringLiteral("type")).toInt();
        const QString where = QStringLiteral("%1 form %2 (type %3)").arg(who).arg(i).arg(type);
        CTaxData_Form *object = person.getForm(type, 0, false);
        if (!object || f.value(QStringLiteral("new")).toBool()) {
            FormEntry *entry = person.addForm(type, 0, true, 0, true);
            object = entry ? entry->object : nullptr;
        }
        if (!object) {
            if (error)
                *error = where + QStringLiteral(": not made");
            return false;
        }
        if (!setObject(object, f, where, error))
            return false;
    }
    return true;
}

// "child" or "other" (or their codes 1 and 2), a child when not given; 0 for anything else.
int relationOf(const QJsonValue &v)
{
    if (v.isUndefined() || v.isNull())
        return DependantInfo::Child;
    if (v.isDouble())
        return v.toInt() == DependantInfo::Child || v.toInt() == DependantInfo::Other ? v.toInt() : 0;
    const QString text = v.toString().trimmed().toLower();
    return text == QLatin1String("child") ? DependantInfo::Child
         : text == QLatin1String("other") ? DependantInfo::Other : 0;
}

// The family's dependants into the record both persons share; names are cut
// to the 79 bytes of UTF-8 the record keeps.
bool fillDependants(DependantInfoStruct &deps, const QJsonArray &list, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (list.size() > DependantInfoStruct::kSlots)
        return fail(QStringLiteral("at most %1 dependants").arg(DependantInfoStruct::kSlots));
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject o = list.at(i).toObject();
        const QString where = QStringLiteral("dependant %1").arg(i);
        DependantInfo &d = deps.at(i);
        d.firstName = QString::fromUtf8(truncateUtf8(o.value(QStringLiteral("firstName")).toString().toUtf8(), 79));
        d.lastName = QString::fromUtf8(truncateUtf8(o.value(QStringLiteral("lastName")).toString().toUtf8(), 79));
        d.sin = o.value(QStringLiteral("sin")).toString();
        d.birthDate = QDate::fromString(o.value(QStringLiteral("birthDate")).toString(), Qt::ISODate);
        if (!d.birthDate.isValid())
            return fail(where + QStringLiteral(": \"birthDate\" must be a date as 2019-04-30"));
        d.relation = relationOf(o.value(QStringLiteral("relation")));
        if (d.relation == DependantInfo::None)
            return fail(where + QStringLiteral(": \"relation\" must be \"child\" or \"other\""));
        d.infirm = o.value(QStringLiteral("infirm")).toBool();
        d.netIncome = o.value(QStringLiteral("netIncome")).toDouble();
    }
    return true;
}

} // namespace

CReturnFile *build(const QJsonObject &description, QString *error)
{
    const QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
    if (persons.isEmpty() || persons.size() > 2) {
        if (error)
            *error = QStringLiteral("one or two persons expected");
        return nullptr;
    }
    const bool coupled = persons.size() == 2;
    const Identity self = identityOf(persons.at(0).toObject());
    const Identity spouse = coupled ? identityOf(persons.at(1).toObject()) : Identity();
    if (self.province < 1 || self.province > 13 || (coupled && (spouse.province < 1 || spouse.province > 13))) {
        if (error)
            *error = QStringLiteral("province out of range");
        return nullptr;
    }

    auto *file = new CReturnFile();
    file->dependants().AllocData(DependantInfoStruct::kSlots);
    if (!fillDependants(file->dependants(), description.value(QStringLiteral("dependants")).toArray(), error)) {
        delete file;
        return nullptr;
    }
    file->self()->initNewReturn(self.province, self.first, self.last, self.sin, self.birth, self.marital,
                                spouse.first, spouse.last, spouse.sin, spouse.birth, coupled);
    if (coupled)
        file->spouse()->initNewReturn(spouse.province, spouse.first, spouse.last, spouse.sin, spouse.birth,
                                      spouse.marital, self.first, self.last, self.sin, self.birth, true);
    if (!fillPerson(*file->self(), persons.at(0).toObject(), QStringLiteral("self"), error)
        || (coupled && !fillPerson(*file->spouse(), persons.at(1).toObject(), QStringLiteral("spouse"), error))) {
        delete file;
        return nullptr;
    }
    return file;
}

void recalculate(CReturnFile &file)
{
    file.recalculate(-1, nullptr);
}

QJsonObject t1Lines(const IndividualTaxData &person)
{
    QJsonObject lines;
    const TaxData_T1New *t1 = person.t1();
    if (!t1)
        return lines;
    const FieldTable &table = t1->fieldTable();
    for (int i = 0; i < table.count(); ++i) {
        const FieldSpec &spec = table.spec(i);
        if (spec.kind != FieldKind::Amount || spec.code < 10000)
            continue;
        lines.insert(QString::number(spec.code), roundToCent(t1->amount(i)));
    }
    return lines;
}

QJsonObject calculatedLines(const CReturnFile &file)
{
    QJsonObject all;
    all.insert(QStringLiteral("self"), t1Lines(*file.self()));
    if (file.isCoupled())
        all.insert(QStringLiteral("spouse"), t1Lines(*file.spouse()));
    return all;
}

} // namespace returnbuilder
