package brackenquill.makereport;

import java.io.File;
import java.io.IOException;
import java.io.OutputStream;
import java.io.RandomAccessFile;
import java.nio.charset.StandardCharsets;
import java.nio.file.FileAlreadyExistsException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.nio.file.attribute.PosixFilePermissions;

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

    // The PDF goes to an owner-only temporary beside it, which replaces an
    // earlier PDF of the same name only once it is written whole.
    public int write(boolean spouse, int category, int entryId)
    {
        if (job.data == null)
            return NOTHING_READ;
        PersonData person = job.data.person(spouse);
        // one entry printed alone does not take the name of the whole return's copy
        String selection = job.kind == 0 ? ClientCopy.selectionSuffix(person, category, entryId) : "";
        File out = new File(job.outputFolder, fileStem(spouse) + selection + ".pdf");
        Path temporary = null;
        try {
            temporary = privateTemporary(out);
            try (OutputStream stream = Files.newOutputStream(temporary)) {
                if (job.kind != 0)
                    new CondensedPrint(person).write(stream);
                else
                    new ClientCopy(job, person).write(stream, category, entryId);
            }
            if (!isWholePdf(temporary.toFile()))
                throw new IOException("the PDF written is not whole");
            Files.move(temporary, out.toPath(), StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        } catch (Exception e) {
            System.err.println("report engine: " + out.getPath() + ": " + e);
            if (temporary != null)
                temporary.toFile().delete();
            return WRITE_FAILED;
        }
        pdfName = out.getPath();
        return WRITE_OK;
    }

    private static Path privateTemporary(File out) throws IOException
    {
        Path folder = out.getAbsoluteFile().getParentFile().toPath();
        makePrivateFolders(folder);
        String prefix = "." + out.getName() + ".";
        try {
            return Files.createTempFile(folder, prefix, ".part",
                                        PosixFilePermissions.asFileAttribute(PosixFilePermissions.fromString("rw-------")));
        } catch (UnsupportedOperationException e) {
            return Files.createTempFile(folder, prefix, ".part");   // no POSIX modes on this file system
        }
    }

    // The folder and those missing above it, made owner-only.
    static void makePrivateFolders(Path folder) throws IOException
    {
        if (Files.isDirectory(folder))
            return;
        Path parent = folder.getParent();
        if (parent != null)
            makePrivateFolders(parent);
        try {
            Files.createDirectory(folder, PosixFilePermissions.asFileAttribute(PosixFilePermissions.fromString("rwx------")));
        } catch (UnsupportedOperationException e) {
            Files.createDirectory(folder);   // no POSIX modes on this file system
        } catch (FileAlreadyExistsException e) {
            if (!Files.isDirectory(folder))
                throw e;
        }
    }

    // iText ends a document it closed with its trailer: "%%EOF" in the last bytes.
    static boolean isWholePdf(File pdf) throws IOException
    {
        try (RandomAccessFile f = new RandomAccessFile(pdf, "r")) {
            long size = f.length();
            if (size < 16)
                return false;
            byte[] head = new byte[5];
            f.readFully(head);
            int tailSize = (int) Math.min(size, 64);
            byte[] tail = new byte[tailSize];
            f.seek(size - tailSize);
            f.readFully(tail);
            return new String(head, StandardCharsets.ISO_8859_1).equals("%PDF-")
                && new String(tail, StandardCharsets.ISO_8859_1).trim().endsWith("%%EOF");
        }
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
