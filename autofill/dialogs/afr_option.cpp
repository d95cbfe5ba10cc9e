#include "afr_option.h"
#include "ui_afr_option.h"
#include "dataafr.h"

AFR_Option::AFR_Option(CWSBaseData *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(nullptr)
{
    static_cast<DataAFR *>(data)->fld_iFillOption = 0;
    ui = new Ui::AFR_Option;
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

AFR_Option::~AFR_Option()
{
    delete ui;
}

void AFR_Option::bindFields(CWSBaseData *data)
{
    auto *afr = static_cast<DataAFR *>(data);
    bindRadio(ui->fld_iFillOption, &afr->fld_iFillOption);
    const std::pair<StyledCheckBox *, CBoolField *> boxes[] = {
        {ui->fld_bT4, &afr->fld_bT4},
        {ui->fld_bT4A, &afr->fld_bT4A},
        {ui->fld_bT4AOAS, &afr->fld_bT4AOAS},
        {ui->fld_bT4AP, &afr->fld_bT4AP},
        {ui->fld_bT4E, &afr->fld_bT4E},
        {ui->fld_bT4FHSA, &afr->fld_bT4FHSA},
        {ui->fld_bT4RIF, &afr->fld_bT4RIF},
        {ui->fld_bT1204, &afr->fld_bT1204},
        {ui->fld_bT3, &afr->fld_bT3},
        {ui->fld_bT5, &afr->fld_bT5},
        {ui->fld_bPRPP, &afr->fld_bPRPP},
        {ui->fld_bRC62, &afr->fld_bRC62},
        {ui->fld_bRC210, &afr->fld_bRC210},
        {ui->fld_bT5007, &afr->fld_bT5007},
        {ui->fld_bT5008, &afr->fld_bT5008},
        {ui->fld_bTuition, &afr->fld_bTuition},
        {ui->fld_bT2202, &afr->fld_bT2202},
        {ui->fld_bMBSB, &afr->fld_bMBSB},
        {ui->fld_bInstalment, &afr->fld_bInstalment},
        {ui->fld_bRRSPLimit, &afr->fld_bRRSPLimit},
        {ui->fld_bT4RSP, &afr->fld_bT4RSP},
        {ui->fld_bRRSPContribution, &afr->fld_bRRSPContribution},
        {ui->fld_bHBPLLP, &afr->fld_bHBPLLP},
    };
    for (const auto &box : boxes)
        bindBool(box.first, box.second);
}

bool AFR_Option::validatePage()
{
    PutDataToDoc();
    return unsigned(static_cast<DataAFR *>(data())->fld_iFillOption.value()) <= 1u;
}
