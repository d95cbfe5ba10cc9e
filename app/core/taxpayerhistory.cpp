#include "taxpayerhistory.h"
#include <QDebug>
#include <QSqlQuery>
#include <QVariant>

int saveTaxpayer(QSqlDatabase db, const QString &sin, const QString &name, const QString &phone, const QString &email)
{
    try {
        int found = 0;
        {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("select id from tb_taxpayers where sin=:sin order by id desc"));
            q.bindValue(QStringLiteral(":sin"), sin);
            if (q.exec() && q.next())
                found = q.value(0).toInt();
            q.finish();
        }
        QSqlQuery q(db);
        if (found > 0) {
            q.prepare(QStringLiteral("update tb_taxpayers set name=:name, phone=:phone, email=:email where id=:retid"));
            q.bindValue(QStringLiteral(":name"), name);
            q.bindValue(QStringLiteral(":phone"), phone);
            q.bindValue(QStringLiteral(":email"), email);
            q.bindValue(QStringLiteral(":retid"), found);
            q.exec();
            return found;
        }
        q.prepare(QStringLiteral("insert into tb_taxpayers (name, sin, phone, email) values (:name, :sin, :phone, :email)"));
        q.bindValue(QStringLiteral(":name"), name);
        q.bindValue(QStringLiteral(":sin"), sin);
        q.bindValue(QStringLiteral(":phone"), phone);
        q.bindValue(QStringLiteral(":email"), email);
        if (!q.exec())
            return 0;
        return q.lastInsertId().toInt();
    } catch (...) {
        qInfo().noquote() << "exception in db insert " + name;
        return 0;
    }
}

int addHistoryEvent(QSqlDatabase db, int uid, int eventId, const QString &msg, bool withTime, bool replace)
{
    bool inTransaction = false;
    try {
        const bool deleting = replace && uid != 0;
        // The delete and the insert stand or fall together: a failed insert
        // never leaves the kind without its row.
        if (deleting)
            inTransaction = db.transaction();
        if (deleting) {
            QSqlQuery del(db);
            del.prepare(QStringLiteral("delete from tb_history where eventid=:evid and uid=:uid"));
            del.bindValue(QStringLiteral(":evid"), eventId);
            del.bindValue(QStringLiteral(":uid"), uid);
            const bool deleted = del.exec();
            del.finish();
            if (!deleted) {
                if (inTransaction)
                    db.rollback();
                return 0;
            }
        }
        QString sql = QStringLiteral("insert into tb_history (uid, eventid, msg, event_time) values (:uid, :evid, :msg, ");
        sql += withTime ? QStringLiteral("datetime('now','localtime'))") : QStringLiteral("NULL)");
        QSqlQuery q(db);
        q.prepare(sql);
        q.bindValue(QStringLiteral(":uid"), uid);
        q.bindValue(QStringLiteral(":evid"), eventId);
        q.bindValue(QStringLiteral(":msg"), msg);
        if (!q.exec()) {
            if (inTransaction)
                db.rollback();
            return 0;
        }
        const int id = q.lastInsertId().toInt();
        q.finish();
        if (inTransaction && !db.commit()) {
            db.rollback();
            return 0;
        }
        return id;
    } catch (...) {
        if (inTransaction)
            db.rollback();
        qInfo().noquote() << QStringLiteral("ex: %1:%2:%3").arg(uid).arg(eventId).arg(msg);
        return 0;
    }
}
