// Calls the SDK from a real virtual machine through both Java classes,
// against the fake back ends, and checks results and what reached the wire.
// Run with -Xcheck:jni, so that the virtual machine also checks how the
// native functions use it. Ends with "N passed, N failed".
import java.nio.charset.StandardCharsets;
import java.util.Arrays;

public class VarandaJniTest {
    // The calls the test makes, once per class.
    interface Sdk {
        String name();
        int DefinirTipoConexao(byte type);
        int AbrirPortaComunicacao(int port);
        int FecharPortaComunicacao();
        int AcionarRele1(int terminal);
        int Ping(int terminal);
        int RedLedOff(int terminal);
        int LerByteModem();
        int EnviarStringInicializacaoModem(String text);
        int ConectarModem(int port, String init, int tone, String number, int terminal);
        int InserirUsuarioListaAcesso(String card, byte schedule);
        int ReceberRelogio(int terminal, int[] clock);
        int ReceberVersaoFirmware(int terminal, int[] version);
        int ReceberQuantidadeBilhetes(int terminal, int[] count);
        int LerContadorGiro(int terminal, int[] first, int[] second, int[] third);
        int InicializarColetaListaUsuariosBio();
        int SolicitarListaUsuariosComDigital(int terminal);
        int ReceberUsuarioComDigital(int[] id);
        int ReceberPacoteListaUsuariosBio(int terminal);
        int ReceberUsuarioLista(int terminal, StringBuffer record);
        int ColetarBilhete(int terminal, int[] punch, StringBuffer card);
        int EnviarDigitalUsuario(int terminal, String id, byte[] template1, byte[] template2);
        int ReceberTemplateCapturadoCorvo(int terminal, byte[] template);
        int EnviarMensagemPadraoOnLine(int terminal, byte secondLine, String text);
    }

    static final Sdk DEFAULT_PACKAGE = new Sdk() {
        public String name() { return "Varanda"; }
        public int DefinirTipoConexao(byte t) { return Varanda.DefinirTipoConexao(t); }
        public int AbrirPortaComunicacao(int p) { return Varanda.AbrirPortaComunicacao(p); }
        public int FecharPortaComunicacao() { return Varanda.FecharPortaComunicacao(); }
        public int AcionarRele1(int t) { return Varanda.AcionarRele1(t); }
        public int Ping(int t) { return Varanda.Ping(t); }
        public int RedLedOff(int t) { return Varanda.DesLigarLedVermelho(t); }
        public int LerByteModem() { return Varanda.LerByteModem(); }
        public int EnviarStringInicializacaoModem(String s) { return Varanda.EnviarStringInicializacaoModem(s); }
        public int ConectarModem(int p, String i, int t, String n, int term) {
            return Varanda.ConectarModem(p, i, t, n, term);
        }
        public int InserirUsuarioListaAcesso(String c, byte s) { return Varanda.InserirUsuarioListaAcesso(c, s); }
        public int ReceberRelogio(int t, int[] c) { return Varanda.ReceberRelogio(t, c); }
        public int ReceberVersaoFirmware(int t, int[] v) { return Varanda.ReceberVersaoFirmware(t, v); }
        public int ReceberQuantidadeBilhetes(int t, int[] c) { return Varanda.ReceberQuantidadeBilhetes(t, c); }
        public int LerContadorGiro(int t, int[] a, int[] b, int[] c) { return Varanda.LerContadorGiro(t, a, b, c); }
        public int InicializarColetaListaUsuariosBio() { return Varanda.InicializarColetaListaUsuariosBio(); }
        public int SolicitarListaUsuariosComDigital(int t) { return Varanda.SolicitarListaUsuariosComDigital(t); }
        public int ReceberUsuarioComDigital(int[] id) { return Varanda.ReceberUsuarioComDigital(id); }
        public int ReceberPacoteListaUsuariosBio(int t) { return Varanda.ReceberPacoteListaUsuariosBio(t); }
        public int ReceberUsuarioLista(int t, StringBuffer r) { return Varanda.ReceberUsuarioLista(t, r); }
        public int ColetarBilhete(int t, int[] p, StringBuffer c) { return Varanda.ColetarBilhete(t, p, c); }
        public int EnviarDigitalUsuario(int t, String id, byte[] a, byte[] b) {
            return Varanda.EnviarDigitalUsuario(t, id, a, b);
        }
        public int ReceberTemplateCapturadoCorvo(int t, byte[] b) { return Varanda.ReceberTemplateCapturadoCorvo(t, b); }
        public int EnviarMensagemPadraoOnLine(int t, byte l, String s) {
            return Varanda.EnviarMensagemPadraoOnLine(t, l, s);
        }
    };

