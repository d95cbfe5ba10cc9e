#pragma once
#include "taxslip.h"
#include <string>
#include <vector>

// Downloaded T2202 slip (slip type 25): the school's boxes and up to four study sessions.
class TaxSlipT2202 : public TaxSlip
{
public:
    static constexpr int kMaxSessions = 4;

    struct Session
    {
        std::string sessionFrom;
        std::string sessionTo;
        std::string sessionPartTimeMonths;
        std::string sessionFullTimeMonths;
        std::string sessionEligibleFees;
    };

    TaxSlipT2202() : TaxSlip(25) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    // Reads the "TuitionSessionPeriod" elements; sessions past the fourth are counted, not kept.
    int parseSessions(const TiXmlElement *slip);
    int sessionCount() const { return int(sessions.size()); }

    std::vector<Session> sessions;
    int sessionsNotKept = 0;
};
