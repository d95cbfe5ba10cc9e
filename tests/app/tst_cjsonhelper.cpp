#include "bqtest.h"
#include "cjsonhelper.h"

static const char kReply[] = R"({
    "name": "Alice", "points": 42, "negative": -7, "whole": 3.0, "fraction": 2.5,
    "numberAsText": "12", "textAsNumber": 5, "big": 1e12, "nullValue": null,
    "active": true, "inactive": false, "boolAsText": "true", "boolAsNumber": 1,
    "letters": [{"id": 1, "title": "A"}, {"id": 2, "title": "B"}], "emptyList": [],
    "nested": {"inner": "x", "list": [1, 2]}
})";

class TestCJsonHelper : public QObject
{
    Q_OBJECT

private slots:
    void freshHelperIsEmpty()
    {
        CJsonHelper json;
        QVERIFY(json.object.isEmpty());
        QCOMPARE(json.lastError, 0);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("replaced");

        QTest::newRow("object") << QStringLiteral(R"({"points": 1})") << 0 << true;
        QTest::newRow("empty object") << QStringLiteral("{}") << 0 << true;
        QTest::newRow("array keeps the object") << QStringLiteral("[1, 2]") << 0 << false;
        QTest::newRow("empty text") << QString() << 99 << false;
        QTest::newRow("blank text") << QStringLiteral("   ") << 99 << false;
        QTest::newRow("html error page") << QStringLiteral("<html>502</html>") << 99 << false;
        QTest::newRow("truncated") << QStringLiteral(R"({"points": 1)") << 99 << false;
        QTest::newRow("trailing comma") << QStringLiteral(R"({"points": 1,})") << 99 << false;
        QTest::newRow("bare number") << QStringLiteral("42") << 99 << false;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(bool, replaced);

        CJsonHelper json;
        QCOMPARE(json.parse(QStringLiteral(R"({"old": "kept"})")), 0);
        json.lastError = 55; // shows that parse always sets it
        QCOMPARE(json.parse(text), result);
        QCOMPARE(json.lastError, result);
        QCOMPARE(json.object.contains(QStringLiteral("old")), !replaced);
    }

    void parseKeepsNonAscii()
    {
        CJsonHelper json;
        QString text;
        QCOMPARE(json.parse(QStringLiteral("{\"city\": \"Montr\u00e9al \u2013 \u0645\"}")), 0);
        QCOMPARE(json.getString(QStringLiteral("city"), text), 0);
        QCOMPARE(text, QStringLiteral("Montr\u00e9al \u2013 \u0645"));
    }

    void getString_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("isNull");

