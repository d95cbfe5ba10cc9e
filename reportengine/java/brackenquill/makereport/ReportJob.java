package brackenquill.makereport;

// What one print job asks for.
public class ReportJob
{
    public static final int MASK_INVOICE = 0x08;
    public static final int MASK_FULL_SIN = 0x10;
    public static final int MASK_CLIENT_LETTER = 0x24;

    public String pdfFolder = "";
    public String xmlFolder = "";
    public String outputFolder = "";
    public int printMask = 0;
    public int kind = 0;
    public boolean header = true;
    public String returnFile = "";
    public ReturnData data;

    public boolean has(int bits) { return (printMask & bits) == bits; }
}
