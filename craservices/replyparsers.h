#pragma once
#include "filingresult.h"
#include <QByteArray>

class FilingLog;
class TiXmlDocument;
class TiXmlElement;

// Results of parseEfileResponse besides 0: the CRA's end-of-line notice, the
// service is not operational (the notice's code stays in resultCode); a SOAP
// fault; a well-formed reply without a filing result; a reply that is not
// well-formed XML.
constexpr int EfileServiceUnavailable = 132;
constexpr int EfileFaultReply = 190;
constexpr int EfileNoFilingResult = 111;
constexpr int EfileNotXml = 113;

// Appends each text of first and its following siblings, escaped, with U+2019
// as "'", each followed by "<br/>"; text is emptied first. Nothing when first is null.
void appendMessageTextsHtml(CString &text, const TiXmlElement *first);
// Appends "<br/>" then one link per element of first and its following
// siblings; only http and https targets become links, others are shown as text.
void appendHyperlinksHtml(CString &text, const TiXmlElement *first);

// Parses xml, the XML cut from a T1013 (or PAD) reply, into doc: "" when it is
// the CRA's answer (a SOAP envelope whose body holds the service's response or
// a fault), else what the reply is instead (a web page, not XML, ...).
QString parseFormReply(const QByteArray &reply, const QByteArray &xml, TiXmlDocument &doc, bool isT1013);

// kind 1 EFILE and ReFILE, 101 T1135. 0 or one of the results above; after
// a fault, no filing result or no XML the failure says what the reply held
// (the fault's text).
int parseEfileResponse(FilingLog *log, const QByteArray &reply, int kind, FilingResult &result);
// 0 or -1.
int parseNetfileTermsResponse(const QByteArray &reply, FilingResult &result);
// True when the reply is not well-formed XML.
bool parseNetfileResponse(FilingLog *log, int kind, const QByteArray &reply, FilingResult &result);
// root: the envelope element of the reply. Always 0.
int parseTrisResponse(const TiXmlElement *root, FormFilingReply &reply);
int parsePadResponse(const TiXmlElement *root, FormFilingReply &reply);

// The XML of a T1013 or PAD reply: from the first "<?xml" (or the first "<"
// when there is none) through the first "</soapenv:Envelope>" (or to the end).
// Empty when the reply holds no "<".
QByteArray cutFormReply(const QByteArray &reply);
