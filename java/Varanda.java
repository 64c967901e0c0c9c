// Generated from the operation lists of the Varanda SDK (src/*/*.ops and
// src/jni/java_forms.txt) when the SDK is built; do not edit.

/**
 * The Varanda SDK for Java hosts: one static native method for each operation
 * of the library that has a Java form. Each method returns the operation's
 * code (0 to 255) unless its description gives another result. A null String,
 * a null array or StringBuffer, or an array shorter than the operation needs
 * gives 8, with nothing sent; no method throws.
 */
public class Varanda {
    static {
        System.loadLibrary(System.getProperty("os.name", "").startsWith("Windows") ? "Varanda" : "varanda");
    }

    /**
     * Opens the port (9600 baud; 2400 through the modem entry for type 3). 0 opened; 1 refused;
     * 3 already open; 7 modem open on another type; 4, 5, 6, 10 back end missing.
     */
    public static native int AbrirPortaComunicacao(int port);

    /** Short beep (command 8). Codes as AcionarRele1. */
    public static native int AcionarBipCurto(int terminal);

    /** Long beep (command 9). Codes as AcionarRele1. */
    public static native int AcionarBipLongo(int terminal);

    /** Pulses relay 1 (command 1). 0 sent; 1 not accepted; 2 port not open; 4, 5, 6, 10 back end missing. */
    public static native int AcionarRele1(int terminal);

    /** Pulses relay 2 (command 2). Codes as AcionarRele1. */
    public static native int AcionarRele2(int terminal);

    /** Clears the access schedules and sends the empty table. Codes as EnviarHorariosAcesso. */
    public static native int ApagarHorariosAcesso(int terminal);

    /** Clears the siren times and sends the empty table. Codes as EnviarHorariosSirene. */
    public static native int ApagarHorariosSirene(int terminal);

    /** Empties the access list and sends the empty list. Codes as EnviarListaAcesso. */
    public static native int ApagarListaAcesso(int terminal);

    /**
     * Reopens the port, initialises the modem, dials (tone unless `tone` is 0), waits up to 60 s for the modem's
     * verdict, then pings the terminal up to three times. 1 connected; -1 failed or no answer; -2 `init` null or
     * empty; -3 `number` null, empty or longer than 495 characters; 3, 6, 7 the modem's verdict (no carrier,
     * no dial tone, busy).
     * From Java a null String gives 8, with nothing done.
     */
    public static native int ConectarModem(int port, String init, int tone, String number, int terminal);

    /**
     * Chooses the back end: 0 serial library, 1 TCP library, 2 TCP COM component (the
     * default), 3 modem through the serial library, 4 serial COM component. 0 done; 9 other type.
     */
    public static native int DefinirTipoConexao(byte type);

    /** Red LED off (command 28). Codes as AcionarRele1. */
    public static native int DesLigarLedVermelho(int terminal);

    /** Switches relay 1 off (command 6). Codes as AcionarRele1. */
    public static native int DesabilitarRele1(int terminal);

    /** Switches relay 2 off (command 7). Codes as AcionarRele1. */
    public static native int DesabilitarRele2(int terminal);

    /** Backlight off (command 15). Codes as AcionarRele1. */
    public static native int DesligarBackLite(int terminal);

    /** Intermittent beep off (command 18). Codes as AcionarRele1. */
    public static native int DesligarBipIntermitente(int terminal);

    /** Returns the inserted card (command 21). Codes as AcionarRele1. */
    public static native int DevolverCartao(int terminal);

    /** Retains the inserted card (command 22). Codes as AcionarRele1. */
    public static native int EngolirCartao(int terminal);

    /** Signals access denied (command 3). Codes as AcionarRele1. */
    public static native int EnviarComandoAcessoNegado(int terminal);

    /** Sends the access schedules (command 111, 5,600 bytes; old terminals 103, the first 2,800) and clears them, whatever the result. Codes as AcionarRele1. */
    public static native int EnviarHorariosAcesso(int terminal);

    /** Sends the siren times (command 112, 300 bytes; old terminals 105, the first 150) and clears them, whatever the result. Codes as AcionarRele1. */
    public static native int EnviarHorariosSirene(int terminal);

    /**
     * Sends the access list (115, 110 if refused; 136 in two blocks when large; old terminals 102), then empties it. Codes as
     * AcionarRele1; 128 second block failed; 131 nothing sent, list kept: after a settings change it no longer fits.
     */
    public static native int EnviarListaAcesso(int terminal);

    /**
     * Sends a text to the modem (connection type 3). 0 sent; 1 refused; 2 port not open;
     * 7 not a modem connection; 4 serial library missing; 128 null text.
     */
    public static native int EnviarStringInicializacaoModem(String text);

    /** Closes the port. Nothing is returned. */
    public static native int FecharPortaComunicacao();

    /**
     * Stores one time (hour, minute) of an access schedule. 0 stored; 128 schedule not 1..100 (1..50 for
     * old terminals); 129 day not 1..7; 130 time not 1..4; 131 hour above 23; 132 minute above 59.
     */
    public static native int InserirHorarioAcesso(byte schedule, byte day, byte time, byte hour, byte minute);

    /**
     * Appends one siren time sounding on the weekdays whose flag is non-zero. 0 stored; 128 hour above 23,
     * minute above 59, or the table already holds 100 times.
     */
    public static native int InserirHorarioSirene(byte hour, byte minute, byte day0, byte day1, byte day2, byte day3, byte day4, byte day5, byte day6);

    /**
     * Appends a card and its access schedule. 0 added; 128 card null or (card pattern 0) not 0..65000; 129 text too long;
     * 130 schedule not 1..102 (old terminals 1..52); 131 list full (old: 9,000 entry bytes; else 65,535 entries, 131,070 bytes).
     */
    public static native int InserirUsuarioListaAcesso(String card, byte schedule);

    /**
     * Reads the modem's next result code: the value, or -1 when nothing can be read
     * (also on another connection type or a closed port).
     */
    public static native int LerByteModem();

    /** Brings the terminal online (command 26). Codes as AcionarRele1. */
    public static native int LevantarParaOnLine(int terminal);

    /** Backlight on (command 14). Codes as AcionarRele1. */
    public static native int LigarBackLite(int terminal);

    /** Intermittent beep on (command 17). Codes as AcionarRele1. */
    public static native int LigarBipIntermitente(int terminal);

    /** Red LED on (command 27). Codes as AcionarRele1. */
    public static native int LigarLedVermelho(int terminal);

    /** Holds relay 1 on (command 4). Codes as AcionarRele1. */
    public static native int ManterRele1Acionado(int terminal);

    /** Holds relay 2 on (command 5). Codes as AcionarRele1. */
    public static native int ManterRele2Acionado(int terminal);

    /** Tests that the terminal answers (command 10). Codes as AcionarRele1. */
    public static native int Ping(int terminal);

    /** Tests the terminal in online mode (command 26). Codes as AcionarRele1. */
    public static native int PingOnLine(int terminal);

    /** Resets the online mode (command 11). Codes as AcionarRele1. */
    public static native int ResetarModoOnLine(int terminal);
}
