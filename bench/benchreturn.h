#pragma once
// The coupled bench return shared by the benchmarks: per person 20 slips of mixed
// kinds (or more) and 30 forms (Schedules 3, 5, 7, 9, 10, 11, a T2125, a T776, the
// pension split, the clergy residence, overseas employment and minimum tax forms, the
// provincial forms).
#include "creturnfile.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "returnfilefixture.h"
#include "taxdata_t1new.h"

namespace benchreturn {

// Slip kinds taken in turn: T4, T5, T3, T4A, T4RSP, T4A(P), T4A(OAS), T5008 and the rest.
inline void addSlips(IndividualTaxData &p, int count)
{
    int made = 0;
    for (int i = 0; made < count && i < 8 * count; ++i) {
        const int type = 1 + i % (kSlipTableSize - 1);
        if (FormEntry *e = p.addSlip(type, 0, 0)) {
            ++made;
            // a few boxes with amounts, so that the totals have work to do
            for (int box : {14, 16, 18, 22, 24, 26})
                e->object->setValueByCode(box, 1000.0 + 37.0 * made + box);
        }
    }
}

inline void addForms(IndividualTaxData &p, int total)
{
    for (int type : {4, 6, 7, 9, 10, 11, 125, 12, 118, 103, 30, 31})
        p.getForm(type, 0, true);
    p.addTuitionForms();
    p.addSpouseTransferForms();
    const QList<int> types = returnfixture::keptFormTypes(p, p.province());
    for (int i = 0; i < types.size() && p.forms().count() < total; ++i) {
        const int type = types.at(i);
        if (type == 161 || type == 159 || type == 165 || p.hasForm(type))
            continue;
        p.addForm(type, 0, true, 0, false);
    }
}

// An Ontario employee with interest, 30 forms and the given number of slips.
inline void makePerson(IndividualTaxData &p, const QString &first, int slips = 20)
{
    returnfixture::newPerson(p, 9, first, QStringLiteral("Roy"), 0, true);
    addForms(p, 30);
    addSlips(p, slips);
    TaxData_T1New *t = p.t1();
    t->setAmount(TaxData_T1New::F_10100, 52000);
    t->setAmount(TaxData_T1New::F_12100, 800);
}

// Fills rf as the coupled bench return (Anne and Ben, 12 dependant slots), recalculated.
inline void makeCoupledReturn(CReturnFile &rf)
{
    makePerson(*rf.self(), QStringLiteral("Anne"));
    makePerson(*rf.spouse(), QStringLiteral("Ben"));
    rf.dependants().AllocData(12);
    rf.recalculate(-1, nullptr);
}

} // namespace benchreturn
