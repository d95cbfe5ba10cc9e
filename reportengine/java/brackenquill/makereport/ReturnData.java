package brackenquill.makereport;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Paths;

// A saved return file: the person who owns it and, when the file has one, the spouse.
public class ReturnData
{
    public PersonData self;
    public PersonData spouse;

    public static ReturnData read(String path) throws IOException
    {
        StreamReader in = new StreamReader(Files.readAllBytes(Paths.get(path)));
        ReturnData r = new ReturnData();
        r.self = PersonData.read(in);
        if (r.self.province == 0)
            throw new IOException("the return file holds no province");
        r.spouse = PersonData.read(in);
        return r;
    }

    public PersonData person(boolean spouse)
    {
        return spouse ? this.spouse : self;
    }
}
