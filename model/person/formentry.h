#pragma once

class CTaxData_Form;
class TaxData_TaxNote;

// The records of a person's four entry lists. Each record is allocated on its
// own and owned by the list that holds it; the person deletes the object with
// the record. Type and object are fixed once the record is in a list (the
// lists index them); id and linkedId may change.

// A form or a slip.
struct FormEntry
{
    int type = 0;                      // form type, or slip type in the slip list
    int id = 0;                        // unique within the person, at least 1
    int linkedId = 0;                  // id of the partner's copy of a shared item; 0 when not shared
    CTaxData_Form *object = nullptr;
};

// A tax note.
struct NoteEntry
{
    int id = 0;
    TaxData_TaxNote *note = nullptr;
};

// A tax-wizard data record: type WizardRecord::General to WizardRecord::Provincial.
struct WizardEntry
{
    int type = 0;
    CTaxData_Form *object = nullptr;
};
