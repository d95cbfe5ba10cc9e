package brackenquill.makereport;

import java.io.IOException;
import java.util.ArrayList;
import java.util.List;

// One form, slip or note of a person with its stored values.
public class ReturnEntry
{
    public static final int FORM = 0, SLIP = 1, NOTE = 3;

    public final int category;
    public final int type;
    public final int id;
    public final int linkedId;
    public int flags;
    public FieldValues fields;
    public final List<List<FieldValues>> rowLists = new ArrayList<List<FieldValues>>();

    ReturnEntry(int category, int type, int id, int linkedId)
    {
        this.category = category;
        this.type = type;
        this.id = id;
        this.linkedId = linkedId;
    }

    // Every object writes its flags, its row lists' count, its fields and then its rows.
    void readObject(StreamReader in) throws IOException
    {
        flags = in.readInt();
        int lists = in.readCount(4);
        fields = FieldValues.read(in);
        for (int l = 0; l < lists; ++l) {
            int rows = in.readCount(2);
            List<FieldValues> list = new ArrayList<FieldValues>(rows);
            for (int r = 0; r < rows; ++r)
                list.add(FieldValues.read(in));
            rowLists.add(list);
        }
    }
}
