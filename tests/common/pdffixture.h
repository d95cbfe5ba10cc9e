#pragma once
// Small whole PDFs for tests, written out by hand with their cross-reference
// table, so that every offset in them is right.
#include <QByteArray>
#include <QList>

namespace pdffixture {

// The objects of a one-page document showing text, numbered from 1 (the root).
inline QList<QByteArray> onePageObjects(const QByteArray &text)
{
    const QByteArray content = "BT /F1 12 Tf 72 720 Td (" + text + ") Tj ET";
    return {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R"
        " /Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    };
}

// The header, the objects and where each begins (offsets[i] of object i + 1).
inline QByteArray body(const QList<QByteArray> &objects, const QByteArray &version, QList<int> &offsets)
{
    QByteArray pdf = "%PDF-" + version + "\n";
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    return pdf;
}

// A PDF 1.4 file with a cross-reference table.
inline QByteArray withTable(const QList<QByteArray> &objects)
{
    QList<int> offsets;
    QByteArray pdf = body(objects, "1.4", offsets);
    const int start = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(start) + "\n%%EOF\n";
    return pdf;
}

inline QByteArray onePage(const QByteArray &text)
{
    return withTable(onePageObjects(text));
}

} // namespace pdffixture
