// The slip totals of a person, the forms the slips require and the slip summary page.
#include "bqtest.h"
#include "dependantinfostruct.h"
#include "individualtaxdata.h"
#include "sliptotals.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4a.h"
#include "taxdata_slip_t4ap.h"
#include "taxdata_slip_t5.h"
#include "cslipdata_t5007.h"
#include "taxdata_t1new.h"
#include "taxfactory.h"
#include <QTextStream>
#include <initializer_list>
#include <utility>

// Field index and value of a slip; slot and amount of the totals.
using Pairs = QVector<QPair<int, double>>;
Q_DECLARE_METATYPE(Pairs)

namespace {

using Values = std::initializer_list<std::pair<int, double>>;

CTaxData_Form *addSlip(IndividualTaxData &p, int type, Values values)
{
    CTaxData_Form *s = p.addSlip(type, 0, 0)->object;
    for (const auto &v : values)
        s->fields().setNumber(v.first, v.second);
    return s;
}

QString summaryOf(IndividualTaxData &p)
{
    QString html;
    QTextStream out(&html);
    p.writeSlipSummaryHtml(out);
    out.flush();
    return html;
}

QString row(const char *amount, const char *label)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td></td></tr>\n").arg(QLatin1String(amount), QLatin1String(label));
}

QString table(std::initializer_list<std::pair<const char *, const char *>> rows)
{
    QString t = QStringLiteral("<table>\n") + row("Amounts", "Totalled into");
    for (const auto &r : rows)
        t += row(r.first, r.second);
    return t + QStringLiteral("</table>\n");
}

const char *const kHead = "*this summary is only for purpose of return preparation check, not accurate/full*<br><br>\n";

} // namespace

class TstSlipTotals : public QObject
{
    Q_OBJECT

private slots:
    void freshRecord()
    {
        SlipTotals t;
        QCOMPARE(t.amount(239), 1.0);
        QVERIFY(t.flag(70, 2));
        QVERIFY(!t.flag(70, 0) && !t.flag(70, 1) && !t.hasExemptIncome());
        QCOMPARE(t.code11T4Count(), 0);
        // the kinds of the named positions
        for (int s : {5, 7, 34, 44, 46, 48, 86, 147, 240})
            QCOMPARE(int(SlipTotals::slotSpec(s).kind), int(SlipTotals::Flag));
        QCOMPARE(int(SlipTotals::slotSpec(70).kind), int(SlipTotals::Flags3));
        QCOMPARE(int(SlipTotals::slotSpec(31).kind), int(SlipTotals::Counters2));
        QCOMPARE(int(SlipTotals::slotSpec(308).kind), int(SlipTotals::Counter));
        QCOMPARE(int(SlipTotals::slotSpec(331).kind), int(SlipTotals::Amount));
    }

    void summaryWithoutSlips()
    {
        IndividualTaxData p(0, &m_deps);
        QCOMPARE(summaryOf(p), QString::fromLatin1(kHead) + "<b>There are totally 0 tax slip(s)</b><br><br>\n");
        QCOMPARE(p.forms().count(), 0);
    }