    static final Sdk MELBROSA = new Sdk() {
        public String name() { return "com.melbrosa.Varanda"; }
        public int DefinirTipoConexao(byte t) { return com.melbrosa.Varanda.DefinirTipoConexao(t); }
        public int AbrirPortaComunicacao(int p) { return com.melbrosa.Varanda.AbrirPortaComunicacao(p); }
        public int FecharPortaComunicacao() { return com.melbrosa.Varanda.FecharPortaComunicacao(); }
        public int AcionarRele1(int t) { return com.melbrosa.Varanda.AcionarRele1(t); }
        public int Ping(int t) { return com.melbrosa.Varanda.Ping(t); }
        public int RedLedOff(int t) { return com.melbrosa.Varanda.DesligarLedVermelho(t); }
        public int LerByteModem() { return com.melbrosa.Varanda.LerByteModem(); }
        public int EnviarStringInicializacaoModem(String s) {
            return com.melbrosa.Varanda.EnviarStringInicializacaoModem(s);
        }
        public int ConectarModem(int p, String i, int t, String n, int term) {
            return com.melbrosa.Varanda.ConectarModem(p, i, t, n, term);
        }
        public int InserirUsuarioListaAcesso(String c, byte s) {
            return com.melbrosa.Varanda.InserirUsuarioListaAcesso(c, s);
        }
        public int ReceberRelogio(int t, int[] c) { return com.melbrosa.Varanda.ReceberRelogio(t, c); }
        public int ReceberVersaoFirmware(int t, int[] v) { return com.melbrosa.Varanda.ReceberVersaoFirmware(t, v); }
        public int ReceberQuantidadeBilhetes(int t, int[] c) { return com.melbrosa.Varanda.ReceberQuantidadeBilhetes(t, c); }
        public int LerContadorGiro(int t, int[] a, int[] b, int[] c) { return com.melbrosa.Varanda.LerContadorGiro(t, a, b, c); }
        public int InicializarColetaListaUsuariosBio() { return com.melbrosa.Varanda.InicializarColetaListaUsuariosBio(); }
        public int SolicitarListaUsuariosComDigital(int t) { return com.melbrosa.Varanda.SolicitarListaUsuariosComDigital(t); }
        public int ReceberUsuarioComDigital(int[] id) { return com.melbrosa.Varanda.ReceberUsuarioComDigital(id); }
        public int ReceberPacoteListaUsuariosBio(int t) { return com.melbrosa.Varanda.ReceberPacoteListaUsuariosBio(t); }
        public int ReceberUsuarioLista(int t, StringBuffer r) { return com.melbrosa.Varanda.ReceberUsuarioLista(t, r); }
        public int ColetarBilhete(int t, int[] p, StringBuffer c) { return com.melbrosa.Varanda.ColetarBilhete(t, p, c); }
        public int EnviarDigitalUsuario(int t, String id, byte[] a, byte[] b) {
            return com.melbrosa.Varanda.EnviarDigitalUsuario(t, id, a, b);
        }
        public int ReceberTemplateCapturadoCorvo(int t, byte[] b) { return com.melbrosa.Varanda.ReceberTemplateCapturadoCorvo(t, b); }
        public int EnviarMensagemPadraoOnLine(int t, byte l, String s) {
            return com.melbrosa.Varanda.EnviarMensagemPadraoOnLine(t, l, s);
        }
    };

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

    static byte[] bytes(String s) { return s.getBytes(StandardCharsets.UTF_8); }

    // A closed port and empty fakes at the start of every case.
    static void fresh(Sdk sdk, String what) {
        context = sdk.name() + ": " + what;
        sdk.FecharPortaComunicacao();
        FakeBackends.reset("serial");
        FakeBackends.reset("tcp");
    }

