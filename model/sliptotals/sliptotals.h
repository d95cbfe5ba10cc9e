#pragma once
#include <initializer_list>
#include "cstring.h"
#include "slipslots.h"
#include <array>
#include <cstdint>
#include <set>

// The form types that a person's slips require, ascending.
class RequiredFormSet : public std::set<int>
{
public:
    bool contains(int type) const { return find(type) != end(); }
};

// The totals of one person's slips: 333 positions, grouped by slip type, each an
// amount, a flag, three flags or one or two counters (see sliptotals_table.cpp).
// A fresh record holds 0 everywhere but T5007Code3SmallestThirdAmount (1.0) and the third
// flag of T4SecondSwitchByBox26PlaceEveryFirstSwitchSet (true).
class SlipTotals
{
public:
    static constexpr int kSlotCount = 333;

    enum SlotKind : std::uint8_t { Amount, Flag, Flags3, Counter, Counters2 };
    struct SlotSpec
    {
        int slot;            // its position (a SlipSlot name)
        SlotKind kind;
        int slipType;        // the slip type that fills it; 0 for none
        const char *what;    // what it holds
    };
    static const SlotSpec &slotSpec(int slot);

    SlipTotals();

    // Amount positions.
    double amount(int slot) const;
    // The sum of the amount positions given.
    double sum(std::initializer_list<int> positions) const
    {
        double total = 0.0;
        for (int s : positions)
            total += amount(s);
        return total;
    }
    void add(int slot, double value);
    void set(int slot, double value);
    // Flag positions (which 0 to 2 for a Flags3 position).
    bool flag(int slot, int which = 0) const;
    void setFlag(int slot, bool value, int which = 0);
    // Counter positions (which 0 or 1 for a Counters2 position).
    int counter(int slot, int which = 0) const;
    void increment(int slot, int which = 0);

    // The exempt-income flag: some slip holds income exempt under the Indian Act.
    bool hasExemptIncome() const { return flag(SlipSlot::ExemptIncomeUnderTheIndianAct); }
    void setExemptIncome() { setFlag(SlipSlot::ExemptIncomeUnderTheIndianAct, true); }

    // Number of T4 slips added, and of those not counted as Quebec slips without CPP.
    int code11T4Count() const;
    int code11T4WithAmountCount() const;

    // The summary tables; the T3 writer appends, the others replace the text.
    void toHtmlT3Table(CString &out) const;
    void toHtmlT4Table(CString &out) const;
    void toHtmlT4ATable(CString &out) const;
    void toHtmlT5Table(CString &out) const;

private:
    struct Slot
    {
        double amount = 0.0;
        int counters[2] = {0, 0};
        bool flags[3] = {false, false, false};
    };
    // The slot, checked to be of one of the two kinds.
    const Slot &at(int slot, SlotKind one, SlotKind many) const;
    Slot &at(int slot, SlotKind one, SlotKind many);

    std::array<Slot, kSlotCount> m_slots;
};

inline const SlipTotals::Slot &SlipTotals::at(int slot, SlotKind one, SlotKind many) const
{
    Q_ASSERT(slot >= 0 && slot < kSlotCount);
    Q_ASSERT(slotSpec(slot).kind == one || slotSpec(slot).kind == many);
    Q_UNUSED(one) Q_UNUSED(many)
    return m_slots[size_t(slot)];
}

inline SlipTotals::Slot &SlipTotals::at(int slot, SlotKind one, SlotKind many)
{
    return const_cast<Slot &>(static_cast<const SlipTotals *>(this)->at(slot, one, many));
}

inline double SlipTotals::amount(int slot) const { return at(slot, Amount, Amount).amount; }
inline void SlipTotals::add(int slot, double value) { at(slot, Amount, Amount).amount += value; }
inline void SlipTotals::set(int slot, double value) { at(slot, Amount, Amount).amount = value; }
