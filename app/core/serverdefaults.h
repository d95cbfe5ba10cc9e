#pragma once

// Hosts and service secrets of production and certification-test mode.
struct ServerDefaults
{
    const char *craHost;          // EFILE, NETFILE and T1013 web services (host name, no scheme)
    const char *vantrelRoot;      // root URL of the e-signature service
    const char *printServer;      // print and upload web server
    const char *tddServiceHost;   // Auto-fill and NOA web services
    const char *tddDataServiceName;
    const char *tddNoaServiceName;
    const char *tddSignInHost;
    const char *tddSignInPath;
    const char *tddScriptPath;
    const char *tddSecrets[4];    // first two: software code "095"; last two: every other code
    const char *noaTransformRoot; // root URL of the notice-of-assessment transformation service
};

const ServerDefaults &serverDefaults(bool testMode);

// Path of the Auto-fill and NOA services, the same in both modes.
extern const char *const kTddServicePath;
// Path of the notice-of-assessment transformation service under its root.
extern const char *const kNoaTransformPath;
// Host of the product's web server.
extern const char *const kBrackenquillWebServer;
