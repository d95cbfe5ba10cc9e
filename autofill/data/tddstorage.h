#pragma once
#include "cstring.h"
#include <QSqlDatabase>
#include <string>

// The downloaded data's rows in the application database. S.I.N.s are kept as
// their nine digits, as the return's T1 stores them.

// The digits of a S.I.N. ("046 454 286" gives "046454286").
std::string sinDigits(const std::string &sin);
// The taxpayer's id (name filled); 0 when none has the S.I.N.'s digits.
int findTaxpayerBySin(QSqlDatabase db, const std::string &sin, CString &name);
// A new taxpayer with an empty name; its id, or 0 when the S.I.N. is not nine
// digits or the insert fails.
int insertTaxpayer(QSqlDatabase db, const std::string &sin);
// The delete and the insert of saveTaxDataRow inside the caller's transaction:
// true when both succeeded (the caller rolls back otherwise).
bool replaceTaxDataRows(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
                        const std::string &html, int year);
// Replaces the taxpayer's tb_taxdata rows in one transaction: 2 when stored,
// 0 when nothing changed (no real id, or a statement failed and was rolled back).
int saveTaxDataRow(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
                   const std::string &html, int year);
