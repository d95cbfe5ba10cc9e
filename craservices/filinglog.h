#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// The filing exchange log (efileresult.txt). Created owner-only; every text
// written has its secrets masked first: the contents of password, access-code
// and birth-date elements become "****", a bank account number "****543"
// (its last three kept) and every S.I.N. "1*****789": in the elements that
// hold one whatever follows it, elsewhere nine digits standing alone. The
// wire keeps the real values; only the log is masked.
class FilingLog
{
public:
    FilingLog() = default;
    ~FilingLog() { close(); }
    FilingLog(const FilingLog &) = delete;
    FilingLog &operator=(const FilingLog &) = delete;

    // Truncates (or appends to) the file; false when it cannot be opened.
    bool open(const QString &path, bool append);
    bool isOpen() const { return m_file.isOpen(); }
    void write(const QByteArray &text);
    void write(const QString &text) { write(text.toUtf8()); }
    void write(const char *text) { write(QByteArray(text)); }
    // Why the exchange failed, "reason: <failure>" on a line (nothing for an
    // empty failure); written in quiet mode too.
    void writeReason(const QString &failure);
    // Quiet: write() writes nothing more (the request alone is wanted), only
    // the reasons of a failure.
    void setQuiet(bool quiet) { m_quiet = quiet; }
    void flush();
    void close();

    // The text with its secrets masked.
    static QByteArray mask(const QByteArray &text);

private:
    void put(const QByteArray &text);

    QFile m_file;
    bool m_quiet = false;
};
