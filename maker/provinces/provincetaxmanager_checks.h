#pragma once

class TaxData_ProvBenefitApp;

// True when the benefit application applies for the credit that the value code names
// (ProvinceTaxManager::kEnergyPropertyApplicationCode or kNorthernEnergyApplicationCode).
bool appliesFor(const TaxData_ProvBenefitApp *application, int code);
// tax2024::tuitionAmountEnded for the program's province number.
bool endedTuitionCredit(int province);
