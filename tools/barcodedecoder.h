#pragma once
// Splits one barcode block text into its fixed-width record and its line entries.
#include <QByteArray>
#include <QList>

namespace barcodedecoder {

struct Block
{
    QByteArray record;             // the fixed-width record ("01" T1, "03" SFD)
    QList<QByteArray> entries;     // the line entries in their order
    bool terminated = false;       // ends with "-EOD"
    bool valid = false;            // a known record type of its full width
};

// The record width of a record type: 484 for "01", 564 for "03", 0 otherwise.
int recordWidth(const QByteArray &text);
Block decode(const QByteArray &text);

} // namespace barcodedecoder
