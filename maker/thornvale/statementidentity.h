#pragma once
#include "fieldtable.h"
#include <initializer_list>
#include <vector>

// The identification of a business, professional, farming, fishing or rental
// statement (industry code, identifiers, indicators and up to three partners),
// appended to each statement's own fields in this order; each statement names them
// in its enum after its own fields:
//   F_IndustryCode, F_BusinessNumber, F_TaxShelterId, F_PartnershipBN, F_Partnership,
//   F_LastYear, F_Partner1Name, F_Partner1Address, F_Partner1Share, ... F_Partner3Share.
// Its own later additions follow them.
constexpr int kStatementPartners = 3;
constexpr int kFieldsPerPartner = 3;
std::vector<FieldSpec> withStatementIdentity(std::vector<FieldSpec> own,
                                             std::initializer_list<FieldSpec> after = {});
