#include "sfdstatements.h"
#include "ctaxdata_t5013.h"
#include "individualtaxdata.h"
#include "linecoderecords.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2091.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t776new.h"
#include "taxdata_t777new.h"
#include "taxdata_tl2_new.h"
#include <algorithm>

namespace {

enum FormType {
    T1Form = 1, T776 = 12, T1163 = 15, T2042 = 21, T5013 = 38, T2121 = 51, T777 = 59, TL2 = 92,
    T2125 = 125, T2125Partnership = 131, T2091Designation = 147, T2091 = 160,
};

// Every form of the type whose object is of the class, in list order.
template <class Form>
void addFormsOf(IndividualTaxData &person, int type, QList<SfdStatement> &out)
{
    for (const FormEntry *e : person.forms().withKey(type))
        if (auto *form = dynamic_cast<Form *>(e->object))
            out.append(SfdStatement{type, form, -1, true});
}

// A row files a statement of its own when marked so and of a known kind; the
// document carries the first rows only.
void addPartnershipRows(IndividualTaxData &person, QList<SfdStatement> &out)
{
    for (const FormEntry *e : person.forms().withKey(T5013)) {
        auto *form = dynamic_cast<CTaxData_T5013 *>(e->object);
        if (!form)
            continue;
        const int rows = qMin(form->rows(0).count(), kFiledPartnershipRows);
        for (int row = 0; row < rows; ++row) {
            const int kind = int(form->rows(0).row(row).number(CTaxData_T5013::C_Kind));
            if (form->IsThisSFD(row) && kind >= CTaxData_T5013::Business && kind <= CTaxData_T5013::Rental)
                out.append(SfdStatement{T5013, form, row, true});
        }
    }
}

void addStatements(IndividualTaxData &person, const TaxData_T1New &t, QList<SfdStatement> &out)
{
    addFormsOf<TaxData_T2125_New>(person, T2125Partnership, out);
    addFormsOf<TaxData_T2125_New>(person, T2125, out);
    addFormsOf<TaxData_T776New>(person, T776, out);
    addFormsOf<TaxData_T2121New>(person, T2121, out);
    addFormsOf<TaxData_T2042New>(person, T2042, out);
    addFormsOf<TaxData_T1163New>(person, T1163, out);
    addPartnershipRows(person, out);
    // the employment expenses, when line 22900 claims them
    if (t.amount(TaxData_T1New::F_22900) >= 0.009) {
        addFormsOf<TaxData_T777New>(person, T777, out);
        addFormsOf<TaxData_TL2_New>(person, TL2, out);
    }
}

// Both T2091 forms as they come in the list.
void addT2091Forms(IndividualTaxData &person, QList<SfdStatement> &out)
{
    for (const FormEntry *e : person.forms()) {
        if (e->type != T2091 && e->type != T2091Designation)
            continue;
        if (auto *form = dynamic_cast<TaxData_T2091 *>(e->object))
            out.append(SfdStatement{e->type, form, -1, false});
    }
}

} // namespace

QList<SfdStatement> sfdStatements(IndividualTaxData &person)
{
    QList<SfdStatement> out;
    const auto *t = dynamic_cast<const TaxData_T1New *>(person.getForm(T1Form, 0, false));
    if (t && !t->IsBankrupt())
        addStatements(person, *t, out);
    addT2091Forms(person, out);
    return out;
}

int sfdRecordCount(const QList<SfdStatement> &statements)
{
    return int(std::count_if(statements.begin(), statements.end(), [](const SfdStatement &s) { return s.counted; }));
}