    static void scalarForms(Sdk sdk) {
        fresh(sdk, "scalar forms");
        check("type 0x81 is 129, not 1", 9, sdk.DefinirTipoConexao((byte) 0x81));
        check("type 1", 0, sdk.DefinirTipoConexao((byte) 1));
        check("open", 0, sdk.AbrirPortaComunicacao(2));
        FakeBackends.reset("tcp");
        check("relay 1", 0, sdk.AcionarRele1(3));
        FakeBackends.queueResult("tcp", "Envia_Dados", 21);
        check("refused ping", 1, sdk.Ping(0x12345));
        check("red LED off", 0, sdk.RedLedOff(7));
        int[][] expected = {{3, 1, 0}, {0x12345, 10, 0}, {7, 28, 0}};
        check("sends", expected.length, FakeBackends.count("tcp", "Envia_Dados"));
        for (int i = 0; i < expected.length; i++) {
            int[] got = FakeBackends.ints("tcp", "Envia_Dados", i);
            check("send " + i + " (terminal, command, length)", Arrays.toString(expected[i]),
                  Arrays.toString(Arrays.copyOf(got, 3)));
        }
        check("LerByteModem off a modem: -1, not 255", -1, sdk.LerByteModem());
        check("close", 0, sdk.FecharPortaComunicacao());
        check("closed port", 2, sdk.AcionarRele1(3));
    }

    static void modemStrings(Sdk sdk) {
        fresh(sdk, "modem strings");
        check("type 3", 0, sdk.DefinirTipoConexao((byte) 3));
        check("not open yet", 2, sdk.EnviarStringInicializacaoModem("ATZ"));
        check("open", 0, sdk.AbrirPortaComunicacao(1));
        FakeBackends.reset("serial");
        check("send ATZ", 0, sdk.EnviarStringInicializacaoModem("ATZ"));
        check("send a non-ASCII text", 0, sdk.EnviarStringInicializacaoModem("AT\u00e9"));
        check("null String", 8, sdk.EnviarStringInicializacaoModem(null));
        FakeBackends.queueResult("serial", "Modem_Str", 3);
        check("refused by the modem", 1, sdk.EnviarStringInicializacaoModem("ATE0"));
        check("texts sent", 3, FakeBackends.count("serial", "Modem_Str"));
        check("null String of a setter", 8, sdk.InserirUsuarioListaAcesso(null, (byte) 1));
        check("first text", bytes("ATZ"), FakeBackends.data("serial", "Modem_Str", 0));
        check("ISO-8859-1 bytes", new byte[] {'A', 'T', (byte) 0xE9}, FakeBackends.data("serial", "Modem_Str", 1));
        FakeBackends.queueResult("serial", "Le_Modem", 5);
        check("modem byte", 5, sdk.LerByteModem());
        check("nothing to read", -1, sdk.LerByteModem());
    }

    static void dial(Sdk sdk) {
        fresh(sdk, "dial");
        check("type 3", 0, sdk.DefinirTipoConexao((byte) 3));
        FakeBackends.queueResult("serial", "Le_Modem", 6);
        check("no dial tone", 6, sdk.ConectarModem(4, "ATZ", 1, "0800", 9));
        check("dial text", bytes("ATDT0800"), FakeBackends.data("serial", "Modem_Str", 1));
        check("no ping after a verdict", 0, FakeBackends.count("serial", "Envia_Dados"));

        FakeBackends.reset("serial");
        FakeBackends.queueResult("serial", "Le_Modem", -1);
        FakeBackends.queueResult("serial", "Le_Modem", 1);
        check("connected", 1, sdk.ConectarModem(4, "ATZ", 0, "123", 9));
        check("pulse dial", bytes("ATDP123"), FakeBackends.data("serial", "Modem_Str", 1));
        check("one ping", 1, FakeBackends.count("serial", "Envia_Dados"));
        check("ping to terminal 9, command 10", "[9, 10, 0]",
              Arrays.toString(Arrays.copyOf(FakeBackends.ints("serial", "Envia_Dados", 0), 3)));

        FakeBackends.reset("serial");
        check("null number", 8, sdk.ConectarModem(4, "ATZ", 1, null, 9));
        check("null initialisation", 8, sdk.ConectarModem(4, null, 1, "123", 9));
        check("empty number", -3, sdk.ConectarModem(4, "ATZ", 1, "", 9));
        check("empty initialisation", -2, sdk.ConectarModem(4, "", 1, "123", 9));
        check("nothing touched", 0, FakeBackends.count("serial", "FinalizaCom")
                                        + FakeBackends.count("serial", "Modem_Str"));
    }

    // The TCP library chosen and its port open, with empty fakes.
    static void openTcp(Sdk sdk, String what) {
        fresh(sdk, what);
        check("type 1", 0, sdk.DefinirTipoConexao((byte) 1));
        check("open", 0, sdk.AbrirPortaComunicacao(1));
        FakeBackends.reset("tcp");
    }

