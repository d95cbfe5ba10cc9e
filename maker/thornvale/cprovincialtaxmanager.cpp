#include "cprovincialtaxmanager.h"

CProvincialTaxManager::CProvincialTaxManager(int provinceId) : m_provinceId(provinceId) {}
CProvincialTaxManager::~CProvincialTaxManager() = default;

int CProvincialTaxManager::provinceId() const { return m_provinceId; }
void CProvincialTaxManager::setUpNewReturn(TaxData_T1New *, CTaxData_Form *) {}
void CProvincialTaxManager::reservedSlot1() {}
CTaxData_Form *CProvincialTaxManager::createProvincialForm(int, bool) { return nullptr; }
bool CProvincialTaxManager::releaseForm(CTaxData_Form *, bool) { return false; }
int CProvincialTaxManager::reservedSlot2(int, int, int) { return 0; }
int CProvincialTaxManager::prerequisiteForm(int) { return 0; }
CTaxData_Form *CProvincialTaxManager::createWizardData() { return nullptr; }
bool CProvincialTaxManager::releaseWizardData() { return false; }
void CProvincialTaxManager::applyWizardData() {}
void CProvincialTaxManager::fillWizardData() {}
void CProvincialTaxManager::reservedSlot3() {}
void CProvincialTaxManager::reservedSlot4() {}
void CProvincialTaxManager::reservedSlot5() {}
void CProvincialTaxManager::calculateStagePart1(TaxData_T1New *) {}
void CProvincialTaxManager::calculateStagePart2(TaxData_T1New *, int, CTaxData_Form *, QStringList *) {}
void CProvincialTaxManager::calculateStagePart3(bool, int, TaxData_T1New *) {}
int CProvincialTaxManager::calculateStagePart4(const ProvStageForms &) { return 0; }
void CProvincialTaxManager::calculateStagePart5(TaxData_T1New *, const ProvStageForms &) {}
void CProvincialTaxManager::calculateStagePart6(int, CTaxData_Form *) {}
void CProvincialTaxManager::calculateStagePart7(int, CTaxData_Form *) {}
void CProvincialTaxManager::fillResultForm(bool, TaxData_T1New *, CTaxData_Form *) {}
void CProvincialTaxManager::exchangeStage2(CProvincialTaxManager *) {}
void CProvincialTaxManager::exchangeStage4(CProvincialTaxManager *) {}
void CProvincialTaxManager::exchangeStage5(CProvincialTaxManager *) {}
int CProvincialTaxManager::checkNetfileEligibility() { return 0; }
bool CProvincialTaxManager::getProvincialValue(int, double &) { return false; }
bool CProvincialTaxManager::reservedSlot6(int, double &) { return false; }
bool CProvincialTaxManager::reservedSlot7(int, double &) { return false; }
void CProvincialTaxManager::setProvincialAmount(int, double) {}
void CProvincialTaxManager::checkForFiling(QStringList &, CTaxData_Form *, const ProvStageForms &) {}
void CProvincialTaxManager::checkCoupledReturns(QStringList &, CProvincialTaxManager *) {}
void CProvincialTaxManager::collectWarnings(TaxData_T1New *, CTaxData_Form *, QStringList &) {}
void CProvincialTaxManager::estimateProvincialBenefits(double, double, double, double) {}
void CProvincialTaxManager::getIncomeThresholds(QList<double> &) {}
bool CProvincialTaxManager::isNonRefundableCreditAllUsed() { return true; }
