package brackenquill.makereport;

import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStream;

// One report job: the saved return read back, then the PDF written.
public class ReportWriter
{
    public static final int READ_OK = 0;
    public static final int READ_FAILED = 2;
    public static final int NO_BARCODE_DATA = 5166;
    public static final int OLDER_VERSION = 5167;
    public static final int WRITE_OK = 0;
    public static final int WRITE_FAILED = 1;
    public static final int NOTHING_READ = 2;

    private final ReportJob job = new ReportJob();
    private String pdfName = "";

    public ReportJob job() { return job; }

    public void prepare()
    {
        FieldLayout.load();
    }

    public int read(String path)
    {
        job.returnFile = path == null ? "" : path;
        try {
            job.data = ReturnData.read(job.returnFile);
        } catch (IOException e) {
            System.err.println("report engine: " + e.getMessage());
            job.data = null;
            return READ_FAILED;
        }
        if (job.data.self.version < PersonData.CURRENT_VERSION)
            return OLDER_VERSION;
        return job.data.self.t1Block == null ? NO_BARCODE_DATA : READ_OK;
    }

    public int write(boolean spouse, int category, int entryId)
    {
        if (job.data == null)
            return NOTHING_READ;
        PersonData person = job.data.person(spouse);
        // one entry printed alone does not take the name of the whole return's copy
        String selection = job.kind == 0 ? ClientCopy.selectionSuffix(person, category, entryId) : "";
        File out = new File(job.outputFolder, fileStem(spouse) + selection + ".pdf");
        try (OutputStream stream = new FileOutputStream(out)) {
            if (job.kind != 0)
                new CondensedPrint(person).write(stream);
            else
                new ClientCopy(job, person).write(stream, category, entryId);
        } catch (Exception e) {
            System.err.println("report engine: " + out.getPath() + ": " + e);
            return WRITE_FAILED;
        }
        pdfName = out.getPath();
        return WRITE_OK;
    }

    private String fileStem(boolean spouse)
    {
        String stem = new File(job.returnFile).getName();
        int dot = stem.lastIndexOf('.');
        if (dot > 0)
            stem = stem.substring(0, dot);
        if (spouse)
            stem += "_spouse";
        if (job.kind != 0)
            stem += "_2D";
        return stem;
    }

    public String pdfName() { return pdfName; }
}
