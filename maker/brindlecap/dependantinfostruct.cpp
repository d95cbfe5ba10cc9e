#include "dependantinfostruct.h"
#include "mydatastream.h"
#include <algorithm>

bool DependantInfo::operator==(const DependantInfo &o) const
{
    return firstName == o.firstName && lastName == o.lastName && sin == o.sin && birthDate == o.birthDate
        && relation == o.relation && infirm == o.infirm && netIncome == o.netIncome;
}

void DependantInfoStruct::AllocData(int count)
{
    if (count < 0)
        count = 0;
    m_slots.resize(size_t(count));
}

bool DependantInfoStruct::serilize(int, MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << qint32(m_slots.size());
        for (const DependantInfo &d : m_slots)
            ar << d.firstName << d.lastName << d.sin << d.birthDate << qint32(d.relation) << quint8(d.infirm)
               << d.netIncome;
        return ar.ok();
    }
    qint32 n = 0;
    // a slot holds at least three empty strings, a date, two ints and a double
    if (!ar.readCount(n, 12 + 8 + 4 + 1 + 8))
        return false;
    std::vector<DependantInfo> readSlots(static_cast<size_t>(n));
    for (DependantInfo &d : readSlots) {
        qint32 rel = 0;
        quint8 infirm = 0;
        ar >> d.firstName >> d.lastName >> d.sin >> d.birthDate >> rel >> infirm >> d.netIncome;
        if (!ar.ok())
            return false;
        d.relation = rel;
        d.infirm = infirm != 0;
    }
    m_slots.swap(readSlots);
    return true;
}

bool DependantInfoStruct::operator==(const DependantInfoStruct &other) const
{
    // readSlots never used compare equal to missing ones
    const size_t n = std::max(m_slots.size(), other.m_slots.size());
    const DependantInfo empty;
    for (size_t i = 0; i < n; ++i) {
        const DependantInfo &a = i < m_slots.size() ? m_slots[i] : empty;
        const DependantInfo &b = i < other.m_slots.size() ? other.m_slots[i] : empty;
        if (a != b)
            return false;
    }
    return true;
}

int DependantInfoStruct::GetDepChildrenNumberForLine305() const
{
    return GetDepChildrenNumberBetweenAges(0, 17);
}

int DependantInfoStruct::GetDepOtherThanChildrenNumberForLine305() const
{
    int n = 0;
    for (const DependantInfo &d : m_slots)
        if (d.relation == DependantInfo::Other)
            ++n;
    return n;
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges(int fromAge, int toAge) const
{
    int n = 0;
    for (const DependantInfo &d : m_slots) {
        const int age = d.ageAtYearEnd();
        if (d.relation == DependantInfo::Child && age >= fromAge && age <= toAge)
            ++n;
    }
    return n;
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges_Infirm(int fromAge, int toAge, bool infirm) const
{
    int n = 0;
    for (const DependantInfo &d : m_slots) {
        const int age = d.ageAtYearEnd();
        if (d.relation == DependantInfo::Child && d.infirm == infirm && age >= fromAge && age <= toAge)
            ++n;
    }
    return n;
}

int DependantInfoStruct::GetDepNumberBetweenAges(int fromAge, int toAge) const
{
    int n = 0;
    for (const DependantInfo &d : m_slots) {
        const int age = d.ageAtYearEnd();
        if (d.relation != DependantInfo::None && age >= fromAge && age <= toAge)
            ++n;
    }
    return n;
}

int DependantInfoStruct::GetInfirmDependantsNumberNotUnderAge(int minAge) const
{
    int n = 0;
    for (const DependantInfo &d : m_slots)
        if (d.relation != DependantInfo::None && d.infirm && (minAge < 0 || d.ageAtYearEnd() >= minAge))
            ++n;
    return n;
}

int DependantInfoStruct::GetInfirmDependentNumberUnderAge18() const
{
    int n = 0;
    for (const DependantInfo &d : m_slots) {
        const int age = d.ageAtYearEnd();
        if (d.relation != DependantInfo::None && d.infirm && age >= 0 && age < 18)
            ++n;
    }
    return n;
}
