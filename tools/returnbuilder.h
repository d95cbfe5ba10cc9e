#pragma once
// Builds a return file from a JSON description and reports its calculated
// lines; shared by the developer tool and the tests.
//
// A description:
//   { "persons": [ { "firstName", "lastName", "sin", "birthDate": "1980-01-31",
//                    "province": 9, "maritalStatus": 5,
//                    "t1": { "<T1 field key>": value, ... },
//                    "t1Rows": [ { "<T1 medical row key>": value, ... } ],
//                    "slips": [ { "type": 1, "fields": { "Box14": 60000, ... } } ],
//                    "forms": [ { "type": 9, "fields": { ... },
//                                 "rows": [ { "<row field key>": value, ... } ] } ] },
//                  { the spouse of a coupled return, same shape } ],
//   "dependants": [ { "firstName", "lastName", "birthDate": "2019-04-30", "relation": "child" (when left out)
//                     or "other", "sin", "infirm": true, "netIncome": 0 } ] }      (optional; shared by both persons, at most 12)
// A field is named by its key, or by its line or box code written as a number
// ("20" for box 20). Province numbers and slip and form types are those of the form tables
// (province 9 Ontario, slip 1 T4, form 9 Schedule 9, ...).
#include <QJsonObject>
#include <QString>

class CReturnFile;
class IndividualTaxData;

namespace returnbuilder {

// A new return file made from the description; null (and the reason in error)
// when the description cannot be applied. The return is not yet recalculated.
CReturnFile *build(const QJsonObject &description, QString *error = nullptr);

// Recalculates the return file as the program does after an edit.
void recalculate(CReturnFile &file);

// The amounts of the person's T1 by line code ("15000": 60000.0), rounded to the cent.
QJsonObject t1Lines(const IndividualTaxData &person);

// Every person of the file: { "self": {lines}, "spouse": {lines} } (spouse only when coupled).
QJsonObject calculatedLines(const CReturnFile &file);

} // namespace returnbuilder
