/* Varanda SDK: the exported operations.
 *
 * Every operation returns a one-byte code unless its line says otherwise:
 *   0 success; 1 the transport failed or the answer was not the one expected;
 *   2 port not open; 3 port already open; 4, 5, 6, 10 the back end of the
 *   chosen connection type is unavailable (serial library, TCP library,
 *   TCP COM component, serial COM component); 7 modem operation on a
 *   connection that is not a modem connection; 8 an internal error was
 *   caught; 9 connection type outside 0 to 4; 128 + k argument k (counted
 *   from 0, the terminal number included) is out of range, nothing was
 *   stored or sent. Several operations give codes of their own, from 128 up
 *   (their lines say which): varanda_code_text_for(operation, code) of
 *   varanda_codes.h names each.
 *
 * Texts are single-byte ISO-8859-1, as the terminal shows and stores them.
 *
 * On 32-bit Windows the operations use the stdcall convention
 * (VARANDA_CALL); elsewhere the platform's C convention.
 *
 * This file is generated from the operation lists of the source tree.
 */
#ifndef VARANDA_H
#define VARANDA_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#  define VARANDA_CALL __stdcall
#else
#  define VARANDA_CALL
#endif

#define VARANDA_OK                    0
#define VARANDA_FAILED                1
#define VARANDA_PORT_NOT_OPEN         2
#define VARANDA_PORT_ALREADY_OPEN     3
#define VARANDA_SERIAL_LIB_MISSING    4
#define VARANDA_TCP_LIB_MISSING       5
#define VARANDA_TCP_COM_MISSING       6
#define VARANDA_NOT_A_MODEM           7
#define VARANDA_INTERNAL_ERROR        8
#define VARANDA_BAD_CONNECTION_TYPE   9
#define VARANDA_SERIAL_COM_MISSING    10
#define VARANDA_BAD_ARGUMENT(k)       (128 + (k))

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Connection ------------------------------------------------------------ */

/* Chooses the back end: 0 serial library, 1 TCP library, 2 TCP COM component (the
 * default), 3 modem through the serial library, 4 serial COM component. 0 done; 9 other type. */
uint8_t VARANDA_CALL DefinirTipoConexao(uint8_t type);

/* Opens the port (9600 baud; 2400 through the modem entry for type 3). 0 opened; 1 refused;
 * 3 already open; 7 modem open on another type; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL AbrirPortaComunicacao(int32_t port);

/* Closes the port. Nothing is returned. */
void VARANDA_CALL FecharPortaComunicacao(void);

/* ---- Modem ----------------------------------------------------------------- */

/* Reopens the port, initialises the modem, dials (tone unless `tone` is 0), waits up to 60 s for the modem's
 * verdict, then pings the terminal up to three times. 1 connected; -1 failed or no answer; -2 `init` null or
 * empty; -3 `number` null, empty or longer than 495 characters; 3, 6, 7 the modem's verdict (no carrier,
 * no dial tone, busy). */
int32_t VARANDA_CALL ConectarModem(int32_t port, const char* init, int32_t tone, const char* number, int32_t terminal);

/* Sends a text to the modem (connection type 3). 0 sent; 1 refused; 2 port not open;
 * 7 not a modem connection; 4 serial library missing; 128 null text. */
uint8_t VARANDA_CALL EnviarStringInicializacaoModem(const char* text);

/* Reads the modem's next result code: the value, or -1 when nothing can be read
 * (also on another connection type or a closed port). */
int32_t VARANDA_CALL LerByteModem(void);

/* ---- Online actions -------------------------------------------------------- */

/* Pulses relay 1 (command 1). 0 sent; 1 not accepted; 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL AcionarRele1(int32_t terminal);

/* Pulses relay 2 (command 2). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarRele2(int32_t terminal);

/* Signals access denied (command 3). Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarComandoAcessoNegado(int32_t terminal);

/* Holds relay 1 on (command 4). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ManterRele1Acionado(int32_t terminal);

/* Holds relay 2 on (command 5). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ManterRele2Acionado(int32_t terminal);

/* Switches relay 1 off (command 6). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesabilitarRele1(int32_t terminal);

/* Switches relay 2 off (command 7). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesabilitarRele2(int32_t terminal);

/* Short beep (command 8). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarBipCurto(int32_t terminal);

/* Long beep (command 9). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarBipLongo(int32_t terminal);

/* Tests that the terminal answers (command 10). Codes as AcionarRele1. */
uint8_t VARANDA_CALL Ping(int32_t terminal);

/* Resets the online mode (command 11). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ResetarModoOnLine(int32_t terminal);

/* Backlight on (command 14). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarBackLite(int32_t terminal);

/* Backlight off (command 15). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarBackLite(int32_t terminal);

/* Intermittent beep on (command 17). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarBipIntermitente(int32_t terminal);

/* Intermittent beep off (command 18). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarBipIntermitente(int32_t terminal);

/* Returns the inserted card (command 21). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DevolverCartao(int32_t terminal);

/* Retains the inserted card (command 22). Codes as AcionarRele1. */
uint8_t VARANDA_CALL EngolirCartao(int32_t terminal);

/* Brings the terminal online (command 26). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LevantarParaOnLine(int32_t terminal);

/* Tests the terminal in online mode (command 26). Codes as AcionarRele1. */
uint8_t VARANDA_CALL PingOnLine(int32_t terminal);

/* Red LED on (command 27). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarLedVermelho(int32_t terminal);

/* Red LED off (command 28). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarLedVermelho(int32_t terminal);

/* Releases the entry side: the short command 24 when UtilizarCmdCurtoCatraca is on, else (or when
 * it fails) command 13 and the entry forms 0,0,9,0,0 (command 107). 0 released; 1 any failure. */
uint8_t VARANDA_CALL LiberarCatracaEntrada(int32_t terminal);

/* Releases the exit side: short command 23, else command 12 and the entry forms. 0 released; 1 any failure. */
uint8_t VARANDA_CALL LiberarCatracaSaida(int32_t terminal);

