package brackenquill.makereport;

import java.io.IOException;
import java.util.ArrayList;
import java.util.List;

// The block of one person in a return file, with its barcode texts.
public class PersonData
{
    public static final int CURRENT_VERSION = 66098;

    public int version;
    public int taxYear;
    public int province;
    public final List<ReturnEntry> forms = new ArrayList<ReturnEntry>();
    public final List<ReturnEntry> slips = new ArrayList<ReturnEntry>();
    public final List<ReturnEntry> notes = new ArrayList<ReturnEntry>();
    public byte[] t1Block;                                   // null without barcode data
    public final List<byte[]> sfdBlocks = new ArrayList<byte[]>();

    static PersonData read(StreamReader in) throws IOException
    {
        PersonData p = new PersonData();
        p.readBlock(in);
        return p;
    }

    private void readBlock(StreamReader in) throws IOException
    {
        version = in.readInt();
        taxYear = in.readInt();
        if (version < 65536 || version > CURRENT_VERSION)
            throw new IOException("a person block of version " + version);
        if (version > 65988)
            in.readInt();
        if (version > 65865)
            in.readInt();
        int slots = in.readCount(8);
        for (int i = 0; i < slots; ++i) {
            in.readInt();
            in.readText();
        }
        in.readInt();   // next entry id
        province = in.readInt();
        readForms(in);
        readSlips(in);
        if (version > 65715)
            readNotes(in);
        if (version > 65776)
            readBarcodeSection(in);
    }

    private void readForms(StreamReader in) throws IOException
    {
        int n = in.readCount(4);
        for (int i = 0; i < n; ++i) {
            int type = in.readInt();
            int id = 0, linked = 0;
            if (version > 65855) {
                id = in.readInt();
                linked = in.readInt();
            }
            ReturnEntry e = new ReturnEntry(ReturnEntry.FORM, type, id, linked);
            e.readObject(in);
            forms.add(e);
        }
    }

    private void readSlips(StreamReader in) throws IOException
    {
        int n = in.readCount(8);
        for (int i = 0; i < n; ++i) {
            int type = in.readInt();
            int id = in.readInt();
            int linked = version > 65856 ? in.readInt() : 0;
            ReturnEntry e = new ReturnEntry(ReturnEntry.SLIP, type, id, linked);
            e.readObject(in);
            slips.add(e);
        }
    }

    private void readNotes(StreamReader in) throws IOException
    {
        int n = in.readCount(8);
        for (int i = 0; i < n; ++i) {
            in.readInt();
            int id = in.readInt();
            ReturnEntry e = new ReturnEntry(ReturnEntry.NOTE, 1, id, 0);
            e.readObject(in);
            notes.add(e);
        }
    }

    // Eight bytes "b", the block, eight bytes "b".
    private void readBarcodeSection(StreamReader in) throws IOException
    {
        in.skip(8);
        int n = in.readInt();
        if (n < 1) {
            in.skip(8);
            return;
        }
        t1Block = in.readBytes(n);
        int m = in.remaining() >= 4 ? in.readInt() : 0;
        if (m > 0 && version < 66064) {
            // older files may hold SFD blocks whose lengths do not match: go to the closing marker
            in.skipToMarker(3100);
            in.skip(8);
            return;
        }
        for (int i = 0; i < m; ++i) {
            int k = in.readInt();
            if (k > 0)
                sfdBlocks.add(in.readBytes(k));
        }
        in.skip(8);
    }

    public ReturnEntry firstForm(int type)
    {
        for (ReturnEntry e : forms)
            if (e.type == type)
                return e;
        return null;
    }
}