    static int exchanges() {
        return FakeBackends.count("tcp", "Envia_Dados") + FakeBackends.count("tcp", "Recebe_Dados");
    }

    // The fingerprint module's 17-byte answer: status 1, then `data`.
    static byte[] moduleAnswer(int... data) {
        byte[] b = new byte[17];
        b[0] = 1;
        for (int i = 0; i < data.length; i++) b[i + 1] = (byte) data[i];
        return b;
    }

    // Values written always (0 after a failure) and the repacked values.
    static void alwaysWritten(Sdk sdk) {
        openTcp(sdk, "values written always");
        int[] clock = new int[6];
        FakeBackends.queueAnswer("tcp", 40, new byte[] {15, 6, 26, 13, 45, 75});
        check("clock", 0, sdk.ReceberRelogio(3, clock));
        check("second 75 kept", "[15, 6, 26, 13, 45, 75]", Arrays.toString(clock));
        FakeBackends.queueAnswer("tcp", 21, new byte[6]);
        FakeBackends.queueAnswer("tcp", 21, new byte[5]);
        check("clock failed", 1, sdk.ReceberRelogio(3, clock));
        check("zeros after a failure", "[0, 0, 0, 0, 0, 0]", Arrays.toString(clock));
        check("int[5] for the clock", 129, sdk.ReceberRelogio(3, new int[5]));

        int[] version = {-1, 0x7F7F7F7F, 0x12345600, -1, -1, -1, -1};
        FakeBackends.queueAnswer("tcp", 40, new byte[] {14, 0x03, 0x02, 4, 5, 6, 7});
        check("firmware", 0, sdk.ReceberVersaoFirmware(3, version));
        check("element 0", 14, version[0]);
        check("element 1: high byte 2, upper bytes kept", 0x7F7F7F02, version[1]);
        check("element 2: low byte 3, upper bytes kept", 0x12345603, version[2]);
        check("elements 3 to 6", "[4, 5, 6, 7]", Arrays.toString(Arrays.copyOfRange(version, 3, 7)));

        int[] count = {-1};
        FakeBackends.queueAnswer("tcp", 21, new byte[] {1, 44});
        check("punch count failed", 1, sdk.ReceberQuantidadeBilhetes(3, count));
        check("count 0 after a failure", 0, count[0]);
    }

    // Result areas copied as they lie into int[] storage, only on 0.
    static void rawCopies(Sdk sdk) {
        openTcp(sdk, "raw byte copies");
        byte[] answer = new byte[66];
        byte[] bcd = {0x00, 0x01, 0x23, 0x45};
        System.arraycopy(bcd, 0, answer, 2, 4);
        int[] first = {-1}, second = {-1}, third = {-1};
        FakeBackends.queueAnswer("tcp", 40, answer);
        check("counters", 0, sdk.LerContadorGiro(3, first, second, third));
        check("45, 23, 1, 0 as bytes", 0x0001172D, first[0]);
        FakeBackends.queueAnswer("tcp", 21, answer);
        int[] untouched = {-1};
        check("counters failed", 1, sdk.LerContadorGiro(3, untouched, second, third));
        check("nothing written after a failure", -1, untouched[0]);

        // One list record of 16 bytes whose identifier bytes 4..7 read 0, 1, 23, 45.
        byte[] list = new byte[20];
        list[1] = 1;
        list[3] = 16;
        byte[] record = {1, 1, 1, 1, 1, 2, 0x24, 0x46, 0x1A, 0x00, (byte) 0x9A};
        System.arraycopy(record, 0, list, 4, record.length);
        FakeBackends.queueAnswer("tcp", 40, moduleAnswer(0, 0, 0, 20));
        FakeBackends.queueAnswer("tcp", 40, list);
        sdk.InicializarColetaListaUsuariosBio();
        check("list", 0, sdk.SolicitarListaUsuariosComDigital(3));
        int[] id = {-1, -1, -1, -1};
        check("user with fingerprint", 0, sdk.ReceberUsuarioComDigital(id));
        check("identifier bytes 0, 1, 23, 45", 0x2D170100, id[1]);
        check("19, 255, 99 then zero", 0x0063FF13, id[2]);
        check("the unset bytes zero", 0, id[3]);
        int[] after = {-1, -1, -1, -1};
        check("no further record", 128, sdk.ReceberUsuarioComDigital(after));
        check("nothing written", "[-1, -1, -1, -1]", Arrays.toString(after));
    }

