#include "sliptotals.h"
#include "utils.h"
#include <QStringList>

SlipTotals::SlipTotals()
{
    m_slots[SlipSlot::T5007Code3SmallestThirdAmount].amount = 1.0;       // running minimum of the T5007 amounts
    m_slots[SlipSlot::T4SecondSwitchByBox26PlaceEveryFirstSwitchSet].flags[2] = true;     // stays true while every T4 has its first switch set
}

bool SlipTotals::flag(int slot, int which) const
{
    Q_ASSERT(which == 0 || (which < 3 && slotSpec(slot).kind == Flags3));
    return at(slot, Flag, Flags3).flags[which];
}

void SlipTotals::setFlag(int slot, bool value, int which)
{
    Q_ASSERT(which == 0 || (which < 3 && slotSpec(slot).kind == Flags3));
    at(slot, Flag, Flags3).flags[which] = value;
}

int SlipTotals::counter(int slot, int which) const
{
    Q_ASSERT(which == 0 || (which == 1 && slotSpec(slot).kind == Counters2));
    return at(slot, Counter, Counters2).counters[which];
}

void SlipTotals::increment(int slot, int which)
{
    Q_ASSERT(which == 0 || (which == 1 && slotSpec(slot).kind == Counters2));
    ++at(slot, Counter, Counters2).counters[which];
}

int SlipTotals::code11T4Count() const
{
    return counter(SlipSlot::T4SlipsQuebecWithoutBox16Others, 0) + counter(SlipSlot::T4SlipsQuebecWithoutBox16Others, 1);
}

int SlipTotals::code11T4WithAmountCount() const
{
    return counter(SlipSlot::T4SlipsQuebecWithoutBox16Others, 1);
}

namespace {

struct TableRow
{
    const char *label;
    double value;
};

void writeTable(CString &out, std::initializer_list<TableRow> rows)
{
    out += toHtmlTableStart(QStringList());
    out += toHtmlOneTableRow({QStringLiteral("Amounts"), QStringLiteral("Totalled into"), QString()});
    for (const TableRow &r : rows)
        out += toHtmlOneTableRow({QString::fromStdString(myDoubleToString(r.value, 2)),
                                  QString::fromLatin1(r.label), QString()});
    out += toHtmlTableEnd();
}

} // namespace

void SlipTotals::toHtmlT3Table(CString &out) const
{
    double income = amount(20) + amount(16) + amount(10);
    if (amount(24) - 10000.0 >= 0.009)
        income += amount(24) - 10000.0;
    writeTable(out, {{"Actual non-eligible dividend", amount(11)},
                     {"Taxable non-eligible dividend", amount(21)},
                     {"Tax credit of non-eligible dividend", amount(27)},
                     {"Total Income", income},
                     {"Actual eligible dividend", amount(28)},
                     {"Taxable eligible dividend", amount(29)},
                     {"Tax credit of eligible dividend", amount(30)}});
}

void SlipTotals::toHtmlT4Table(CString &out) const
{
    out.Empty();
    writeTable(out, {{"Total Income", amount(32)},
                     {"CPP Payment", amount(36)},
                     {"QPP Payment", amount(65)},
                     {"EI Payment", amount(40)},
                     {"Income Tax Withheld", amount(42)}});
}

void SlipTotals::toHtmlT4ATable(CString &out) const
{
    out.Empty();
    writeTable(out, {{"Field 10400", amount(193) + amount(176) + amount(196) + amount(197) + amount(200)
                                         + amount(205) + amount(213) + amount(215)},
                     {"Field 11500", amount(163) + amount(167) + amount(206) + amount(216)}});
}

void SlipTotals::toHtmlT5Table(CString &out) const
{
    out.Empty();
    writeTable(out, {{"Actual non-eligible dividend", amount(87)},
                     {"Taxable non-eligible dividend", amount(88)},
                     {"Tax credit of non-eligible dividend", amount(89)},
                     {"Interest income", amount(90)},
                     {"Actual eligible dividend", amount(103)},
                     {"Taxable eligible dividend", amount(104)},
                     {"Tax credit of eligible dividend", amount(105)}});
}
