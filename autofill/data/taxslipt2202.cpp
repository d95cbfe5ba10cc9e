#include "taxslipt2202.h"
#include "taxdata_slip_t2202.h"
#include "mytixmlhandle.h"
#include "textandtime.h"
#include "utils.h"
#include <QDebug>
#include <tinyxml.h>

namespace {

// The reply's elements may carry a namespace prefix ("ns2:FromPeriod").
const char kPrefix[] = "ns";

const TiXmlElement *child(const TiXmlElement *parent, const char *name)
{
    return parent ? MyTiXmlHandle::findChild(parent, name, kPrefix) : nullptr;
}

std::string childText(const TiXmlElement *parent, const char *name)
{
    const TiXmlElement *e = child(parent, name);
    const char *t = e ? e->GetText() : nullptr;
    return t ? std::string(t) : std::string();
}

} // namespace

int TaxSlipT2202::parseSpecialFields(const TiXmlElement *slip)
{
    return parseSessions(slip);
}

int TaxSlipT2202::parseSessions(const TiXmlElement *slip)
{
    sessions.clear();
    sessionsNotKept = 0;
    const TiXmlElement *period = child(child(slip, "TuitionSessionPeriods"), "TuitionSessionPeriod");
    for (; period; period = period->NextSiblingElement()) {
        if (sessionCount() >= kMaxSessions) {
            ++sessionsNotKept;
            continue;
        }
        sessions.push_back({childText(period, "FromPeriod"), childText(period, "ToPeriod"),
                            childText(period, "PartTimeMonthCount"), childText(period, "FullTimeMonthCount"),
                            childText(period, "TuitionSessionEligibleFeesAmount")});
    }
    if (sessionsNotKept > 0)
        qWarning("T2202 slip: %d tuition sessions beyond the first %d were not kept", sessionsNotKept,
                 kMaxSessions);
    return 0;
}

int TaxSlipT2202::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, issuerName, "School Name");
    headerItem(out, boxText("11"), "Box 11 - School Type");
    headerItem(out, boxText("12"), "Box 12 - Flying School or club");
    headerItem(out, boxText("13"), "Box 13 - Name of Program or Course");
    headerItem(out, boxText("14"), "Box 14 - Student Number");
    headerItem(out, boxText("15"), "Box 15 - Filer Account Number");
    headerItem(out, boxText("24"), "Box 24 - Total number of months part-time");
    headerItem(out, boxText("25"), "Box 25 - Total number of months full-time");
    headerItem(out, boxText("26"), "Box 26 - Total eligible tuition fee");
    for (int n = 0; n < sessionCount(); ++n) {
        const Session &s = sessions[size_t(n)];
        toHtmlNewLine(out);
        out += QStringLiteral("Session: %1<br>\n").arg(n + 1);
        headerItem(out, s.sessionFrom, "Box 19 - From (YYYY-MM)");
        headerItem(out, s.sessionTo, "Box 20 - To (YYYY-MM)");
        headerItem(out, s.sessionPartTimeMonths, "Box 21 - Number of months part-time", "0");
        headerItem(out, s.sessionFullTimeMonths, "Box 22 - Number of months full-time", "0");
        headerItem(out, s.sessionEligibleFees, "Box 23 - Eligible tuition fee");
    }
    if (sessionsNotKept > 0)
        out += QStringLiteral("Tuition sessions: %1 entries not kept<br>\n").arg(sessionsNotKept);
    out += QStringLiteral("</h4>");
    return 0;
}

int TaxSlipT2202::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T2202 *>(form);
    if (!s)
        return 0;
    using S = TaxData_Slip_T2202;
    s->setText(S::F_Payer, QString::fromUtf8(issuerName.c_str()).trimmed());
    s->setText(S::F_Box10, boxString("10"));
    s->setText(S::F_SchoolType, boxString("11"));
    s->setText(S::F_FlyingSchool, boxString("12"));
    s->setText(S::F_ProgramName, boxString("13"));
    s->setText(S::F_StudentNumber, boxString("14"));
    s->setText(S::F_AccountNumber, boxString("15"));
    for (int n = 0; n < sessionCount() && n < S::kPeriods; ++n) {
        const Session &p = sessions[size_t(n)];
        s->setText(S::F_Period1From + 2 * n, QString::fromUtf8(p.sessionFrom.c_str()).trimmed());
        s->setText(S::F_Period1To + 2 * n, QString::fromUtf8(p.sessionTo.c_str()).trimmed());
        s->setAmount(S::F_Period1PartTime + 3 * n, myStringToDouble(p.sessionPartTimeMonths));
        s->setAmount(S::F_Period1FullTime + 3 * n, myStringToDouble(p.sessionFullTimeMonths));
        s->setAmount(S::F_Period1Fees + 3 * n, myStringToDouble(p.sessionEligibleFees));
    }
    return 0;
}
