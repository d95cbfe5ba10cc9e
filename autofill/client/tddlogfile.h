#pragma once
#include <QString>
#include <cstdio>
#include <string>

// The Auto-fill logs (tddlog.txt, tddlog2.txt): appended to, owner-only
// (0600, also when the file existed with wider rights). They hold sizes, codes,
// item numbers and masked S.I.N.s; never a digest, nonce, token, sign-in
// address, reply content or taxpayer identifier.
class TddLogFile
{
public:
    TddLogFile() = default;
    explicit TddLogFile(const QString &path) { open(path); }
    ~TddLogFile() { close(); }
    TddLogFile(const TddLogFile &) = delete;
    TddLogFile &operator=(const TddLogFile &) = delete;

    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // The stream the record importers write to; null when not open.
    FILE *stream() const { return m_file; }

    void printf(const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

private:
    FILE *m_file = nullptr;
};

// As the notice record masks it: characters 0 to 4 become "xxxxx" ("xxxxx4286").
std::string maskSinForLog(const std::string &sin);

// Appends "Log: yyyy-MM-dd HH:mm:ss text" to an owner-only log; false when the
// file cannot be opened.
bool appendTddLogLine(const QString &path, const char *text);
