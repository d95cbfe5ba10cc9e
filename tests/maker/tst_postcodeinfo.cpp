// Postal codes by province and the AgriStability form of each province.
#include "bqtest.h"
#include "cpostcodeinfo.h"

class TestPostCodeInfo : public QObject
{
    Q_OBJECT

private slots:
    void postCodeFromProvince_data();
    void postCodeFromProvince();
    void caisForm_data();
    void caisForm();
};

void TestPostCodeInfo::postCodeFromProvince_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("expected");
    QTest::newRow("A Newfoundland") << "A1C" << int(prov::NewfoundlandAndLabrador) << true;
    QTest::newRow("B Nova Scotia") << "B3H 4R2" << int(prov::NovaScotia) << true;
    QTest::newRow("C Prince Edward Island") << "C1A" << int(prov::PrinceEdwardIsland) << true;
    QTest::newRow("E New Brunswick") << "E3B" << int(prov::NewBrunswick) << true;
    QTest::newRow("G, H and J Quebec") << "J4K" << int(prov::Quebec) << true;
    QTest::newRow("H Quebec, lower case") << "h2x" << int(prov::Quebec) << true;
    QTest::newRow("P Ontario") << "P3A" << int(prov::Ontario) << true;
    QTest::newRow("K Ontario with blanks before") << "  K1A" << int(prov::Ontario) << true;
    QTest::newRow("R Manitoba") << "R3C" << int(prov::Manitoba) << true;
    QTest::newRow("S Saskatchewan") << "S4P" << int(prov::Saskatchewan) << true;
    QTest::newRow("T Alberta") << "T5J" << int(prov::Alberta) << true;
    QTest::newRow("V British Columbia") << "V6B" << int(prov::BritishColumbia) << true;
    QTest::newRow("X Northwest Territories") << "X1A" << int(prov::NorthwestTerritories) << true;
    QTest::newRow("X Nunavut") << "X0A" << int(prov::Nunavut) << true;
    QTest::newRow("Y Yukon") << "Y1A" << int(prov::Yukon) << true;
    QTest::newRow("V is not Ontario") << "V6B" << int(prov::Ontario) << false;
    QTest::newRow("X is not Yukon") << "X1A" << int(prov::Yukon) << false;
    QTest::newRow("empty") << "" << int(prov::Ontario) << false;
    QTest::newRow("D belongs to none") << "D1A" << int(prov::Ontario) << false;
    QTest::newRow("no province") << "K1A" << int(prov::ProvinceNone) << false;
}

void TestPostCodeInfo::postCodeFromProvince()
{
    QFETCH(QString, code);
    QFETCH(int, province);
    QFETCH(bool, expected);
    QCOMPARE(CPostCodeInfo::GetInstance()->IsPostCodeFromProv(code, province), expected);
    QCOMPARE(CPostCodeInfo::GetInstance(), CPostCodeInfo::GetInstance());
}

void TestPostCodeInfo::caisForm_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("form");
    const int t1163 = 15, t1273 = 109;
    QTest::newRow("Alberta") << int(prov::Alberta) << t1273;
    QTest::newRow("Ontario") << int(prov::Ontario) << t1273;
    QTest::newRow("Prince Edward Island") << int(prov::PrinceEdwardIsland) << t1273;
    QTest::newRow("Quebec") << int(prov::Quebec) << t1273;
    QTest::newRow("Saskatchewan") << int(prov::Saskatchewan) << t1273;
    QTest::newRow("British Columbia") << int(prov::BritishColumbia) << t1163;
    QTest::newRow("Manitoba") << int(prov::Manitoba) << t1163;
    QTest::newRow("New Brunswick") << int(prov::NewBrunswick) << t1163;
    QTest::newRow("Newfoundland and Labrador") << int(prov::NewfoundlandAndLabrador) << t1163;
    QTest::newRow("Nova Scotia") << int(prov::NovaScotia) << t1163;
    QTest::newRow("Northwest Territories") << int(prov::NorthwestTerritories) << t1163;
    QTest::newRow("Nunavut") << int(prov::Nunavut) << t1163;
    QTest::newRow("Yukon") << int(prov::Yukon) << t1163;
    QTest::newRow("no province") << int(prov::ProvinceNone) << 0;
    QTest::newRow("out of range") << 14 << 0;
}

void TestPostCodeInfo::caisForm()
{
    QFETCH(int, province);
    QFETCH(int, form);
    QCOMPARE(GetCAISFormTypeFromProv(province), form);
}

BQ_TEST_MAIN_CORE(TestPostCodeInfo)
#include "tst_postcodeinfo.moc"
