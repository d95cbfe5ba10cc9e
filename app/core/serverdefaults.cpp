#include "serverdefaults.h"

const char *const kTddServicePath = "/ebci/awsc/tdd/ws/";
const char *const kNoaTransformPath = "/expnoaserv/ExpNOAServ";
const char *const kBrackenquillWebServer = "www.brackenquill.ca";

namespace {
const ServerDefaults kProduction = {
    "apps.cra-arc.gc.ca",
    "https://api.vantrel.ca",
    "www.brackenquill.ca",
    "apps.cra-arc.gc.ca",
    "/TaxDataDeliveryService",
    "/NoticeOfAssessmentService",
    "signin.cra-arc.gc.ca",
    "/gol-ged/awsc/tdd/auth/start",
    "/gol-ged/awsc/tdd/auth/pub/js/cra.js",
    {"Wk2dP9fTs6LmC3xQv8NhR4bZj7GyU1Ea",
     "Wk2dP9fTs6LmC3xQv8NhR4bZj7GyU1Ea",
     "Qm7rT2vLx9PcW4nHs8dKf3ZbJ6yGa1Ue",
     "Qm7rT2vLx9PcW4nHs8dKf3ZbJ6yGa1Ue"},
    "https://www.brackenquill.ca",
};

const ServerDefaults kCertificationTest = {
    "apps.cert.cra-arc.gc.ca",
    "https://test.vantrel.ca",
    "test.vantrel.ca",
    "apps.cert.cra-arc.gc.ca",
    "/CertTestDeliveryService",
    "/CertTestNOAService",
    "apps.cert.cra-arc.gc.ca",
    "/ebci/awsc/tdd/certtest/auth/start",
    "/ebci/awsc/tdd/certtest/pub/js/cra.js",
    {"Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo",
     "Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo",
     "Rn8cV3kPq6WsT2mXz9LdH4fBj7GyA1Uo",
     "Rn8cV3kPq6WsT2mXz9LdH4fBj7GyA1Uo"},
    "https://www.brackenquill.ca",
};
} // namespace

const ServerDefaults &serverDefaults(bool testMode)
{
    return testMode ? kCertificationTest : kProduction;
}