    void summaryOfFourSlips()
    {
        IndividualTaxData p(0, &m_deps);
        addSlip(p, 1, {{TaxData_Slip_T4::F_Province, 9}, {TaxData_Slip_T4::F_Box14, 52000}, {TaxData_Slip_T4::F_Box16, 2900.5},
                       {TaxData_Slip_T4::F_Box18, 860.4}, {TaxData_Slip_T4::F_Box22, 7100}, {TaxData_Slip_T4::F_Box26, 52000}});
        addSlip(p, 8, {{TaxData_Slip_T5::F_Box10, 100}, {TaxData_Slip_T5::F_Box11, 115}, {TaxData_Slip_T5::F_Box12, 10.35},
                       {TaxData_Slip_T5::F_Box13, 250.75}, {TaxData_Slip_T5::F_Box24, 200}, {TaxData_Slip_T5::F_Box25, 276},
                       {TaxData_Slip_T5::F_Box26, 41.45}});
        addSlip(p, 9, {{TaxData_Slip_T3::F_Box21, 1000}, {TaxData_Slip_T3::F_Box23, 300}, {TaxData_Slip_T3::F_Box26, 400},
                       {TaxData_Slip_T3::F_Box32, 345}, {TaxData_Slip_T3::F_Box39, 31.79}, {TaxData_Slip_T3::F_Box49, 500},
                       {TaxData_Slip_T3::F_Box50, 690}, {TaxData_Slip_T3::F_Box51, 103.64}});
        addSlip(p, 2, {{TaxData_Slip_T4A::F_Box105, 700}});

        const QString expected = QString::fromLatin1(kHead) + "<b>There are totally 4 tax slip(s)</b><br><br>\n"
            + "<br><br>T3 tax slip: 1 <br>"
            + table({{"300.00", "Actual non-eligible dividend"}, {"345.00", "Taxable non-eligible dividend"},
                     {"31.79", "Tax credit of non-eligible dividend"}, {"400.00", "Total Income"},
                     {"500.00", "Actual eligible dividend"}, {"690.00", "Taxable eligible dividend"},
                     {"103.64", "Tax credit of eligible dividend"}})
            + "<br><br>T4 tax slip: 1 <br>\n"
            + table({{"52000.00", "Total Income"}, {"2900.50", "CPP Payment"}, {"0.00", "QPP Payment"},
                     {"860.40", "EI Payment"}, {"7100.00", "Income Tax Withheld"}})
            + "<br><br>T4A tax slip: 1 <br>"
            + table({{"0.00", "Field 10400"}, {"0.00", "Field 11500"}})
            + "<br><br>T5 tax slip: 1 <br>\n"
            + table({{"100.00", "Actual non-eligible dividend"}, {"115.00", "Taxable non-eligible dividend"},
                     {"10.35", "Tax credit of non-eligible dividend"}, {"250.75", "Interest income"},
                     {"200.00", "Actual eligible dividend"}, {"276.00", "Taxable eligible dividend"},
                     {"41.45", "Tax credit of eligible dividend"}});
        QCOMPARE(summaryOf(p), expected);

        // the summary added the forms the slips require: Schedule 3 and T936 for the T3
        // capital gains, the dividend worksheet, Schedule 8 for the CPP and T2204 for EI
        for (int type : {4, 32, 210, 150, 23})
            QVERIFY2(p.hasForm(type), qPrintable(QString::number(type)));
        for (int type : {148, 35, 171})
            QVERIFY2(!p.hasForm(type), qPrintable(QString::number(type)));
        QCOMPARE(p.forms().count(), 5);
    }

