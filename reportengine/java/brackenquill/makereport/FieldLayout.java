package brackenquill.makereport;

import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.HashMap;
import java.util.Map;

// The field table of one form, slip or note class, from the data class that the
// program generates for it (KEYS, CODES and the rows' ROW_KEYS),
// with the captions the pages show from its <class>Captions, when there is one.
public class FieldLayout
{
    public final String className;
    public final String[] keys;
    public final int[] codes;
    public final String[][] rowKeys;
    // null when the class has no captions; an entry is null for a field not printed
    private String[] captions;
    private String[] choices;
    private String[] lines;
    private boolean[] sins;
    private int[] order;
    private String[][] rowCaptions;
    private String name = "";
    private String title = "";

    private static final Map<Integer, FieldLayout> forms = new HashMap<Integer, FieldLayout>();
    private static final Map<Integer, FieldLayout> slips = new HashMap<Integer, FieldLayout>();
    private static final Map<Integer, String> slipNames = new HashMap<Integer, String>();
    private static FieldLayout note;
    private static boolean loaded = false;

    private FieldLayout(String className, String[] keys, int[] codes, String[][] rowKeys)
    {
        this.className = className;
        this.keys = keys;
        this.codes = codes;
        this.rowKeys = rowKeys;
    }

    public int indexOf(String key)
    {
        for (int i = 0; i < keys.length; ++i)
            if (keys[i].equals(key))
                return i;
        return -1;
    }

    // Whether a page shows the field (i of the fields, or of list l's rows when l >= 0).
    public boolean shown(int l, int i)
    {
        String[] c = l < 0 ? captions : (rowCaptions != null && l < rowCaptions.length ? rowCaptions[l] : null);
        return c == null || (i < c.length && c[i] != null);
    }

    // The caption a page shows; the key when there is none.
    public String caption(int l, int i)
    {
        String[] c = l < 0 ? captions : (rowCaptions != null && l < rowCaptions.length ? rowCaptions[l] : null);
        String[] k = l < 0 ? keys : rowKeys[l];
        if (c != null && i < c.length && c[i] != null && !c[i].isEmpty())
            return c[i];
        return k[i];
    }

    // The label of a coded field's value ("Ontario" for 9); null when the field is not coded.
    public String choiceLabel(int i, double value)
    {
        if (choices == null || i >= choices.length || choices[i].isEmpty())
            return null;
        for (String pair : choices[i].split("\\|")) {
            int eq = pair.indexOf('=');
            if (eq > 0 && pair.substring(0, eq).equals(String.valueOf(Math.round(value))))
                return pair.substring(eq + 1);
        }
        return String.valueOf(Math.round(value));
    }

    // The line or box a page shows beside a field ("30300", "Box 14"); its line
    // code when the class has no captions.
    public String line(int i)
    {
        if (lines != null)
            return i < lines.length ? lines[i] : "";
        return i < codes.length && codes[i] > 0 ? String.valueOf(codes[i]) : "";
    }

    // The name and title a slip is printed under ("T4A(OAS)", "Statement of Old
    // Age Security"); empty when the class has none.
    public String name() { return name == null ? "" : name; }
    public String title() { return title == null ? "" : title; }

    public boolean isSin(int i)
    {
        return sins != null && i < sins.length && sins[i];
    }

    // The fields in the order the pages show them; the stored order without captions.
    public int[] order()
    {
        if (order != null)
            return order;
        int[] stored = new int[keys.length];
        for (int i = 0; i < stored.length; ++i)
            stored[i] = i;
        return stored;
    }

    static FieldLayout ofClass(String simpleName)
    {
        FieldLayout layout;
        try {
            Class<?> c = Class.forName("brackenquill.makereport." + simpleName);
            layout = new FieldLayout(simpleName, (String[]) c.getField("KEYS").get(null),
                                     (int[]) c.getField("CODES").get(null), (String[][]) c.getField("ROW_KEYS").get(null));
        } catch (ReflectiveOperationException e) {
            return null;
        } catch (LinkageError e) {
            return null;
        }
        try {
            Class<?> c = Class.forName("brackenquill.makereport." + simpleName + "Captions");
            layout.captions = (String[]) c.getField("CAPTIONS").get(null);
            layout.choices = (String[]) c.getField("CHOICES").get(null);
            layout.rowCaptions = (String[][]) c.getField("ROW_CAPTIONS").get(null);
            layout.lines = (String[]) c.getField("LINES").get(null);
            layout.sins = (boolean[]) c.getField("SIN").get(null);
            layout.order = (int[]) c.getField("ORDER").get(null);
        } catch (ReflectiveOperationException e) {
            // printed by their keys
        } catch (LinkageError e) {
            // printed by their keys
        }
        try {
            Class<?> c = Class.forName("brackenquill.makereport." + simpleName + "Captions");
            layout.name = (String) c.getField("NAME").get(null);
            layout.title = (String) c.getField("TITLE").get(null);
        } catch (ReflectiveOperationException e) {
            // no name of its own
        } catch (LinkageError e) {
            // no name of its own
        }
        return layout;
    }

    // Each constant CONST_<name> of a type table names the data class <name>.
    private static void collect(String table, Map<Integer, FieldLayout> into, Map<Integer, String> names)
    {
        try {
            Class<?> c = Class.forName("brackenquill.makereport." + table);
            for (Field f : c.getDeclaredFields()) {
                if (!Modifier.isStatic(f.getModifiers()) || f.getType() != int.class || !f.getName().startsWith("CONST_"))
                    continue;
                f.setAccessible(true);
                int type = f.getInt(null);
                String name = f.getName().substring(6);
                if (names != null)
                    names.put(type, name);
                FieldLayout layout = ofClass(name);
                if (layout != null)
                    into.put(type, layout);
            }
        } catch (ReflectiveOperationException e) {
            // a missing table leaves its entries without layouts
        }
    }

    static synchronized void load()
    {
        if (loaded)
            return;
        collect("TaxFormType", forms, null);
        collect("SlipDataType", slips, slipNames);
        note = ofClass("NoteData_General");
        loaded = true;
    }

    public static FieldLayout form(int type) { load(); return forms.get(type); }
    public static FieldLayout slip(int type) { load(); return slips.get(type); }
    public static FieldLayout note() { load(); return note; }
    public static String slipName(int type) { load(); return slipNames.get(type); }
}
