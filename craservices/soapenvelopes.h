#pragma once
#include "cstring.h"
#include "templatefiller.h"
#include <QByteArray>

// Envelopes of the CRA filing services, filled from the templates under :/net/net/.
// Every value is escaped by the filler; the filing document goes in unchanged.

// 0; -1 head not filled; -10 end not filled. out is appended to.
int buildEfileSoap(QByteArray &out, const TemplateVars &vars, const QByteArray &body);
// kind 1 the T1 return, 0 the T1135: -1 when its element is missing, else buildEfileSoap's result.
int buildEfileSoapFromReturnXml(int kind, const TemplateVars &vars, const QByteArray &document, QByteArray &out);
// As buildEfileSoap, with out cleared first.
int buildNetfileSoap(QByteArray &out, const TemplateVars &vars, const QByteArray &body);
int buildNetfileSoapFromReturnXml(int kind, const TemplateVars &vars, const QByteArray &document, QByteArray &out);
// isT1013 true the T1013, false the T183 PAD: 0 or the filler's non-zero result.
int buildTrisSoap(bool isT1013, const TemplateVars &vars, const QString &body, CString &out);

// The filing element of the document (from its opening through its closing
// text); false when either is missing or out of order.
bool cutFilingBody(int kind, const QByteArray &document, QByteArray &body);
