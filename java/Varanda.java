// Generated from the operation lists of the Varanda SDK (src/*/*.ops and
// src/jni/java_forms.txt) when the SDK is built; do not edit.

/**
 * The Varanda SDK for Java hosts: one static native method for each operation
 * of the library that has a Java form. Each method returns the operation's
 * code (0 to 255) unless its description gives another result. A null String,
 * array or StringBuffer gives 8, an array shorter than the operation needs
 * 128 + its position among the arguments (counted from 0), with nothing sent;
 * no method throws. Texts go to the terminal as ISO-8859-1 (a character
 * outside it as '?') and come back from it the same way.
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

    /** Restores the default texts and sends them (command 106). Codes as EnviarMensagensOffLine. */
    public static native int ApagarMensagensOffLine(int terminal);

    /**
     * Deletes every user; the text (up to 10 characters) goes with the request (command 177).
     * 0 sent; 128 null text, nothing sent.
     */
    public static native int ApagarTodosUsuariosOssel(int terminal, String text);

    /** Deletes one user (command 176). 0 sent; 128 null or empty identifier, nothing sent. */
    public static native int ApagarUsuarioOssel(int terminal, String id);

    /**
     * Writes the three turnstile counters (command 125; each value's four bytes as they lie in
     * memory, lowest first), then reads the terminal's answer 225. The code of the step that failed, else 0.
     * Element 0 of each array gives the counter's value; nothing is written.
     * Arrays: first: at least 1 element; second: at least 1 element; third: at least 1 element.
     */
    public static native int AtribuirContadorGiro(int terminal, int[] first, int[] second, int[] third);

    /** Warn when the punch memory is full (byte 15), 1 for non-zero. Always 0. */
    public static native int AvisarQuandoMemoriaCheia(byte warn);

    /** Master card release (byte 18): stores 1 for 0 and 0 for any other value. Always 0. */
    public static native int CartaoMasterLiberaAcesso(byte releases);

    /**
     * Collects one punch (answer 204): six bytes and 16 characters of card text (decimal in card pattern 0,
     * hexadecimal in 1, not terminated). 128 the terminal offered its last punch again; 1 none stored
     * (serial COM component); 129..135 null pointer. Nothing written unless 0.
     * punch[0..5]: type, day, month, year, hour, minute; the 16-character card
     * text appended; both on 0 only.
     * Arrays: punch: at least 6 elements.
     */
    public static native int ColetarBilhete(int terminal, int[] punch, StringBuffer card);

    /**
     * Sends a 404-byte template to compare with the finger on the reader (command 123). 0 sent;
     * 129 null template; other codes as SolicitarModeloBio.
     * Arrays: template_: at least 404 elements.
     */
    public static native int CompararDigitalLeitor(int terminal, byte[] template_);

    /** Compares a PIN (command 178). 0 sent; 128 null or empty PIN, nothing sent. */
    public static native int CompararPINOssel(int terminal, String pin);

    /**
     * Sends a 220-byte template to compare (command 170). 0 sent; 129 null template; 1 not accepted;
     * 2 port not open.
     * Arrays: template_: at least 220 elements.
     */
    public static native int CompararTemplateOssel(int terminal, byte[] template_);

    /**
     * Reopens the port, initialises the modem, dials (tone unless `tone` is 0), waits up to 60 s for the modem's
     * verdict, then pings the terminal up to three times. 1 connected; -1 failed or no answer; -2 `init` null or
     * empty; -3 `number` null, empty or longer than 495 characters; 3, 6, 7 the modem's verdict (no carrier,
     * no dial tone, busy).
     * From Java a null String gives 8, with nothing done.
     */
    public static native int ConectarModem(int port, String init, int tone, String number, int terminal);

    /** Relay 1 activation mode 0..9 (byte 2) and time 0..50 (byte 4). 0 stored; 128 either out of range. */
    public static native int ConfigurarAcionamento1(byte mode, byte time);

    /** Relay 2 activation mode 0..9 (byte 3) and time 0..50 (byte 5). 0 stored; 128 either out of range. */
    public static native int ConfigurarAcionamento2(byte mode, byte time);

    /** Quality: value1 30..100 (else 128), value2 10..100 (else 129). */
    public static native int ConfigurarAjustesQualidadeBio(int terminal, byte value1, byte value2);

    /** Security: value1 6..9 (else 128), value2 1..9 (else 129). */
    public static native int ConfigurarAjustesSegurancaBio(int terminal, byte value1, byte value2);

    /** Sensitivity: value1 1, 2, 4 or 8 (else 128), value2 0..100 (else 129), value3 0..100 (else 130). */
    public static native int ConfigurarAjustesSensibilidadeBio(int terminal, byte value1, byte value2, byte value3);

    /** Sets the module's two options, each on when non-zero (sub-command 60). Codes as SolicitarModeloBio. */
    public static native int ConfigurarBio(int terminal, byte option1, byte option2);

    /** Variable biometric mode (byte 49), 1 for non-zero. Always 0. */
    public static native int ConfigurarBioVariavel(byte enable);

    /** Adaptive capture, on when non-zero: value2 1..7 (else 128, checked first), value1 1..10 (else 129). */
    public static native int ConfigurarCapturaAdaptativaBio(int terminal, byte on, byte value1, byte value2);

    /** Index-search behaviour (byte 48), 1 for non-zero. Always 0. */
    public static native int ConfigurarComportamentoIndexSearch(byte enable);

    /** Record byte 0 = 0: the terminal works offline. Always 0. */
    public static native int ConfigurarCorvoOffLine();

    /** Record byte 0 = 1: the terminal works online. Always 0. */
    public static native int ConfigurarCorvoOnLine();

    /** The filter, on when non-zero. Always 0. */
    public static native int ConfigurarFiltroBio(int terminal, byte on);

    /** Reader 1 function 0..4 (byte 7). 0 stored; 128 out of range. */
    public static native int ConfigurarLeitor1(byte function);

    /** Reader 2 function 0..4 (byte 8). 0 stored; 128 out of range. */
    public static native int ConfigurarLeitor2(byte function);

    /** Reader preset: type 2, 14 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeAcura();

    /** Reader preset: type 2, 8 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeHIDAbaTrack2();

    /** Reader preset: type 2, 10 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeMotorolaAbaTrack2();

    /** Reader preset: type 4, 10 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeSmartCard();

    /** Reader preset: type 2, 10 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeSmartCardAcura();

    /** Reader preset: type 3, 6 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeWiegand();

    /** Reader preset: type 3, 10 card digits. Always 0. */
    public static native int ConfigurarLeitorProximidadeWiegandFacilityCode();

    /** Reader preset: type 6, 8 card digits. Always 0. */
    public static native int ConfigurarLeitorWiegandFacilityCodeSemSeparador();

    /** LFD level, 0..3 (else 128). */
    public static native int ConfigurarNivelLFD(byte level);

    /** Identification time-out, 10..255 (else 128). */
    public static native int ConfigurarTimeoutIdentificacao(byte seconds);

    /** Reader type 0..6 (byte 6). 0 stored; 128 out of range. */
    public static native int ConfigurarTipoLeitor(byte type);

    /** Wiegand with two readers (byte 44): 1 if first is non-zero plus 2 if second is. Always 0. */
    public static native int ConfigurarWiegandDoisLeitores(byte first, byte second);

    /** Has the terminal enrol a user at its reader (command 171). Codes as IncluirUsuarioOssel. */
    public static native int CriarUsuarioLeitorOssel(int terminal);

    /**
     * Company code 0..999 (bytes 9-10, low byte first; 0xFFFF until set). Only the low 16 bits
     * of the argument are read. 0 stored; 128 out of range.
     */
    public static native int DefinirCodigoEmpresa(int code);

    /**
     * Keypad settings 0..20, 0..2, 0..50, 0..32 (bytes 3, 4, 6, 7). 0 stored; 128 to 131 the first
     * setting out of range (nothing stored).
     */
    public static native int DefinirConfiguracaoTecladoOnLine(byte setting1, byte setting2, byte setting3, byte setting4);

    /**
     * Replaces the byte of function 0..9: mode 0..3 in bits 0-1, options 1-4 in bits 2-5 (1 for non-zero);
     * the score bit is cleared. 0 stored; 128 function above 9; 129 mode above 3.
     */
    public static native int DefinirConfiguracoesFuncoes(byte function, byte mode, byte option1, byte option2, byte option3, byte option4);

    /**
     * Entry forms after the change to offline (byte 2): bit 0 first non-zero, bits 1-3 second (0..4),
     * bits 4-6 third (0..4), bit 7 set; fourth unused. 0 stored; 128 second above 4; 129 third above 4.
     */
    public static native int DefinirEntradasMudancaOffLine(byte first, byte second, byte third, byte fourth);

    /**
     * Entry forms after the change to offline, biometric form (byte 2, bit 6 set, bit 7 clear).
     * 0 stored; 128 second above 4; 129 third above 4.
     */
    public static native int DefinirEntradasMudancaOffLineComBiometria(byte first, byte second, byte third, byte fourth, byte fifth);

    /** Entry forms after the change to online (byte 5), any value. Always 0. */
    public static native int DefinirEntradasMudancaOnLine(byte forms);

    /**
     * Event 0..5 (byte 33 + sensor) and time 0..50 (byte 36 + sensor) of sensor 1..3.
     * 0 stored; 128 bad sensor; 129 bad event; 130 bad time.
     */
    public static native int DefinirEventoSensor(byte sensor, byte event, byte time);

    /** Pictogram forms of the display 0..8 (byte 32). 0 stored; 128 out of range. */
    public static native int DefinirFormasPictogramasQuadrante(byte forms);

    /** Default function of the proximity readers 0..12 (byte 24). 0 stored; 128 out of range. */
    public static native int DefinirFuncaoDefaultLeitoresProximidade(byte function);

    /** Default function of the biometric sensor 0..12 (byte 45). 0 stored; 128 out of range. */
    public static native int DefinirFuncaoDefaultSensorBiometria(byte function);

    /** Function of sensor 1 (byte 46), any value. Always 0. */
    public static native int DefinirFuncaoSensor1(byte function);

    /** Relay logic 0..1 (byte 19). 0 stored; 128 out of range. */
    public static native int DefinirLogicaRele(byte logic);

    /** Formats the entry presentation message (bytes 0-31), as DefinirMensagemEntradaOffLine. Always 0. */
    public static native int DefinirMensagemApresentacaoEntrada(byte secondLine, String text);

    /** Formats the exit presentation message (bytes 32-63), as DefinirMensagemEntradaOffLine. Always 0. */
    public static native int DefinirMensagemApresentacaoSaida(byte secondLine, String text);

    /**
     * Formats the entry message (slot 0): with secondLine non-zero byte 0 is 0xFE and the text
     * (up to 16 characters) fills the second line, else up to 32 characters; null gives spaces. Always 0.
     */
    public static native int DefinirMensagemEntradaOffLine(byte secondLine, String text);

    /**
     * Formats the message of function 0..9 (slot function + 3) over both lines; with enabled 0 its
     * byte 0 becomes 0xFF (message off). 0 stored; 128 function above 9.
     */
    public static native int DefinirMensagemFuncaoOffLine(String text, byte function, byte enabled);

    /**
     * Formats the standard message after the change to offline (bytes 40-71), as
     * DefinirMensagemEntradaOffLine. Always 0.
     */
    public static native int DefinirMensagemPadraoMudancaOffLine(byte secondLine, String text);

    /**
     * Formats the standard message after the change to online (bytes 8-39), as
     * DefinirMensagemEntradaOffLine. Always 0.
     */
    public static native int DefinirMensagemPadraoMudancaOnLine(byte secondLine, String text);

    /** Formats the default message (slot 2), as DefinirMensagemEntradaOffLine. Always 0. */
    public static native int DefinirMensagemPadraoOffLine(byte secondLine, String text);

    /** Formats the exit message (slot 1), as DefinirMensagemEntradaOffLine. Always 0. */
    public static native int DefinirMensagemSaidaOffLine(byte secondLine, String text);

    /** Access level 0..9 (byte 11). 0 stored; 128 out of range. */
    public static native int DefinirNivelAcesso(byte level);

    /**
     * Master card number, up to 14 digits, right-aligned packed BCD in bytes 25-31 (a character
     * other than 0-9 counts as 0). 0 stored (null clears the field); 128 longer than 14, field unchanged.
     */
    public static native int DefinirNumeroCartaoMaster(String number);

    /**
     * Chooses how punches carry the card: 0 a 16-bit number, 1 a digit string (the start value).
     * Also sets the card digit count of the configuration to 14. 0 set; 128 other value, nothing changed.
     */
    public static native int DefinirPadraoCartao(byte pattern);

    /** Random inspection percentage 0..100 (byte 16). 0 stored; 128 out of range. */
    public static native int DefinirPorcentagemRevista(byte percent);

    /** Card digit count 1..16 (byte 14; 14 until set). 0 stored; 128 out of range. */
    public static native int DefinirQuantidadeDigitosCartao(byte digits);

    /**
     * Chooses the back end: 0 serial library, 1 TCP library, 2 TCP COM component (the
     * default), 3 modem through the serial library, 4 serial COM component. 0 done; 9 other type.
     */
    public static native int DefinirTipoConexao(byte type);

    /** Access list type 0..2 (byte 13). 0 stored; 128 out of range. */
    public static native int DefinirTipoListaAcesso(byte type);

    /** Red LED off (command 28). Codes as AcionarRele1. */
    public static native int DesLigarLedVermelho(int terminal);

    /** Turnstile beep disabled (byte 33), 1 for non-zero. Always 0. */
    public static native int DesabilitarBipCatraca(byte disable);

    /** Turnstile micro-switch lock disabled (byte 20), 1 for non-zero. Always 0. */
    public static native int DesabilitarBloqueioCatracaMicroSwitch(byte disable);

    /** Switches relay 1 off (command 6). Codes as AcionarRele1. */
    public static native int DesabilitarRele1(int terminal);

    /** Switches relay 2 off (command 7). Codes as AcionarRele1. */
    public static native int DesabilitarRele2(int terminal);

    /** Backlight off (command 15). Codes as AcionarRele1. */
    public static native int DesligarBackLite(int terminal);

    /** Intermittent beep off (command 18). Codes as AcionarRele1. */
    public static native int DesligarBipIntermitente(int terminal);

    /** Green LED off (command 15, as DesligarBackLite). Codes as AcionarRele1. */
    public static native int DesligarLedVerde(int terminal);

    /** Returns the inserted card (command 21). Codes as AcionarRele1. */
    public static native int DevolverCartao(int terminal);

    /** Retains the inserted card (command 22). Codes as AcionarRele1. */
    public static native int EngolirCartao(int terminal);

    /**
     * Sends the settings block (command 133); on 0 the block returns to its defaults, keeping the
     * time-out and LFD level. Codes as SolicitarModeloBio.
     */
    public static native int EnviarAjustesBio(int terminal);

    /**
     * Sends the 77-byte block (command 134); the block is kept. 0 sent; 1 not accepted;
     * 2 port not open; 4, 5, 6, 10 back end missing.
     */
    public static native int EnviarBufferEventosMudancaAuto(int terminal);

    /** Signals access denied (command 3). Codes as AcionarRele1. */
    public static native int EnviarComandoAcessoNegado(int terminal);

    /**
     * Sends the 50-byte record (command 100); the record is kept. 0 sent; 1 not accepted;
     * 2 port not open; 4, 5, 6, 10 back end missing.
     */
    public static native int EnviarConfiguracoes(int terminal);

    /**
     * Sends the 10-byte block (command 128), then zeroes it whatever the outcome. 0 sent; 1 not accepted;
     * 2 port not open; 4, 5, 6, 10 back end missing.
     */
    public static native int EnviarConfiguracoesFuncoes(int terminal);

    /**
     * Sends the 72-byte block (command 114); the block is kept. 0 sent; 1 not accepted;
     * 2 port not open; 4, 5, 6, 10 back end missing.
     */
    public static native int EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(int terminal);

    /**
     * Sends the caller's 26-byte TLM block; the library's own block is not involved.
     * 129 null block, nothing sent; else the send's code.
     * Arrays: block: at least 26 elements.
     */
    public static native int EnviarCriptografiaTLM(int terminal, byte[] block);

    /**
     * Sends a fingerprint record with the local date and time (command 131); `template2` (404
     * bytes) may be null. 0 sent; 128 null identifier or longer than 16 characters; 130 null template1.
     * A null template2 sends a record with one template; else it needs 404 elements.
     * Arrays: template1: at least 404 elements.
     */
    public static native int EnviarDigitalUsuario(int terminal, String id, byte[] template1, byte[] template2);

    /**
     * Sends the online entry forms and keypad settings (command 107, 5 bytes). 128 keypad1 above 20,
     * 129 keypad2 above 2, 131 keypad3 above 50, 132 keypad4 above 32 (nothing sent); else the send's code.
     */
    public static native int EnviarFormasEntradasOnLine(int terminal, byte keypad1, byte keypad2, byte forms, byte keypad3, byte keypad4);

    /**
     * Sends the daylight saving period (command 113, 10 bytes). 128/132 day, 129/133 month, 130/134 hour
     * (0..59), 131/135 minute out of range for start/end, nothing sent; years any value. Else the send's code.
     */
    public static native int EnviarHorarioVerao(int terminal, byte startDay, byte startMonth, byte startYear, byte startHour, byte startMinute, byte endDay, byte endMonth, byte endYear, byte endHour, byte endMinute);

    /** Sends the access schedules (command 111, 5,600 bytes; old terminals 103, the first 2,800) and clears them, whatever the result. Codes as AcionarRele1. */
    public static native int EnviarHorariosAcesso(int terminal);

    /** Sends the siren times (command 112, 300 bytes; old terminals 105, the first 150) and clears them, whatever the result. Codes as AcionarRele1. */
    public static native int EnviarHorariosSirene(int terminal);

    /**
     * Sends the access list (115, 110 if refused; 136 in two blocks when large; old terminals 102), then empties it. Codes as
     * AcionarRele1; 128 second block failed; 131 nothing sent, list kept: after a settings change it no longer fits.
     */
    public static native int EnviarListaAcesso(int terminal);

    /** Sends the 250-entry list (command 124, 1,251 bytes); on 0 the list is emptied. Codes as SolicitarModeloBio. */
    public static native int EnviarListaUsuariosSemDigitalBio(int terminal);

    /** Sends the 500-entry list (command 129, 2,502 bytes); on 0 the list is emptied. Codes as SolicitarModeloBio. */
    public static native int EnviarListaUsuariosSemDigitalBio500(int terminal);

    /**
     * Sends the table's entries behind the header FA 02 (command 129); on 0 the table is emptied.
     * Codes as SolicitarModeloBio.
     */
    public static native int EnviarListaUsuariosSemDigitalBioCorvoAcesso(int terminal);

    /**
     * Sends the table's entries behind their total length, two bytes high byte first (command 129);
     * the count is 0 afterwards, the entries are cleared on 0. Codes as SolicitarModeloBio.
     */
    public static native int EnviarListaUsuariosSemDigitalBioVariavel(int terminal, int unused);

    /**
     * Prints a text on the terminal's printer (command 109; 254 bytes padded with spaces, then 0x00).
     * A null text prints spaces. The send's code.
     */
    public static native int EnviarMensagemImpressora00(int terminal, String text);

    /** As EnviarMensagemImpressora00 with command 127 and a last byte 0xFF. The send's code. */
    public static native int EnviarMensagemImpressoraFF(int terminal, String text);

    /**
     * Sends the text as the standard message: a 32-byte display message (formatted as in
     * DefinirMensagemEntradaOffLine) then 0xFF, command 104. 0 sent; 1 not accepted; 2 port not open.
     */
    public static native int EnviarMensagemPadraoOnLine(int terminal, byte secondLine, String text);

    /**
     * Sends the text as a temporary message shown for `time`: the display message then the time byte,
     * command 104. Codes as EnviarMensagemPadraoOnLine.
     */
    public static native int EnviarMensagemTemporariaOnLine(int terminal, byte secondLine, String text, byte time);

    /**
     * Sends the 416-byte table (command 106), then restores the default texts whatever the outcome.
     * 0 sent; 1 not accepted; 2 port not open; 4, 5, 6, 10 back end missing.
     */
    public static native int EnviarMensagensOffLine(int terminal);

    /**
     * Sets the clock: command 117 with seconds (UtilizarRelogioSegundos on), falling back to 101 without.
     * 128 day, 129 month, 133 year (0..99), 130 hour, 131 minute, 132 second out of range; else the last send's code.
     */
    public static native int EnviarRelogio(int terminal, byte day, byte month, byte year, byte hour, byte minute, byte second);

    /**
     * Sends a text to the modem (connection type 3). 0 sent; 1 refused; 2 port not open;
     * 7 not a modem connection; 4 serial library missing; 128 null text.
     */
    public static native int EnviarStringInicializacaoModem(String text);

    /**
     * Sends the network module's keep-alive time (command 198, 4 bytes, most significant first).
     * 128 negative time, nothing sent; else the send's code.
     */
    public static native int EnviarTempoKeepAliveRabbit(int terminal, int time);

    /**
     * Sends an 836-byte user record followed by the local date and time (command 121, 844 bytes).
     * 0 sent; 129 null record; other codes as SolicitarModeloBio.
     * Arrays: record_: at least 836 elements.
     */
    public static native int EnviarUsuarioBio(int terminal, byte[] record_);

    /** Has the module identify the finger on the reader (sub-command 31). Codes as SolicitarModeloBio. */
    public static native int FazerIdentificacaoBiometricaBio(int terminal);

    /** Has the module verify one user's finger (sub-command 30). 0 sent; 128 null or empty identifier. */
    public static native int FazerVerificacaoBiometricaBio(int terminal, String id);

    /** Closes the port. Nothing is returned. */
    public static native int FecharPortaComunicacao();

    /** Change of event by the arrow keys (byte 76), 1 for non-zero. Always 0. */
    public static native int HabilitaMudancaEventoSeta(byte enable);

    /** Encryption setting (byte 47), any value stored as given. Always 0. */
    public static native int HabilitarCriptografia(byte value);

    /**
     * Change mode 0..2 (byte 0; any other value is stored as 0) and change time 0..50 (byte 1).
     * 0 stored; 128 time above 50 (nothing stored).
     */
    public static native int HabilitarMudancaOnLineOffLine(byte mode, byte time);

    /** Sets or clears the score bit (bit 6) of function 0..9, keeping the rest. 0 done; 128 function above 9. */
    public static native int HabilitarScoreFuncoes(byte function, byte enabled);

    /**
     * Byte 0 of message slot 0 or 1 becomes 0xFD (score display on) or 0xFE; the text stays.
     * 0 done; 128 slot above 1.
     */
    public static native int HabilitarScoreMensagemOffLine(int unused, byte slot, byte enabled);

    /** Keypad enabled (byte 1) and the second keypad option (byte 23), each 1 for non-zero. Always 0. */
    public static native int HabilitarTeclado(byte enable, byte secondOption);

    /**
     * Sends a 451-byte user record (command 172). 0 sent; 129 null record; 1 not accepted; 2 port not open.
     * Arrays: record_: at least 451 elements.
     */
    public static native int IncluirUsuarioOssel(int terminal, byte[] record_);

    /**
     * Adds a user (up to 10 digits) to the 250-entry list. 0 added; 128 null, empty or longer
     * identifier, or the list full.
     */
    public static native int IncluirUsuarioSemDigitalBio(String id);

    /** Adds a user (up to 10 digits) to the 500-entry list. Codes as IncluirUsuarioSemDigitalBio. */
    public static native int IncluirUsuarioSemDigitalBio500(String id);

    /**
     * Adds a user (up to 16 characters 0-9, A-F) to the 8000-entry table. 0 added; 8 empty
     * identifier; 128 null or longer identifier, or the table full.
     */
    public static native int IncluirUsuarioSemDigitalBioCorvoAcesso(String id);

    /** Starts a collection from page 0, dropping any package held. */
    public static native int InicializarColetaListaUsuariosBio();

    /**
     * Stores one time (hour, minute) of an access schedule. 0 stored; 128 schedule not 1..100 (1..50 for
     * old terminals); 129 day not 1..7; 130 time not 1..4; 131 hour above 23; 132 minute above 59.
     */
    public static native int InserirHorarioAcesso(byte schedule, byte day, byte time, byte hour, byte minute);

    /**
     * Times of change to entry (bytes 64-69); hours 0..23, minutes 0..59, 255 for none. Hours are
     * checked and stored first, then minutes; values before the first bad one stay stored.
     * 0 all stored; 128 bad hour; 129 bad minute.
     */
    public static native int InserirHorarioMudancaEntrada(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);

    /** Times of change to exit (bytes 70-75), as InserirHorarioMudancaEntrada. */
    public static native int InserirHorarioMudancaSaida(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);

    /**
     * Appends one siren time sounding on the weekdays whose flag is non-zero. 0 stored; 128 hour above 23,
     * minute above 59, or the table already holds 100 times.
     */
    public static native int InserirHorarioSirene(byte hour, byte minute, byte day0, byte day1, byte day2, byte day3, byte day4, byte day5, byte day6);

    /**
     * Adds an accepted card length 1..16 to the mask of bytes 42-43 (byte 42 high); 0 clears the
     * mask. 0 done; 128 above 16, mask unchanged.
     */
    public static native int InserirQuantidadeDigitoVariavel(byte length);

    /**
     * Has the module enrol a user at the reader (sub-command 23, option 0..2). 0 sent; 128 null or
     * empty identifier; 129 option above 2; nothing sent on 128 or 129.
     */
    public static native int InserirUsuarioLeitorBio(int terminal, byte option, String id);

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

    /**
     * Reads the three turnstile counters into three 4-byte areas, each as four values 0..99, least
     * significant first. Areas written only on 0; 129..131 null area, nothing sent.
     * Element 0 of each array: the counter's four values 0..99 as bytes, least
     * significant in the lowest byte, on 0 only.
     * Arrays: first: at least 1 element; second: at least 1 element; third: at least 1 element.
     */
    public static native int LerContadorGiro(int terminal, int[] first, int[] second, int[] third);

    /**
     * Reads the three sensor inputs (answer 208; one byte in old-terminal mode, the others then 0).
     * The exchange's code; 129..131 null pointer. Nothing written unless 0.
     * sensors[0..2]: the three inputs, written always (0 unless read).
     * Arrays: sensors: at least 3 elements.
     */
    public static native int LerSensoresCorvo(int terminal, int[] sensors);

    /**
     * Reads a smart card area; the four result areas (10, 16, 16, 16 bytes) are written only on 0.
     * 130..133 null area, nothing sent; else the code of the step that failed.
     * The areas of 10, 16, 16 and 16 bytes, on 0 only. An area outside 0..255
     * gives 129, nothing sent.
     * Arrays: r1: at least 3 elements; r2: at least 4 elements; r3: at least 4 elements; r4: at least 4 elements.
     */
    public static native int LerSmartCard(int terminal, int area, int[] r1, int[] r2, int[] r3, int[] r4);

    /** Brings the terminal online (command 26). Codes as AcionarRele1. */
    public static native int LevantarParaOnLine(int terminal);

    /** Releases both directions (command 16, then the entry forms 0,0,9,0,0). 0 released; 1 any failure. */
    public static native int LiberarCatracaDoisSentidos(int terminal);

    /**
     * Releases the entry side: the short command 24 when UtilizarCmdCurtoCatraca is on, else (or when
     * it fails) command 13 and the entry forms 0,0,9,0,0 (command 107). 0 released; 1 any failure.
     */
    public static native int LiberarCatracaEntrada(int terminal);

    /** Entry of a turnstile mounted in reverse: the exit-side commands (23, else 12). 0 released; 1 any failure. */
    public static native int LiberarCatracaEntradaInvertida(int terminal);

    /** Releases the exit side: short command 23, else command 12 and the entry forms. 0 released; 1 any failure. */
    public static native int LiberarCatracaSaida(int terminal);

    /** Exit of a turnstile mounted in reverse: the entry-side commands (24, else 13). 0 released; 1 any failure. */
    public static native int LiberarCatracaSaidaInvertida(int terminal);

    /** Backlight on (command 14). Codes as AcionarRele1. */
    public static native int LigarBackLite(int terminal);

    /** Intermittent beep on (command 17). Codes as AcionarRele1. */
    public static native int LigarBipIntermitente(int terminal);

    /** Green LED on (command 14, as LigarBackLite). Codes as AcionarRele1. */
    public static native int LigarLedVerde(int terminal);

    /** Red LED on (command 27). Codes as AcionarRele1. */
    public static native int LigarLedVermelho(int terminal);

    /** Positions on the first user (command 173). 0 sent; 128 mode not 0 or 2, nothing sent. */
    public static native int LocalizarPrimeiroUsuarioOssel(int terminal, byte mode);

    /** Moves to the next user (command 174). Codes as LocalizarPrimeiroUsuarioOssel. */
    public static native int LocalizarProximoUsuarioOssel(int terminal, byte mode);

    /**
     * Looks one user up (command 175). 0 sent; 128 null or empty identifier; 129 mode not 0 or 2;
     * 130 length 0 or above 16; nothing sent on 128..130.
     */
    public static native int LocalizarUsuarioOssel(int terminal, byte mode, byte length, String id);

    /** Holds relay 1 on (command 4). Codes as AcionarRele1. */
    public static native int ManterRele1Acionado(int terminal);

    /** Holds relay 2 on (command 5). Codes as AcionarRele1. */
    public static native int ManterRele2Acionado(int terminal);

    /** Same field as PermitirCadastroCorvoBioOssel (byte 40, inverted). Always 0. */
    public static native int PermitirCadastroCorvoBio(byte allow);

    /** Biometric enrolment at the terminal (byte 40): stores 1 for 0 and 0 for any other value. Always 0. */
    public static native int PermitirCadastroCorvoBioOssel(byte allow);

    /** Tests that the terminal answers (command 10). Codes as AcionarRele1. */
    public static native int Ping(int terminal);

    /** Tests the terminal in online mode (command 26). Codes as AcionarRele1. */
    public static native int PingOnLine(int terminal);

    /**
     * Fetches one online event (answer 207): origin, complement, 16 characters of card text and the six
     * date and time values as sent. 0 read; 128 any failed exchange; 129..137 null pointer. Nothing written unless 0.
     * event[0..7]: origin, complement, day, month, year, hour, minute, second;
     * the 16-character card text appended; both on 0 only.
     * Arrays: event: at least 8 elements.
     */
    public static native int ReceberDadosOnLine(int terminal, int[] event, StringBuffer card);

    /**
     * As ReceberDadosOnLine with 14 characters of card text; with Utilizar215 on it first asks (command 215)
     * and 128 means no event waits. Exchange codes pass unchanged; 129..137 null pointer. Nothing written unless 0.
     * As ReceberDadosOnLine, with a 14-character card text.
     * Arrays: event: at least 8 elements.
     */
    public static native int ReceberDadosOnLine2(int terminal, int[] event, StringBuffer card);

    /** Date and time in online events (byte 41), 1 for non-zero. Always 0. */
    public static native int ReceberDataHoraDadosOnLine(byte enable);

    /**
     * Receives the record of `size` bytes (command 231) into `record`, written only on 0.
     * 129 null record; 130 size outside 1..876; other exchange codes.
     * Waits 150 ms before it asks. The array needs at least `size` elements
     * when `size` is 1..876.
     */
    public static native int ReceberDigitalUsuario(int terminal, byte[] record_, int size);

    /**
     * Reads the model (0 until an answer). 0 read; 128..137 module status or no answer; 130 null model.
     * model[0]: the model, written always (0 unless read).
     * Arrays: model: at least 1 element.
     */
    public static native int ReceberModeloBio(int terminal, byte online, int[] model);

    /**
     * Reads the page's answer and package (command 222). 0 read, next page; 136 empty list;
     * 137 answer for another page; 128..137 module status or no answer; 128 also for a package
     * of records longer than 128 bytes (nothing kept, the collection reset); other exchange codes.
     */
    public static native int ReceberPacoteListaUsuariosBio(int terminal);

    /**
     * Reads how many punches the terminal holds (answer 235, 0..65535). The exchange's code; the count
     * is 0 after a failed exchange. 129 null count, nothing sent.
     * count[0]: the punch count, written always (0 unless read).
     * Arrays: count: at least 1 element.
     */
    public static native int ReceberQuantidadeBilhetes(int terminal, int[] count);

    /**
     * Reads the user count, up to 12 tries 40 ms apart; the count is written only on 0.
     * 128..137 module status or no answer; 130 null count.
     * count[0]: the user count, written always (0 unless read).
     * Arrays: count: at least 1 element.
     */
    public static native int ReceberQuantidadeUsuariosBio(int terminal, byte online, int[] count);

    /**
     * Reads the clock (answer 217, else 201 without seconds, which reads 0; a second above 59 reads 0).
     * The last exchange's code; 129..134 null pointer. Nothing written unless 0.
     * clock[0..5]: day, month, year, hour, minute, second, written always (0
     * unless read). The second is passed as the terminal sent it, even above 59.
     * Arrays: clock: at least 6 elements.
     */
    public static native int ReceberRelogio(int terminal, int[] clock);

    /**
     * Reads the module's answer: `size` 472 or 876, 0 on failure. 128..137 module status or no
     * answer; 129 null size.
     * size[0]: the record size, written always (0 unless read).
     * Arrays: size: at least 1 element.
     */
    public static native int ReceberRespostaRequisicaoBio(int terminal, int[] size);

    /**
     * Reads a captured 404-byte template (command 223) with no module answer before it. 0 read;
     * 1 no template; 129 null buffer.
     * Arrays: template_: at least 404 elements.
     */
    public static native int ReceberTemplateCapturadoCorvo(int terminal, byte[] template_);

    /**
     * Reads the module's answer and then the 404-byte template (command 223) into `template_`
     * (written only on 0). 128..137 module status or no answer; 130 null buffer.
     * Arrays: template_: at least 404 elements.
     */
    public static native int ReceberTemplateLeitor(int terminal, byte online, byte[] template_);

    /**
     * Reads the number of users (command 241); 0 on failure. 129 null count; other exchange codes.
     * count[0]: the user count, written always (0 unless read).
     * Arrays: count: at least 1 element.
     */
    public static native int ReceberTotalUsuariosOssel(int terminal, int[] count);

    /**
     * Reads the 844-byte user record into `record` (written only on 0). 128..137 module status or
     * no answer; 130 null record.
     * Arrays: record_: at least 844 elements.
     */
    public static native int ReceberUsuarioCadastradoBio(int terminal, byte online, byte[] record_);

    /**
     * Writes the next user's identifier, 11 bytes each 0..99 (255 for an empty pair), into `id`.
     * 0 written; 128 no package, no further record, or null `id`.
     * id: the 16-byte area, 11 identifier bytes then 5 zero bytes, on 0 only.
     * Arrays: id: at least 4 elements.
     */
    public static native int ReceberUsuarioComDigital(int[] id);

    /**
     * Copies the next record of the package (record-size bytes, at most 128) into `record`, which
     * must hold 128 bytes. 0 copied; 128 no package or no further record in it; 129 null record.
     * The record text, up to its first zero byte: at most 10 characters in class
     * Varanda, 16 in class com.melbrosa.Varanda.
     */
    public static native int ReceberUsuarioLista(int terminal, StringBuffer record_);

    /**
     * Fetches the current user: the verdict (command 240), then mode 2 the 451-byte record (242)
     * into `record` (451 bytes), mode 0 the summary (244) with its value byte; the identifier's
     * digits go to `id` (17 bytes). 128 bad mode; 130, 131, 132 null pointer the mode needs; 128..133 the verdict.
     * The value byte goes into the lowest byte of value[0] (its other bytes are
     * kept), written always; record needs 451 elements in mode 2; the
     * identifier's digits (up to 16) are appended on 0.
     * Arrays: value: at least 1 element.
     */
    public static native int ReceberUsuarioOssel(int terminal, byte mode, int[] value, byte[] record_, StringBuffer id);

    /**
     * Reads the version, each part two decimal digits. 0 read; 128..137 module status or no answer;
     * 130, 131 null out-pointer.
     * version[0], version[1]: major and minor, written always (0 unless read).
     * Arrays: version: at least 2 elements.
     */
    public static native int ReceberVersaoBio(int terminal, byte online, int[] version);

    /**
     * Reads the firmware version (answer 250): bytes 0, 1-2 (low first), 3..6. Every out-value is 0 after a
     * failed read; byte6 is 0 unless byte0 is 14. The exchange's code; 129..134 null pointer, nothing sent.
     * version[0]: byte 0; the lowest byte of version[1] the version's high byte
     * and of version[2] its low byte (their other bytes are kept); version[3..6]:
     * bytes 3 to 6. Written always (0 unless read).
     * Arrays: version: at least 7 elements.
     */
    public static native int ReceberVersaoFirmware(int terminal, int[] version);

    /** Record denied accesses, 0..3 (byte 17). 0 stored; 128 out of range. */
    public static native int RegistrarAcessoNegado(byte mode);

    /** Resets the online mode (command 11). Codes as AcionarRele1. */
    public static native int ResetarModoOnLine(int terminal);

    /** Reads the comparison result. 0 the finger matches; 128..137 module status or no answer. */
    public static native int ResultadoComparacaoDigitalLeitor(int terminal, byte online);

    /** Reads the verdict (online form). Codes as ResultadoComparacaoTemplateOssel. */
    public static native int ResultadoComparacaoPINOssel(int terminal);

    /**
     * Reads the verdict (online form, command 207). 0 match; 1 no result message; 128, 130, 134
     * the module's result; other exchange codes.
     */
    public static native int ResultadoComparacaoTemplateOssel(int terminal);

    /** Reads the result of ConfigurarBio. 0 set; 128..137 module status or no answer. */
    public static native int ResultadoConfiguracaoBio(int terminal, byte online);

    /** Reads the verdict (command 240). Codes as ResultadoInclusaoUsuarioOssel. */
    public static native int ResultadoExclusaoTodosUsuariosOssel(int terminal);

    /** Reads the verdict (command 240). Codes as ResultadoInclusaoUsuarioOssel. */
    public static native int ResultadoExclusaoUsuarioOssel(int terminal);

    /**
     * Reads the identification: on 0 the 16 answer bytes in `result`. 128..137 module status or no
     * answer; 130 null result.
     * The 16-character answer appended on 0.
     */
    public static native int ResultadoIdentificacaoBiometrica(int terminal, byte online, StringBuffer result);

    /**
     * Reads the verdict (online form) and on success the new 220-byte template (command 243).
     * 0 enrolled; 1 no result message; 128, 130, 134 the module's result; 129 null buffer.
     * Arrays: template_: at least 220 elements.
     */
    public static native int ResultadoInclusaoUsuarioLeitorOssel(int terminal, byte[] template_);

    /** Reads the verdict (command 240). 0 added; 128..133 the module's result; other exchange codes. */
    public static native int ResultadoInclusaoUsuarioOssel(int terminal);

    /** Reads the enrolment result. 0 enrolled; 128..137 module status or no answer. */
    public static native int ResultadoInsercaoUsuarioLeitorBio(int terminal, byte online);

    /** Reads the verification result. 0 verified; 128..137 module status or no answer. */
    public static native int ResultadoVerificacaoBiometrica(int terminal, byte online);

    /** Light identifier form (8 characters) for the next request that uses it. Returns the flag, 1 or 0. */
    public static native int SetarBioLight(int value);

    /** Variable identifier form (16 characters) for the next request that uses it. Returns the flag, 1 or 0. */
    public static native int SetarBioVariavel(int value);

    /**
     * Old-terminal mode (off at start): reduced schedule tables and access list, one sensor byte.
     * Returns the flag stored, 1 or 0.
     */
    public static native int SetarCorvoOld(int unused, int value);

    /**
     * Asks for one user's fingerprint record (sub-command 20, the identifier as 16 characters,
     * right-aligned behind '0's). 0 sent; 128 null or empty identifier; other codes as SolicitarModeloBio.
     */
    public static native int SolicitarDigitalUsuario(int terminal, String id);

    /** Asks the module to delete one user (sub-command 21). Codes as SolicitarUsuarioCadastradoBio. */
    public static native int SolicitarExclusaoUsuario(int terminal, String id);

    /** Asks for the current page of the user list (sub-command 10). Codes as SolicitarModeloBio. */
    public static native int SolicitarListaUsuariosBio(int terminal);

    /** Asks for the current page of the list (sub-command 11). Codes as SolicitarModeloBio. */
    public static native int SolicitarListaUsuariosBioVariavel(int terminal);

    /**
     * Reads the page's answer and package (command 222). 0 read, next page; 136 empty list;
     * 137 answer for another page; 128..137 module status or no answer; other exchange codes.
     */
    public static native int SolicitarListaUsuariosComDigital(int terminal);

    /** Asks the fingerprint module for its model. 0 sent; 1 not accepted; 2 port not open. */
    public static native int SolicitarModeloBio(int terminal);

    /** Asks the fingerprint module how many users it holds. Codes as SolicitarModeloBio. */
    public static native int SolicitarQuantidadeUsuariosBio(int terminal);

    /** Asks the module for a template captured by the reader (sub-command 33). Codes as SolicitarModeloBio. */
    public static native int SolicitarTemplateLeitor(int terminal);

    /** Asks for the number of users (command 173). Codes as LocalizarPrimeiroUsuarioOssel. */
    public static native int SolicitarTotalUsuariosOssel(int terminal, byte mode);

    /**
     * Asks for one enrolled user's 844-byte record (sub-command 20). 0 sent; 128 null or empty
     * identifier, nothing sent; other codes as SolicitarModeloBio.
     */
    public static native int SolicitarUsuarioCadastradoBio(int terminal, String id);

    /** Asks the fingerprint module for its firmware version. Codes as SolicitarModeloBio. */
    public static native int SolicitarVersaoBio(int terminal);

    /** 1 while pages remain; otherwise 0, and the collection is reset. */
    public static native int TemProximoPacote();

    /** 1 while the package has records not yet read, else 0. */
    public static native int TemProximoUsuario();

    /** Reads the module's result for the record sent. 0 stored; 128..137 module status or no answer. */
    public static native int UsuarioFoiEnviado(int terminal, byte online);

    /** Reads the result of the deletion. 0 deleted; 128..137 module status or no answer. */
    public static native int UsuarioFoiExcluido(int terminal, byte online);

    /**
     * Whether ReceberDadosOnLine2 first asks (command 215) if an event waits (on at start).
     * Returns the flag stored, 1 or 0.
     */
    public static native int Utilizar215(int unused, int value);

    /**
     * Whether turnstile releases try the short command first (23 exit, 24 entry; on at start).
     * Returns the flag stored, 1 or 0.
     */
    public static native int UtilizarCmdCurtoCatraca(int unused, int value);

    /**
     * Whether EnviarRelogio sends the seconds (command 117, falling back to 101; on at start).
     * Returns the flag stored, 1 or 0.
     */
    public static native int UtilizarRelogioSegundos(int unused, int value);

    /** Use the access password (byte 12), 1 for non-zero. Always 0. */
    public static native int UtilizarSenhaAcesso(byte use);
}
