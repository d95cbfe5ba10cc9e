#pragma once

class TaxData_ProvBenefitApp;

// True when the benefit application applies for the credit that the value code names
// (ProvinceTaxManager::kEnergyPropertyApplicationCode or kNorthernEnergyApplicationCode).
bool appliesFor(const TaxData_ProvBenefitApp *application, int code);
// True for the provinces whose tuition and education amounts ended before 2024: their
// Schedule 11 holds only the amounts carried from earlier years.
bool endedTuitionCredit(int province);
