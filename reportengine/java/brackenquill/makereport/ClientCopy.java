package brackenquill.makereport;

import com.lowagie.text.Document;
import com.lowagie.text.DocumentException;
import com.lowagie.text.Element;
import com.lowagie.text.Font;
import com.lowagie.text.FontFactory;
import com.lowagie.text.PageSize;
import com.lowagie.text.Paragraph;
import com.lowagie.text.pdf.PdfContentByte;
import com.lowagie.text.pdf.PdfImportedPage;
import com.lowagie.text.pdf.PdfPCell;
import com.lowagie.text.pdf.PdfPTable;
import com.lowagie.text.pdf.PdfReader;
import com.lowagie.text.pdf.PdfWriter;
import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.text.SimpleDateFormat;
import java.util.Date;
import java.util.List;
import java.util.Locale;

// The client's copy: identification, then each form and slip with its coded values;
// the client letter, the invoice or a single selected entry on request.
public class ClientCopy
{
    public static final int CATEGORY_NONE = -1, CATEGORY_FORM = 0, CATEGORY_SLIP = 1, CATEGORY_NOTE = 3,
                            CATEGORY_RESULT = 99;
    static final String LETTER_TEMPLATE = "t1_clientletter_own.pdf";
    static final int T1_SUMMARY = 93;
    static final int T183 = 96;

    private final ReportJob job;
    private final PersonData person;
    private final Identification id;
    private final Font title = FontFactory.getFont(FontFactory.HELVETICA_BOLD, 14);
    private final Font heading = FontFactory.getFont(FontFactory.HELVETICA_BOLD, 11);
    private final Font body = FontFactory.getFont(FontFactory.HELVETICA, 10);
    private final Font small = FontFactory.getFont(FontFactory.HELVETICA, 8);

    ClientCopy(ReportJob job, PersonData person)
    {
        this.job = job;
        this.person = person;
        this.id = Identification.of(person);
    }

    void write(OutputStream out, int category, int entryId) throws DocumentException, IOException
    {
        Document doc = new Document(PageSize.LETTER, 54, 54, 54, 54);
        PdfWriter writer = PdfWriter.getInstance(doc, out);
        doc.addTitle("2024 T1 return of " + id.fullName());
        doc.open();
        boolean selected = isSelection(category, entryId);
        if (!selected && job.has(ReportJob.MASK_CLIENT_LETTER))
            writeLetter(doc, writer);
        writeIdentification(doc);
        if (selected)
            writeSelected(doc, category, entryId);
        else
            writeAllEntries(doc);
        if (!selected && job.has(ReportJob.MASK_INVOICE))
            writeInvoice(doc);
        doc.close();
    }

    // Whether a job prints one entry (or the result page) rather than the whole return.
    static boolean isSelection(int category, int entryId)
    {
        return category != CATEGORY_NONE && (category != CATEGORY_FORM || entryId != 0);
    }

    // The file name's part for a print of one entry: "_T183_112", "_T4_105",
    // "_summary"; empty for the whole return.
    static String selectionSuffix(PersonData person, int category, int entryId)
    {
        if (!isSelection(category, entryId))
            return "";
        if (category == CATEGORY_RESULT)
            return "_summary";
        List<ReturnEntry> list = category == CATEGORY_SLIP ? person.slips
                               : category == CATEGORY_NOTE ? person.notes : person.forms;
        String name = category == CATEGORY_NOTE ? "note" : "entry";
        for (ReturnEntry e : list)
            if (e.id == entryId && e.category != ReturnEntry.NOTE)
                name = entryName(e).replaceFirst("^Slip ", "").replaceFirst(" - .*$", "");
        return "_" + name.replaceAll("[^A-Za-z0-9]", "") + "_" + entryId;
    }

    private void writeHeader(Document doc) throws DocumentException
    {
        if (!job.header)
            return;
        String when = new SimpleDateFormat("yyyy-MM-dd", Locale.CANADA).format(new Date());
        doc.add(text("Brackenquill 2024 - client copy printed " + when, small));
    }

    private void writeLetter(Document doc, PdfWriter writer) throws DocumentException, IOException
    {
        PdfReader reader = openTemplate(new File(job.pdfFolder, LETTER_TEMPLATE));
        if (reader != null) {
            PdfContentByte cb = writer.getDirectContent();
            for (int i = 1; i <= reader.getNumberOfPages(); ++i) {
                PdfImportedPage page = writer.getImportedPage(reader, i);
                doc.newPage();
                doc.add(text(" ", small));   // the page needs content of its own to be kept
                cb.addTemplate(page, 0, 0);
            }
            doc.newPage();
            return;
        }
        writeStandardLetter(doc);
    }

    // The preparer's own letter; null when there is none or it is damaged: the
    // standard letter is printed then.
    private static PdfReader openTemplate(File template)
    {
        if (!template.isFile() || !PdfCheck.isWhole(template))
            return null;
        try {
            return new PdfReader(template.getPath());
        } catch (IOException | RuntimeException e) {
            System.err.println("report engine: " + template.getPath() + ": " + e);
            return null;
        }
    }

