#pragma once
// Yearly estimates of the provincial and territorial benefits the CRA pays from July 2025
// to June 2026 on the 2024 return. Pure arithmetic; each benefit to the cent. Where the
// figures of a benefit are not known it is left out (Manitoba, Quebec, Yukon and Nunavut
// have none).

// What the estimates know of a family; ages are those at the end of 2024.
struct BenefitFamily
{
    double familyNetIncome = 0.0;     // adjusted family net income (the person's own when single)
    double familyWorkingIncome = 0.0; // employment and self-employment income of the family
    bool hasSpouse = false;
    bool senior = false;              // the person or the spouse is 64 or older
    int childrenUnder6 = 0;
    int children6To17 = 0;
    int children18 = 0;
    int schoolAgeChildren = 0;        // of the ages of New Brunswick's school supplement
    int disabledPersons = 0;          // the person, the spouse and the children with the disability amount

    int childrenUnder18() const { return childrenUnder6 + children6To17; }
    int childrenUnder19() const { return childrenUnder18() + children18; }
    bool isFamily() const { return hasSpouse || childrenUnder19() > 0; }
};

// What Ontario's energy and property tax credit and northern energy credit take from the
// person's benefit application (ON-BEN).
struct OntarioHousing
{
    bool appliesEnergyProperty = false;
    bool appliesNorthern = false;
    double rent = 0.0;
    double propertyTax = 0.0;
    double reserveEnergy = 0.0;   // home energy costs on a reserve
    double longTermCare = 0.0;    // paid for a public or non-profit long-term care home
    bool studentResidence = false;
};

// Ontario.
double ontarioSalesTaxCredit(const BenefitFamily &f);
struct EnergyPropertyCredit
{
    double occupancyCost = 0.0;
    double energy = 0.0;
    double property = 0.0;
    double credit = 0.0;
};
EnergyPropertyCredit ontarioEnergyPropertyTaxCredit(const BenefitFamily &f, const OntarioHousing &h);
double northernOntarioEnergyCredit(const BenefitFamily &f);
double ontarioSeniorHomeownersGrant(const BenefitFamily &f, double propertyTax);
// The Ontario Trillium Benefit of the family: the sales tax credit (when salesTax), and the
// energy and property tax and northern energy credits the application asks for, the energy
// and property tax credit cut by the senior homeowners' grant; as it is paid (nothing at 2
// or less, at least 10).
double ontarioTrilliumBenefit(const BenefitFamily &f, const OntarioHousing &h, bool salesTax, double seniorGrant);
double ontarioChildBenefit(const BenefitFamily &f);

double bcFamilyBenefit(const BenefitFamily &f);
double albertaChildFamilyBenefit(const BenefitFamily &f);
double saskatchewanLowIncomeCredit(const BenefitFamily &f);
double nbHstCredit(const BenefitFamily &f);
double nbChildTaxBenefit(const BenefitFamily &f);
double nbWorkingIncomeSupplement(const BenefitFamily &f);
double nbSchoolSupplement(const BenefitFamily &f);
double nlChildBenefit(const BenefitFamily &f);
double nlIncomeSupplement(const BenefitFamily &f);
// The person's own benefit, of a person 18 to 64 with the disability amount.
double nlDisabilityBenefit(double familyNetIncome, int age, bool spouseAlsoDisabled);
double nsChildBenefit(const BenefitFamily &f);
double nsAffordableLivingCredit(const BenefitFamily &f);
double peiChildBenefit(const BenefitFamily &f);
double peiSalesTaxCredit(const BenefitFamily &f);
double nwtChildBenefit(const BenefitFamily &f);

// A province's (the program's number) benefits paid with the GST/HST credit, and those paid
// with the Canada child benefit; 0 where none is known.
double provincialCreditsWithGstHst(int province, const BenefitFamily &f);
double provincialChildBenefits(int province, const BenefitFamily &f);
// False for the provinces with no benefit estimated (Manitoba, Quebec, Yukon, Nunavut).
bool hasProvincialBenefitEstimate(int province);
// True for the provinces whose benefits read the family's working income (Alberta, New Brunswick).
bool readsFamilyWorkingIncome(int province);
