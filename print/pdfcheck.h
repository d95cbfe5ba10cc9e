#pragma once
#include <QByteArray>
#include <QString>

// True when bytes hold a whole PDF: the header, the end-of-file mark as the
// last thing in it, and the cross-reference section that "startxref" names,
// each of whose entries points at its object. A file cut short, or with bytes
// lost or added on the way, fails.
bool isWholePdf(const QByteArray &bytes);
// The same for the file at path (false when it cannot be read).
bool isWholePdfFile(const QString &path);
