#include "bqtest.h"
#include "cprovincialtaxmanager.h"
#include "cwizdata_dependant.h"
#include "cwizdata_medexp.h"
#include "formtables.h"
#include "mydatastream.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_rrspcontrib.h"
#include "taxdata_slip_t2202.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4fhsa.h"
#include "taxdata_slip_t5.h"
#include "taxdata_t1new.h"
#include "taxdata_t2091.h"
#include "taxdata_t2125_new.h"
#include "taxdata_taxnote.h"
#include "taxdata_wizard_general.h"
#include "taxfactory.h"
#include <QLibrary>
#include <QMap>
#include <cxxabi.h>
#include <cstdlib>
#include <functional>
#include <memory>
#include <typeinfo>

namespace {

struct Row { int type; const char *className; };

const Row kFormRows[] = {
    {1, "TaxData_T1New"}, {2, "TaxData_UnusedForm"}, {3, "TaxData_Sch2"}, {4, "TaxData_Sch3"},
    {5, "TaxData_UnusedForm"}, {6, "TaxData_Sch5"}, {7, "TaxData_Sch7"}, {8, "TaxData_Sch8"},
    {9, "TaxData_Sch9"}, {10, "TaxData_Sch10"}, {11, "TaxData_Sch11"}, {12, "TaxData_T776New"},
    {13, "TaxData_T778New"}, {14, "TaxData_T929New"}, {15, "TaxData_T1163New"}, {17, "TaxData_T1172New"},
    {18, "TaxData_T1212New"}, {20, "TaxData_T2038New"}, {21, "TaxData_T2042New"}, {23, "TaxData_T2204_New"},
    {28, "CTaxData_GST370"}, {29, "TaxData_T1206New"}, {30, "TaxData_T626_New"}, {31, "TaxData_T691New"},
    {32, "TaxData_T936New"}, {35, "TaxData_T2209_2036"}, {37, "TaxData_T2017New"}, {38, "CTaxData_T5013"},
    {39, "TaxData_T1ANew"}, {40, "TaxData_T657New"}, {49, "CTaxData_T2222"}, {51, "TaxData_T2121New"},
    {52, "CTaxData_T1DD"}, {53, "CTaxData_RC71"}, {55, "TaxData_T5004"}, {57, "TaxData_CPT20_New"},
    {59, "TaxData_T777New"}, {89, "CTaxData_T1219"}, {92, "TaxData_TL2_New"}, {93, "TaxData_T1KSNew"},
    {96, "TaxData_T183New"}, {97, "CTaxData_T1153"}, {101, "TaxData_T1135New"}, {102, "TaxData_T1MNew"},
    {103, "CTaxData_T1223"}, {105, "TaxData_T746New"}, {107, "CTaxData_T1229"}, {113, "TaxData_T1170"},
    {116, "CTaxData_T1ADJ"}, {117, "TaxData_T1013New"}, {118, "TaxData_T1032_New"}, {119, "TaxData_Sch6"},
    {124, "CTaxData_T2205"}, {125, "TaxData_T2125_New"}, {131, "TaxData_T2125_New"},
    {133, "TaxData_Sch12_MultigHomeReno"}, {136, "TaxData_RC267New"}, {137, "TaxData_RC268New"},
    {138, "TaxData_RC269"}, {139, "TaxData_Sch13"}, {145, "TaxData_RC359"}, {147, "TaxData_T2091"},
    {148, "TaxData_RC381"}, {149, "TaxData_RC383"}, {150, "TaxData_Sch8_14"}, {151, "TaxData_UnusedForm"},
    {157, "TaxData_Sch12_2016"}, {159, "TaxData_T1KSNew"}, {160, "TaxData_T2091"}, {165, "TaxData_T1KSNew"},
    {166, "TaxData_UnusedForm"}, {171, "TaxData_T90"}, {173, "TaxData_T224"}, {174, "TaxData_T225"},
    {179, "TaxData_T777Covid19"}, {181, "TaxData_T185"}, {184, "TaxData_RC59_e"}, {185, "TaxData_RC59X_e"},
    {186, "TaxData_T1044"}, {193, "TaxData_T2043"}, {198, "TaxData_UnusedForm"}, {199, "TaxData_T2039"},
    {205, "TaxData_Sch15"}, {207, "TaxData_T1248SchD"}, {209, "TaxData_InstalmentCalc"},
    {210, "TaxData_WS_D1"}, {212, "TaxData_T2048"}, {213, "TaxData_T1198"}
};

const Row kSlipRows[] = {
    {1, "TaxData_Slip_T4"}, {2, "TaxData_Slip_T4A"}, {3, "TaxData_Slip_T4AP"}, {4, "TaxData_Slip_T4RSP"},
    {5, "TaxData_Slip_T4E"}, {6, "CSlipData_T4AOAS"}, {7, "TaxData_Slip_T4RIF"}, {8, "TaxData_Slip_T5"},
    {9, "TaxData_Slip_T3"}, {10, "CSlipData_T5003"}, {11, "CSlipData_T5007"}, {13, "TaxData_Slip_T5013"},
    {14, "TaxData_Slip_T4PS"}, {15, "TaxData_Slip_T4ARCA"}, {16, "TaxData_Slip_T5006"},
    {17, "TaxData_Slip_RC62"}, {18, "TaxData_Slip_RC210"}, {21, "TaxData_Slip_MBShelterAssist"},
    {22, "TaxData_Slip_PRPP"}, {23, "TaxData_Slip_T1204"}, {24, "TaxData_Slip_NR4"},
    {25, "TaxData_Slip_T2202"}, {26, "TaxData_Slip_T4FHSA"}
};

// Class name of an object, also for objects made inside a plug-in.
QByteArray className(const CTaxData_Form *f)
{
    int status = 0;
    char *s = abi::__cxa_demangle(typeid(*f).name(), nullptr, nullptr, &status);
    const QByteArray name(status == 0 && s ? s : typeid(*f).name());
    std::free(s);
    return name;
}

using Maker = std::function<CTaxData_Form *()>;

// Every class the libraries make, by a readable name, for the round trip.
QMap<QString, Maker> everyClass()
{
    QMap<QString, Maker> all;
    for (const Row &r : kFormRows) {
        const int t = r.type;
        all.insert(QStringLiteral("form %1").arg(t), [t] { return createForm(unsigned(t)); });
    }
    for (const Row &r : kSlipRows) {
        const int t = r.type;
        all.insert(QStringLiteral("slip %1").arg(t), [t] { return createSlip(unsigned(t)); });
    }
    all.insert(QStringLiteral("note"), [] { return createTaxNote(); });
    all.insert(QStringLiteral("wizard 1"), [] { return new TaxData_Wizard_General; });
    all.insert(QStringLiteral("wizard 2"), [] { return new TaxData_LastYearAmounts; });
    all.insert(QStringLiteral("wizard 3"), [] { return new CWizData_Dependant; });
    all.insert(QStringLiteral("wizard 4"), [] { return new CWizData_MedExp; });
    all.insert(QStringLiteral("wizard 5"), [] { return new TaxData_RRSPContrib; });
    return all;
}

// Sample values in every field and in two rows of every repeating group.
void fillSample(CTaxData_Form &f)
{
    f.fillForTestPrint();
    for (int l = 0; l < f.rowListCount(); ++l) {
        FieldRowList &list = f.rows(l);
        for (int n = 0; n < 2; ++n) {
            FieldRecord &r = list.append();
            for (int c = 0; c < list.table().count(); ++c) {
                const FieldKind k = list.table().spec(c).kind;
                if (k == FieldKind::Flag)
                    r.setNumber(c, (c + n) % 2);
                else if (FieldTable::isNumeric(k))
                    r.setNumber(c, 10 * l + c + n + 1);
                else
                    r.setValueText(c, k == FieldKind::Date ? QStringLiteral("2024-06-30") : QStringLiteral("row %1").arg(n));
            }
        }
    }
    f.setAutoFill(true);
}

QByteArray store(CTaxData_Form &f)
{
    QByteArray bytes;
    MyDataStream out(&bytes, true);
    f.serialise(66098, CString(), out);
    return bytes;
}

} // namespace