/* Entry of a turnstile mounted in reverse: the exit-side commands (23, else 12). 0 released; 1 any failure. */
uint8_t VARANDA_CALL LiberarCatracaEntradaInvertida(int32_t terminal);

/* Exit of a turnstile mounted in reverse: the entry-side commands (24, else 13). 0 released; 1 any failure. */
uint8_t VARANDA_CALL LiberarCatracaSaidaInvertida(int32_t terminal);

/* Releases both directions (command 16, then the entry forms 0,0,9,0,0). 0 released; 1 any failure. */
uint8_t VARANDA_CALL LiberarCatracaDoisSentidos(int32_t terminal);

/* Chooses how punches carry the card: 0 a 16-bit number, 1 a digit string (the start value).
 * Also sets the card digit count of the configuration to 14. 0 set; 128 other value, nothing changed. */
uint8_t VARANDA_CALL DefinirPadraoCartao(uint8_t pattern);

/* ---- Online events, entry forms and printer -------------------------------- */

/* Fetches one online event (answer 207): origin, complement, 16 characters of card text and the six
 * date and time values as sent. 0 read; 128 any failed exchange; 129..137 null pointer. Nothing written unless 0. */
uint8_t VARANDA_CALL ReceberDadosOnLine(int32_t terminal, uint8_t* origin, uint8_t* complement, char* card, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour, uint8_t* minute, uint8_t* second);

/* As ReceberDadosOnLine with 14 characters of card text; with Utilizar215 on it first asks (command 215)
 * and 128 means no event waits. Exchange codes pass unchanged; 129..137 null pointer. Nothing written unless 0. */
uint8_t VARANDA_CALL ReceberDadosOnLine2(int32_t terminal, uint8_t* origin, uint8_t* complement, char* card, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour, uint8_t* minute, uint8_t* second);

/* Reads the three sensor inputs (answer 208; one byte in old-terminal mode, the others then 0).
 * The exchange's code; 129..131 null pointer. Nothing written unless 0. */
uint8_t VARANDA_CALL LerSensoresCorvo(int32_t terminal, uint8_t* sensor1, uint8_t* sensor2, uint8_t* sensor3);

/* Sends the online entry forms and keypad settings (command 107, 5 bytes). 128 keypad1 above 20,
 * 129 keypad2 above 2, 131 keypad3 above 50, 132 keypad4 above 32 (nothing sent); else the send's code. */
uint8_t VARANDA_CALL EnviarFormasEntradasOnLine(int32_t terminal, uint8_t keypad1, uint8_t keypad2, uint8_t forms, uint8_t keypad3, uint8_t keypad4);

/* Prints a text on the terminal's printer (command 109; 254 bytes padded with spaces, then 0x00).
 * A null text prints spaces. The send's code. */
uint8_t VARANDA_CALL EnviarMensagemImpressora00(int32_t terminal, const char* text);

/* As EnviarMensagemImpressora00 with command 127 and a last byte 0xFF. The send's code. */
uint8_t VARANDA_CALL EnviarMensagemImpressoraFF(int32_t terminal, const char* text);

/* ---- Automatic online/offline change --------------------------------------- */

/* Change mode 0..2 (byte 0; any other value is stored as 0) and change time 0..50 (byte 1).
 * 0 stored; 128 time above 50 (nothing stored). */
uint8_t VARANDA_CALL HabilitarMudancaOnLineOffLine(uint8_t mode, uint8_t time);

/* Entry forms after the change to offline (byte 2): bit 0 first non-zero, bits 1-3 second (0..4),
 * bits 4-6 third (0..4), bit 7 set; fourth unused. 0 stored; 128 second above 4; 129 third above 4. */
uint8_t VARANDA_CALL DefinirEntradasMudancaOffLine(uint8_t first, uint8_t second, uint8_t third, uint8_t fourth);

/* Entry forms after the change to offline, biometric form (byte 2, bit 6 set, bit 7 clear).
 * 0 stored; 128 second above 4; 129 third above 4. */
uint8_t VARANDA_CALL DefinirEntradasMudancaOffLineComBiometria(uint8_t first, uint8_t second, uint8_t third, uint8_t fourth, uint8_t fifth);

/* Entry forms after the change to online (byte 5), any value. Always 0. */
uint8_t VARANDA_CALL DefinirEntradasMudancaOnLine(uint8_t forms);

/* Keypad settings 0..20, 0..2, 0..50, 0..32 (bytes 3, 4, 6, 7). 0 stored; 128 to 131 the first
 * setting out of range (nothing stored). */
uint8_t VARANDA_CALL DefinirConfiguracaoTecladoOnLine(uint8_t setting1, uint8_t setting2, uint8_t setting3, uint8_t setting4);

/* Formats the standard message after the change to online (bytes 8-39), as
 * DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemPadraoMudancaOnLine(uint8_t secondLine, const char* text);

/* Formats the standard message after the change to offline (bytes 40-71), as
 * DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemPadraoMudancaOffLine(uint8_t secondLine, const char* text);

/* Sends the 72-byte block (command 114); the block is kept. 0 sent; 1 not accepted;
 * 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(int32_t terminal);

/* ---- Configuration record -------------------------------------------------- */

/* Record byte 0 = 0: the terminal works offline. Always 0. */
uint8_t VARANDA_CALL ConfigurarCorvoOffLine(void);

/* Record byte 0 = 1: the terminal works online. Always 0. */
uint8_t VARANDA_CALL ConfigurarCorvoOnLine(void);

/* Keypad enabled (byte 1) and the second keypad option (byte 23), each 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL HabilitarTeclado(uint8_t enable, uint8_t secondOption);

/* Relay 1 activation mode 0..9 (byte 2) and time 0..50 (byte 4). 0 stored; 128 either out of range. */
uint8_t VARANDA_CALL ConfigurarAcionamento1(uint8_t mode, uint8_t time);

/* Relay 2 activation mode 0..9 (byte 3) and time 0..50 (byte 5). 0 stored; 128 either out of range. */
uint8_t VARANDA_CALL ConfigurarAcionamento2(uint8_t mode, uint8_t time);

