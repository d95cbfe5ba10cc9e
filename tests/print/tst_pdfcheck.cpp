// The whole-PDF check that a downloaded client-letter template must pass
// before it is kept.
#include "bqtest.h"
#include "pdfcheck.h"
#include "pdffixture.h"

namespace {

// The one-page document with a cross-reference stream (PDF 1.5) in place of the
// table: /W [1 2 1], the entries left uncompressed.
QByteArray withXrefStream()
{
    QList<QByteArray> objects = pdffixture::onePageObjects("Client letter");
    QList<int> offsets;
    QByteArray pdf = pdffixture::body(objects, "1.5", offsets);
    const int start = pdf.size();
    offsets << start;
    QByteArray entries("\x00\x00\x00\xff", 4);
    for (int offset : offsets)
        entries += QByteArray("\x01", 1) + char(offset >> 8) + char(offset & 0xff) + QByteArray("\x00", 1);
    const QByteArray size = QByteArray::number(offsets.size() + 1);
    pdf += QByteArray::number(offsets.size()) + " 0 obj\n<< /Type /XRef /Size " + size
        + " /W [1 2 1] /Root 1 0 R /Length " + QByteArray::number(entries.size()) + " >>\nstream\n" + entries
        + "\nendstream\nendobj\nstartxref\n" + QByteArray::number(start) + "\n%%EOF\n";
    return pdf;
}

} // namespace

class TestPdfCheck : public QObject
{
    Q_OBJECT

private slots:
    void wholeOrNot_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        const QByteArray pdf = pdffixture::onePage("Client letter");
        const int page = pdf.indexOf("/MediaBox");
        QTest::newRow("whole, with a table") << pdf << true;
        QTest::newRow("whole, with a cross-reference stream") << withXrefStream() << true;
        QTest::newRow("ends in CR LF") << pdf.chopped(1) + "\r\n" << true;
        QTest::newRow("first half") << pdf.left(pdf.size() / 2) << false;
        QTest::newRow("cut in the table, end mark added") << pdf.left(pdf.indexOf("trailer") - 25) + "\n%%EOF\n"
                                                           << false;
        QTest::newRow("without the end mark") << pdf.left(pdf.lastIndexOf("%%EOF")) << false;
        QTest::newRow("bytes after the end mark") << pdf + "<html>" << false;
        QTest::newRow("bytes lost in the middle") << pdf.left(page) + pdf.mid(page + 3) << false;
        QTest::newRow("a byte added in the middle") << pdf.left(page) + ' ' + pdf.mid(page) << false;
        QTest::newRow("startxref past the table")
            << QByteArray(pdf).replace("startxref\n" + QByteArray::number(pdf.indexOf("xref\n")),
                                       "startxref\n" + QByteArray::number(pdf.indexOf("xref\n") + 5))
            << false;
        QTest::newRow("only the header and end mark") << QByteArray("%PDF-1.4\n% client letter\n%%EOF\n") << false;
        QTest::newRow("a web page") << QByteArray("<html><body>Service unavailable</body></html>\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void wholeOrNot()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QCOMPARE(isWholePdf(bytes), whole);
    }
};

BQ_TEST_MAIN_CORE(TestPdfCheck)
#include "tst_pdfcheck.moc"
