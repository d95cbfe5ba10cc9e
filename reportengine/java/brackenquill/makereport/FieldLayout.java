package brackenquill.makereport;

import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.HashMap;
import java.util.Map;

// The field table of one form, slip or note class, from the data class that the
// program generates for it (KEYS, KINDS, CODES and the rows' ROW_KEYS, ROW_CODES).
public class FieldLayout
{
    public final String className;
    public final String[] keys;
    public final int[] codes;
    public final String[][] rowKeys;
    public final int[][] rowCodes;

    private static final Map<Integer, FieldLayout> forms = new HashMap<Integer, FieldLayout>();
    private static final Map<Integer, FieldLayout> slips = new HashMap<Integer, FieldLayout>();
    private static final Map<Integer, String> slipNames = new HashMap<Integer, String>();
    private static FieldLayout note;
    private static boolean loaded = false;

    private FieldLayout(String className, String[] keys, int[] codes, String[][] rowKeys, int[][] rowCodes)
    {
        this.className = className;
        this.keys = keys;
        this.codes = codes;
        this.rowKeys = rowKeys;
        this.rowCodes = rowCodes;
    }

    public int indexOf(String key)
    {
        for (int i = 0; i < keys.length; ++i)
            if (keys[i].equals(key))
                return i;
        return -1;
    }

    static FieldLayout ofClass(String simpleName)
    {
        try {
            Class<?> c = Class.forName("brackenquill.makereport." + simpleName);
            return new FieldLayout(simpleName, (String[]) c.getField("KEYS").get(null),
                                   (int[]) c.getField("CODES").get(null), (String[][]) c.getField("ROW_KEYS").get(null),
                                   (int[][]) c.getField("ROW_CODES").get(null));
        } catch (ReflectiveOperationException e) {
            return null;
        } catch (LinkageError e) {
            return null;
        }
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