/* Reader type 0..6 (byte 6). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL ConfigurarTipoLeitor(uint8_t type);

/* Reader 1 function 0..4 (byte 7). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL ConfigurarLeitor1(uint8_t function);

/* Reader 2 function 0..4 (byte 8). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL ConfigurarLeitor2(uint8_t function);

/* Company code 0..999 (bytes 9-10, low byte first; 0xFFFF until set). Only the low 16 bits
 * of the argument are read. 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirCodigoEmpresa(int32_t code);

/* Access level 0..9 (byte 11). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirNivelAcesso(uint8_t level);

/* Use the access password (byte 12), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL UtilizarSenhaAcesso(uint8_t use);

/* Access list type 0..2 (byte 13). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirTipoListaAcesso(uint8_t type);

/* Card digit count 1..16 (byte 14; 14 until set). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirQuantidadeDigitosCartao(uint8_t digits);

/* Warn when the punch memory is full (byte 15), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL AvisarQuandoMemoriaCheia(uint8_t warn);

/* Random inspection percentage 0..100 (byte 16). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirPorcentagemRevista(uint8_t percent);

/* Record denied accesses, 0..3 (byte 17). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL RegistrarAcessoNegado(uint8_t mode);

/* Master card release (byte 18): stores 1 for 0 and 0 for any other value. Always 0. */
uint8_t VARANDA_CALL CartaoMasterLiberaAcesso(uint8_t releases);

/* Relay logic 0..1 (byte 19). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirLogicaRele(uint8_t logic);

/* Turnstile micro-switch lock disabled (byte 20), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL DesabilitarBloqueioCatracaMicroSwitch(uint8_t disable);

/* Default function of the proximity readers 0..12 (byte 24). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirFuncaoDefaultLeitoresProximidade(uint8_t function);

/* Master card number, up to 14 digits, right-aligned packed BCD in bytes 25-31 (a character
 * other than 0-9 counts as 0). 0 stored (null clears the field); 128 longer than 14, field unchanged. */
uint8_t VARANDA_CALL DefinirNumeroCartaoMaster(const char* number);

/* Pictogram forms of the display 0..8 (byte 32). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirFormasPictogramasQuadrante(uint8_t forms);

/* Turnstile beep disabled (byte 33), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL DesabilitarBipCatraca(uint8_t disable);

/* Event 0..5 (byte 33 + sensor) and time 0..50 (byte 36 + sensor) of sensor 1..3.
 * 0 stored; 128 bad sensor; 129 bad event; 130 bad time. */
uint8_t VARANDA_CALL DefinirEventoSensor(uint8_t sensor, uint8_t event, uint8_t time);

/* Biometric enrolment at the terminal (byte 40): stores 1 for 0 and 0 for any other value. Always 0. */
uint8_t VARANDA_CALL PermitirCadastroCorvoBioOssel(uint8_t allow);

/* Same field as PermitirCadastroCorvoBioOssel (byte 40, inverted). Always 0. */
uint8_t VARANDA_CALL PermitirCadastroCorvoBio(uint8_t allow);

/* Date and time in online events (byte 41), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL ReceberDataHoraDadosOnLine(uint8_t enable);

/* Adds an accepted card length 1..16 to the mask of bytes 42-43 (byte 42 high); 0 clears the
 * mask. 0 done; 128 above 16, mask unchanged. */
uint8_t VARANDA_CALL InserirQuantidadeDigitoVariavel(uint8_t length);

/* Wiegand with two readers (byte 44): 1 if first is non-zero plus 2 if second is. Always 0. */
uint8_t VARANDA_CALL ConfigurarWiegandDoisLeitores(uint8_t first, uint8_t second);

/* Default function of the biometric sensor 0..12 (byte 45). 0 stored; 128 out of range. */
uint8_t VARANDA_CALL DefinirFuncaoDefaultSensorBiometria(uint8_t function);

/* Function of sensor 1 (byte 46), any value. Always 0. */
uint8_t VARANDA_CALL DefinirFuncaoSensor1(uint8_t function);

/* Encryption setting (byte 47), any value stored as given. Always 0. */
uint8_t VARANDA_CALL HabilitarCriptografia(uint8_t value);

/* Index-search behaviour (byte 48), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL ConfigurarComportamentoIndexSearch(uint8_t enable);

/* Variable biometric mode (byte 49), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL ConfigurarBioVariavel(uint8_t enable);

/* Reader preset: type 2, 8 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeHIDAbaTrack2(void);

/* Reader preset: type 2, 10 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeMotorolaAbaTrack2(void);

/* Reader preset: type 3, 6 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeWiegand(void);

/* Reader preset: type 4, 10 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeSmartCard(void);

/* Reader preset: type 2, 14 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeAcura(void);

/* Reader preset: type 3, 10 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeWiegandFacilityCode(void);

/* Reader preset: type 2, 10 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorProximidadeSmartCardAcura(void);

/* Reader preset: type 6, 8 card digits. Always 0. */
uint8_t VARANDA_CALL ConfigurarLeitorWiegandFacilityCodeSemSeparador(void);

/* Sends the 50-byte record (command 100); the record is kept. 0 sent; 1 not accepted;
 * 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL EnviarConfiguracoes(int32_t terminal);

/* Copies the 50 record bytes into `buffer` (at least 50 bytes); nothing is sent.
 * 0 copied; 129 null buffer. */
uint8_t VARANDA_CALL GetBufferConfigDLL(int32_t unused, uint8_t* buffer);

/* Reads the terminal's 50-byte record (command 200) into `buffer` (at least 50 bytes), which is
 * written only on success. 0 read; 1 no valid answer; 2 port not open; 129 null buffer. */
uint8_t VARANDA_CALL ReceberBufferConfig(int32_t terminal, uint8_t* buffer);

/* ---- Messages and change events -------------------------------------------- */

