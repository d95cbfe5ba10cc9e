package a.b;

import brackenquill.makereport.ReportWriter;

// The report engine's entry. The program calls its methods in a fixed order; the
// names with a trailing underscore lose it after compiling (do, if, for, int, new).
public class g6
{
    private final ReportWriter writer = new ReportWriter();

    public g6() {}

    public void do_(String pdfFolder) { writer.job().pdfFolder = pdfFolder == null ? "" : pdfFolder; }
    public void if_(String xmlFolder) { writer.job().xmlFolder = xmlFolder == null ? "" : xmlFolder; }
    public void a(String outputFolder) { writer.job().outputFolder = outputFolder == null ? "" : outputFolder; }
    public void if_(int printMask) { writer.job().printMask = printMask; }
    public void if_() { writer.job().kind = 0; }
    public void int_() { writer.job().header = true; }
    public void new_() { writer.job().header = false; }
    public void for_() { writer.prepare(); }
    public void a(int kind) { writer.job().kind = kind; }
    public int for_(String returnFile) { return writer.read(returnFile); }
    public int a(int spouse, int category, int formId) { return writer.write(spouse != 0, category, formId); }
    public String a() { return writer.pdfName(); }
}
