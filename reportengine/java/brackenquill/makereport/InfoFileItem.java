package brackenquill.makereport;

// One row of the program's form table: type, name, title and file name.
public class InfoFileItem
{
    public int nFormType;
    public String strName;
    public String strTitle;
    public String strFileName;

    public InfoFileItem(int nType, String name, String title, String fileName)
    {
        nFormType = nType;
        strName = name;
        strTitle = title;
        strFileName = fileName;
    }
}