/* Formats the entry message (slot 0): with secondLine non-zero byte 0 is 0xFE and the text
 * (up to 16 characters) fills the second line, else up to 32 characters; null gives spaces. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemEntradaOffLine(uint8_t secondLine, const char* text);

/* Formats the exit message (slot 1), as DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemSaidaOffLine(uint8_t secondLine, const char* text);

/* Formats the default message (slot 2), as DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemPadraoOffLine(uint8_t secondLine, const char* text);

/* Formats the message of function 0..9 (slot function + 3) over both lines; with enabled 0 its
 * byte 0 becomes 0xFF (message off). 0 stored; 128 function above 9. */
uint8_t VARANDA_CALL DefinirMensagemFuncaoOffLine(const char* text, uint8_t function, uint8_t enabled);

/* Byte 0 of message slot 0 or 1 becomes 0xFD (score display on) or 0xFE; the text stays.
 * 0 done; 128 slot above 1. */
uint8_t VARANDA_CALL HabilitarScoreMensagemOffLine(int32_t unused, uint8_t slot, uint8_t enabled);

/* Sends the 416-byte table (command 106), then restores the default texts whatever the outcome.
 * 0 sent; 1 not accepted; 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL EnviarMensagensOffLine(int32_t terminal);

/* Restores the default texts and sends them (command 106). Codes as EnviarMensagensOffLine. */
uint8_t VARANDA_CALL ApagarMensagensOffLine(int32_t terminal);

/* Sends the text as the standard message: a 32-byte display message (formatted as in
 * DefinirMensagemEntradaOffLine) then 0xFF, command 104. 0 sent; 1 not accepted; 2 port not open. */
uint8_t VARANDA_CALL EnviarMensagemPadraoOnLine(int32_t terminal, uint8_t secondLine, const char* text);

/* Sends the text as a temporary message shown for `time`: the display message then the time byte,
 * command 104. Codes as EnviarMensagemPadraoOnLine. */
uint8_t VARANDA_CALL EnviarMensagemTemporariaOnLine(int32_t terminal, uint8_t secondLine, const char* text, uint8_t time);

/* Reads the terminal's 416-byte offline message table (command 206) into `buffer` (at least 416
 * bytes), written only on success. 0 read; 1 no valid answer; 2 port not open; 129 null buffer. */
uint8_t VARANDA_CALL ReceberBufferMsgA(int32_t terminal, uint8_t* buffer);

/* Does nothing; always returns 255. */
uint8_t VARANDA_CALL GetBufferMsgDLL(int32_t unused1, int32_t unused2);

/* Formats the entry presentation message (bytes 0-31), as DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemApresentacaoEntrada(uint8_t secondLine, const char* text);

/* Formats the exit presentation message (bytes 32-63), as DefinirMensagemEntradaOffLine. Always 0. */
uint8_t VARANDA_CALL DefinirMensagemApresentacaoSaida(uint8_t secondLine, const char* text);

/* Times of change to entry (bytes 64-69); hours 0..23, minutes 0..59, 255 for none. Hours are
 * checked and stored first, then minutes; values before the first bad one stay stored.
 * 0 all stored; 128 bad hour; 129 bad minute. */
uint8_t VARANDA_CALL InserirHorarioMudancaEntrada(uint8_t hour1, uint8_t minute1, uint8_t hour2, uint8_t minute2, uint8_t hour3, uint8_t minute3);

/* Times of change to exit (bytes 70-75), as InserirHorarioMudancaEntrada. */
uint8_t VARANDA_CALL InserirHorarioMudancaSaida(uint8_t hour1, uint8_t minute1, uint8_t hour2, uint8_t minute2, uint8_t hour3, uint8_t minute3);

/* Change of event by the arrow keys (byte 76), 1 for non-zero. Always 0. */
uint8_t VARANDA_CALL HabilitaMudancaEventoSeta(uint8_t enable);

/* Sends the 77-byte block (command 134); the block is kept. 0 sent; 1 not accepted;
 * 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL EnviarBufferEventosMudancaAuto(int32_t terminal);

/* ---- Function keys --------------------------------------------------------- */

/* Replaces the byte of function 0..9: mode 0..3 in bits 0-1, options 1-4 in bits 2-5 (1 for non-zero);
 * the score bit is cleared. 0 stored; 128 function above 9; 129 mode above 3. */
uint8_t VARANDA_CALL DefinirConfiguracoesFuncoes(uint8_t function, uint8_t mode, uint8_t option1, uint8_t option2, uint8_t option3, uint8_t option4);

/* Sets or clears the score bit (bit 6) of function 0..9, keeping the rest. 0 done; 128 function above 9. */
uint8_t VARANDA_CALL HabilitarScoreFuncoes(uint8_t function, uint8_t enabled);

/* Sends the 10-byte block (command 128), then zeroes it whatever the outcome. 0 sent; 1 not accepted;
 * 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL EnviarConfiguracoesFuncoes(int32_t terminal);

/* ---- Clock and daylight saving --------------------------------------------- */

/* Sets the clock: command 117 with seconds (UtilizarRelogioSegundos on), falling back to 101 without.
 * 128 day, 129 month, 133 year (0..99), 130 hour, 131 minute, 132 second out of range; else the last send's code. */
uint8_t VARANDA_CALL EnviarRelogio(int32_t terminal, uint8_t day, uint8_t month, uint8_t year, uint8_t hour, uint8_t minute, uint8_t second);

/* Reads the clock (answer 217, else 201 without seconds, which reads 0; a second above 59 reads 0).
 * The last exchange's code; 129..134 null pointer. Nothing written unless 0. */
uint8_t VARANDA_CALL ReceberRelogio(int32_t terminal, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour, uint8_t* minute, uint8_t* second);

/* Sends the daylight saving period (command 113, 10 bytes). 128/132 day, 129/133 month, 130/134 hour
 * (0..59), 131/135 minute out of range for start/end, nothing sent; years any value. Else the send's code. */
uint8_t VARANDA_CALL EnviarHorarioVerao(int32_t terminal, uint8_t startDay, uint8_t startMonth, uint8_t startYear, uint8_t startHour, uint8_t startMinute, uint8_t endDay, uint8_t endMonth, uint8_t endYear, uint8_t endHour, uint8_t endMinute);

