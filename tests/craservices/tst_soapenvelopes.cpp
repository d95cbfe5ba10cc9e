// The envelopes of the filing services and their templates.
#include "bqtest.h"
#include "craservicestest.h"
#include "filinglog.h"
#include "mytixmlhandle.h"
#include "soapenvelopes.h"
#include <tinyxml.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
QStringList childNames(const TiXmlElement *e)
{
    QStringList names;
    for (const TiXmlElement *c = e ? e->FirstChildElement() : nullptr; c; c = c->NextSiblingElement())
        names << QString::fromUtf8(c->Value());
    return names;
}

TiXmlElement *requestOf(TiXmlDocument &doc, const QByteArray &xml, const char *name)
{
    doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error())
        qWarning("%s", doc.ErrorDesc());
    return MyTiXmlHandle(doc.RootElement()).FirstChildElement("soapenv:Body").FirstChildElement(name).ToElement();
}
} // namespace

class TestSoapEnvelopes : public QObject
{
    Q_OBJECT
private slots:
    void efileEnvelope();
    void efileSignatureBlocks();
    void netfileEnvelopeCarriesEscapedTextsIntact();
    void filingBodyCut_data();
    void filingBodyCut();
    void termsAndFormEnvelopes();
    void xsiPrefixBoundToInstance_data();
    void xsiPrefixBoundToInstance();
    void logMasksSecrets_data();
    void logMasksSecrets();
};

