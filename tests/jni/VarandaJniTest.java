// Calls the SDK from a real virtual machine through both Java classes, one
// case for each kind of Java form, against the fake back ends. Run with
// -Xcheck:jni, so that the virtual machine checks how the native functions
// use it; what each form writes and refuses is tested form by form in
// jni_exports_test.cpp and jni_custom_forms_test.cpp. Ends with
// "N passed, N failed".
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;

public class VarandaJniTest {
    static int passed, failed;
    static String context = "";

    static void check(String what, Object expected, Object actual) {
        boolean ok = expected instanceof byte[] ? Arrays.equals((byte[]) expected, (byte[]) actual)
                                                : expected.equals(actual);
        if (ok) {
            passed++;
        } else {
            failed++;
            System.out.println("FAILED " + context + ": " + what + ": expected " + show(expected) + ", got "
                               + show(actual));
        }
    }

    static String show(Object o) { return o instanceof byte[] ? Arrays.toString((byte[]) o) : String.valueOf(o); }

    // The static native method `name` of `sdk` (each name is declared once per class).
    static int call(Class<?> sdk, String name, Object... args) throws ReflectiveOperationException {
        for (Method m : sdk.getMethods())
            if (m.getName().equals(name)) return (Integer) m.invoke(null, args);
        throw new NoSuchMethodException(sdk.getName() + "." + name);
    }

    // The port closed, `type` chosen and opened, the fakes emptied.
    static void open(Class<?> sdk, String what, byte type) throws ReflectiveOperationException {
        context = sdk.getName() + ": " + what;
        call(sdk, "FecharPortaComunicacao");
        check("type", 0, call(sdk, "DefinirTipoConexao", type));
        check("open", 0, call(sdk, "AbrirPortaComunicacao", 1));
        FakeBackends.reset("serial");
        FakeBackends.reset("tcp");
    }

    static void forms(Class<?> sdk) throws ReflectiveOperationException {
        open(sdk, "int and String forms", (byte) 3);
        check("String", 0, call(sdk, "EnviarStringInicializacaoModem", "AT\u00e9"));
        check("ISO-8859-1 bytes", new byte[] {'A', 'T', (byte) 0xE9}, FakeBackends.data("serial", "Modem_Str", 0));
        check("null String", 8, call(sdk, "EnviarStringInicializacaoModem", (Object) null));
        check("32-bit result", -1, call(sdk, "LerByteModem"));

        open(sdk, "array and StringBuffer forms", (byte) 1);
        check("int and byte", 0, call(sdk, "AcionarRele1", 3));
        check("(terminal, command, length)", "[3, 1, 0]",
              Arrays.toString(Arrays.copyOf(FakeBackends.ints("tcp", "Envia_Dados", 0), 3)));

        byte[] template = new byte[404];
        for (int i = 0; i < template.length; i++) template[i] = (byte) (i * 7);
        FakeBackends.queueAnswer("tcp", 40, template);
        byte[] got = new byte[404];
        check("byte[] in place", 0, call(sdk, "ReceberTemplateCapturadoCorvo", 3, got));
        check("written into the Java array", template, got);
        check("one template", 0, call(sdk, "EnviarDigitalUsuario", 6, "12345", template, null));
        int last = FakeBackends.count("tcp", "Envia_Dados") - 1;
        check("a record of 472 bytes", 472, FakeBackends.data("tcp", "Envia_Dados", last).length);

        int[] clock = new int[6];
        FakeBackends.queueAnswer("tcp", 40, new byte[] {15, 6, 26, 13, 45, 75});
        check("int[] written always", 0, call(sdk, "ReceberRelogio", 3, clock));
        check("clock", "[15, 6, 26, 13, 45, 75]", Arrays.toString(clock));
        check("int[5] for the clock: 128 + its position", 129, call(sdk, "ReceberRelogio", 3, new int[5]));

        byte[] counters = new byte[66];
        counters[2] = 0x00; counters[3] = 0x01; counters[4] = 0x23; counters[5] = 0x45;
        FakeBackends.queueAnswer("tcp", 40, counters);
        int[] first = {-1}, second = {-1}, third = {-1};
        check("bytes into int[] storage", 0, call(sdk, "LerContadorGiro", 3, first, second, third));
        check("45, 23, 1, 0 as bytes", 0x0001172D, first[0]);

        byte[] punch = {3, 28, 2, 26, 7, 59, 0, 0, 0, 0, 0, 0x12, (byte) 0xAB, (byte) 0xCD, 0,
                        (byte) (sdk == Varanda.class ? 1 : 2)};  // no repeat of the other class's
        FakeBackends.queueAnswer("tcp", 40, punch);
        int[] values = new int[6];
        StringBuffer card = new StringBuffer();
        check("int[] and StringBuffer", 0, call(sdk, "ColetarBilhete", 3, values, card));
        check("punch values", "[3, 28, 2, 26, 7, 59]", Arrays.toString(values));
        check("card text", "000000000012abcd", card.toString());
        check("null StringBuffer", 8, call(sdk, "ColetarBilhete", 3, values, null));
        call(sdk, "FecharPortaComunicacao");
    }

    public static void main(String[] args) throws ReflectiveOperationException {
        forms(Varanda.class);
        forms(com.melbrosa.Varanda.class);
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
