package brackenquill.makereport;

import java.util.ArrayList;
import java.util.List;

// The person's name, address and S.I.N. from the T1.
public class Identification
{
    public String firstName = "";
    public String lastName = "";
    public String sin = "";
    public String dateOfBirth = "";   // YYYY/MM/DD as the T1 asks
    public String residence = "";     // province or territory of residence on December 31
    public String email = "";
    public String phone = "";
    public final List<String> address = new ArrayList<String>();

    static Identification of(PersonData person)
    {
        Identification id = new Identification();
        ReturnEntry t1 = person == null ? null : person.firstForm(1);
        FieldLayout layout = FieldLayout.form(1);
        if (t1 == null || layout == null)
            return id;
        id.firstName = text(t1, layout, "FirstName");
        id.lastName = text(t1, layout, "LastName");
        id.sin = text(t1, layout, "SIN").replace(" ", "");
        id.dateOfBirth = text(t1, layout, "DateOfBirth").replaceAll("^(\\d{4})-(\\d{2})-(\\d{2})$", "$1/$2/$3");
        id.email = text(t1, layout, "Email");
        id.phone = text(t1, layout, "Phone");
        id.residence = residence(t1, layout, person.province);
        String street = text(t1, layout, "Street");
        String apt = text(t1, layout, "AptNo");
        if (!apt.isEmpty() && !street.isEmpty())
            street = apt + "-" + street;
        addLine(id.address, text(t1, layout, "CareOf").isEmpty() ? "" : "c/o " + text(t1, layout, "CareOf"));
        addLine(id.address, street);
        addLine(id.address, text(t1, layout, "POBox").isEmpty() ? "" : "PO Box " + text(t1, layout, "POBox"));
        addLine(id.address, text(t1, layout, "RuralRoute").isEmpty() ? "" : "RR " + text(t1, layout, "RuralRoute"));
        String city = join(text(t1, layout, "City"), text(t1, layout, "MailProvince"), " ");
        addLine(id.address, join(city, text(t1, layout, "Postcode"), "  "));
        return id;
    }

    // The province or territory of residence by its name: the T1's own, else the
    // return's province; named from the T1's list of provinces (that of the
    // province of self-employment, the one line of the T1 that lists them).
    private static String residence(ReturnEntry t1, FieldLayout layout, int returnProvince)
    {
        String name = text(t1, layout, "ProvinceName");
        if (!name.isEmpty())
            return name;
        int line = layout.indexOf("ProvinceOfResidence");
        double code = line < 0 ? 0 : t1.fields.number(line);
        int names = layout.indexOf("ProvinceOfBusiness");
        String label = names < 0 ? null : layout.choiceLabel(names, code > 0 ? code : returnProvince);
        return label == null || label.matches("\\d+") ? "" : label;
    }

    private static String text(ReturnEntry e, FieldLayout layout, String key)
    {
        return e.fields.text(layout.indexOf(key)).trim();
    }

    private static void addLine(List<String> lines, String line)
    {
        if (!line.trim().isEmpty())
            lines.add(line.trim());
    }

    private static String join(String a, String b, String between)
    {
        return a.isEmpty() ? b : b.isEmpty() ? a : a + between + b;
    }

    public String fullName()
    {
        return join(firstName, lastName, " ");
    }

    public String sinShown(boolean full)
    {
        return sinShown(sin, full);
    }

    // "1*****789": the first digit and the last three.
    public static String sinShown(String sin, boolean full)
    {
        if (full || sin.length() < 4)
            return sin;
        StringBuilder b = new StringBuilder();
        b.append(sin.charAt(0));
        for (int i = 1; i < sin.length() - 3; ++i)
            b.append('*');
        b.append(sin.substring(sin.length() - 3));
        return b.toString();
    }
}
