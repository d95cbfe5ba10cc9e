package a.b;

import java.io.FileOutputStream;
import java.io.IOException;

// A stand-in engine for the bridge's tests: it records the calls it gets into the
// output file, and throws once from the step named by BQ_TEST_THROW.
public class g6
{
    private static boolean thrown = false;
    private final StringBuilder calls = new StringBuilder();
    private String folder = "";
    private String pdfName = "";

    public g6() { step("init"); }

    private void step(String name)
    {
        calls.append(name).append('\n');
        String which = System.getenv("BQ_TEST_THROW");
        if (!thrown && name.split(" ")[0].equals(which)) {
            thrown = true;
            throw new IllegalStateException("test failure in " + name);
        }
    }

    public void do_(String pdfPath) { step("do " + pdfPath); }
    public void if_(String xmlPath) { step("if " + xmlPath); }
    public void a(String outputFolder) { folder = outputFolder; step("folder " + outputFolder); }
    public void if_(int mask) { step("mask " + mask); }
    public void if_() { step("prepare"); }
    public void int_() { step("int"); }
    public void new_() { step("new"); }
    public void for_() { step("for"); }
    public void a(int kind) { step("kind " + kind); }
    public int for_(String returnFile)
    {
        step("read " + returnFile);
        String result = System.getenv("BQ_TEST_READ");
        return result == null ? 0 : Integer.parseInt(result);
    }
    public int a(int spouse, int category, int formId)
    {
        step("write " + spouse + " " + category + " " + formId);
        pdfName = folder + "/probe.pdf";
        try (FileOutputStream out = new FileOutputStream(pdfName)) {
            out.write(calls.toString().getBytes("UTF-8"));
        } catch (IOException e) {
            return 1;
        }
        return 0;
    }
    public String a() { return pdfName; }
}
