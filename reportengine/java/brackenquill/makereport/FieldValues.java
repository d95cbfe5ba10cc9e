package brackenquill.makereport;

import java.io.IOException;

// The values of one stored field record, in the order of its class's table.
public class FieldValues
{
    public static final int AMOUNT = 1, INT = 2, FLAG = 3, DATE = 4, TEXT = 5;

    public final int[] kinds;
    public final Object[] values;   // Double for numbers, String for dates and texts

    FieldValues(int[] kinds, Object[] values)
    {
        this.kinds = kinds;
        this.values = values;
    }

    static FieldValues read(StreamReader in) throws IOException
    {
        int n = in.readUShort();
        int[] kinds = new int[n];
        Object[] values = new Object[n];
        for (int i = 0; i < n; ++i) {
            kinds[i] = in.readUByte();
            switch (kinds[i]) {
            case AMOUNT: values[i] = in.readDouble(); break;
            case INT: values[i] = (double) in.readInt(); break;
            case FLAG: values[i] = (double) in.readUByte(); break;
            case DATE:
            case TEXT: values[i] = in.readText(); break;
            default: throw new IOException("an unknown field kind " + kinds[i]);
            }
        }
        return new FieldValues(kinds, values);
    }

    public int count() { return values.length; }

    public boolean isNumber(int i) { return kinds[i] == AMOUNT || kinds[i] == INT || kinds[i] == FLAG; }

    public double number(int i)
    {
        return i >= 0 && i < values.length && values[i] instanceof Double ? (Double) values[i] : 0.0;
    }

    public String text(int i)
    {
        return i >= 0 && i < values.length && values[i] instanceof String ? (String) values[i] : "";
    }
}
