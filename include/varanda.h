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
 *   stored or sent.
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

/* Opens the port (9600 baud; 2400 through the modem entry for type 3). 0 opened; 1 refused;
 * 3 already open; 7 modem open on another type; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL AbrirPortaComunicacao(int32_t port);

/* Short beep (command 8). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarBipCurto(int32_t terminal);

/* Long beep (command 9). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarBipLongo(int32_t terminal);

/* Pulses relay 1 (command 1). 0 sent; 1 not accepted; 2 port not open; 4, 5, 6, 10 back end missing. */
uint8_t VARANDA_CALL AcionarRele1(int32_t terminal);

/* Pulses relay 2 (command 2). Codes as AcionarRele1. */
uint8_t VARANDA_CALL AcionarRele2(int32_t terminal);

/* Clears the access schedules and sends the empty table. Codes as EnviarHorariosAcesso. */
uint8_t VARANDA_CALL ApagarHorariosAcesso(int32_t terminal);

/* Clears the siren times and sends the empty table. Codes as EnviarHorariosSirene. */
uint8_t VARANDA_CALL ApagarHorariosSirene(int32_t terminal);

/* Empties the access list and sends the empty list. Codes as EnviarListaAcesso. */
uint8_t VARANDA_CALL ApagarListaAcesso(int32_t terminal);

/* Reopens the port, initialises the modem, dials (tone unless `tone` is 0), waits up to 60 s for the modem's
 * verdict, then pings the terminal up to three times. 1 connected; -1 failed or no answer; -2 `init` null or
 * empty; -3 `number` null, empty or longer than 495 characters; 3, 6, 7 the modem's verdict (no carrier,
 * no dial tone, busy). */
int32_t VARANDA_CALL ConectarModem(int32_t port, const char* init, int32_t tone, const char* number, int32_t terminal);

/* Chooses the back end: 0 serial library, 1 TCP library, 2 TCP COM component (the
 * default), 3 modem through the serial library, 4 serial COM component. 0 done; 9 other type. */
uint8_t VARANDA_CALL DefinirTipoConexao(uint8_t type);

/* Switches relay 1 off (command 6). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesabilitarRele1(int32_t terminal);

/* Switches relay 2 off (command 7). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesabilitarRele2(int32_t terminal);

/* Backlight off (command 15). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarBackLite(int32_t terminal);

/* Intermittent beep off (command 18). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarBipIntermitente(int32_t terminal);

/* Red LED off (command 28). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DesligarLedVermelho(int32_t terminal);

/* Returns the inserted card (command 21). Codes as AcionarRele1. */
uint8_t VARANDA_CALL DevolverCartao(int32_t terminal);

/* Retains the inserted card (command 22). Codes as AcionarRele1. */
uint8_t VARANDA_CALL EngolirCartao(int32_t terminal);

/* Signals access denied (command 3). Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarComandoAcessoNegado(int32_t terminal);

/* Sends the access schedules (command 111, 5,600 bytes; old terminals 103, the first 2,800) and clears them, whatever the result. Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarHorariosAcesso(int32_t terminal);

/* Sends the siren times (command 112, 300 bytes; old terminals 105, the first 150) and clears them, whatever the result. Codes as AcionarRele1. */
uint8_t VARANDA_CALL EnviarHorariosSirene(int32_t terminal);

/* Sends the access list (115, 110 if refused; 136 in two blocks when large; old terminals 102), then empties it. Codes as
 * AcionarRele1; 128 second block failed; 131 nothing sent, list kept: after a settings change it no longer fits. */
uint8_t VARANDA_CALL EnviarListaAcesso(int32_t terminal);

/* Sends a text to the modem (connection type 3). 0 sent; 1 refused; 2 port not open;
 * 7 not a modem connection; 4 serial library missing; 128 null text. */
uint8_t VARANDA_CALL EnviarStringInicializacaoModem(const char* text);

/* Shows `text` in a message box captioned "DLL Message" (on Linux: caption and text on
 * standard error). Returns 1 when the box is closed. */
int32_t VARANDA_CALL ExecInClientDLL(int32_t reserved1, const char* text, int32_t reserved3, int32_t reserved4);

/* Closes the port. Nothing is returned. */
void VARANDA_CALL FecharPortaComunicacao(void);

/* Stores one time (hour, minute) of an access schedule. 0 stored; 128 schedule not 1..100 (1..50 for
 * old terminals); 129 day not 1..7; 130 time not 1..4; 131 hour above 23; 132 minute above 59. */
uint8_t VARANDA_CALL InserirHorarioAcesso(uint8_t schedule, uint8_t day, uint8_t time, uint8_t hour, uint8_t minute);

/* Appends one siren time sounding on the weekdays whose flag is non-zero. 0 stored; 128 hour above 23,
 * minute above 59, or the table already holds 100 times. */
uint8_t VARANDA_CALL InserirHorarioSirene(uint8_t hour, uint8_t minute, uint8_t day0, uint8_t day1, uint8_t day2, uint8_t day3, uint8_t day4, uint8_t day5, uint8_t day6);

/* Appends a card and its access schedule. 0 added; 128 card null or (card pattern 0) not 0..65000; 129 text too long;
 * 130 schedule not 1..102 (old terminals 1..52); 131 list full (old: 9,000 entry bytes; else 65,535 entries, 131,070 bytes). */
uint8_t VARANDA_CALL InserirUsuarioListaAcesso(const char* card, uint8_t schedule);

/* Reads the modem's next result code: the value, or -1 when nothing can be read
 * (also on another connection type or a closed port). */
int32_t VARANDA_CALL LerByteModem(void);

/* Brings the terminal online (command 26). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LevantarParaOnLine(int32_t terminal);

/* Backlight on (command 14). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarBackLite(int32_t terminal);

/* Intermittent beep on (command 17). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarBipIntermitente(int32_t terminal);

/* Red LED on (command 27). Codes as AcionarRele1. */
uint8_t VARANDA_CALL LigarLedVermelho(int32_t terminal);

/* Holds relay 1 on (command 4). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ManterRele1Acionado(int32_t terminal);

/* Holds relay 2 on (command 5). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ManterRele2Acionado(int32_t terminal);

/* Tests that the terminal answers (command 10). Codes as AcionarRele1. */
uint8_t VARANDA_CALL Ping(int32_t terminal);

/* Tests the terminal in online mode (command 26). Codes as AcionarRele1. */
uint8_t VARANDA_CALL PingOnLine(int32_t terminal);

/* Resets the online mode (command 11). Codes as AcionarRele1. */
uint8_t VARANDA_CALL ResetarModoOnLine(int32_t terminal);

#ifdef __cplusplus
}
#endif

#endif /* VARANDA_H */
