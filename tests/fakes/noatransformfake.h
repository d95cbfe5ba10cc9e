#pragma once
#include "fakehttpsserver.h"
#include <QString>
#include <atomic>

namespace bqfakes {

// The notice-of-assessment transformation service on a FakeHttpsServer:
//   POST /expnoaserv/ExpNOAServ with the form items noaxml (the notice XML),
//   testtime, taxyear "2024" and xsltType "t1noa_2023" -> an HTML page that
//   shows the account number of the notice (its MaskedAccountNumber) and the
//   English assessment summary; a request that lacks an item gets 400.
// setReply chooses an HTTP 500 or an empty page instead.
class NoaTransformFake
{
public:
    static constexpr char Path[] = "/expnoaserv/ExpNOAServ";
    enum class Reply {
        Page,          // 200 with the HTML page
        ServerError,   // 500 with a short text
        Empty,         // 200 with no body
    };

    explicit NoaTransformFake(FakeHttpsServer &server);
    void setReply(Reply reply) { m_reply = reply; }
    // The page the service makes of a notice XML.
    static QByteArray pageFor(const QString &noticeXml);

private:
    FakeResponse transform(const FakeRequest &request) const;
    std::atomic<Reply> m_reply{Reply::Page};
};

} // namespace bqfakes
