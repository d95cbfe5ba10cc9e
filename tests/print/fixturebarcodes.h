#pragma once
// Until the filing documents write real barcode data, the print tests install
// this writer as the model's filing services: it writes fixture barcode blocks
// in the file's layout (a T1 block and one SFD block a business or rental
// statement, record then line entries then "-EOD").
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "mydatastream.h"
#include <QMap>
#include <algorithm>

namespace fixturebarcodes {

constexpr int kT1RecordWidth = 484;
constexpr int kSfdRecordWidth = 564;

inline QByteArray padded(const QString &text, int width)
{
    QByteArray b = text.toUtf8().left(width);
    return b + QByteArray(width - b.size(), ' ');
}

// Every coded, entered amount of the object; a code already taken keeps its amount.
inline void collectLines(const CTaxData_Form &form, QMap<int, double> &byCode)
{
    const FieldTable &t = form.fieldTable();
    for (int i = 0; i < t.count(); ++i)
        if (t.spec(i).code > 0 && t.spec(i).kind == FieldKind::Amount && isAmountEntered(form.fields().number(i))
            && !byCode.contains(t.spec(i).code))
            byCode.insert(t.spec(i).code, form.fields().number(i));
}

// Line entries by ascending code.
inline QByteArray lineEntries(const QMap<int, double> &byCode)
{
    QByteArray out;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it) {
        if (!out.isEmpty())
            out += '-';
        const qint64 whole = qint64(it.value());
        out += it.value() < 0 ? QByteArray::number(it.key()) + '&' + QByteArray::number(-whole)
                              : QByteArray::number(it.key()) + QByteArray::number(whole);
    }
    return out;
}

// The T1 record, then the line amounts of the T1 and of every other form of the person.
inline QByteArray t1Block(const CTaxData_Form &t1, const IndividualTaxData &person)
{
    QByteArray record = "T1" + padded(t1.valueByKey(QStringLiteral("SIN")), 9)
                      + padded(t1.valueByKey(QStringLiteral("LastName")), 40)
                      + padded(t1.valueByKey(QStringLiteral("FirstName")), 40)
                      + padded(t1.valueByKey(QStringLiteral("City")), 40);
    record += QByteArray(kT1RecordWidth - record.size(), '0');
    QMap<int, double> lines;
    collectLines(t1, lines);
    for (const FormEntry *e : person.forms())
        if (e->object)
            collectLines(*e->object, lines);
    return record + lineEntries(lines) + "-EOD";
}

inline QByteArray sfdBlock(const CTaxData_Form &form, int number)
{
    QByteArray record = "SFD" + QByteArray::number(number).rightJustified(2, '0')
                      + QByteArray::number(form.formType()).rightJustified(3, '0');
    record += QByteArray(kSfdRecordWidth - record.size(), '0');
    QMap<int, double> lines;
    collectLines(form, lines);
    return record + lineEntries(lines) + "-EOD";
}

inline void writeBlock(MyDataStream &ar, const QByteArray &text)
{
    ar << qint32(text.size());
    ar.writeRawData(text.constData(), text.size());
}

class Writer : public IndividualTaxData::FilingServices
{
public:
    void writeBarcodeData(IndividualTaxData &person, int, MyDataStream &ar) override
    {
        const CTaxData_Form *t1 = person.getForm(1, 0, false);
        if (!t1 || t1->valueByKey(QStringLiteral("SIN")).trimmed().isEmpty()) {
            ar << qint32(0);
            return;
        }
        writeBlock(ar, t1Block(*t1, person));
        QList<const CTaxData_Form *> sfd;
        for (const FormEntry *e : person.forms())
            if (e->object && IsSFDForm(e->type))
                sfd << e->object;
        if (sfd.isEmpty() || sfd.size() > 2) {
            ar << qint32(0);
            return;
        }
        ar << qint32(sfd.size());
        for (int i = 0; i < sfd.size(); ++i)
            writeBlock(ar, sfdBlock(*sfd.at(i), i + 1));
    }
    bool confirmPersonBeforeFiling(IndividualTaxData &, int, bool) override { return true; }
    int checkForFiling(IndividualTaxData &, int, QList<ValidationMessageGroup *> &messages) override
    {
        return messages.size();
    }
    int checkCoupledReturns(IndividualTaxData &, int, QList<CString> &messages, IndividualTaxData &) override
    {
        return messages.size();
    }
    void fillEfileHeaderVars(IndividualTaxData &, QMap<QString, QString> &, int) override {}
    void fillNetfileRequestVars(IndividualTaxData &, QMap<QString, QString> &, int, QString *, double *, int) override {}
    void addNetfileFieldRecords(IndividualTaxData &, int, NetfileGenObjParamStru &) override {}
    int writeSelectedFinancialData(IndividualTaxData &, int, NetfileGenObjParamStru &) override { return 0; }
    int writeT2091FinancialData(IndividualTaxData &, int, NetfileGenObjParamStru &) override { return 0; }
    int checkNetfileEligibility(IndividualTaxData &, quint8, QList<CString> &m) override { return m.size(); }
    int checkRefileBankruptcy(IndividualTaxData &, quint8, QList<CString> &m) override { return m.size(); }
    int checkRefileChanges(IndividualTaxData &, QList<CString> &m) override { return m.size(); }
    int takeReFileSnapshot(IndividualTaxData &) override { return -1; }
    int clearReFileMark(IndividualTaxData &) override { return 0; }
};

} // namespace fixturebarcodes