/* ---- Access and siren schedules -------------------------------------------- */

/* Stores one time (hour, minute) of an access schedule. 0 stored; 128 schedule not 1..100 (1..50 for
 * old terminals); 129 day not 1..7; 130 time not 1..4; 131 hour above 23; 132 minute above 59. */
uint8_t VARANDA_CALL InserirHorarioAcesso(uint8_t schedule, uint8_t day, uint8_t time, uint8_t hour, uint8_t minute);

/* Sends the access schedules (command 111, 5,600 bytes; old terminals 103, the first 2,800) and clears them, whatever the result. Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarHorariosAcesso(int32_t terminal);

/* Clears the access schedules and sends the empty table. Codes as EnviarHorariosAcesso. */
uint8_t VARANDA_CALL ApagarHorariosAcesso(int32_t terminal);

/* Appends one siren time sounding on the weekdays whose flag is non-zero. 0 stored; 128 hour above 23,
 * minute above 59, or the table already holds 100 times. */
uint8_t VARANDA_CALL InserirHorarioSirene(uint8_t hour, uint8_t minute, uint8_t day0, uint8_t day1, uint8_t day2, uint8_t day3, uint8_t day4, uint8_t day5, uint8_t day6);

/* Sends the siren times (command 112, 300 bytes; old terminals 105, the first 150) and clears them, whatever the result. Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarHorariosSirene(int32_t terminal);

/* Clears the siren times and sends the empty table. Codes as EnviarHorariosSirene. */
uint8_t VARANDA_CALL ApagarHorariosSirene(int32_t terminal);

/* ---- Access list ----------------------------------------------------------- */

/* Appends a card and its access schedule. 0 added; 128 card null or (card pattern 0) not 0..65000; 129 text too long;
 * 130 schedule not 1..102 (old terminals 1..52); 131 list full (old: 9,000 entry bytes; else 65,535 entries, 131,070 bytes). */
uint8_t VARANDA_CALL InserirUsuarioListaAcesso(const char* card, uint8_t schedule);

/* Sends the access list (115, 110 if refused; 136 in two blocks when large; old terminals 102), then empties it. Codes as
 * AcionarRele1; 128 second block failed; 131 nothing sent, list kept: after a settings change it no longer fits. */
uint8_t VARANDA_CALL EnviarListaAcesso(int32_t terminal);

/* Empties the access list and sends the empty list. Codes as EnviarListaAcesso. */
uint8_t VARANDA_CALL ApagarListaAcesso(int32_t terminal);

/* ---- Punch collection ------------------------------------------------------ */

/* Collects one punch (answer 204): six bytes and 16 characters of card text (decimal in card pattern 0,
 * hexadecimal in 1, not terminated). 128 the terminal offered its last punch again; 1 none stored
 * (serial COM component); 129..135 null pointer. Nothing written unless 0. */
uint8_t VARANDA_CALL ColetarBilhete(int32_t terminal, uint8_t* type, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour, uint8_t* minute, char* card);

/* Reads how many punches the terminal holds (answer 235, 0..65535). The exchange's code; the count
 * is 0 after a failed exchange. 129 null count, nothing sent. */
uint8_t VARANDA_CALL ReceberQuantidadeBilhetes(int32_t terminal, int32_t* count);

/* ---- Fingerprint module ---------------------------------------------------- */

/* Asks the fingerprint module for its model. 0 sent; 1 not accepted; 2 port not open. */
uint8_t VARANDA_CALL SolicitarModeloBio(int32_t terminal);

/* Reads the model (0 until an answer). 0 read; 128..137 module status or no answer; 130 null model. */
uint8_t VARANDA_CALL ReceberModeloBio(int32_t terminal, uint8_t online, int32_t* model);

/* Asks the fingerprint module for its firmware version. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarVersaoBio(int32_t terminal);

/* Reads the version, each part two decimal digits. 0 read; 128..137 module status or no answer;
 * 130, 131 null out-pointer. */
uint8_t VARANDA_CALL ReceberVersaoBio(int32_t terminal, uint8_t online, int32_t* major, int32_t* minor);

/* Asks the fingerprint module how many users it holds. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarQuantidadeUsuariosBio(int32_t terminal);

/* Reads the user count, up to 12 tries 40 ms apart; the count is written only on 0.
 * 128..137 module status or no answer; 130 null count. */
uint8_t VARANDA_CALL ReceberQuantidadeUsuariosBio(int32_t terminal, uint8_t online, int32_t* count);

/* Light identifier form (8 characters) for the next request that uses it. Returns the flag, 1 or 0. */
int32_t VARANDA_CALL SetarBioLight(int32_t value);

/* Variable identifier form (16 characters) for the next request that uses it. Returns the flag, 1 or 0. */
int32_t VARANDA_CALL SetarBioVariavel(int32_t value);

/* Starts a collection from page 0, dropping any package held. */
void VARANDA_CALL InicializarColetaListaUsuariosBio(void);

/* Asks for the current page of the user list (sub-command 10). Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarListaUsuariosBio(int32_t terminal);

/* Reads the page's answer and package (command 222). 0 read, next page; 136 empty list;
 * 137 answer for another page; 128..137 module status or no answer; 128 also for a package
 * of records longer than 128 bytes (nothing kept, the collection reset); other exchange codes. */
uint8_t VARANDA_CALL ReceberPacoteListaUsuariosBio(int32_t terminal);

/* Copies the next record of the package (record-size bytes, at most 128) into `record`, which
 * must hold 128 bytes. 0 copied; 128 no package or no further record in it; 129 null record. */
uint8_t VARANDA_CALL ReceberUsuarioLista(int32_t terminal, uint8_t* record);

/* 1 while the package has records not yet read, else 0. */
int32_t VARANDA_CALL TemProximoUsuario(void);

/* 1 while pages remain; otherwise 0, and the collection is reset. */
int32_t VARANDA_CALL TemProximoPacote(void);

