#pragma once
// Reads back the barcode block texts of each person of a saved return file,
// walking the file's layout (every object's record describes its own fields).
#include <QByteArray>
#include <QList>
#include <QString>

namespace barcodereader {

struct PersonBarcodes
{
    bool hasData = false;          // false: the block is a single 0
    QList<QByteArray> texts;       // the T1 block, then each SFD block
};

// The persons of the file in order (self, then the spouse); false and the reason
// in error when the file cannot be walked.
bool read(const QString &path, QList<PersonBarcodes> &persons, QString *error);

} // namespace barcodereader
