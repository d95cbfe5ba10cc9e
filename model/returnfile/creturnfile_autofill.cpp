#include "creturnfile.h"
#include "individualtaxdata.h"

int CReturnFile::importAutoFill(const TDDTaxDataOnePerson &data, const DataAFR &options)
{
    if (IndividualTaxData *person = currentPerson())
        person->applyAutoFillData(data, options);
    recalculate(-1, nullptr);
    return 0;
}
