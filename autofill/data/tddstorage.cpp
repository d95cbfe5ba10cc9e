#include "tddstorage.h"
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cctype>

namespace {

QString utf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), int(s.size()));
}

bool deleteRows(QSqlDatabase &db, int id)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("delete from tb_taxdata where uid=:uid"));
    q.bindValue(QStringLiteral(":uid"), id);
    return q.exec();
}

bool insertRow(QSqlDatabase &db, int id, const std::string &time, const std::string &xml,
               const std::string &html, int year)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) "
                             "values (:uid, :time, :xmldata, :htmldata, :year)"));
    q.bindValue(QStringLiteral(":uid"), id);
    q.bindValue(QStringLiteral(":time"), utf8(time));
    q.bindValue(QStringLiteral(":xmldata"), utf8(xml));
    q.bindValue(QStringLiteral(":htmldata"), utf8(html));
    q.bindValue(QStringLiteral(":year"), year);
    if (q.exec())
        return true;
    qWarning().noquote() << "Auto-fill data row not stored:" << q.lastError().text();
    return false;
}

} // namespace

std::string sinDigits(const std::string &sin)
{
    std::string digits;
    for (char c : sin)
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    return digits;
}

int findTaxpayerBySin(QSqlDatabase db, const std::string &sin, CString &name)
{
    const std::string digits = sinDigits(sin);
    if (digits.size() != 9)
        return 0;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select id, name from tb_taxpayers where sin=:sin"));
    q.bindValue(QStringLiteral(":sin"), utf8(digits));
    if (!q.exec() || !q.next())
        return 0;
    name = CString(q.value(1).toString());
    return q.value(0).toInt();
}

int insertTaxpayer(QSqlDatabase db, const std::string &sin)
{
    const std::string digits = sinDigits(sin);
    if (digits.size() != 9)
        return 0;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into tb_taxpayers (name, sin) values ('', :sin)"));
    q.bindValue(QStringLiteral(":sin"), utf8(digits));
    if (!q.exec())
        return 0;
    return q.lastInsertId().toInt();
}

bool replaceTaxDataRows(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
                        const std::string &html, int year)
{
    return id > 0 && deleteRows(db, id) && insertRow(db, id, time, xml, html, year);
}

int saveTaxDataRow(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
                   const std::string &html, int year)
{
    if (id <= 0)
        return 0;   // no real taxpayer: a row no list shows
    if (!db.transaction())
        return 0;
    if (replaceTaxDataRows(db, id, time, xml, html, year) && db.commit())
        return 2;
    db.rollback();   // the earlier download stays
    return 0;
}
