package brackenquill.makereport;

import com.lowagie.text.Font;
import com.lowagie.text.Rectangle;
import com.lowagie.text.pdf.PdfPCell;
import com.lowagie.text.pdf.PdfPTable;

// The lines a printed form is signed and dated on: a caption beside a ruled
// line, with what is known already (a telephone number, a name) printed on it.
public class SignatureLines
{
    private final PdfPTable table = new PdfPTable(new float[] {1.6f, 3f});
    private final Font font;

    SignatureLines(Font font)
    {
        this.font = font;
        table.setWidthPercentage(100);
    }

    SignatureLines line(String caption, String value)
    {
        PdfPCell c = plain(caption, font);
        c.setPaddingTop(16);
        table.addCell(c);
        PdfPCell line = plain(value == null || value.isEmpty() ? " " : value, font);
        line.setBorder(Rectangle.BOTTOM);
        line.setPaddingTop(16);
        table.addCell(line);
        return this;
    }

    // A line of text under the ruled line above it.
    SignatureLines note(String text)
    {
        table.addCell(plain(" ", font));
        table.addCell(plain(text, font));
        return this;
    }

    PdfPTable table() { return table; }

    static PdfPCell plain(String text, Font font)
    {
        PdfPCell c = new PdfPCell(UnicodeText.phrase(text, font));
        c.setBorder(0);
        c.setPaddingBottom(3);
        return c;
    }
}
