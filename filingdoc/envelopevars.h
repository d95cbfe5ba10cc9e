#pragma once
#include <QMap>
#include <QString>

class IndividualTaxData;

// The person's variables of the NETFILE and EFILE request envelopes.

// NETFILE: identity, agreement, first-time filer names or access code, test case.
// text and amount (when given) receive the filing identity's further name and balance.
void fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int agreement,
                            QString *text, double *amount, int testCase);
// EFILE: the filer's number and password, representative, DCN, names, RC71 and
// T183 data; the e-signature blocks only for request kind 1 (the return's filing).
void fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int requestKind);