        QTest::newRow("text") << "name" << 0 << "Alice" << false;
        QTest::newRow("number gives a null text") << "textAsNumber" << 0 << QString() << true;
        QTest::newRow("null gives a null text") << "nullValue" << 0 << QString() << true;
        QTest::newRow("bool gives a null text") << "active" << 0 << QString() << true;
        QTest::newRow("nested object gives a null text") << "nested" << 0 << QString() << true;
        QTest::newRow("array gives a null text") << "letters" << 0 << QString() << true;
        QTest::newRow("missing leaves the text") << "nope" << 99 << "untouched" << false;
        QTest::newRow("name is case-sensitive") << "Name" << 99 << "untouched" << false;
        QTest::newRow("nested member is not top level") << "inner" << 99 << "untouched" << false;
    }
    void getString()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        QFETCH(QString, value);
        QFETCH(bool, isNull);

        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        json.lastError = 55;
        QString text = QStringLiteral("untouched");
        QCOMPARE(json.getString(name, text), result);
        QCOMPARE(json.lastError, result);
        QCOMPARE(text, value);
        QCOMPARE(text.isNull(), isNull);
    }

    void getInt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("value");

        QTest::newRow("whole number") << "points" << 0 << 42;
        QTest::newRow("negative") << "negative" << 0 << -7;
        QTest::newRow("whole number written with a fraction") << "whole" << 0 << 3;
        QTest::newRow("fraction gives 0") << "fraction" << 0 << 0;
        QTest::newRow("number as text gives 0") << "numberAsText" << 0 << 0;
        QTest::newRow("out of int range gives 0") << "big" << 0 << 0;
        QTest::newRow("bool gives 0") << "active" << 0 << 0;
        QTest::newRow("null gives 0") << "nullValue" << 0 << 0;
        QTest::newRow("object gives 0") << "nested" << 0 << 0;
        QTest::newRow("missing leaves the int") << "nope" << 99 << 1234;
    }
    void getInt()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        QFETCH(int, value);

        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        json.lastError = 55;
        int number = 1234;
        QCOMPARE(json.getInt(name, number), result);
        QCOMPARE(json.lastError, result);
        QCOMPARE(number, value);
    }

    void getBool_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("value");
        QTest::addColumn<int>("lastError");

        QTest::newRow("true") << "active" << true << 55;
        QTest::newRow("false") << "inactive" << false << 55;
        QTest::newRow("bool as text is false") << "boolAsText" << false << 55;
        QTest::newRow("bool as number is false") << "boolAsNumber" << false << 55;
        QTest::newRow("missing is false") << "nope" << false << 99;
    }
    void getBool()
    {
        QFETCH(QString, name);
        QFETCH(bool, value);
        QFETCH(int, lastError);

        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        json.lastError = 55; // a found member leaves it as it was
        QCOMPARE(json.getBool(name), value);
        QCOMPARE(json.lastError, lastError);
    }

    void getArray_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");

        QTest::newRow("array of objects") << "letters" << 2;
        QTest::newRow("empty array") << "emptyList" << 0;
        QTest::newRow("not an array") << "name" << 0;
        QTest::newRow("object is not an array") << "nested" << 0;
        QTest::newRow("missing") << "nope" << 0;
    }
    void getArray()
    {
        QFETCH(QString, name);
        QFETCH(int, size);

        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        json.lastError = 55; // never changed by an array read
        QCOMPARE(json.getArray(name).size(), size);
        QCOMPARE(json.lastError, 55);
    }

    void arrayItemsReadWithAHelperEach()
    {
        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        const QJsonArray letters = json.getArray(QStringLiteral("letters"));
        QStringList titles;
        for (const QJsonValue &item : letters) {
            CJsonHelper one;
            one.object = item.toObject();
            QString title;
            int id = 0;
            QCOMPARE(one.getInt(QStringLiteral("id"), id), 0);
            QCOMPARE(one.getString(QStringLiteral("title"), title), 0);
            titles << QStringLiteral("%1%2").arg(id).arg(title);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("1A"), QStringLiteral("2B")}));
    }

    void lastErrorFollowsTheLastCodedRead()
    {
        CJsonHelper json;
        QCOMPARE(json.parse(QString::fromLatin1(kReply)), 0);
        QString text;
        int number = 0;

        // a failed read is not cleared by a later bool or array read
        QCOMPARE(json.getString(QStringLiteral("nope"), text), 99);
        QVERIFY(json.getBool(QStringLiteral("active")));
        QCOMPARE(json.getArray(QStringLiteral("letters")).size(), 2);
        QCOMPARE(json.lastError, 99);

        // ... but is by a later successful text or int read
        QCOMPARE(json.getInt(QStringLiteral("points"), number), 0);
        QCOMPARE(json.lastError, 0);

        // a failed parse keeps the object readable
        QCOMPARE(json.parse(QStringLiteral("not json")), 99);
        QCOMPARE(json.getString(QStringLiteral("name"), text), 0);
        QCOMPARE(text, QStringLiteral("Alice"));
        QCOMPARE(json.lastError, 0);
    }
};

BQ_TEST_MAIN_CORE(TestCJsonHelper)
#include "tst_cjsonhelper.moc"
