#pragma once

class CTaxData_Form;
class TaxData_TaxNote;

// Type number to a new calculator object; null for a type without a class.
// The caller owns the object.
CTaxData_Form *createForm(unsigned int type);
CTaxData_Form *createSlip(unsigned int type);
TaxData_TaxNote *createTaxNote();
