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
        check("modified UTF-8 bytes", new byte[] {'A', 'T', (byte) 0xC3, (byte) 0xA9},
              FakeBackends.data("serial", "Modem_Str", 1));
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

    public static void main(String[] args) {
        for (Sdk sdk : new Sdk[] {DEFAULT_PACKAGE, MELBROSA}) {
            scalarForms(sdk);
            modemStrings(sdk);
            dial(sdk);
        }
        DEFAULT_PACKAGE.FecharPortaComunicacao();
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