void TestSoapEnvelopes::efileEnvelope()
{
    QByteArray out;
    QCOMPARE(buildEfileSoapFromReturnXml(1, fixture::efileVars("accepted"), fixture::t1Return(), out), 0);
    QVERIFY(out.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    TiXmlDocument doc;
    const TiXmlElement *req = requestOf(doc, out, "t1rq:EfileReturnRequest");
    QVERIFY(req);
    QCOMPARE(QString::fromUtf8(req->Attribute("xmlns:t1rq")),
             QStringLiteral("http://www.cra-arc.gc.ca/xmlns/t1rq/efilerequest/1-0-0"));
    QCOMPARE(childNames(req), (QStringList{"ef:TransmitterEfilerNumber", "ef:PasswordID", "tp:TaxYear", "ef:EfileData",
                                           "comm:FirstTimeFilerIndicator", "comm:TestCaseIdentifier",
                                           "comm:OriginatingIP", "t1rq:TaxReturnForm", "comm:GivenName", "t1rq:SecondName",
                                           "comm:FamilyName"}));
    // Optional values without an entry drop their element; the signature blocks are not wanted.
    QCOMPARE(childNames(req->FirstChildElement("ef:EfileData")),
             (QStringList{"ef:PasswordID", "ef:DocumentControlNumber", "ef:EfilerNOARetrievalAuthorizationIndicator",
                          "ef:TaxPreparerPreAssessmentReviewContactCode",
                          "ef:TaxPreparerPostAssessmentReviewContactCode", "ef:RepresentativeID"}));
    QCOMPARE(QString(getElementSubEleStringText(req, "ef:PasswordID")), QString(fixture::EfilePassword));
    QCOMPARE(QString(getElementSubEleStringText(req, "tp:TaxYear")), QStringLiteral("2024"));
    QCOMPARE(QString(getElementSubEleStringText(req, "comm:GivenName")), QStringLiteral("Anne & <Marie> \"Q\""));
    QCOMPARE(QString(getElementSubEleStringText(req, "comm:FamilyName")), QString::fromUtf8("O'N\xc3\xa9il"));
    // The document goes in unchanged, without its declaration.
    QVERIFY(out.contains("<t1rq:TaxReturnForm>\n<t1:T1Return xmlns:t1="));
    QVERIFY(out.contains(fixture::t1Return().mid(fixture::t1Return().indexOf("<t1:T1Return")).trimmed()));
    QCOMPARE(out.count("<?xml"), 1);
}

void TestSoapEnvelopes::efileSignatureBlocks()
{
    TemplateVars v = fixture::efileVars("accepted");
    v.insert("esigned_needed", " ");
    v.insert("esigned", "Y");
    v.insert("esigndate", "2025-03-01");
    v.insert("esigntime", "10:15:00");
    QByteArray out;
    QCOMPARE(buildEfileSoap(out, v, "<t1:T1Return/>"), 0);
    TiXmlDocument doc;
    const TiXmlElement *data = requestOf(doc, out, "t1rq:EfileReturnRequest")->FirstChildElement("ef:EfileData");
    QVERIFY(childNames(data).contains("ef:T183ElectronicSignatureData"));
    QVERIFY(!childNames(data).contains("ef:RC71ElectronicSignatureData"));
    QCOMPARE(childNames(data->FirstChildElement("ef:T183ElectronicSignatureData")),
             (QStringList{"ef:T183ElectronicSignatureIndicator", "ef:T183ElectronicSignatureDate",
                          "ef:T183ElectronicSignatureTime"}));
    QVERIFY(!out.contains("$$("));
    v.remove("efpasd");
    QByteArray failed;
    QCOMPARE(buildEfileSoap(failed, v, "<t1:T1Return/>"), -1);
}

void TestSoapEnvelopes::netfileEnvelopeCarriesEscapedTextsIntact()
{
    QByteArray out("old");
    QCOMPARE(buildNetfileSoapFromReturnXml(1, fixture::netfileVars("7"), fixture::t1Return(), out), 0);
    TiXmlDocument doc;
    const TiXmlElement *req = requestOf(doc, out, "t1rq:FileReturnRequest");
    QVERIFY(req);
    QCOMPARE(childNames(req), (QStringList{"tp:TaxpayerSocialInsuranceNumber", "tp:TaxpayerBirthDate", "tp:TaxYear",
                                           "t1rq:AgreementIndicator", "comm:FirstTimeFilerIndicator",
                                           "comm:TestCaseIdentifier", "comm:OriginatingIP", "t1rq:NetfileAccessCode",
                                           "t1rq:TaxReturnForm", "comm:GivenName", "t1rq:SecondName", "comm:FamilyName"}));
    QCOMPARE(QString(getElementSubEleStringText(req, "t1rq:NetfileAccessCode")), QString::fromLatin1(fixture::AccessCode));
    QCOMPARE(QString(getElementSubEleStringText(req, "comm:GivenName")), QStringLiteral("Anne & <Marie> \"Q\""));
    QCOMPARE(QString::fromUtf8(req->Attribute("xmlns:t1rq")), QStringLiteral("http://www.cra-arc.gc.ca/xmlns/t1rq/request/1-0-0"));
}

void TestSoapEnvelopes::filingBodyCut_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("rc");
    QTest::newRow("t1 return") << 1 << fixture::t1Return() << 0;
    QTest::newRow("t1135") << 0 << fixture::t1135Document() << 0;
    QTest::newRow("t1135 as a return") << 1 << fixture::t1135Document() << -1;
    QTest::newRow("no closing text") << 1 << QByteArray("<t1:T1Return>") << -1;
    QTest::newRow("closing text first") << 1 << QByteArray("</t1:T1Return><t1:T1Return>") << -1;
    QTest::newRow("empty") << 1 << QByteArray() << -1;
}

void TestSoapEnvelopes::filingBodyCut()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, document);
    QByteArray efile, netfile;
    QTEST(buildEfileSoapFromReturnXml(kind, fixture::efileVars("1"), document, efile), "rc");
    QTEST(buildNetfileSoapFromReturnXml(kind, fixture::netfileVars("1"), document, netfile), "rc");
}

