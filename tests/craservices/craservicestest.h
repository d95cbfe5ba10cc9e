#pragma once
// Fixtures shared by the filing service tests: the configuration seam and small filing documents.
#include "settingsseam.h"
#include "templatefiller.h"
#include <QMap>

class TestSettings : public SettingsSource
{
public:
    TestSettings() { setSettingsSource(this); }
    ~TestSettings() override { setSettingsSource(nullptr); }
    QString userSetting(const QString &key) const override { return preferences.value(key); }
    QString configValue(const QString &key) const override { return values.value(key); }
    QMap<QString, QString> values;
    QMap<QString, QString> preferences;
};

namespace fixture {
inline const char EfilePassword[] = "Pw-Secret-7731";
inline const char AccessCode[] = "AC&<9\"Z";
inline const char BirthDate[] = "1980-05-17";
inline const char Sin[] = "046454286";
inline const char MaskedSin[] = "0*****286";

inline QByteArray t1Return()
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<t1:T1Return xmlns:t1=\"http://www.cra-arc.gc.ca/xmlns/t1/2025/1-0-0\">"
                      "<t1:Identification><t1:SocialInsuranceNumber>")
           + Sin + "</t1:SocialInsuranceNumber><t1:BirthDate>" + BirthDate
           + "</t1:BirthDate><t1:City>Montr\xc3\xa9" "al</t1:City></t1:Identification></t1:T1Return>\n";
}

inline QByteArray t1135Document()
{
    return QByteArray("<?xml version=\"1.0\"?><t1135:ForeignIncomeVerificationStatement "
                      "xmlns:t1135=\"http://www.cra-arc.gc.ca/xmlns/t1135/2021/1-0-0\"><t1135:SIN>")
           + Sin + "</t1135:SIN></t1135:ForeignIncomeVerificationStatement>";
}

inline TemplateVars efileVars(const QString &testCase)
{
    TemplateVars v;
    v.insert("efilerID", "X1234");
    v.insert("efpasd", EfilePassword);
    v.insert("repID", "TEMP");
    v.insert("dcn", "X1234-0001");
    v.insert("testcaseID", testCase);
    v.insert("firsttime", "0");
    v.insert("givenname", "Anne & <Marie> \"Q\"");
    v.insert("secondname", "");
    v.insert("familyname", QString::fromUtf8("O'N\xc3\xa9il"));
    v.insert("ENOAFlag", "Y");
    v.insert("precntctcode", "1");
    v.insert("postcntctcode", "1");
    v.insert("origip", "10.0.0.1");   // the senders set their own
    return v;
}

// The variables of a T1013 or PAD envelope.
inline TemplateVars formVars(const char *password)
{
    TemplateVars v;
    v.insert("efilerid", "X1234");
    v.insert("password", password);
    v.insert("taxyear", "2024");
    v.insert("softwarecode", "097");
    v.insert("revdate", "2024-12-01");
    v.insert("sin", Sin);
    return v;
}

inline TemplateVars netfileVars(const QString &testCase)
{
    TemplateVars v;
    v.insert("sin", Sin);
    v.insert("bod", BirthDate);
    v.insert("agreement", "1");
    v.insert("firsttime", "0");
    v.insert("givenname", "Anne & <Marie> \"Q\"");
    v.insert("secondname", "");
    v.insert("familyname", "Tremblay");
    v.insert("accesscode", AccessCode);
    v.insert("testcaseID", testCase);
    v.insert("origip", "10.0.0.1");
    return v;
}
} // namespace fixture