class TestTaxFactory : public QObject
{
    Q_OBJECT

private slots:
    void formRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("cls");
        for (const Row &r : kFormRows)
            QTest::addRow("form %d", r.type) << r.type << QByteArray(r.className);
    }
    void formRows()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, cls);
        std::unique_ptr<CTaxData_Form> f(createForm(unsigned(type)));
        QVERIFY(f);
        QCOMPARE(className(f.get()), cls);
        QCOMPARE(f->kind(), int(CTaxData_Form::KindForm));
        // classes that serve several types report their first (default) type
        const bool shared = cls == "TaxData_UnusedForm" || cls == "TaxData_T1KSNew";
        if (!shared)
            QCOMPARE(int(f->formType()), type);
    }

    void formTypesWithoutRowGiveNull()
    {
        QSet<int> made;
        for (const Row &r : kFormRows)
            made.insert(r.type);
        for (int t = 0; t <= 400; ++t) {
            if (made.contains(t))
                continue;
            std::unique_ptr<CTaxData_Form> f(createForm(unsigned(t)));
            QVERIFY2(!f, qPrintable(QStringLiteral("type %1").arg(t)));
        }
        QVERIFY(!createForm(0xFFFFFFFFu));
    }

    void sharedClassesKnowTheirType_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("T2125 125") << 125;
        QTest::newRow("T2125 131") << 131;
        QTest::newRow("T2091 147") << 147;
        QTest::newRow("T2091 160") << 160;
    }
    void sharedClassesKnowTheirType()
    {
        QFETCH(int, type);
        std::unique_ptr<CTaxData_Form> f(createForm(unsigned(type)));
        QVERIFY(f);
        QCOMPARE(int(f->formType()), type);
        if (type == 125 || type == 131)
            QVERIFY(dynamic_cast<TaxData_T2125_New *>(f.get()));
        else
            QVERIFY(dynamic_cast<TaxData_T2091 *>(f.get()));
    }

    void slipRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("cls");
        for (const Row &r : kSlipRows)
            QTest::addRow("slip %d", r.type) << r.type << QByteArray(r.className);
    }
    void slipRows()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, cls);
        std::unique_ptr<CTaxData_Form> s(createSlip(unsigned(type)));
        QVERIFY(s);
        QCOMPARE(className(s.get()), cls);
        QCOMPARE(s->kind(), int(CTaxData_Form::KindSlip));
        QCOMPARE(int(s->formType()), type);
    }

    void slipTypesWithoutRowGiveNull_data()
    {
        QTest::addColumn<unsigned>("type");
        for (unsigned t : {0u, 12u, 19u, 20u, 27u, 100u, 0xFFFFFFFFu})
            QTest::addRow("slip %u", t) << t;
    }
    void slipTypesWithoutRowGiveNull()
    {
        QFETCH(unsigned, type);
        QVERIFY(!createSlip(type));
    }

    void noteAndFhsaSlip()
    {
        std::unique_ptr<TaxData_TaxNote> note(createTaxNote());
        QVERIFY(note);
        QCOMPARE(note->kind(), int(CTaxData_Form::KindOther));
        std::unique_ptr<CTaxData_Form> s(createSlip(26));
        QVERIFY(dynamic_cast<TaxData_Slip_T4FHSA *>(s.get()));
    }

    void slipsAnswerByBox_data()
    {
        QTest::addColumn<int>("slipType");
        QTest::addColumn<int>("box");
        QTest::newRow("T4 14") << 1 << 14;
        QTest::newRow("T4 16A") << 1 << 1601;
        QTest::newRow("T4 52") << 1 << 52;
        QTest::newRow("T4A 105") << 2 << 105;
        QTest::newRow("T5 13") << 8 << 13;
        QTest::newRow("T3 49") << 9 << 49;
        QTest::newRow("T4FHSA 18") << 26 << 18;
        QTest::newRow("T1204 84") << 23 << 84;
        QTest::newRow("T2202 period 3 fees") << 25 << 226;
    }
    void slipsAnswerByBox()
    {
        QFETCH(int, slipType);
        QFETCH(int, box);
        std::unique_ptr<CTaxData_Form> s(createSlip(unsigned(slipType)));
        QVERIFY(s->hasCode(box));
        QCOMPARE(s->valueByCode(box), 0.0);
        QVERIFY(s->setValueByCode(box, 1234.5));
        QCOMPARE(s->valueByCode(box), 1234.5);
        QVERIFY(!s->hasCode(9999));
        QCOMPARE(s->valueByCode(9999), 0.0);
    }

    void slipFieldsAreTheBoxes()
    {
        TaxData_Slip_T4 t4;
        t4.setValueByCode(14, 52000.0);
        QCOMPARE(t4.amount(TaxData_Slip_T4::F_Box14), 52000.0);
        t4.setAmount(TaxData_Slip_T4::F_Box71, 10.0);
        QVERIFY(t4.containIndianItem());

        TaxData_Slip_T2202 t2202;
        t2202.setValueByCode(125, 4);
        QCOMPARE(t2202.fullTimeMonths(1), 4.0);

        // T5 boxes are calculated for the recipient's share of a joint account
        TaxData_Slip_T5 t5;
        t5.setValueByCode(13, 200.0);
        t5.setAmount(TaxData_Slip_T5::F_SharePercent, 50.0);
        t5.calculateData();
        QCOMPARE(t5.calculated(13), 100.0);
    }

    void roundTripEveryClass_data()
    {
        QTest::addColumn<QString>("name");
        const QMap<QString, Maker> all = everyClass();
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key();
    }
    void roundTripEveryClass()
    {
        QFETCH(QString, name);
        const Maker make = everyClass().value(name);
        std::unique_ptr<CTaxData_Form> a(make());
        std::unique_ptr<CTaxData_Form> b(make());
        QVERIFY(a && b);
        QVERIFY(!a->differs(*b));
        fillSample(*a);
        QVERIFY(a->differs(*b));

        QByteArray bytes = store(*a);
        MyDataStream in(&bytes, false);
        QCOMPARE(b->serialise(66098, CString(), in), 0);
        QVERIFY(!a->differs(*b));
        QVERIFY(b->isAutoFill());
        QCOMPARE(store(*b), bytes);

        std::unique_ptr<CTaxData_Form> c(make());
        c->copyAll(*a);
        QVERIFY(!c->differs(*a));
    }

    void truncatedStreamIsRefused()
    {
        std::unique_ptr<CTaxData_Form> a(createForm(4));
        fillSample(*a);
        QByteArray bytes = store(*a);
        bytes.chop(bytes.size() / 2);
        std::unique_ptr<CTaxData_Form> b(createForm(4));
        MyDataStream in(&bytes, false);
        QVERIFY(b->serialise(66098, CString(), in) != 0);
    }

    void t1Queries_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("spouse");
        QTest::addColumn<bool>("senior");
        QTest::newRow("married 70") << QDate(1954, 3, 1) << 0 << 70 << true << true;
        QTest::newRow("common-law 65") << QDate(1959, 12, 31) << 1 << 65 << true << true;
        QTest::newRow("single 64") << QDate(1960, 1, 1) << 5 << 64 << false << false;
        QTest::newRow("widowed 40") << QDate(1984, 6, 1) << 2 << 40 << false << false;
        QTest::newRow("no birth date") << QDate() << 4 << 0 << false << false;
    }
    void t1Queries()
    {
        QFETCH(QDate, birth);
        QFETCH(int, status);
        TaxData_T1New t1;
        t1.setDateOfBirth(birth);
        t1.setMaritalStatus(status);
        QTEST(t1.GetAge(), "age");
        QTEST(t1.HasSpouse(), "spouse");
        QTEST(t1.IsAgeNotUnder65(), "senior");
    }

    void t1TotalsTheReturn()
    {
        TaxData_T1New t1;
        QCOMPARE(t1.maritalStatus(), 5);
        t1.setAmount(TaxData_T1New::F_10100, 100000.0);
        t1.setAmount(TaxData_T1New::F_20800, 0.0);
        t1.setAmount(TaxData_T1New::F_43700, 20000.0);
        t1.Calculate01();
        QCOMPARE(t1.totalIncome(), 100000.0);
        QCOMPARE(t1.taxableIncome(), 100000.0);
        // 2024: 15% of 55867 and 20.5% of the rest
        QCOMPARE(t1.amount(TaxData_T1New::F_40400), 17427.32);
        QCOMPARE(TaxData_T1New::m_taxStairs.taxOn(300000.0),
                 55867 * 0.15 + (111733 - 55867) * 0.205 + (173205 - 111733) * 0.26 + (246752 - 173205) * 0.29
                     + (300000 - 246752) * 0.33);
        QVERIFY(t1.refund() > 0 || t1.balanceDue() > 0);
        QCOMPARE(t1.netBalance(), t1.balanceDue() - t1.refund());
    }

    void pluginMakesAndReleasesItsForms_data()
    {
        QTest::addColumn<int>("province");
        for (int p = 1; p < kProvinceCount; ++p)
            QTest::addRow("%s", Global_Provs_Info[p].word[0]) << p;
    }
    void pluginMakesAndReleasesItsForms()
    {
        QFETCH(int, province);
        QLibrary lib(QStringLiteral(BQ_BIN_DIR "/") + QString::fromLatin1(Global_Provs_Info[province].word[3]));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        auto getManager = reinterpret_cast<GetTaxManagerFn>(lib.resolve("GetTaxManager"));
        QVERIFY(getManager);
        CProvincialTaxManager *mgr = getManager();
        QCOMPARE(mgr->provinceId(), province);

        QList<int> types{109, 156, 161};
        const ProvinceForms &own = Province_Forms_Info[province];
        for (int i = 0; i < own.count; ++i)
            types << own.rows[i].type;
        QList<CTaxData_Form *> made;
        for (int t : types) {
            CTaxData_Form *f = mgr->createProvincialForm(t, true);
            QVERIFY2(f, qPrintable(QStringLiteral("type %1").arg(t)));
            QCOMPARE(int(f->formType()), t);
            QCOMPARE(f->getMainTaxProvince(), province);
            made << f;
        }
        if (own.count > 0) {
            QCOMPARE(className(mgr->createProvincialForm(own.rows[0].type, true)), QByteArray("TaxData_ProvTax428"));
        }
        // federal types and other provinces' forms are not this plug-in's
        QVERIFY(!mgr->createProvincialForm(1, true));
        QVERIFY(!mgr->createProvincialForm(province == 9 ? 41 : 24, true));

        CTaxData_Form *wizard = mgr->createWizardData();
        QVERIFY(wizard);
        QCOMPARE(int(wizard->formType()), 6);
        QCOMPARE(mgr->createWizardData(), wizard);

        // a form it did not make stays the caller's
        std::unique_ptr<CTaxData_Form> federal(createForm(3));
        QVERIFY(!mgr->releaseForm(federal.get(), true));
        for (CTaxData_Form *f : made)
            QVERIFY(mgr->releaseForm(f, true));
        QVERIFY(!mgr->releaseForm(made.first(), true));
        QVERIFY(mgr->releaseWizardData());
        QVERIFY(!mgr->releaseWizardData());
        delete mgr;   // also frees the 428 made above and never released
        QVERIFY(lib.unload());
    }

    void pluginKeepsUnusedTuition()
    {
        QLibrary lib(QStringLiteral(BQ_BIN_DIR "/ProvON"));
        QVERIFY(lib.load());
        auto getManager = reinterpret_cast<GetTaxManagerFn>(lib.resolve("GetTaxManager"));
        std::unique_ptr<CProvincialTaxManager> mgr(getManager());
        double v = -1;
        QVERIFY(!mgr->getProvincialValue(11001, v));
        QCOMPARE(v, -1.0);
        mgr->setProvincialAmount(11001, 1500.0);
        QVERIFY(mgr->getProvincialValue(11001, v));
        QCOMPARE(v, 1500.0);
        CTaxData_Form *s11 = mgr->createProvincialForm(27, true);
        QCOMPARE(s11->valueByCode(11001), 1500.0);
        s11->setValueByCode(11001, 900.0);
        QVERIFY(mgr->getProvincialValue(11001, v));
        QCOMPARE(v, 900.0);
        QVERIFY(mgr->releaseForm(s11, true));
        mgr.reset();
        QVERIFY(lib.unload());
    }
};

BQ_TEST_MAIN_CORE(TestTaxFactory)
#include "tst_taxfactory.moc"
