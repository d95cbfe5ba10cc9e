#include "cpostcodeinfo.h"
#include "formtables.h"
#include "provincetaxmanager.h"
#include "taxdata_provsch11.h"
#include <QStringList>

namespace {

// The provinces whose tuition and education credits ended before 2024.
bool endedTuitionCredit(int province)
{
    return province == prov::Alberta || province == prov::Ontario || province == prov::Saskatchewan;
}

} // namespace

void ProvinceTaxManager::checkForFiling(QStringList &messages, CTaxData_Form *, const ProvStageForms &)
{
    if (!endedTuitionCredit(m_provinceId))
        return;
    for (const CTaxData_Form *form : qAsConst(m_forms)) {
        const auto *s11 = dynamic_cast<const TaxData_ProvSch11 *>(form);
        if (s11 && isAmountEntered(s11->amount(TaxData_ProvSch11::F_Tuition))) {
            messages << QStringLiteral("%1 allows no tuition amount for 2024: remove the tuition amount of the year "
                                       "from its Schedule 11 and claim only the unused amounts carried forward.")
                            .arg(provinceName(m_provinceId));
            return;
        }
    }
}