    private void writeStandardLetter(Document doc) throws DocumentException
    {
        doc.add(text(new SimpleDateFormat("MMMM d, yyyy", Locale.CANADA).format(new Date()), body));
        doc.add(text(" ", body));
        doc.add(text(id.fullName(), body));
        for (String line : id.address)
            doc.add(text(line, body));
        doc.add(text(" ", body));
        doc.add(text("Dear " + (id.firstName.isEmpty() ? "client" : id.firstName) + ",", body));
        doc.add(text(" ", body));
        doc.add(text("Enclosed is a copy of your 2024 income tax and benefit return as prepared. Please review "
                                  + "it, keep it with your records for six years, and tell us at once if anything in it "
                                  + "is not correct.",
                              body));
        doc.add(text(" ", body));
        doc.add(text("Thank you for letting us prepare your return.", body));
        doc.newPage();
    }

    private void writeIdentification(Document doc) throws DocumentException
    {
        writeHeader(doc);
        doc.add(text("2024 T1 Income Tax and Benefit Return", title));
        doc.add(text("Name: " + id.fullName(), body));
        for (String line : id.address)
            doc.add(text(line, body));
        doc.add(text("S.I.N.: " + id.sinShown(job.has(ReportJob.MASK_FULL_SIN)), body));
        doc.add(text(" ", body));
    }

    private void writeAllEntries(Document doc) throws DocumentException
    {
        for (ReturnEntry e : person.forms)
            writeEntry(doc, e);
        for (ReturnEntry e : person.slips)
            writeEntry(doc, e);
    }

    private void writeSelected(Document doc, int category, int entryId) throws DocumentException
    {
        if (category == CATEGORY_RESULT) {
            writeResult(doc);
            return;
        }
        List<ReturnEntry> list = category == CATEGORY_SLIP ? person.slips
                               : category == CATEGORY_NOTE ? person.notes : person.forms;
        for (ReturnEntry e : list)
            if (e.id == entryId)
                writeEntry(doc, e);
    }

    static String entryName(ReturnEntry e)
    {
        if (e.category == ReturnEntry.FORM) {
            InfoFileItem info = TaxFormType.getFormTypeInfo(e.type);
            return info == null ? "Form " + e.type : info.strName + " - " + info.strTitle;
        }
        if (e.category == ReturnEntry.SLIP)
            return slipHeading(e.type);
        return "Note";
    }

    // A slip under its own name and title: "T4A(OAS) - Statement of Old Age Security".
    static String slipHeading(int type)
    {
        FieldLayout layout = FieldLayout.slip(type);
        String name = layout == null ? "" : layout.name();
        if (name.isEmpty()) {
            String constant = FieldLayout.slipName(type);
            return "Slip " + (constant == null ? String.valueOf(type) : constant.replaceFirst("^SLIP_", ""));
        }
        return layout.title().isEmpty() ? name : name + " - " + layout.title();
    }

    private FieldLayout layoutOf(ReturnEntry e)
    {
        return e.category == ReturnEntry.FORM ? FieldLayout.form(e.type)
             : e.category == ReturnEntry.SLIP ? FieldLayout.slip(e.type) : FieldLayout.note();
    }

    private void writeEntry(Document doc, ReturnEntry e) throws DocumentException
    {
        doc.add(text(entryName(e), heading));
        FieldLayout layout = layoutOf(e);
        PdfPTable table = new PdfPTable(new float[] {1.2f, 5f, 2.6f});
        table.setWidthPercentage(100);
        int rows = 0;
        if (e.category == ReturnEntry.NOTE) {
            for (int i = 0; i < e.fields.count(); ++i)
                if (!e.fields.isNumber(i) && !e.fields.text(i).trim().isEmpty())
                    doc.add(text(e.fields.text(i), body));
        } else if (layout != null) {
            rows += addValues(table, e.fields, layout, -1, "");
            for (int l = 0; l < e.rowLists.size() && l < layout.rowKeys.length; ++l)
                for (int r = 0; r < e.rowLists.get(l).size(); ++r)
                    rows += addValues(table, e.rowLists.get(l).get(r), layout, l, "Row " + (r + 1) + ": ");
        }
        if (rows > 0)
            doc.add(table);
        if (e.category == ReturnEntry.FORM && e.type == T183)
            writeT183Declarations(doc, e);
        doc.add(text(" ", body));
    }

    static final String T183_TAXPAYER_DECLARATION =
        "I declare that the information entered in this form is correct and complete, and that the return it "
        + "describes fully discloses my income from all sources. I authorize the electronic filer named in this "
        + "form to file my 2024 income tax and benefit return electronically. I understand that it is a serious "
        + "offence to make a false return.";
    static final String T183_FILER_DECLARATION =
        "I declare that the return filed electronically is the one prepared from the information the taxpayer "
        + "gave, as this form describes it, and that I will keep this form, signed by the taxpayer, for six years "
        + "and give it to the Canada Revenue Agency on request.";