/* Asks for one enrolled user's 844-byte record (sub-command 20). 0 sent; 128 null or empty
 * identifier, nothing sent; other codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarUsuarioCadastradoBio(int32_t terminal, const char* id);

/* Reads the 844-byte user record into `record` (written only on 0). 128..137 module status or
 * no answer; 130 null record. */
uint8_t VARANDA_CALL ReceberUsuarioCadastradoBio(int32_t terminal, uint8_t online, uint8_t* record);

/* Asks the module to delete one user (sub-command 21). Codes as SolicitarUsuarioCadastradoBio. */
uint8_t VARANDA_CALL SolicitarExclusaoUsuario(int32_t terminal, const char* id);

/* Reads the result of the deletion. 0 deleted; 128..137 module status or no answer. */
uint8_t VARANDA_CALL UsuarioFoiExcluido(int32_t terminal, uint8_t online);

/* Has the module enrol a user at the reader (sub-command 23, option 0..2). 0 sent; 128 null or
 * empty identifier; 129 option above 2; nothing sent on 128 or 129. */
uint8_t VARANDA_CALL InserirUsuarioLeitorBio(int32_t terminal, uint8_t option, const char* id);

/* Reads the enrolment result. 0 enrolled; 128..137 module status or no answer. */
uint8_t VARANDA_CALL ResultadoInsercaoUsuarioLeitorBio(int32_t terminal, uint8_t online);

/* Has the module verify one user's finger (sub-command 30). 0 sent; 128 null or empty identifier. */
uint8_t VARANDA_CALL FazerVerificacaoBiometricaBio(int32_t terminal, const char* id);

/* Reads the verification result. 0 verified; 128..137 module status or no answer. */
uint8_t VARANDA_CALL ResultadoVerificacaoBiometrica(int32_t terminal, uint8_t online);

/* Has the module identify the finger on the reader (sub-command 31). Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL FazerIdentificacaoBiometricaBio(int32_t terminal);

/* Reads the identification: on 0 the 16 answer bytes in `result`. 128..137 module status or no
 * answer; 130 null result. */
uint8_t VARANDA_CALL ResultadoIdentificacaoBiometrica(int32_t terminal, uint8_t online, uint8_t* result);

/* Asks the module for a template captured by the reader (sub-command 33). Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarTemplateLeitor(int32_t terminal);

/* Reads the module's answer and then the 404-byte template (command 223) into `template_`
 * (written only on 0). 128..137 module status or no answer; 130 null buffer. */
uint8_t VARANDA_CALL ReceberTemplateLeitor(int32_t terminal, uint8_t online, uint8_t* template_);

/* Reads a captured 404-byte template (command 223) with no module answer before it. 0 read;
 * 1 no template; 129 null buffer. */
uint8_t VARANDA_CALL ReceberTemplateCapturadoCorvo(int32_t terminal, uint8_t* template_);

/* Sends a 404-byte template to compare with the finger on the reader (command 123). 0 sent;
 * 129 null template; other codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL CompararDigitalLeitor(int32_t terminal, uint8_t* template_);

/* Reads the comparison result. 0 the finger matches; 128..137 module status or no answer. */
uint8_t VARANDA_CALL ResultadoComparacaoDigitalLeitor(int32_t terminal, uint8_t online);

/* Sends an 836-byte user record followed by the local date and time (command 121, 844 bytes).
 * 0 sent; 129 null record; other codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarUsuarioBio(int32_t terminal, uint8_t* record);

/* Reads the module's result for the record sent. 0 stored; 128..137 module status or no answer. */
uint8_t VARANDA_CALL UsuarioFoiEnviado(int32_t terminal, uint8_t online);

/* Sets the module's two options, each on when non-zero (sub-command 60). Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL ConfigurarBio(int32_t terminal, uint8_t option1, uint8_t option2);

/* Reads the result of ConfigurarBio. 0 set; 128..137 module status or no answer. */
uint8_t VARANDA_CALL ResultadoConfiguracaoBio(int32_t terminal, uint8_t online);

/* Sensitivity: value1 1, 2, 4 or 8 (else 128), value2 0..100 (else 129), value3 0..100 (else 130). */
uint8_t VARANDA_CALL ConfigurarAjustesSensibilidadeBio(int32_t terminal, uint8_t value1, uint8_t value2, uint8_t value3);

/* Security: value1 6..9 (else 128), value2 1..9 (else 129). */
uint8_t VARANDA_CALL ConfigurarAjustesSegurancaBio(int32_t terminal, uint8_t value1, uint8_t value2);

/* Quality: value1 30..100 (else 128), value2 10..100 (else 129). */
uint8_t VARANDA_CALL ConfigurarAjustesQualidadeBio(int32_t terminal, uint8_t value1, uint8_t value2);

/* The filter, on when non-zero. Always 0. */
uint8_t VARANDA_CALL ConfigurarFiltroBio(int32_t terminal, uint8_t on);

/* Adaptive capture, on when non-zero: value2 1..7 (else 128, checked first), value1 1..10 (else 129). */
uint8_t VARANDA_CALL ConfigurarCapturaAdaptativaBio(int32_t terminal, uint8_t on, uint8_t value1, uint8_t value2);

/* Identification time-out, 10..255 (else 128). */
uint8_t VARANDA_CALL ConfigurarTimeoutIdentificacao(uint8_t seconds);

/* LFD level, 0..3 (else 128). */
uint8_t VARANDA_CALL ConfigurarNivelLFD(uint8_t level);

/* Sends the settings block (command 133); on 0 the block returns to its defaults, keeping the
 * time-out and LFD level. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarAjustesBio(int32_t terminal);

/* Asks for one user's fingerprint record (sub-command 20, the identifier as 16 characters,
 * right-aligned behind '0's). 0 sent; 128 null or empty identifier; other codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarDigitalUsuario(int32_t terminal, const char* id);

/* Reads the module's answer: `size` 472 or 876, 0 on failure. 128..137 module status or no
 * answer; 129 null size. */
