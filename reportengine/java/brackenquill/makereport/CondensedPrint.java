package brackenquill.makereport;

import com.lowagie.text.Document;
import com.lowagie.text.DocumentException;
import com.lowagie.text.Font;
import com.lowagie.text.FontFactory;
import com.lowagie.text.Image;
import com.lowagie.text.PageSize;
import com.lowagie.text.Paragraph;
import com.lowagie.text.pdf.BarcodePDF417;
import com.lowagie.text.pdf.PdfPTable;
import com.lowagie.text.pdf.PdfWriter;
import java.io.IOException;
import java.io.OutputStream;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

// The condensed print for paper filing: the return's first page (identification,
// mailing address, certification to sign), then one PDF417 symbol a page for each
// part of each barcode block (the T1 block, then the SFD blocks), with a readable line.
public class CondensedPrint
{
    // Bytes a symbol holds: byte compaction packs 6 bytes in 5 codewords, and
    // error level 5 adds 64 of the 928 codewords a symbol may have.
    static final int BYTES_PER_SYMBOL = 800;
    static final int ERROR_LEVEL = 5;

    private final PersonData person;
    private final Identification id;

    CondensedPrint(PersonData person)
    {
        this.person = person;
        this.id = Identification.of(person);
    }

    static List<byte[]> parts(byte[] block)
    {
        List<byte[]> out = new ArrayList<byte[]>();
        for (int at = 0; at < block.length; at += BYTES_PER_SYMBOL)
            out.add(Arrays.copyOfRange(block, at, Math.min(block.length, at + BYTES_PER_SYMBOL)));
        if (out.isEmpty())
            out.add(new byte[0]);
        return out;
    }

    void write(OutputStream out) throws DocumentException, IOException
    {
        Document doc = new Document(PageSize.LETTER, 54, 54, 54, 54);
        PdfWriter.getInstance(doc, out);
        doc.open();
        Font font = FontFactory.getFont(FontFactory.HELVETICA, 10);
        writeFirstPage(doc);
        doc.newPage();
        if (person.t1Block == null) {
            doc.add(text(id.fullName() + " - no barcode data in this return file", font));
            doc.close();
            return;
        }
        List<byte[]> blocks = new ArrayList<byte[]>();
        List<String> names = new ArrayList<String>();
        blocks.add(person.t1Block);
        names.add("T1 barcode");
        for (int i = 0; i < person.sfdBlocks.size(); ++i) {
            blocks.add(person.sfdBlocks.get(i));
            names.add("SFD barcode " + (i + 1));
        }
        boolean first = true;   // the first symbol goes on the page opened after the first page
        for (int b = 0; b < blocks.size(); ++b) {
            List<byte[]> parts = parts(blocks.get(b));
            for (int p = 0; p < parts.size(); ++p) {
                if (!first)
                    doc.newPage();
                first = false;
                doc.add(text(id.fullName() + " - " + names.get(b) + ", part " + (p + 1) + " of " + parts.size(),
                                      font));
                doc.add(symbol(parts.get(p), doc));
            }
        }
        doc.close();
    }

    // The return's first page as the CRA's T1 carries it: the identification with
    // the mailing address, and the certification the taxpayer signs and dates.
    private void writeFirstPage(Document doc) throws DocumentException
    {
        Font title = FontFactory.getFont(FontFactory.HELVETICA_BOLD, 14);
        Font heading = FontFactory.getFont(FontFactory.HELVETICA_BOLD, 11);
        Font body = FontFactory.getFont(FontFactory.HELVETICA, 10);
        doc.add(text("T1 Income Tax and Benefit Return 2024", title));
        doc.add(text("Condensed barcode print for paper filing with the Canada Revenue Agency", body));
        doc.add(text(" ", body));
        doc.add(text("Identification", heading));
        PdfPTable table = new PdfPTable(new float[] {4.2f, 2.8f});
        table.setWidthPercentage(100);
        row(table, "First name", id.firstName, body);
        row(table, "Last name", id.lastName, body);
        for (int i = 0; i < id.address.size(); ++i)
            row(table, i == 0 ? "Mailing address" : "", id.address.get(i), body);
        if (id.address.isEmpty())
            row(table, "Mailing address", "", body);
        row(table, "Email address", id.email, body);
        row(table, "Social insurance number (SIN)", spaced(id.sin), body);
        row(table, "Date of birth (YYYY/MM/DD)", id.dateOfBirth, body);
        row(table, "Province or territory of residence on December 31, 2024", id.residence, body);
        doc.add(table);
        writeCertification(doc, heading, body);
    }

    // The certification above the lines to sign, give a telephone number and date.
    private void writeCertification(Document doc, Font heading, Font body) throws DocumentException
    {
        doc.add(text(" ", body));
        doc.add(text("Certification", heading));
        doc.add(text(CERTIFICATION, body));
        doc.add(text(" ", body));
        doc.add(new SignatureLines(body).line("Sign here", "")
                    .note("It is a serious offence to make a false return.")
                    .line("Telephone", id.phone)
                    .line("Date", "")
                    .table());
    }

    static final String CERTIFICATION = "I certify that the information given on this return and in any documents "
                                      + "attached is correct, complete, and fully discloses all of my income.";

    // "046 454 286": the S.I.N. in its three groups.
    static String spaced(String sin)
    {
        return sin.matches("\\d{9}") ? sin.substring(0, 3) + " " + sin.substring(3, 6) + " " + sin.substring(6) : sin;
    }

    private static void row(PdfPTable table, String caption, String value, Font font)
    {
        table.addCell(SignatureLines.plain(caption, font));
        table.addCell(SignatureLines.plain(value, font));
    }

    private Image symbol(byte[] bytes, Document doc) throws DocumentException
    {
        BarcodePDF417 code = new BarcodePDF417();
        code.setOptions(BarcodePDF417.PDF417_USE_ERROR_LEVEL);
        code.setErrorLevel(ERROR_LEVEL);
        code.setText(bytes);   // the bytes as stored: the String form would re-encode them
        Image image = code.getImage();
        float width = doc.getPageSize().getWidth() - doc.leftMargin() - doc.rightMargin();
        float height = doc.getPageSize().getHeight() - doc.topMargin() - doc.bottomMargin() - 40;
        image.scaleToFit(width, height);
        return image;
    }

    // A paragraph whose characters all print, whatever their script.
    private static Paragraph text(String text, Font font)
    {
        return new Paragraph(UnicodeText.phrase(text, font));
    }
}
