#pragma once
// Persons of the calculation tests: one person with a T1 and the forms named,
// slips with their boxes, and the returns of a single person or a couple.
#include "creturnfile.h"
#include "dependantinfostruct.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "returnfilefixture.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1new.h"
#include <QDate>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

namespace stagefixture {

// Persons with a T1 holding Ada Lamont's name and S.I.N.
class StagePersons
{
public:
    // birth: the T1's date of birth, left blank when invalid; taxedInProvince: the T1's
    // main tax province is the person's from the start, not only after stage 1.
    explicit StagePersons(const QDate &birth = QDate(), bool taxedInProvince = false)
        : m_birth(birth), m_taxedInProvince(taxedInProvince)
    {
    }

    // A person of the province with a T1 and the forms of the types given.
    std::unique_ptr<IndividualTaxData> person(int province, std::initializer_list<int> forms = {})
    {
        auto p = std::make_unique<IndividualTaxData>(0, &deps);
        p->storeReadProvince(province);
        p->getForm(FormType::T1, 0, true);
        for (int type : forms)
            if (!p->getForm(type, 0, true))
                qWarning("form %d not made", type);
        TaxData_T1New *t = p->t1();
        if (m_taxedInProvince)
            t->setMainTaxProvince(province);
        t->setFirstName(QStringLiteral("Ada"));
        t->setLastName(QStringLiteral("Lamont"));
        t->setSin(QStringLiteral("046454286"));
        if (m_birth.isValid())
            t->setDateOfBirth(m_birth);
        return p;
    }

    DependantInfoStruct deps;

private:
    QDate m_birth;
    bool m_taxedInProvince;
};

// A slip of the type with the amounts given, field by field.
template <class Slip>
Slip *addSlip(IndividualTaxData &p, SlipType::Type type, std::initializer_list<std::pair<int, double>> boxes = {})
{
    auto *slip = static_cast<Slip *>(p.addSlip(type, 0, 0)->object);
    for (const auto &box : boxes)
        slip->setAmount(box.first, box.second);
    return slip;
}

// A T4 of the province of employment: employment income, CPP, QPP and pensionable earnings.
inline TaxData_Slip_T4 *addT4(IndividualTaxData &p, int province, double box14, double box16, double box17,
                              double box26)
{
    using T4 = TaxData_Slip_T4;
    auto *t4 = addSlip<T4>(p, SlipType::T4);
    t4->setIntValue(T4::F_Province, province);
    for (const auto &box : {std::make_pair(T4::F_Box14, box14), std::make_pair(T4::F_Box16, box16),
                            std::make_pair(T4::F_Box17, box17), std::make_pair(T4::F_Box26, box26)})
        t4->setAmount(box.first, box.second);
    return t4;
}

// Marital statuses the returns below are made with.
constexpr int kMarried = 0;
constexpr int kSingle = 5;

// A new return for Anne Roy, living in the province.
inline void anne(IndividualTaxData &p, int province = Province::Ontario, int maritalStatus = kSingle,
                 bool coupled = false)
{
    returnfixture::newPerson(p, province, QStringLiteral("Anne"), QStringLiteral("Roy"), maritalStatus, coupled);
}

// A new return for Ben Roy, Anne's husband, living in Ontario.
inline void ben(IndividualTaxData &p)
{
    returnfixture::newPerson(p, Province::Ontario, QStringLiteral("Ben"), QStringLiteral("Roy"), kMarried, true);
}

// Anne and Ben in one coupled file.
inline void makeCouple(CReturnFile &rf)
{
    anne(*rf.self(), Province::Ontario, kMarried, true);
    ben(*rf.spouse());
}

} // namespace stagefixture
