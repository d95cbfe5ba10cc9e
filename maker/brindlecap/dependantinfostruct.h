#pragma once
#include <QDate>
#include <QString>
#include <vector>

class MyDataStream;

// One dependant of the household.
struct DependantInfo
{
    enum Relation { None = 0, Child = 1, Other = 2 };
    QString firstName;
    QString lastName;
    QString sin;
    QDate birthDate;
    int relation = None;
    bool infirm = false;
    double netIncome = 0.0;

    bool isUsed() const { return relation != None || !firstName.isEmpty() || !lastName.isEmpty() || birthDate.isValid(); }
    // Age at the end of the tax year.
    int ageAtYearEnd(int taxYear = 2024) const { return birthDate.isValid() ? taxYear - birthDate.year() : -1; }
    bool operator==(const DependantInfo &o) const;
    bool operator!=(const DependantInfo &o) const { return !(*this == o); }
};

// The dependants record shared by both spouses of a return file.
class DependantInfoStruct
{
public:
    static constexpr int kSlots = 12;

    void AllocData(int count);
    void FreeData() { m_slots.clear(); }
    // Slots taken out of the record, in order, while the return is open: the other
    // spouse's records follow them (neither copied nor stored).
    void noteRemoved(int slot) { m_removed.push_back(slot); }
    int removalCount() const { return int(m_removed.size()); }
    int removedSlotAt(int n) const { return m_removed[size_t(n)]; }
    int count() const { return int(m_slots.size()); }
    DependantInfo &at(int i) { return m_slots[size_t(i)]; }
    const DependantInfo &at(int i) const { return m_slots[size_t(i)]; }

    // Reads or writes the record; false on a damaged stream.
    bool serilize(int version, MyDataStream &ar);
    void copyFrom(const DependantInfoStruct &other) { m_slots = other.m_slots; }
    bool operator==(const DependantInfoStruct &other) const;
    bool operator!=(const DependantInfoStruct &other) const { return !(*this == other); }

    // Queries; ages are those at the end of the tax year, ranges inclusive.
    int GetDepChildrenNumberForLine305() const;          // children under 18
    int GetDepOtherThanChildrenNumberForLine305() const; // other dependants
    int GetDepChildrenNumberBetweenAges(int fromAge, int toAge) const;
    int GetDepChildrenNumberBetweenAges_Infirm(int fromAge, int toAge, bool infirm) const;
    int GetDepNumberBetweenAges(int fromAge, int toAge) const;
    // Infirm dependants aged at least minAge; a negative minAge counts every infirm dependant.
    int GetInfirmDependantsNumberNotUnderAge(int minAge) const;
    int GetInfirmDependentNumberUnderAge18() const;

private:
    std::vector<DependantInfo> m_slots;
    std::vector<int> m_removed;
};
