#include "serverdefaults.h"

const char *const kTddServicePath = "/ebci/awsc/tdd/ws/";
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
    {"Qm4R7tXe2LpV9sKd3HwZ6yNc8JfA1uGb",
     "T7vHq2ZkW9nB4xRm6LsD3pYc8FgJ5aEt",
     "Ld5Pw8NzC3vX7rKq2HmT9bYg4JsE6fUa",
     "Xr3Kc9VbM6tQ2wHz8NpL5dGy7FjS4aEu"},
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
    {"Hc6Tn2WqZ8vK4rLd7XbP3mYg9JsF5aEu",
     "Wp4Lx9RkC2tN7vHz5QmD8bYg3JfS6aUe",
     "Zt8Mq3VnB6xK2wHr9LpC4dYg7FjE5sUa",
     "Nd2Rv7XcK5tP9wLz3HmB6qYg8JsF4aEu"},
};
} // namespace

const ServerDefaults &serverDefaults(bool testMode)
{
    return testMode ? kCertificationTest : kProduction;
}
