#pragma once

// Yearly estimates of two federal benefits that follow from a return.
// Pure arithmetic in double precision, no rounding.

// Canada Child Benefit with the child disability benefit. The province is
// accepted for the callers' sake and not used.
double estimateChildBenefit(int province, int childrenUnder6, int children6To17,
                            int childrenWithDisability, double familyNetIncome);

// GST/HST credit. Without a spouse, hasEligibleDependant marks a person who
// claims one child as an eligible dependant; childCount then counts the others.
double estimateGstHstCredit(double netIncome, bool hasSpouse, double spouseNetIncome,
                            bool hasEligibleDependant, int childCount);
