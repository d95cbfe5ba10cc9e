import java.io.FileOutputStream;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.HashMap;
import java.util.Map;
import org.objectweb.asm.ClassReader;
import org.objectweb.asm.ClassWriter;
import org.objectweb.asm.commons.ClassRemapper;
import org.objectweb.asm.commons.SimpleRemapper;

// Build-time tool: gives the engine's entry class the method names that Java
// source cannot spell (do, if, for, int, new). Each method written as "do_",
// "if_", "for_", "int_" or "new_" loses its trailing underscore, whatever its
// signature. Usage: RenameEntry <in.class> <out.class>
public class RenameEntry
{
    private static final String[] KEYWORDS = {"do", "if", "for", "int", "new"};

    public static void main(String[] args) throws Exception
    {
        if (args.length != 2) {
            System.err.println("usage: RenameEntry <in.class> <out.class>");
            System.exit(2);
        }
        byte[] input = Files.readAllBytes(Paths.get(args[0]));
        ClassReader reader = new ClassReader(input);
        final String owner = reader.getClassName();
        final Map<String, String> names = new HashMap<String, String>();
        reader.accept(new org.objectweb.asm.ClassVisitor(org.objectweb.asm.Opcodes.ASM9) {
            @Override
            public org.objectweb.asm.MethodVisitor visitMethod(int access, String name, String desc,
                                                               String signature, String[] exceptions)
            {
                for (String k : KEYWORDS)
                    if (name.equals(k + "_"))
                        names.put(owner + "." + name + desc, k);
                return null;
            }
        }, ClassReader.SKIP_CODE);
        ClassWriter writer = new ClassWriter(0);
        reader.accept(new ClassRemapper(writer, new SimpleRemapper(names)), 0);
        try (FileOutputStream out = new FileOutputStream(args[1])) {
            out.write(writer.toByteArray());
        }
    }
}
