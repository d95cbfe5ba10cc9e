package brackenquill.makereport;

import java.io.IOException;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;

// Reads the values of a return file: little-endian integers and doubles, and
// texts as a byte count followed by UTF-16 code units.
class StreamReader
{
    private final ByteBuffer buf;

    StreamReader(byte[] data)
    {
        buf = ByteBuffer.wrap(data).order(ByteOrder.LITTLE_ENDIAN);
    }

    private void need(int n) throws IOException
    {
        if (n < 0 || buf.remaining() < n)
            throw new IOException("the return file ends early");
    }

    int position() { return buf.position(); }
    int remaining() { return buf.remaining(); }

    int readInt() throws IOException { need(4); return buf.getInt(); }
    int readUShort() throws IOException { need(2); return buf.getShort() & 0xffff; }
    int readUByte() throws IOException { need(1); return buf.get() & 0xff; }
    double readDouble() throws IOException { need(8); return buf.getDouble(); }

    byte[] readBytes(int n) throws IOException
    {
        need(n);
        byte[] out = new byte[n];
        buf.get(out);
        return out;
    }

    void skip(int n) throws IOException
    {
        need(n);
        buf.position(buf.position() + n);
    }

    // Moves to the first run of eight bytes "b" that lies wholly within the next window bytes.
    void skipToMarker(int window)
    {
        int start = buf.position();
        int end = Math.min(buf.limit(), start + window);
        for (int at = start; at + 8 <= end; ++at) {
            int run = 0;
            while (run < 8 && buf.get(at + run) == 0x62)
                ++run;
            if (run == 8) {
                buf.position(at);
                return;
            }
        }
    }

    String readText() throws IOException
    {
        int n = readInt();
        if (n == -1)
            return "";
        if ((n & 1) != 0)
            throw new IOException("a text of odd length");
        return new String(readBytes(n), StandardCharsets.UTF_16LE);
    }

    // A count of items of at least minBytes each that the rest can hold.
    int readCount(int minBytes) throws IOException
    {
        int n = readInt();
        if (n < 0 || (long) n * minBytes > buf.remaining())
            throw new IOException("a damaged count");
        return n;
    }
}
