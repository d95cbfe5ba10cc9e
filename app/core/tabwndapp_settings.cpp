// The user settings of the application object in tb_config.
#include "tabwndapp.h"
#include <QDebug>
#include <QScreen>

namespace {
enum class Kind { Text, Path, Color, Int, Bool };

struct SettingDef
{
    const char *key;
    Kind kind;
    bool written; // stored by writeSettings
    CString CT1AppConfig::*text;
    int CT1AppConfig::*number;
    bool CT1AppConfig::*flag;
};

#define TEXT(k, w) {#k, Kind::Text, w, &CT1AppConfig::k, nullptr, nullptr}
#define PATH(k) {#k, Kind::Path, true, &CT1AppConfig::k, nullptr, nullptr}
#define INT(k, w) {#k, Kind::Int, w, nullptr, &CT1AppConfig::k, nullptr}
#define BOOL(k) {#k, Kind::Bool, true, nullptr, nullptr, &CT1AppConfig::k}

// In the order of reading; writeSettings stores the written ones in the same order.
// LastOpenPath and LastImportPath (members of the application) follow PdfPathSameAsRet.
const SettingDef kSettings[] = {
    TEXT(LeftPaneSize, true),
    {"BKColor", Kind::Color, false, &CT1AppConfig::BKColor, nullptr, nullptr},
    TEXT(FontSize, false),
    INT(LeftX, false), INT(LeftY, false), INT(Width, false), INT(Height, false),
    PATH(RetPath), PATH(RetPdfPath), INT(PdfPathSameAsRet, true),
    TEXT(BusinessName, true), TEXT(BusinessAddr, true), TEXT(BusinessCity, true),
    TEXT(BusinessProv, true), TEXT(BusinessPostcode, true), TEXT(BusinessPhone, true),
    TEXT(BusinessEFileNum, true), TEXT(BusinessEFilePassword, true),
    TEXT(DiscounterCode, true),
    INT(PreAssessment, true), INT(PostAssessment, true), INT(PrntClientLetter, true), INT(SaveBackup, true),
    TEXT(T1013BusiNumber, true), TEXT(T1013BusiName, true), TEXT(T1013GroupID, true), TEXT(T1013GroupName, true),
    TEXT(T1013RepID, true), TEXT(T1013RepFirstName, true), TEXT(T1013RepLastName, true),
    TEXT(T1013MailAddr, true), TEXT(T1013Phone, true), TEXT(T1013Fax, true),
    TEXT(ShowRelMsg, true),
    BOOL(FilingReport), BOOL(CustomizedClientLetter),
    INT(CustomizedClientLetter_Ver, false),
    TEXT(VantrelEmail, true), TEXT(VantrelPswd, true), TEXT(VTFromEmail, true),
};
#undef TEXT
#undef PATH
#undef INT
#undef BOOL
} // namespace

const char *TabWndApp::efileNumKey() const
{
    return m_config.MODEDEBUG ? "BusinessEFileNumDbg" : "BusinessEFileNum";
}

const char *TabWndApp::efilePasswordKey() const
{
    return m_config.MODEDEBUG ? "BusinessEFilePasswordDbg" : "BusinessEFilePassword";
}

// The row name of a setting: the test-mode keys replace the two EFILE keys.
static const char *rowName(const SettingDef &d, const char *numKey, const char *pswdKey)
{
    if (qstrcmp(d.key, "BusinessEFileNum") == 0)
        return numKey;
    if (qstrcmp(d.key, "BusinessEFilePassword") == 0)
        return pswdKey;
    return d.key;
}

int TabWndApp::readSettings()
{
    for (const SettingDef &d : kSettings) {
        const char *name = rowName(d, efileNumKey(), efilePasswordKey());
        switch (d.kind) {
        case Kind::Text: getConfigString(name, m_config.*d.text, 0); break;
        case Kind::Path: getConfigString(name, m_config.*d.text, 1); break;
        case Kind::Color: {
            CString color;
            if (getConfigString(name, color, 0) > 0 && color.length() == 7)
                m_config.*d.text = color;
            break;
        }
        case Kind::Int: getConfigInt(name, m_config.*d.number); break;
        case Kind::Bool: getConfigBool(name, m_config.*d.flag); break;
        }
        if (qstrcmp(d.key, "Height") == 0)
            applyWindowRule();
        if (qstrcmp(d.key, "PdfPathSameAsRet") == 0) {
            getConfigString("LastOpenPath", LastOpenPath, 1);
            getConfigString("LastImportPath", LastImportPath, 1);
        }
    }
    return 0;
}

