#pragma once
#include "cstring.h"
#include <QString>
#include <string>
#include <vector>

// Configuration base: a registry of text and bool members by key, filled from
// a plain key/value file.
//
// File syntax: one "key = value" per line; the key is matched ignoring case;
// the value is trimmed and may be enclosed in double quotes. Lines that are
// empty or begin with '#' or ';', and "[section]" lines, are skipped. A bool
// takes 1/0, true/false, yes/no or on/off; any other text leaves it as it was.
// Values are kept as written: "096" stays "096".
class CAppConfig
{
public:
    CAppConfig();
    virtual ~CAppConfig();
    CAppConfig(const CAppConfig &) = delete;
    CAppConfig &operator=(const CAppConfig &) = delete;

    // Reads the file (path in UTF-8) into the registered members; 0 when read,
    // -1 when the file cannot be opened. afterReadConfigFile runs after a read.
    int readConfigFile(const std::string &pathUtf8);
    // Sets a text member only when it is still empty.
    static void setStringValIfNotSet(CString &member, const CString &value);

    bool hasKey(const QString &key) const;
    // Value of a text key, or "1"/"0" for a bool key; empty for an unknown key.
    QString valueText(const QString &key) const;
    // Sets a registered key from text as a file line would; false for an unknown key.
    bool setValueText(const QString &key, const QString &value);

    // The product kind that picks the software code (0 in this build).
    int productKind() const { return m_productKind; }
    void setProductKind(int kind) { m_productKind = kind; }

protected:
    void registerString(const char *key, CString *member);
    void registerBool(const char *key, bool *member);
    virtual void afterReadConfigFile();

private:
    struct Entry
    {
        QString key;
        CString *text = nullptr;
        bool *flag = nullptr;
    };
    const Entry *find(const QString &key) const;

    std::vector<Entry> m_entries;
    int m_productKind = 0;
};
