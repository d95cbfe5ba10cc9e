#pragma once
#include "fakehttpsserver.h"

// Stand-ins for the maker's web services, mounted on a FakeHttpsServer.
// Every request stays recorded on the server (FakeHttpsServer::requests).
namespace bqfakes {

constexpr const char VersionPagePath[] = "/phpproj/pelvo/info/fernquaverinfo.php";
constexpr const char SupportUploadPath[] = "/php/fileupload2.php";
constexpr const char VantrelVerifyPath[] = "/api/user/verify";

// The maker's information page: a GET or POST carrying "kw1" and "kw2" (in the
// body or the query) gets reply, e.g. "200 20260601"; without them "400 missing".
void serveVersionPage(FakeHttpsServer &server, const QByteArray &reply = "200 20260601");

// The support upload: a multipart POST with a file part named "file" gets
// 200 "OK"; anything else 400.
void serveSupportUpload(FakeHttpsServer &server);

// The e-signature service's account and its points balance.
struct VantrelAccount
{
    QString email = QStringLiteral("preparer@example.com");
    QString password = QStringLiteral("s3cret");
    int points = 25;
    QString subscription = QStringLiteral("2025-12-31");   // null: the key is left out
    QString subscriptionStatus = QStringLiteral("active"); // null: the key is left out
    int failureCode = -2;                                  // "points" after a wrong password
};

// POST /api/user/verify with "email" and "password" in a form or JSON body:
// {"points": n, "subscription": ..., "subscriptionStatus": ...} for the
// account; {"points": failureCode} for other credentials; 400 with a
// "message" when the credentials are not in the body (the query is not read).
void serveVantrelVerify(FakeHttpsServer &server, const VantrelAccount &account = VantrelAccount());

} // namespace bqfakes
