#pragma once
// Constants of the return file's layout shared by the return-file level and the
// person block (internal to the model).
#include <QString>

namespace returnfile {

constexpr int kCurrentVersion = 66098;
constexpr int kLowestVersion = 65536;       // below: a damaged block
constexpr int kHighestVersion = 131071;     // above: a damaged block
// Fields present above these versions.
constexpr int kConstantFieldAfter = 65988;
constexpr int kPersonWordAfter = 65865;
constexpr int kPasswordAfter = 66033;
constexpr int kFormIdsAfter = 65855;
constexpr int kSlipLinkedIdAfter = 65856;
constexpr int kNotesAfter = 65715;
constexpr int kBarcodeAfter = 65776;

// The eight bytes around a person's barcode block.
constexpr char kBarcodeMarkByte = 98;
constexpr int kBarcodeMarkLength = 8;

// Every object's data begins with its flags, its row-list count and its field count.
constexpr qint64 kMinObjectBytes = 4 + 4 + 2;

// A file larger than this is no return: a coupled return with every form and
// 300 slips for each spouse takes about 200 KB.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// The highest next-entry id a block may hold: the counter grows by one per entry
// made, so anything near the top of an int is damage, and the ids it hands out
// can never overflow.
constexpr int kMaxEntryIdCounter = 0x3fffffff;

// Result codes.
constexpr int kOk = 0;
constexpr int kNotOpened = 107;
constexpr int kVersionRefused = 111;
constexpr int kPasswordRefused = 112;
constexpr int kProvinceRefused = 119;
constexpr int kNoteNotMade = 251;
constexpr int kSlipNotMade = 252;
constexpr int kFormNotMade = 253;
constexpr int kDamaged = 255;

inline QString messageTitle() { return QStringLiteral("Brackenquill 2024"); }
inline QString damagedFileText()
{
    return QStringLiteral("The file being opened may be damaged, please verify the data after opening.");
}

} // namespace returnfile