    // What the T183 is signed for: the taxpayer's and the electronic filer's
    // declarations, each with its lines to sign and date.
    private void writeT183Declarations(Document doc, ReturnEntry t183) throws DocumentException
    {
        FieldLayout layout = FieldLayout.form(T183);
        String preparer = layout == null ? "" : t183.fields.text(layout.indexOf("PreparerName")).trim();
        String efileNumber = layout == null ? "" : t183.fields.text(layout.indexOf("EFileNumber")).trim();
        doc.add(text(" ", body));
        doc.add(text("Declaration of the taxpayer", heading));
        doc.add(text(T183_TAXPAYER_DECLARATION, body));
        doc.add(new SignatureLines(body).line("Taxpayer's signature", "").line("Date", "").table());
        doc.add(text(" ", body));
        doc.add(text("Declaration of the electronic filer", heading));
        doc.add(text(T183_FILER_DECLARATION, body));
        doc.add(new SignatureLines(body).line("Name of the electronic filer", preparer)
                    .line("EFILE number", efileNumber)
                    .line("Preparer's signature", "")
                    .line("Date", "")
                    .table());
    }

    // The values of the fields (list l's row when l >= 0) that a page shows, in
    // the page's order under its captions and lines: an amount or a number that is
    // not nil, a ticked box, a date or a text given; a choice by its label.
    private int addValues(PdfPTable table, FieldValues v, FieldLayout layout, int l, String prefix)
    {
        int added = 0;
        int[] order = l < 0 ? layout.order() : null;
        int count = l < 0 ? order.length : layout.rowKeys[l].length;
        for (int n = 0; n < count; ++n) {
            int i = l < 0 ? order[n] : n;
            if (i >= v.count() || !layout.shown(l, i))
                continue;
            String value = valueText(v, layout, l, i);
            if (value == null)
                continue;
            table.addCell(cell(l < 0 ? layout.line(i) : "", Element.ALIGN_LEFT));
            table.addCell(cell(prefix + layout.caption(l, i), Element.ALIGN_LEFT));
            table.addCell(cell(value, v.isNumber(i) ? Element.ALIGN_RIGHT : Element.ALIGN_LEFT));
            ++added;
        }
        return added;
    }

    // A field's value as printed; null when there is nothing to print.
    private String valueText(FieldValues v, FieldLayout layout, int l, int i)
    {
        if (!v.isNumber(i)) {
            String text = v.text(i).trim();
            if (text.isEmpty())
                return null;
            return l < 0 && layout.isSin(i) ? Identification.sinShown(text.replace(" ", ""), job.has(ReportJob.MASK_FULL_SIN))
                                            : text;
        }
        double value = v.number(i);
        String choice = l < 0 ? layout.choiceLabel(i, value) : null;
        if (choice != null)
            return choice.isEmpty() ? null : choice;
        if (Math.abs(value) < 0.005)
            return null;
        switch (v.kinds[i]) {
        case FieldValues.INT: return value < 0 ? null : String.valueOf(Math.round(value));   // below 0: not given
        case FieldValues.FLAG: return "Yes";
        default: return amount(value);
        }
    }

    private PdfPCell cell(String text, int align)
    {
        PdfPCell c = new PdfPCell(text(text, body));
        c.setBorder(0);
        c.setHorizontalAlignment(align);
        return c;
    }

    static String amount(double v)
    {
        return String.format(Locale.CANADA, "%,.2f", v);
    }

    // The result page: the T1 summary, as its page shows it.
    private void writeResult(Document doc) throws DocumentException
    {
        ReturnEntry summary = person.firstForm(T1_SUMMARY);
        if (summary != null)
            writeEntry(doc, summary);
    }

    private void writeInvoice(Document doc) throws DocumentException
    {
        doc.newPage();
        writeHeader(doc);
        doc.add(text("Invoice", title));
        ReturnEntry t1 = person.firstForm(1);
        FieldLayout layout = FieldLayout.form(1);
        if (t1 != null && layout != null) {
            String preparer = t1.fields.text(layout.indexOf("PreparerName")).trim();
            if (!preparer.isEmpty()) {
                doc.add(text(preparer, body));
                doc.add(text(t1.fields.text(layout.indexOf("PreparerAddress")).trim(), body));
                doc.add(text(t1.fields.text(layout.indexOf("PreparerCityLine")).trim(), body));
                doc.add(text(t1.fields.text(layout.indexOf("PreparerPhone")).trim(), body));
            }
        }
        doc.add(text(" ", body));
        doc.add(text("Bill to: " + id.fullName(), body));
        for (String line : id.address)
            doc.add(text(line, body));
        doc.add(text(" ", body));
        doc.add(text("Preparation of the 2024 T1 income tax and benefit return: forms " + person.forms.size()
                                  + ", slips " + person.slips.size() + ".",
                              body));
        doc.add(text("Amount due: ____________", body));
    }

    // A paragraph whose characters all print, whatever their script.
    private static Paragraph text(String text, Font font)
    {
        return new Paragraph(UnicodeText.phrase(text, font));
    }
}
