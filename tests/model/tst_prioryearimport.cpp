// The prior-year import of a whole return file: a 2023 return written by the program,
// read back as last year's file and carried into 2024, with the real provincial plug-ins.
#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include <QJsonDocument>
#include <QTemporaryDir>
#include <memory>

namespace {

using T1 = TaxData_T1New;

// Ann Lee's 2023 return (Ontario, single), as last year's program saved it: the
// opening amounts of 2023, the year's own amounts and the closing amounts worked from them.
//
// Schedule 11:  unused federal tuition from 2022            3,000.00
//               + 2023 eligible fees                         9,000.00
//               - claimed at line 32300                      2,000.00
//               = unused at the end of 2023                 10,000.00
// ON(S11):      unused Ontario tuition from 2022             2,800.00
//               (Ontario gives no 2023 tuition amount)
//               - claimed at line 58560                      2,000.00
//               = unused at the end of 2023                    800.00
// Schedule 7:   unused contributions from 2022                 500.00
//               + contributions of 2023                     10,000.00
//               - deducted at line 20800 (the 2023 limit)    2,000.00
//               = unused at the end of 2023                  8,500.00
// T1-M:         moving expenses                              5,000.00
//               - deducted at line 21900 (income at the new
//                 location, 1,000.00)                        1,000.00
//               = carried to 2024                            4,000.00
// The T1 keeps 2023's opening amounts beside the forms (limit 2,000, tuition 3,000
// and 2,800, unused contributions 500), and a T4 of 30,000 was entered.
const char *const kReturn2023 = R"({ "persons": [ {
    "firstName": "Ann", "lastName": "Lee", "sin": "046454286", "birthDate": "1999-04-12",
    "province": 9, "maritalStatus": 5,
    "t1": { "LYFedTuition": 3000, "LYProvTuition": 2800, "LYRRSPLimit": 2000, "LYUnusedRRSP": 500 },
    "slips": [ { "type": 1, "fields": { "14": 30000 } } ],
    "forms": [
      { "type": 11, "fields": { "CarriedForward": 3000, "EligibleTuition": 9000, "FullTimeMonths": 8,
                                "ClaimedAmount": 2000, "CarryForwardNext": 10000 } },
      { "type": 27, "fields": { "CarriedForward": 2800, "Claimed": 2000, "CarryForwardNext": 800 } },
      { "type": 7, "fields": { "UnusedContributions": 500, "ContribRestOfYear": 10000, "DeductionLimit": 2000,
                               "TotalContributions": 10500, "Deduction": 2000, "CarryForward": 8500 } },
      { "type": 102, "fields": { "DistanceOld": 120, "DistanceNew": 5, "Expenses": 5000,
                                 "IncomeAtNewLocation": 1000, "Deduction": 1000, "CarryForward": 4000 } }
    ] } ] })";

// Bo Roy's 2023 return (Ontario, single): the Ontario tuition carried in was used up (its T1
// kept the 600 it opened with), and the T1 alone kept a federal tuition amount of 1,500 and
// unused RRSP contributions of 700 (typed in the wizard without Schedule 11 or 7, so
// nothing of them was claimed in 2023).
// ON(S11):      unused Ontario tuition from 2022   600.00
//               - claimed at line 58560            600.00
//               = unused at the end of 2023          0.00
const char *const kReturnWithoutForms2023 = R"({ "persons": [ {
    "firstName": "Bo", "lastName": "Roy", "sin": "046454286", "birthDate": "1990-02-02",
    "province": 9, "maritalStatus": 5,
    "t1": { "LYFedTuition": 1500, "LYProvTuition": 600, "LYUnusedRRSP": 700 },
    "forms": [ { "type": 27, "fields": { "CarriedForward": 600, "Claimed": 600, "CarryForwardNext": 0 } } ]
    } ] })";

} // namespace

