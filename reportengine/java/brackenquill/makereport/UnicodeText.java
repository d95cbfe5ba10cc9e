package brackenquill.makereport;

import com.lowagie.text.Font;
import com.lowagie.text.Phrase;
import com.lowagie.text.pdf.BaseFont;
import com.lowagie.text.pdf.FontSelector;
import java.io.File;
import java.util.ArrayList;
import java.util.List;

// Texts of any script: each character is set in the first font that has it,
// the report's own Helvetica first, then embedded TrueType fonts of the system
// (DejaVu Sans for Latin, Greek and Cyrillic, Droid Sans Fallback for Chinese,
// Japanese and Korean). A font file that is missing is skipped.
final class UnicodeText
{
    private static final String[] REGULAR = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf",
    };
    private static final String[] BOLD = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
        "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf",
    };
    private static List<BaseFont> regular;
    private static List<BaseFont> bold;

    private UnicodeText() {}

    static Phrase phrase(String text, Font style)
    {
        FontSelector selector = new FontSelector();
        selector.addFont(style);
        // a style left undefined (-1) is not bold; Helvetica-Bold says so in its name
        boolean isBold = (style.getCalculatedStyle() & Font.BOLD) != 0
            || (style.getBaseFont() != null && style.getBaseFont().getPostscriptFontName().contains("Bold"));
        for (BaseFont base : fonts(isBold))
            selector.addFont(new Font(base, style.getSize(), Font.NORMAL, style.getColor()));
        Phrase p = selector.process(text == null ? "" : text);
        p.setLeading(style.getCalculatedLeading(1.5f));
        return p;
    }

    private static synchronized List<BaseFont> fonts(boolean isBold)
    {
        if (regular == null) {
            regular = load(REGULAR);
            bold = load(BOLD);
        }
        return isBold ? bold : regular;
    }

    private static List<BaseFont> load(String[] paths)
    {
        List<BaseFont> found = new ArrayList<BaseFont>();
        for (String path : paths) {
            if (!new File(path).isFile())
                continue;
            try {
                found.add(BaseFont.createFont(path, BaseFont.IDENTITY_H, BaseFont.EMBEDDED));
            } catch (Exception e) {
                // an unreadable font file: its characters fall to the next font
            }
        }
        return found;
    }
}
