#include "creturnfile.h"
#include "individualtaxdata.h"
#include <QStringList>

int CReturnFile::importAutoFill(const TDDTaxDataOnePerson &data, const DataAFR &options, QStringList *imported)
{
    if (IndividualTaxData *person = currentPerson())
        person->applyAutoFillData(data, options, imported);
    recalculate(-1, nullptr);
    return 0;
}
