#pragma once
#include "filingresult.h"
#include "templatefiller.h"
#include <QByteArray>

class QWidget;

// Result of sendEfileRequest when the request went out but no complete reply
// came: the CRA may have the return, so it is not posted again.
constexpr int EfileSentNoReply = 107;

// EFILE and ReFILE: 104, 106, 107, 200, or parseEfileResponse's result (111
// also for a redirect, which is never followed).
int sendEfileRequest(TemplateVars &vars, const QByteArray &document, FilingResult &result);
// NETFILE: -10, -20, -99, or parseNetfileResponse's result (0 understood, 1 not XML);
// 1 for a redirect.
int sendNetfileRequest(TemplateVars &vars, const QByteArray &document, FilingResult &result);
// NETFILE or ReFILE terms: 0, -9, -50, 51, -99.
int requestNetfileTerms(FilingResult &result, bool refile);
// Asks the terms: 0 accepted (agreement 1), 10 refused (agreement 2), else requestNetfileTerms' result.
int askNetfileTerms(int &agreement, bool refile, QWidget *parent);
// T1013 (isT1013) or T183 PAD: -1, -10, -99, -100 or the parser's 0.
int sendTrisOrPadRequest(bool isT1013, TemplateVars &vars, const QString &body, FormFilingReply &reply);
// T1135: -1, -10, -99 or parseEfileResponse's result (111 also for a redirect).
int sendT1135Request(TemplateVars &vars, const QByteArray &document, T1135FilingReply &reply);

// The CRA's page of the ReFILE terms and privacy notice.
extern const char RefileTermsPage[];