uint8_t VARANDA_CALL ReceberRespostaRequisicaoBio(int32_t terminal, int32_t* size);

/* Receives the record of `size` bytes (command 231) into `record`, written only on 0.
 * 129 null record; 130 size outside 1..876; other exchange codes. */
uint8_t VARANDA_CALL ReceberDigitalUsuario(int32_t terminal, uint8_t* record, int32_t size);

/* Sends a fingerprint record with the local date and time (command 131); `template2` (404
 * bytes) may be null. 0 sent; 128 null identifier or longer than 16 characters; 130 null template1. */
uint8_t VARANDA_CALL EnviarDigitalUsuario(int32_t terminal, const char* id, uint8_t* template1, uint8_t* template2);

/* Asks for the current page of the list (sub-command 11). Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL SolicitarListaUsuariosBioVariavel(int32_t terminal);

/* Reads the page's answer and package (command 222). 0 read, next page; 136 empty list;
 * 137 answer for another page; 128..137 module status or no answer; other exchange codes. */
uint8_t VARANDA_CALL SolicitarListaUsuariosComDigital(int32_t terminal);

/* Internal step: reads the package announced by the last list answer again. Not for hosts.
 * 0 read; 136 no package announced; other exchange codes. */
uint8_t VARANDA_CALL ReceberListaUsuariosDigital(int32_t unused);

/* Writes the next user's identifier, 11 bytes each 0..99 (255 for an empty pair), into `id`.
 * 0 written; 128 no package, no further record, or null `id`. */
uint8_t VARANDA_CALL ReceberUsuarioComDigital(uint8_t* id);

/* Adds a user (up to 10 digits) to the 250-entry list. 0 added; 128 null, empty or longer
 * identifier, or the list full. */
uint8_t VARANDA_CALL IncluirUsuarioSemDigitalBio(const char* id);

/* Adds a user (up to 10 digits) to the 500-entry list. Codes as IncluirUsuarioSemDigitalBio. */
uint8_t VARANDA_CALL IncluirUsuarioSemDigitalBio500(const char* id);

/* Sends the 250-entry list (command 124, 1,251 bytes); on 0 the list is emptied. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarListaUsuariosSemDigitalBio(int32_t terminal);

/* Sends the 500-entry list (command 129, 2,502 bytes); on 0 the list is emptied. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarListaUsuariosSemDigitalBio500(int32_t terminal);

/* Adds a user (up to 16 characters 0-9, A-F) to the 8000-entry table. 0 added; 8 empty
 * identifier; 128 null or longer identifier, or the table full. */
uint8_t VARANDA_CALL IncluirUsuarioSemDigitalBioCorvoAcesso(const char* id);

/* Sends the table's entries behind the header FA 02 (command 129); on 0 the table is emptied.
 * Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarListaUsuariosSemDigitalBioCorvoAcesso(int32_t terminal);

/* Sends the table's entries behind their total length, two bytes high byte first (command 129);
 * the count is 0 afterwards, the entries are cleared on 0. Codes as SolicitarModeloBio. */
uint8_t VARANDA_CALL EnviarListaUsuariosSemDigitalBioVariavel(int32_t terminal, int32_t unused);

/* ---- Ossel module ---------------------------------------------------------- */

/* Sends a 451-byte user record (command 172). 0 sent; 129 null record; 1 not accepted; 2 port not open. */
uint8_t VARANDA_CALL IncluirUsuarioOssel(int32_t terminal, uint8_t* record);

/* Reads the verdict (command 240). 0 added; 128..133 the module's result; other exchange codes. */
uint8_t VARANDA_CALL ResultadoInclusaoUsuarioOssel(int32_t terminal);

/* Has the terminal enrol a user at its reader (command 171). Codes as IncluirUsuarioOssel. */
uint8_t VARANDA_CALL CriarUsuarioLeitorOssel(int32_t terminal);

/* Reads the verdict (online form) and on success the new 220-byte template (command 243).
 * 0 enrolled; 1 no result message; 128, 130, 134 the module's result; 129 null buffer. */
uint8_t VARANDA_CALL ResultadoInclusaoUsuarioLeitorOssel(int32_t terminal, uint8_t* template_);

/* Deletes one user (command 176). 0 sent; 128 null or empty identifier, nothing sent. */
uint8_t VARANDA_CALL ApagarUsuarioOssel(int32_t terminal, const char* id);

/* Reads the verdict (command 240). Codes as ResultadoInclusaoUsuarioOssel. */
uint8_t VARANDA_CALL ResultadoExclusaoUsuarioOssel(int32_t terminal);

/* Deletes every user; the text (up to 10 characters) goes with the request (command 177).
 * 0 sent; 128 null text, nothing sent. */
uint8_t VARANDA_CALL ApagarTodosUsuariosOssel(int32_t terminal, const char* text);

/* Reads the verdict (command 240). Codes as ResultadoInclusaoUsuarioOssel. */
uint8_t VARANDA_CALL ResultadoExclusaoTodosUsuariosOssel(int32_t terminal);

/* Positions on the first user (command 173). 0 sent; 128 mode not 0 or 2, nothing sent. */
uint8_t VARANDA_CALL LocalizarPrimeiroUsuarioOssel(int32_t terminal, uint8_t mode);

/* Moves to the next user (command 174). Codes as LocalizarPrimeiroUsuarioOssel. */
uint8_t VARANDA_CALL LocalizarProximoUsuarioOssel(int32_t terminal, uint8_t mode);

/* Looks one user up (command 175). 0 sent; 128 null or empty identifier; 129 mode not 0 or 2;
 * 130 length 0 or above 16; nothing sent on 128..130. */
uint8_t VARANDA_CALL LocalizarUsuarioOssel(int32_t terminal, uint8_t mode, uint8_t length, const char* id);

/* Fetches the current user: the verdict (command 240), then mode 2 the 451-byte record (242)
 * into `record` (451 bytes), mode 0 the summary (244) with its value byte; the identifier's
 * digits go to `id` (17 bytes). 128 bad mode; 130, 131, 132 null pointer the mode needs; 128..133 the verdict. */
