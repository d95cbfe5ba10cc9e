#include "fakeservices.h"

namespace bqfakes {

void serveVersionPage(FakeHttpsServer &server, const QByteArray &reply)
{
    server.route("*", VersionPagePath, [reply](const FakeRequest &request) {
        auto has = [&request](const QString &name) {
            bool found = false;
            request.bodyValue(name, &found);
            for (const auto &item : request.queryItems())
                found = found || item.first == name;
            return found;
        };
        if (!has(QStringLiteral("kw1")) || !has(QStringLiteral("kw2")))
            return FakeResponse::text("400 missing");
        return FakeResponse::text(reply);
    });
}

void serveSupportUpload(FakeHttpsServer &server)
{
    server.route("POST", SupportUploadPath, [](const FakeRequest &request) {
        for (const MultipartPart &part : request.parts())
            if (part.name == "file" && !part.fileName.isEmpty())
                return FakeResponse::text("OK");
        return FakeResponse::text("no file", 400);
    });
}

void serveVantrelVerify(FakeHttpsServer &server, const VantrelAccount &account)
{
    server.route("POST", VantrelVerifyPath, [account](const FakeRequest &request) {
        bool hasEmail = false;
        bool hasPassword = false;
        const QString email = request.bodyValue(QStringLiteral("email"), &hasEmail);
        const QString password = request.bodyValue(QStringLiteral("password"), &hasPassword);
        if (!hasEmail || !hasPassword)
            return FakeResponse::json({{"message", "email and password are expected in the request body"}}, 400);
        if (email != account.email || password != account.password)
            return FakeResponse::json({{"points", account.failureCode}});
        QJsonObject reply{{"points", account.points}};
        if (!account.subscription.isNull())
            reply.insert(QStringLiteral("subscription"), account.subscription);
        if (!account.subscriptionStatus.isNull())
            reply.insert(QStringLiteral("subscriptionStatus"), account.subscriptionStatus);
        return FakeResponse::json(reply);
    });
}

} // namespace bqfakes
