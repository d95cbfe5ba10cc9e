#include "datadlgchangeprov.h"

DataDlgChangeProv::DataDlgChangeProv()
{
    registerField(&fld_NewTaxProv);
    registerField(&fld_ChgBoth);
}

int DataDlgChangeProv::checkData()
{
    return 0;
}