class TestPriorYearImport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // The 2023 file written and read back as the import reads it.
    CReturnFile *lastYearsFile(const char *described)
    {
        QString error;
        const QJsonObject description = QJsonDocument::fromJson(described).object();
        std::unique_ptr<CReturnFile> built(returnbuilder::build(description, &error));
        if (!built) {
            qWarning("%s", qPrintable(error));
            return nullptr;
        }
        const QString path = m_dir.filePath(QStringLiteral("ann.r23"));
        if (built->save(path, 1, &error) != 0)
            return nullptr;
        int code = -1;
        CReturnFile *read = CReturnFile::load(path, code, 1);
        if (code != 0) {
            delete read;
            return nullptr;
        }
        return read;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        CMultiProvsTaxMgr::setLibraryFolder(QString());   // the plug-ins beside the test
    }

    // Each closing amount of 2023 opens 2024, with the default options and with all data
    // copied; 2023's own amounts and opening balances do not come back as this year's.
    void closingAmountsOpenTheYear_data()
    {
        QTest::addColumn<bool>("copyAll");
        QTest::newRow("default import") << false;
        QTest::newRow("copy all of old data") << true;
    }
    void closingAmountsOpenTheYear()
    {
        QFETCH(bool, copyAll);
        std::unique_ptr<CReturnFile> file(lastYearsFile(kReturn2023));
        QVERIFY(file);
        ImportPriorYearOptions options;
        options.keepNotes = true;
        options.copyAllData = copyAll;
        file->importPriorYear(options);
        file->recalculate(-1, nullptr);
        IndividualTaxData &p = *file->self();

        const CTaxData_Form *sch11 = p.getForm(11, 0, false);
        QVERIFY(sch11);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_CarriedForward), 10000.0);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_EligibleTuition), 0.0);
        QCOMPARE(sch11->intValue(TaxData_Sch11::F_FullTimeMonths), 0);

        const CTaxData_Form *ontario = p.getForm(27, 0, false);
        QVERIFY(ontario);
        QCOMPARE(ontario->valueByCode(11001), 800.0);   // its carried amount
        double provincial = 0.0;
        QVERIFY(p.provinceManager().getProvincialValue(11001, provincial));
        QCOMPARE(provincial, 800.0);

        const CTaxData_Form *sch7 = p.getForm(7, 0, false);
        QVERIFY(sch7);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 8500.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), 0.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_DeductionLimit), 0.0);   // 2023's limit is not 2024's

        const CTaxData_Form *t1m = p.getForm(102, 0, false);
        QVERIFY(t1m);
        QCOMPARE(t1m->amount(TaxData_T1MNew::F_Expenses), 0.0);

        const T1 *t = p.t1();
        QCOMPARE(t->lastYearMovingExpenses(), 4000.0);
        QCOMPARE(t->amount(T1::F_21900), 4000.0);   // the 1,000 of 2023 is not claimed again
        QCOMPARE(t->amount(T1::F_LYFedTuition), 10000.0);
        QCOMPARE(t->amount(T1::F_LYProvTuition), 800.0);
        QCOMPARE(t->amount(T1::F_LYUnusedRRSP), 8500.0);
        QCOMPARE(t->amount(T1::F_LYRRSPLimit), 0.0);
        QCOMPARE(t->amount(T1::F_20800), 0.0);
    }

    // Ontario gives no tuition amount of its own: its schedule with nothing to carry does not
    // come into 2024. Amounts that last year's T1 kept without their form come across.
    void nothingToCarryAndAmountsWithoutForms()
    {
        std::unique_ptr<CReturnFile> file(lastYearsFile(kReturnWithoutForms2023));
        QVERIFY(file);
        ImportPriorYearOptions options;
        options.keepNotes = true;
        file->importPriorYear(options);
        file->recalculate(-1, nullptr);
        const IndividualTaxData &p = *file->self();
        QVERIFY(!p.hasForm(27));
        QVERIFY(!p.hasForm(11) && !p.hasForm(7));
        QCOMPARE(p.t1()->amount(T1::F_LYProvTuition), 0.0);
        QCOMPARE(p.t1()->amount(T1::F_LYFedTuition), 1500.0);
        QCOMPARE(p.t1()->amount(T1::F_LYUnusedRRSP), 700.0);
    }
};

BQ_TEST_MAIN_CORE(TestPriorYearImport)
#include "tst_prioryearimport.moc"