    // Each totalled slip type reaches its own positions: the slip is found by its
    // type, with every amount of the slip entered.
    void everyTotalledSlipTypeAdds_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 1; type <= 26; ++type)
            if (type != 12 && type != 19 && type != 20)   // types that add nothing
                QTest::addRow("slip %d", type) << type;
    }
    void everyTotalledSlipTypeAdds()
    {
        QFETCH(int, type);
        IndividualTaxData p(0, &m_deps);
        CTaxData_Form *slip = p.addSlip(type, 0, 0)->object;
        const FieldTable &table = slip->fieldTable();
        for (int i = 0; i < table.count(); ++i)
            if (table.spec(i).kind == FieldKind::Amount)
                slip->fields().setNumber(i, 100.0 + i);
        SlipTotals t;
        const SlipTotals fresh;
        RequiredFormSet forms;
        p.accumulateSlipTotals(t, forms);
        bool reached = false;
        for (int slot = 0; slot < SlipTotals::kSlotCount && !reached; ++slot) {
            const SlipTotals::SlotSpec &spec = SlipTotals::slotSpec(slot);
            if (spec.slipType != type)
                continue;
            if (spec.kind == SlipTotals::Amount)
                reached = t.amount(slot) != fresh.amount(slot);
            else if (spec.kind == SlipTotals::Counter || spec.kind == SlipTotals::Counters2)
                reached = t.counter(slot) != fresh.counter(slot);
        }
        QVERIFY(reached);
    }

    void requiredForms()
    {
        IndividualTaxData p(0, &m_deps);
        addSlip(p, 1, {{TaxData_Slip_T4::F_Province, 11}, {TaxData_Slip_T4::F_Box14, 40000},
                       {TaxData_Slip_T4::F_Box17, 2000}, {TaxData_Slip_T4::F_Box26, 40000},
                       {TaxData_Slip_T4::F_Box71, 0.005}});
        SlipTotals t;
        RequiredFormSet forms;
        p.accumulateSlipTotals(t, forms);
        // Quebec T4 without CPP: counted apart, earnings to 68, RC381 rather than Schedule 8
        QCOMPARE(t.code11T4Count(), 1);
        QCOMPARE(t.code11T4WithAmountCount(), 0);
        QCOMPARE(t.amount(68), 40000.0);
        QCOMPARE(t.amount(69), 0.0);
        QCOMPARE(forms, (RequiredFormSet{{148}}));
        QVERIFY(p.hasForm(148) && !p.hasForm(150) && !p.hasForm(171));   // 0.005 is no exempt income

        // an existing form stays as it is, and an exempt slip requires the T90
        addSlip(p, 11, {{CSlipData_T5007::F_Box10, 1200}, {CSlipData_T5007::F_Switch1, 1}});
        CTaxData_Form *rc381 = p.getForm(148, 0, false);
        SlipTotals t2;
        RequiredFormSet forms2;
        p.accumulateSlipTotals(t2, forms2);
        QCOMPARE(p.getForm(148, 0, false), rc381);
        QCOMPARE(forms2, (RequiredFormSet{{148, 171}}));
        QVERIFY(p.hasForm(171));
        QCOMPARE(t2.amount(237), 1200.0);
    }

    // One slip with one value: the positions it feeds.
    void slipPositions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Pairs>("values");
        QTest::addColumn<Pairs>("expected");
        using V = Pairs;
        QTest::newRow("T4 box 14 other province") << 1 << V{{TaxData_Slip_T4::F_Province, 9}, {TaxData_Slip_T4::F_Box14, 1000}}
                                                  << V{{32, 1000}, {38, 1000}, {37, 0}, {35, 0}};
        QTest::newRow("T4 Quebec box 14 with amount a") << 1
            << V{{TaxData_Slip_T4::F_Province, 11}, {TaxData_Slip_T4::F_Box14, 1000}, {TaxData_Slip_T4::F_Box66, 50},
                 {TaxData_Slip_T4::F_AmountA, 1}}
            << V{{37, 1000}, {38, 0}, {72, 1050}, {71, 1}};
        QTest::newRow("T4 retiring allowance with tax and no box 14") << 1
            << V{{TaxData_Slip_T4::F_Box22, 100}, {TaxData_Slip_T4::F_Box66, 300}, {TaxData_Slip_T4::F_Box67, -5}}
            << V{{84, 300}, {42, 100}, {73, 300}, {74, -5}};
        QTest::newRow("T4A box 105 selector 0") << 2 << V{{TaxData_Slip_T4A::F_Box105, 700}}
                                                << V{{190, 700}, {191, 200}, {189, 0}, {188, 0}};
        QTest::newRow("T4A box 105 selector 1") << 2 << V{{TaxData_Slip_T4A::F_Box105, 700}, {TaxData_Slip_T4A::F_Selector1, 1}}
                                                << V{{189, 700}, {191, 0}, {190, 0}};
        QTest::newRow("T4A box 105 other selector") << 2 << V{{TaxData_Slip_T4A::F_Box105, 300}, {TaxData_Slip_T4A::F_Selector1, 2}}
                                                    << V{{188, 300}, {191, 300}};
        QTest::newRow("T4A tax withheld") << 2
            << V{{TaxData_Slip_T4A::F_Box22, 50}, {TaxData_Slip_T4A::F_Box18, 100}, {TaxData_Slip_T4A::F_Box105, 800},
                 {TaxData_Slip_T4A::F_Box28, 10}}
            << V{{184, 410}, {166, 50}};
        QTest::newRow("T4A pension share of tax") << 2
            << V{{TaxData_Slip_T4A::F_Box16, 300}, {TaxData_Slip_T4A::F_Box18, 100}, {TaxData_Slip_T4A::F_Box22, 40}}
            << V{{315, 30}, {163, 300}};
        QTest::newRow("T4A box 24 under 65") << 2 << V{{TaxData_Slip_T4A::F_Box24, 90}} << V{{168, 90}, {167, 0}};
        QTest::newRow("T4A box 104 less amount d") << 2 << V{{TaxData_Slip_T4A::F_Box104, 90}, {TaxData_Slip_T4A::F_AmountD, 120}}
                                                   << V{{176, 0}};
        QTest::newRow("T5 share of 50%") << 8
            << V{{TaxData_Slip_T5::F_SharePercent, 50}, {TaxData_Slip_T5::F_Box13, 300}, {TaxData_Slip_T5::F_Box17, 40},
                 {TaxData_Slip_T5::F_AmountA, 20}}
            << V{{90, 150}, {99, 20}, {98, 0}, {102, 10}, {101, 0}};
        QTest::newRow("T3 other income less amount c") << 9
            << V{{TaxData_Slip_T3::F_Box26, 100}, {TaxData_Slip_T3::F_AmountC, 150}, {TaxData_Slip_T3::F_Box52, 0.005}}
            << V{{16, 0}, {20, 150}, {6, 0.005}};
        QTest::newRow("T4AP running maxima") << 3
            << V{{TaxData_Slip_T4AP::F_AmountA, 10}, {TaxData_Slip_T4AP::F_AmountH, 4}, {TaxData_Slip_T4AP::F_AmountK, 7},
                 {TaxData_Slip_T4AP::F_AmountG, 30}, {TaxData_Slip_T4AP::F_AmountE, 5}}
            << V{{154, 4}, {155, 4}, {160, 7}, {161, 7}, {153, 25}, {162, 5}};
        QTest::newRow("T5007 code 3 minimum") << 11
            << V{{CSlipData_T5007::F_Code, 3}, {CSlipData_T5007::F_Box11, 8}, {CSlipData_T5007::F_Box12, 0.4}}
            << V{{239, 0.4}, {238, 8}, {236, 0}};
        QTest::newRow("T5007 third amount above 1") << 11 << V{{CSlipData_T5007::F_Code, 3}, {CSlipData_T5007::F_Box12, 1.5}}
                                                    << V{{239, 1.0}};
    }

    void slipPositions()
    {
        QFETCH(int, type);
        QFETCH(Pairs, values);
        QFETCH(Pairs, expected);
        IndividualTaxData p(0, &m_deps);
        CTaxData_Form *s = p.addSlip(type, 0, 0)->object;
        for (const auto &v : values)
            s->fields().setNumber(v.first, v.second);
        SlipTotals t;
        RequiredFormSet forms;
        p.accumulateSlipTotals(t, forms);
        for (const auto &e : expected)
            QVERIFY2(qAbs(t.amount(e.first) - e.second) < 1e-9,
                     qPrintable(QStringLiteral("slot %1: %2").arg(e.first).arg(t.amount(e.first))));
    }

private:
    DependantInfoStruct m_deps;
};

BQ_TEST_MAIN_CORE(TstSlipTotals)
#include "tst_sliptotals.moc"
