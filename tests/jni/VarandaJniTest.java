// Calls the SDK from a real virtual machine through both Java classes, one
// case for each kind of Java form, against the fake TCP back end. Run with
// -Xcheck:jni, so that the virtual machine checks how the native functions
// use it; what each form writes and refuses is jni_forms_test.cpp's. Ends
// with "N passed, N failed".
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;

public class VarandaJniTest {
    static int passed, failed;

    static void check(Class<?> sdk, String what, Object expected, Object actual) {
        if (expected.equals(actual)) {
            passed++;
        } else {
            failed++;
            System.out.println("FAILED " + sdk.getName() + ": " + what + ": expected " + expected + ", got " + actual);
        }
    }

    // The static native method `name` of `sdk` (each name is declared once per class).
    static int call(Class<?> sdk, String name, Object... args) throws ReflectiveOperationException {
        for (Method m : sdk.getMethods())
            if (m.getName().equals(name)) return (Integer) m.invoke(null, args);
        throw new NoSuchMethodException(sdk.getName() + "." + name);
    }

    static void forms(Class<?> sdk) throws ReflectiveOperationException {
        check(sdk, "byte, int", 0, call(sdk, "DefinirTipoConexao", (byte) 1) + call(sdk, "AbrirPortaComunicacao", 1));
        FakeBackends.reset();
        check(sdk, "String", 0, call(sdk, "EnviarMensagemPadraoOnLine", 3, (byte) 0, "Ol\u00e9"));
        check(sdk, "ISO-8859-1 bytes", true,
              new String(FakeBackends.lastSent(), StandardCharsets.ISO_8859_1).contains("Ol\u00e9"));

        byte[] template = new byte[404], got = new byte[404];
        for (int i = 0; i < template.length; i++) template[i] = (byte) (i * 7);
        FakeBackends.queueAnswer(40, template);
        check(sdk, "byte[] in place", 0, call(sdk, "ReceberTemplateCapturadoCorvo", 3, got));
        check(sdk, "written into the Java array", true, Arrays.equals(template, got));
        check(sdk, "String and byte[]", 0, call(sdk, "EnviarDigitalUsuario", 6, "12345", template, null));
        check(sdk, "one template: a record of 472 bytes", 472, FakeBackends.lastSent().length);

        int[] clock = new int[6];
        FakeBackends.queueAnswer(40, new byte[] {15, 6, 26, 13, 45, 75});
        check(sdk, "int[] written always", 0, call(sdk, "ReceberRelogio", 3, clock));
        check(sdk, "clock", "[15, 6, 26, 13, 45, 75]", Arrays.toString(clock));

        byte[] counters = new byte[66];
        counters[3] = 0x01; counters[4] = 0x23; counters[5] = 0x45;
        FakeBackends.queueAnswer(40, counters);
        int[] first = {-1}, second = {-1}, third = {-1};
        check(sdk, "bytes into int[] storage", 0, call(sdk, "LerContadorGiro", 3, first, second, third));
        check(sdk, "45, 23, 1, 0 as bytes", 0x0001172D, first[0]);

        byte[] punch = {3, 28, 2, 26, 7, 59, 0, 0, 0, 0, 0, 0x12, (byte) 0xAB, (byte) 0xCD, 0,
                        (byte) (sdk == Varanda.class ? 1 : 2)};  // no repeat of the other class's
        FakeBackends.queueAnswer(40, punch);
        int[] values = new int[6];
        StringBuffer card = new StringBuffer();
        check(sdk, "int[] and StringBuffer", 0, call(sdk, "ColetarBilhete", 3, values, card));
        check(sdk, "punch", "[3, 28, 2, 26, 7, 59] 000000000012abcd", Arrays.toString(values) + " " + card);
        call(sdk, "FecharPortaComunicacao");
    }

    public static void main(String[] args) throws ReflectiveOperationException {
        forms(Varanda.class);
        forms(com.melbrosa.Varanda.class);
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
