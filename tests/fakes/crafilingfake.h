#pragma once
#include "fakehttpsserver.h"
#include <QMutex>
#include <QString>
#include <memory>

namespace bqfakes {

// The CRA filing web services on a FakeHttpsServer: the POST routes of EFILE
// and ReFILE, NETFILE and its terms, T1013, PAD and T1135. Each request must
// carry "text/xml; charset=UTF-8" (else 415). The reply is the file
// "<service>-<scenario>.xml", else "common-<scenario>.xml", of the template
// folder (tests/fakes/cra), sent as it stands with that content type, or
// "common-<scenario>.html" as a web page; an unknown scenario gets 400. A
// scenario ending in "-4xx" or "-5xx" is the one before it sent with that
// HTTP status ("web-page-503"). The scenarios "http-500", "silence" and
// "drop" (the connection closed after the whole request was read) need no
// file; nor do the broken forms of the service's default reply: "oversized"
// (announced as 100 MB, closed after its first bytes), "cut-off" (closed
// half-way through the body), "drip" (one byte per DripMs, never ending), and
// "redirect" (302 to RedirectTarget).
//
// The scenario of a request, first found of:
//  1. the override (setScenario), until cleared;
//  2. EFILE, ReFILE, NETFILE, T1135: the envelope's comm:TestCaseIdentifier,
//     a scenario name or a number of scenarioForTestCase;
//  3. T1013 and PAD: the taxpayer's S.I.N. (the first element whose text is
//     nine digits), looked up in that service's own table (scenarioForSin);
//  4. "accepted" (EFILE, T1135, NETFILE), "t1013-count-1", "pad-confirmed".
// A NETFILE request whose body holds TermsAndConditionsRequest (or its
// ReFILE form) gets the terms reply "netfile-terms.xml".
class CraFilingFake
{
public:
    static constexpr char EfilePath[] = "/ebci/pfeo/ws/services/FileReturnService";
    static constexpr char NetfilePath[] = "/ebci/pfno/ws/services/FileReturnService";
    static constexpr char T1013Path[] = "/ebci/tdws/esub/services/TRISWebService";
    static constexpr char PadPath[] = "/ebci/rjpt/epads_ws/services/PadService";
    static constexpr char T1135Path[] = "/ebci/efes/frrms/ws/services/FileFormService";
    static constexpr char ContentType[] = "text/xml; charset=UTF-8";
    static constexpr char RedirectTarget[] = "https://maintenance.example.ca/ebci/moved";
    static constexpr qint64 OversizedReplyBytes = 100 * 1024 * 1024;
    static constexpr int DripMs = 100;

    // Mounts the routes on server; templates from folder (default: the source tree's).
    explicit CraFilingFake(FakeHttpsServer &server, const QString &templateFolder = QString());

    void setScenario(const QString &scenario);   // empty clears the override
    QString templateFolder() const { return m_folder; }

    // Test case numbers: 1 accepted, 2 rejected, 3 processing-error,
    // 4 system-error, 5 system-processing-error, 6 fault, 7 fault-no-string,
    // 8 eol-132, 9 malformed, 10 empty, 11 no-declaration, 12 http-500,
    // 13 silence, 14 drop, 15..18 accepted-cv2139, -cv24, -cv0024 and
    // accepted again, 19 web-page-503, 20 broken-page-500, 21
    // fault-not-registered-500, 22 other-document; anything else is taken as
    // a scenario name.
    static QString scenarioForTestCase(const QString &identifier);
    // S.I.N.s of the T1013 and PAD scenarios (each a valid S.I.N.): the
    // scenario of sin for service ("t1013" or "pad"), empty when it has none.
    static QString scenarioForSin(const QString &service, const QString &sin);
    static QString sinForScenario(const QString &scenario);

    static QString defaultTemplateFolder();

private:
    FakeResponse answer(const QString &service, const FakeRequest &request);
    FakeResponse replyFor(const QString &service, const QString &scenario) const;
    static FakeResponse brokenReply(const QString &scenario, const QByteArray &body);

    QString m_folder;
    mutable QMutex m_mutex;
    QString m_override;
};

} // namespace bqfakes
