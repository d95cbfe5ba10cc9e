package brackenquill.makereport;

import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;

// Whether a file holds a whole PDF, as the program judges it: the header, the
// end-of-file mark as the last thing in it, and the cross-reference section that
// "startxref" names, each of whose entries points at its object.
public class PdfCheck
{
    private final String s;   // the bytes, one char each
    private int pos;

    private PdfCheck(String s, int pos)
    {
        this.s = s;
        this.pos = pos;
    }

    public static boolean isWhole(File file)
    {
        try {
            return isWhole(new String(Files.readAllBytes(file.toPath()), StandardCharsets.ISO_8859_1));
        } catch (IOException e) {
            return false;
        }
    }

    static boolean isWhole(String s)
    {
        if (!s.startsWith("%PDF-"))
            return false;
        int end = s.length();
        while (end > 0 && isSpace(s.charAt(end - 1)))
            --end;
        if (end < 5 || !s.startsWith("%%EOF", end - 5))
            return false;
        int startxref = s.lastIndexOf("startxref", end - 5);
        if (startxref < 0)
            return false;
        long[] offset = new long[1];
        if (!new PdfCheck(s, startxref + 9).number(offset) || offset[0] <= 0 || offset[0] >= startxref)
            return false;
        int at = (int) offset[0];
        if (s.startsWith("xref", at))
            return xrefTableWhole(s, new PdfCheck(s, at + 4));
        return objectAt(s, at, -1) && s.substring(at, Math.min(s.length(), at + 1024)).contains("/XRef");
    }

    private static boolean isSpace(char c)
    {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
    }

    private void skipSpace()
    {
        while (pos < s.length() && isSpace(s.charAt(pos)))
            ++pos;
    }

    private boolean number(long[] value)
    {
        skipSpace();
        int start = pos;
        value[0] = 0;
        while (pos < s.length() && pos - start < 18 && s.charAt(pos) >= '0' && s.charAt(pos) <= '9')
            value[0] = value[0] * 10 + (s.charAt(pos++) - '0');
        return pos > start;
    }

    private boolean word(String w)
    {
        skipSpace();
        if (!s.startsWith(w, pos))
            return false;
        pos += w.length();
        return true;
    }

    private char letter()
    {
        skipSpace();
        return pos < s.length() ? s.charAt(pos++) : '\0';
    }

    // "<number> <generation> obj" beginning exactly at offset (any number when number < 0).
    private static boolean objectAt(String s, long offset, long number)
    {
        if (offset <= 0 || offset >= s.length() || s.charAt((int) offset) < '0' || s.charAt((int) offset) > '9')
            return false;
        PdfCheck c = new PdfCheck(s, (int) offset);
        long[] n = new long[1], generation = new long[1];
        return c.number(n) && (number < 0 || n[0] == number) && c.number(generation) && c.word("obj");
    }

    private static boolean xrefTableWhole(String s, PdfCheck c)
    {
        boolean any = false;
        while (!c.word("trailer")) {
            long[] first = new long[1], count = new long[1];
            if (!c.number(first) || !c.number(count) || count[0] > s.length() / 18)
                return false;
            for (long i = 0; i < count[0]; ++i) {
                long[] offset = new long[1], generation = new long[1];
                if (!c.number(offset) || !c.number(generation))
                    return false;
                char kind = c.letter();
                if (kind == 'n' ? !objectAt(s, offset[0], first[0] + i) : kind != 'f')
                    return false;
            }
            any = true;
        }
        return any && s.indexOf("/Root", c.pos) >= 0;
    }
}