uint8_t VARANDA_CALL ReceberUsuarioOssel(int32_t terminal, uint8_t mode, uint8_t* value, uint8_t* record, char* id);

/* Asks for the number of users (command 173). Codes as LocalizarPrimeiroUsuarioOssel. */
uint8_t VARANDA_CALL SolicitarTotalUsuariosOssel(int32_t terminal, uint8_t mode);

/* Reads the number of users (command 241); 0 on failure. 129 null count; other exchange codes. */
uint8_t VARANDA_CALL ReceberTotalUsuariosOssel(int32_t terminal, int32_t* count);

/* Sends a 220-byte template to compare (command 170). 0 sent; 129 null template; 1 not accepted;
 * 2 port not open. */
uint8_t VARANDA_CALL CompararTemplateOssel(int32_t terminal, uint8_t* template_);

/* Reads the verdict (online form, command 207). 0 match; 1 no result message; 128, 130, 134
 * the module's result; other exchange codes. */
uint8_t VARANDA_CALL ResultadoComparacaoTemplateOssel(int32_t terminal);

/* Compares a PIN (command 178). 0 sent; 128 null or empty PIN, nothing sent. */
uint8_t VARANDA_CALL CompararPINOssel(int32_t terminal, const char* pin);

/* Reads the verdict (online form). Codes as ResultadoComparacaoTemplateOssel. */
uint8_t VARANDA_CALL ResultadoComparacaoPINOssel(int32_t terminal);

/* Sets the module's three network flags, each on when non-zero (command 179). Codes as CompararTemplateOssel. */
uint8_t VARANDA_CALL ConfigurarRedeOssel(int32_t terminal, uint8_t flag1, uint8_t flag2, uint8_t flag3);

/* Reads the verdict (command 240). 0 set; 128..133 the module's result; other exchange codes. */
uint8_t VARANDA_CALL ResultadoConfiguracaoRedeOssel(int32_t terminal);

/* ---- Device extras and protocol flags -------------------------------------- */

/* Reads the firmware version (answer 250): bytes 0, 1-2 (low first), 3..6. Every out-value is 0 after a
 * failed read; byte6 is 0 unless byte0 is 14. The exchange's code; 129..134 null pointer, nothing sent. */
uint8_t VARANDA_CALL ReceberVersaoFirmware(int32_t terminal, uint8_t* byte0, uint16_t* version, uint8_t* byte3, uint8_t* byte4, uint8_t* byte5, uint8_t* byte6);

/* Sends the network module's keep-alive time (command 198, 4 bytes, most significant first).
 * 128 negative time, nothing sent; else the send's code. */
uint8_t VARANDA_CALL EnviarTempoKeepAliveRabbit(int32_t terminal, int32_t time);

/* Writes the three turnstile counters (command 125; each value's four bytes as they lie in
 * memory, lowest first), then reads the terminal's answer 225. The code of the step that failed, else 0. */
uint8_t VARANDA_CALL AtribuirContadorGiro(int32_t terminal, int32_t first, int32_t second, int32_t third);

/* Reads the three turnstile counters into three 4-byte areas, each as four values 0..99, least
 * significant first. Areas written only on 0; 129..131 null area, nothing sent. */
uint8_t VARANDA_CALL LerContadorGiro(int32_t terminal, uint8_t* first, uint8_t* second, uint8_t* third);

/* Reads a smart card area; the four result areas (10, 16, 16, 16 bytes) are written only on 0.
 * 130..133 null area, nothing sent; else the code of the step that failed. */
uint8_t VARANDA_CALL LerSmartCard(int32_t terminal, uint8_t area, uint8_t* r1, uint8_t* r2, uint8_t* r3, uint8_t* r4);

/* Green LED on (command 14, as LigarBackLite). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarLedVerde(int32_t terminal);

/* Green LED off (command 15, as DesligarBackLite). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarLedVerde(int32_t terminal);

/* Old-terminal mode (off at start): reduced schedule tables and access list, one sensor byte.
 * Returns the flag stored, 1 or 0. */
int32_t VARANDA_CALL SetarCorvoOld(int32_t unused, int32_t value);

/* Whether ReceberDadosOnLine2 first asks (command 215) if an event waits (on at start).
 * Returns the flag stored, 1 or 0. */
int32_t VARANDA_CALL Utilizar215(int32_t unused, int32_t value);

/* Whether EnviarRelogio sends the seconds (command 117, falling back to 101; on at start).
 * Returns the flag stored, 1 or 0. */
int32_t VARANDA_CALL UtilizarRelogioSegundos(int32_t unused, int32_t value);

/* Whether turnstile releases try the short command first (23 exit, 24 entry; on at start).
 * Returns the flag stored, 1 or 0. */
int32_t VARANDA_CALL UtilizarCmdCurtoCatraca(int32_t unused, int32_t value);

/* ---- TLM encryption block -------------------------------------------------- */

/* Builds the library's TLM block from a TLM key file. 0 built; 1 null path, file missing,
 * unreadable or shorter than 109 bytes (the block stays as it was). */
uint8_t VARANDA_CALL PreencherBufferTLM(const char* path);

/* Sends the block built by PreencherBufferTLM. 1 when none has been built (nothing sent);
 * else the send's code. */
uint8_t VARANDA_CALL EnviarBufferTLM(int32_t terminal);

/* Sends the caller's 26-byte TLM block; the library's own block is not involved.
 * 129 null block, nothing sent; else the send's code. */
uint8_t VARANDA_CALL EnviarCriptografiaTLM(int32_t terminal, uint8_t* block);

/* ---- Messages to the host -------------------------------------------------- */

/* Shows `text` in a message box captioned "DLL Message" (on Linux: caption and text on
 * standard error). Returns 1 when the box is closed. */
int32_t VARANDA_CALL ExecInClientDLL(int32_t reserved1, const char* text, int32_t reserved3, int32_t reserved4);

#ifdef __cplusplus
}
#endif

#endif /* VARANDA_H */
