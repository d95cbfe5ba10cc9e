package brackenquill.makereport;

import com.lowagie.text.Document;
import com.lowagie.text.DocumentException;
import com.lowagie.text.Font;
import com.lowagie.text.FontFactory;
import com.lowagie.text.Image;
import com.lowagie.text.PageSize;
import com.lowagie.text.Paragraph;
import com.lowagie.text.pdf.BarcodePDF417;
import com.lowagie.text.pdf.PdfWriter;
import java.io.IOException;
import java.io.OutputStream;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

// The condensed print for paper filing: one PDF417 symbol a page for each part of
// each barcode block (the T1 block, then the SFD blocks), with a readable line.
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
        boolean first = true;
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