void TabWndApp::applyWindowRule()
{
    CT1AppConfig &c = m_config;
    bool computed = false;
    if (c.Width == 0 || c.Height == 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect s = screen ? screen->geometry() : QRect();
        // no saved size: the screen less twice the saved corner
        c.Width = s.width() - 2 * c.LeftX;
        c.Height = s.height() - 2 * c.LeftY;
        computed = true;
    }
    qInfo().noquote() << "left x: " << c.LeftX;
    qInfo().noquote() << "left y: " << c.LeftY;
    if (computed || !m_screenUnion.contains(QPoint(c.LeftX, c.LeftY))) {
        c.LeftX = 20;
        c.LeftY = 60;
    }
    qInfo().noquote() << "read leftpanel " << c.LeftPaneSize;
    qInfo().noquote() << "read fs " << c.FontSize;
}

int TabWndApp::writeSettings()
{
    for (const SettingDef &d : kSettings) {
        if (!d.written)
            continue;
        const char *name = rowName(d, efileNumKey(), efilePasswordKey());
        switch (d.kind) {
        case Kind::Text:
        case Kind::Color: setConfigString(name, m_config.*d.text, 0); break;
        case Kind::Path: setConfigString(name, m_config.*d.text, 1); break;
        case Kind::Int: setConfigInt(name, m_config.*d.number); break;
        case Kind::Bool: setConfigBool(name, m_config.*d.flag); break;
        }
    }
    return 0;
}

int TabWndApp::saveOnClose()
{
    qInfo() << "app closing";
    // Nothing is stored after a failed start-up.
    if (!m_db.isOpened() || !m_db.connection().isOpen())
        return 0;
    setConfigString("LastOpenPath", LastOpenPath, 1);
    setConfigString("LastImportPath", LastImportPath, 1);
    setConfigString("LeftPaneSize", m_config.LeftPaneSize, 0);
    if (m_mainWidget) {
        const QRect g = m_mainWidget->geometry();
        m_config.LeftX = g.left();
        m_config.LeftY = g.top();
        m_config.Width = g.right() - g.left() + 1;
        m_config.Height = g.bottom() - g.top() + 1;
    }
    setConfigInt("LeftX", m_config.LeftX);
    setConfigInt("LeftY", m_config.LeftY);
    setConfigInt("Width", m_config.Width);
    setConfigInt("Height", m_config.Height);
    setConfigString("BKColor", m_config.BKColor, 0);
    setConfigString("FontSize", m_config.FontSize, 0);
    m_db.close();
    return 0;
}

QString TabWndApp::userSetting(const QString &name) const
{
    if (name == QLatin1String("LastOpenPath"))
        return LastOpenPath;
    if (name == QLatin1String("LastImportPath"))
        return LastImportPath;
    // The EFILE number and password answer to the key they were loaded from as well
    // (the test-mode keys in test mode).
    for (const SettingDef &d : kSettings) {
        if (name != QLatin1String(d.key) && name != QLatin1String(rowName(d, efileNumKey(), efilePasswordKey())))
            continue;
        switch (d.kind) {
        case Kind::Text:
        case Kind::Path:
        case Kind::Color: return m_config.*d.text;
        case Kind::Int: return QString::number(m_config.*d.number);
        case Kind::Bool: return m_config.*d.flag ? QStringLiteral("1") : QStringLiteral("0");
        }
    }
    return QString();
}

bool TabWndApp::setUserInt(const QString &name, int value)
{
    if (name != QLatin1String("CustomizedClientLetter_Ver"))
        return false;
    m_config.CustomizedClientLetter_Ver = value;
    return setConfigInt("CustomizedClientLetter_Ver", value) >= 0;
}