    // Texts: the list record's cut per class, the punch text, a null StringBuffer.
    static void texts(Sdk sdk) {
        openTcp(sdk, "texts");
        byte[] list = new byte[20];
        list[1] = 1;
        list[3] = 16;
        System.arraycopy(bytes("ABCDEFGHIJKLMNOP"), 0, list, 4, 16);
        FakeBackends.queueAnswer("tcp", 40, moduleAnswer(0, 0, 0, 20));
        FakeBackends.queueAnswer("tcp", 40, list);
        sdk.InicializarColetaListaUsuariosBio();
        check("package", 0, sdk.ReceberPacoteListaUsuariosBio(3));
        StringBuffer text = new StringBuffer(">");
        check("list record", 0, sdk.ReceberUsuarioLista(3, text));
        check("cut per class", sdk == DEFAULT_PACKAGE ? ">ABCDEFGHIJ" : ">ABCDEFGHIJKLMNOP", text.toString());
        check("no further record", 128, sdk.ReceberUsuarioLista(3, text));
        check("nothing appended", sdk == DEFAULT_PACKAGE ? 11 : 17, text.length());

        FakeBackends.reset("tcp");
        int[] punch = {-1, -1, -1, -1, -1, -1};
        check("null StringBuffer", 8, sdk.ColetarBilhete(3, punch, null));
        check("null array", 8, sdk.ColetarBilhete(3, null, new StringBuffer()));
        check("nothing sent or asked", 0, exchanges());
        check("array untouched", "[-1, -1, -1, -1, -1, -1]", Arrays.toString(punch));
        // The identifier differs per class, so that the second is no repeat.
        byte[] rec = {3, 28, 2, 26, 7, 59, 0, 0, 0, 0, 0, 0x12, (byte) 0xAB, (byte) 0xCD, 0,
                      (byte) (sdk == DEFAULT_PACKAGE ? 1 : 2)};
        FakeBackends.queueAnswer("tcp", 40, rec);
        StringBuffer card = new StringBuffer();
        check("punch", 0, sdk.ColetarBilhete(3, punch, card));
        check("punch values", "[3, 28, 2, 26, 7, 59]", Arrays.toString(punch));
        check("card text", "000000000012abcd", card.toString());

        FakeBackends.reset("tcp");
        check("online message, null text", 8, sdk.EnviarMensagemPadraoOnLine(3, (byte) 0, null));
        check("nothing sent", 0, exchanges());
        check("online message", 0, sdk.EnviarMensagemPadraoOnLine(3, (byte) 0, "BOM DIA"));
        check("one send", 1, FakeBackends.count("tcp", "Envia_Dados"));
    }

    // Byte arrays worked on in place; the fingerprint record with one or two templates.
    static void byteArrays(Sdk sdk) {
        openTcp(sdk, "byte arrays");
        byte[] template = new byte[404];
        for (int i = 0; i < template.length; i++) template[i] = (byte) (i * 7);
        FakeBackends.queueAnswer("tcp", 40, template);
        byte[] got = new byte[404];
        check("captured template", 0, sdk.ReceberTemplateCapturadoCorvo(3, got));
        check("written into the Java array", template, got);
        check("byte[403]", 129, sdk.ReceberTemplateCapturadoCorvo(3, new byte[403]));

        FakeBackends.reset("tcp");
        byte[] second = new byte[404];
        Arrays.fill(second, (byte) 0x22);
        check("one template", 0, sdk.EnviarDigitalUsuario(6, "12345", template, null));
        check("two templates", 0, sdk.EnviarDigitalUsuario(6, "12345", template, second));
        check("null identifier", 8, sdk.EnviarDigitalUsuario(6, null, template, second));
        check("records sent", 2, FakeBackends.count("tcp", "Envia_Dados"));
        check("null second template: 472 bytes", 472, FakeBackends.data("tcp", "Envia_Dados", 0).length);
        check("two templates: 876 bytes", 876, FakeBackends.data("tcp", "Envia_Dados", 1).length);
    }

    public static void main(String[] args) {
        for (Sdk sdk : new Sdk[] {DEFAULT_PACKAGE, MELBROSA}) {
            scalarForms(sdk);
            modemStrings(sdk);
            dial(sdk);
            alwaysWritten(sdk);
            rawCopies(sdk);
            texts(sdk);
            byteArrays(sdk);
        }
        DEFAULT_PACKAGE.FecharPortaComunicacao();
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
