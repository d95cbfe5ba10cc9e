#pragma once
class QWidget;

// Availability of the online services, program-wide, one switch each: on when
// the program is built, nothing turns them off at run time; a return window
// made in test mode sets them on again. A command of a service that is off
// shows the pre-certified version's message and does nothing else.
extern bool efileFilingAvailable;      // a T1 return by EFILE
extern bool netfileFilingAvailable;    // a T1 return by NETFILE (the NETFILE edition)
extern bool refileFilingAvailable;     // an amended return (ReFILE)
extern bool padFilingAvailable;        // the T183 pre-authorized debit
extern bool t1135FilingAvailable;      // the T1135 statement
extern bool t1013FilingAvailable;      // the T1013 authorization (E-Auth)
extern bool autoFillAvailable;         // Auto-fill my return
extern bool expressNoaAvailable;       // the Express notice of assessment
extern bool eSignatureAvailable;       // sending a form for e-signature, and its status
extern bool eDeliveryAvailable;        // sending a printed return for e-delivery
extern bool filingRecordAvailable;     // the filing record of each filing at the e-signature service
extern bool supportUploadAvailable;    // sending a return or log file for help

void setAllServicesAvailable();

// True when the service is available; otherwise false, after the message
// "Brackenquill pre-certified version" with its FAQ link (parent: parent).
bool serviceAvailable(bool available, QWidget *parent);