void TestSoapEnvelopes::termsAndFormEnvelopes()
{
    TemplateVars terms;
    terms.insert("termrequestkw", "RefileTermsAndConditionsRequest");
    QByteArray request;
    QCOMPARE(processTemplatePartInString(request, QStringLiteral(":/net/net/nwsreq.xmt"), terms, TemplateLatin1), 0);
    TiXmlDocument doc;
    const TiXmlElement *e = requestOf(doc, request, "t1rq:RefileTermsAndConditionsRequest");
    QVERIFY(e);
    QVERIFY(!e->FirstChild());

    TemplateVars t1013;
    t1013.insert("efilerid", "X1234");
    t1013.insert("password", "p<w");
    t1013.insert("taxyear", "2024");
    CString tris;
    QCOMPARE(buildTrisSoap(true, t1013, QStringLiteral("<T1013/>"), tris), 0);
    TiXmlDocument trisDoc;
    trisDoc.Parse(tris.toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
    QVERIFY2(!trisDoc.Error(), trisDoc.ErrorDesc());
    const MyTiXmlHandle root(trisDoc.RootElement());
    QCOMPARE(QString(root.FirstChildElement("soap-env:Header").FirstChildElement("wsse:Security")
                         .FirstChildElement("wsse:UsernameToken").FirstChildElement("wsse:Password").text()),
             QStringLiteral("p<w"));
    const TiXmlElement *rq = root.FirstChildElement("soap-env:Body").FirstChildElement("tris:Request").ToElement();
    QCOMPARE(QString::fromUtf8(rq->Attribute("xsi:type")), QStringLiteral("tris:Request"));
    QCOMPARE(QString::fromUtf8(rq->Attribute("xmlns:xsi")),
             QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    QCOMPARE(childNames(rq->FirstChildElement("file")), QStringList{"T1013"});

    TemplateVars pad = fixture::formVars("pw");
    CString padText;
    QCOMPARE(buildTrisSoap(false, pad, QStringLiteral("<pad:PadAgreement/>"), padText), 0);
    TiXmlDocument padDoc;
    padDoc.Parse(padText.toUtf8().constData(), nullptr, TIXML_ENCODING_UTF8);
    QVERIFY2(!padDoc.Error(), padDoc.ErrorDesc());
    QCOMPARE(childNames(MyTiXmlHandle(padDoc.RootElement()).FirstChildElement("soap-env:Body")
                            .FirstChildElement("padrq:PadCreateRequest").ToElement()),
             (QStringList{"padrq:TransmitterEfilerNumber", "padrq:PasswordIdentifier", "padrq:SoftwareIdentifier",
                          "padrq:SoftwareRevisionDate", "padrq:TaxpayerSocialInsuranceNumber", "pad:PadAgreement"}));
    pad.remove("sin");
    CString failed;
    QVERIFY(buildTrisSoap(false, pad, QString(), failed) != 0);
}

// Every template the senders fill: an xsi: attribute (xsi:type, xsi:schemaLocation)
// belongs to the XML Schema instance namespace, so each declaration of the prefix
// binds it there.
void TestSoapEnvelopes::xsiPrefixBoundToInstance_data()
{
    QTest::addColumn<QString>("path");
    const QStringList templates = QDir(QStringLiteral(":/net/net")).entryList({QStringLiteral("*.xmt")}, QDir::Files);
    QVERIFY(templates.contains(QStringLiteral("t1013wspart1.xmt")));
    for (const QString &name : templates)
        QTest::newRow(qPrintable(name)) << QStringLiteral(":/net/net/") + name;
}

void TestSoapEnvelopes::xsiPrefixBoundToInstance()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpression declaration(QStringLiteral("xmlns:xsi\\s*=\\s*\"([^\"]*)\""));
    int declared = 0;
    for (auto it = declaration.globalMatch(text); it.hasNext(); ++declared)
        QCOMPARE(it.next().captured(1), QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    // a template using the prefix declares it itself
    if (text.contains(QLatin1String("xsi:type")) || text.contains(QLatin1String("xsi:schemaLocation")))
        QVERIFY(declared > 0);
}

void TestSoapEnvelopes::logMasksSecrets_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("masked");
    QTest::newRow("efile password") << QByteArray("<ef:PasswordID>Pw-1</ef:PasswordID>")
                                    << QByteArray("<ef:PasswordID>****</ef:PasswordID>");
    QTest::newRow("wsse password") << QByteArray("<wsse:Password Type=\"x\">p</wsse:Password>")
                                   << QByteArray("<wsse:Password Type=\"x\">****</wsse:Password>");
    QTest::newRow("pad password") << QByteArray("<padrq:PasswordIdentifier>p</padrq:PasswordIdentifier>")
                                  << QByteArray("<padrq:PasswordIdentifier>****</padrq:PasswordIdentifier>");
    QTest::newRow("access code") << QByteArray("<t1rq:NetfileAccessCode>AC&amp;9</t1rq:NetfileAccessCode>")
                                 << QByteArray("<t1rq:NetfileAccessCode>****</t1rq:NetfileAccessCode>");
    QTest::newRow("birth date") << QByteArray("<tp:TaxpayerBirthDate>1980-05-17</tp:TaxpayerBirthDate>")
                                << QByteArray("<tp:TaxpayerBirthDate>****</tp:TaxpayerBirthDate>");
    QTest::newRow("sin") << QByteArray("sin 046454286, 046 454 286 and 046-454-286")
                         << QByteArray("sin 0*****286, 0** *** 286 and 0**-***-286");
    QTest::newRow("pad bank account") << QByteArray("<pad:AccountNumber>9876543</pad:AccountNumber>")
                                      << QByteArray("<pad:AccountNumber>****543</pad:AccountNumber>");
    QTest::newRow("bank account with institution and branch")
        << QByteArray("<pad:FinancialInstitutionNumber>004</pad:FinancialInstitutionNumber>"
                      "<pad:BranchNumber>12345</pad:BranchNumber><AccountNumber>12</AccountNumber>")
        << QByteArray("<pad:FinancialInstitutionNumber>004</pad:FinancialInstitutionNumber>"
                      "<pad:BranchNumber>12345</pad:BranchNumber><AccountNumber>**</AccountNumber>");
    // every element of the requests and documents that holds a S.I.N., whatever follows it there
    QTest::newRow("T1 taxpayer") << QByteArray("<tp:TaxpayerSocialInsuranceNumber>046454286</tp:TaxpayerSocialInsuranceNumber>")
                                 << QByteArray("<tp:TaxpayerSocialInsuranceNumber>0*****286</tp:TaxpayerSocialInsuranceNumber>");
    QTest::newRow("T1 spouse") << QByteArray("<tp:SpouseSocialInsuranceNumber>130 692 544</tp:SpouseSocialInsuranceNumber>")
                               << QByteArray("<tp:SpouseSocialInsuranceNumber>1** *** 544</tp:SpouseSocialInsuranceNumber>");
    QTest::newRow("T1135") << QByteArray("<ccms:SocialInsuranceNumber>046454286</ccms:SocialInsuranceNumber>")
                           << QByteArray("<ccms:SocialInsuranceNumber>0*****286</ccms:SocialInsuranceNumber>");
    QTest::newRow("PAD envelope")
        << QByteArray("<padrq:TaxpayerSocialInsuranceNumber>046454286</padrq:TaxpayerSocialInsuranceNumber>")
        << QByteArray("<padrq:TaxpayerSocialInsuranceNumber>0*****286</padrq:TaxpayerSocialInsuranceNumber>");
    QTest::newRow("PAD agreement") << QByteArray("<SocialInsuranceNumber>046454286</SocialInsuranceNumber>")
                                   << QByteArray("<SocialInsuranceNumber>0*****286</SocialInsuranceNumber>");
    QTest::newRow("T1013 client") << QByteArray("<tris:ClientID>046454286</tris:ClientID>")
                                  << QByteArray("<tris:ClientID>0*****286</tris:ClientID>");
    QTest::newRow("T1013 unique document number, the date after the S.I.N.")
        << QByteArray("<tris:UniqueDocumentNumber>04645428620250301</tris:UniqueDocumentNumber>")
        << QByteArray("<tris:UniqueDocumentNumber>0*****28620250301</tris:UniqueDocumentNumber>");
    QTest::newRow("S.I.N. element with fewer digits") << QByteArray("<t1135:SIN>04645</t1135:SIN>")
                                                      << QByteArray("<t1135:SIN>*****</t1135:SIN>");
    QTest::newRow("transmission number kept") << QByteArray("<TransmissionNumber>TX240000123</TransmissionNumber>")
                                              << QByteArray("<TransmissionNumber>TX240000123</TransmissionNumber>");
    QTest::newRow("longer numbers kept") << QByteArray("TX2400001234 and 1234567890")
                                         << QByteArray("TX2400001234 and 1234567890");
}

void TestSoapEnvelopes::logMasksSecrets()
{
    QFETCH(QByteArray, text);
    QTEST(FilingLog::mask(text), "masked");
}

BQ_TEST_MAIN_CORE(TestSoapEnvelopes)
#include "tst_soapenvelopes.moc"
