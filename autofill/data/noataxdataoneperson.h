#pragma once
#include <QSqlDatabase>
#include <QString>
#include <cstdio>
#include <string>

class TiXmlElement;

// The Express NOA data of one person: the taxpayer identifier, the English
// assessment summary and whether the item carries a notice. Saving masks the
// S.I.N. in the item's XML, has the notice page made and stores the row.
class NOATaxDataOnePerson
{
public:
    NOATaxDataOnePerson(const QString &noticeFolder, int taxYear);
    NOATaxDataOnePerson(const NOATaxDataOnePerson &) = delete;
    NOATaxDataOnePerson &operator=(const NOATaxDataOnePerson &) = delete;
    virtual ~NOATaxDataOnePerson();

    // Reads one NoticeOfAssessmentItem; -1 when it has no
    // IndividualTaxpayerIdentifier, else 0.
    int parseNotice(const TiXmlElement *item);

    // Masks the S.I.N. in itemXml (changed in place), makes the notice page
    // when there is a notice and stores the tb_taxnoa row. 1 when the row was
    // stored; 0 when nothing was stored (the S.I.N. still in the XML, no
    // taxpayer, the row not written); -1 when an exception ended it. Without
    // a page the row holds a message. Log lines go to log when it is given.
    int saveToDatabase(QSqlDatabase db, FILE *log, const char *sin, std::string &itemXml);

    // "xxxxx" and the last four of the S.I.N.'s nine digits ("046 454 286"
    // gives "xxxxx4286"); a S.I.N. of other length has its first five digits
    // (or all) replaced.
    static std::string makeMaskedSin(const std::string &sin);
    // Masks the S.I.N. in the XML text where it stands and keeps every other
    // byte as it came. The value of every element whose local name is
    // MaskedAccountNumber becomes masked; that of a social insurance number
    // element (a name ending in SocialInsuranceNumber, or SIN) its own masked
    // form; and the S.I.N. where it stands as a value of its own in a text,
    // comment, section or attribute (nine digits, or three groups of three
    // split by a dash, a dot or blanks, no letter or digit touching it) becomes
    // masked. A number or code that merely holds the nine digits (an amount
    // with cents, an account number) is not the S.I.N. and stays. False (xml
    // unchanged) when the XML does not read or its values would still hold
    // the S.I.N.
    static bool maskSinInXml(std::string &xml, const std::string &sinDigits, const std::string &masked);
    // The page's file: "noa2024_<masked S.I.N.>_<taxpayer id>.html" in the notice folder.
    QString pagePath(int taxpayerDbId) const;

    QString noticeFolder;
    int dataTaxYear;
    std::string taxpayerId;
    std::string summaryText;
    bool hasNotice = false;
    std::string maskedSin;   // set by saveToDatabase
};

// Posts the (masked) notice XML to the NOA transformation service and writes
// the HTML page it answers to path, whole and owner-only. 0 when the page was
// written; 1 when the post failed, 2 when the reply was empty, 3 when the page
// could not be written, 4 when no service address is configured: no page then.
// Runs on a worker thread; the wait cursor is shown meanwhile (see below).
int requestNoaHtml(const QString &path, const std::string &xml, const std::string &time);

// Replaces the taxpayer's tb_taxnoa row of the tax year in one transaction:
// 1 when stored, else 0 with the earlier row kept (also without a real id).
int saveNoaRow(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
               const std::string &pathOrMessage, int taxYear);

// The transformation service's address: the one set here, else the root of
// the configuration key NOATRANSFORMSERVER and "/expnoaserv/ExpNOAServ".
QString noaTransformUrl();
void setNoaTransformUrl(const QString &url);

// What shows the wait cursor (true) and restores it (false); the program's
// widget layer installs it. requestNoaHtml calls it on the application's
// thread (queued when it runs on a worker). Null: no cursor.
using NoaWaitCursorHook = void (*)(bool busy);
void setNoaWaitCursorHook(NoaWaitCursorHook hook);
