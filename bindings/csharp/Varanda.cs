// Generated from the operation lists of the Varanda SDK; do not edit.
//
// Every operation of the SDK, as P/Invoke declarations (Varanda.Varanda.Native),
// and a thin layer: VarandaException for a code other than 0, the punches and
// online events as enumerables, the port as an IDisposable. Results are
// bytes (0..255), never negative. Texts travel as ISO-8859-1 (a character
// outside it as '?'): Latin1(text) gives the bytes a text argument takes,
// zero-terminated. Buffers are byte[] of the size each declaration's comment
// gives; card texts come back unterminated in the buffer.
//
// Linux: libvaranda.so on the library search path (LD_LIBRARY_PATH, or a
// <dllmap> in the program's .config); Windows: Varanda.dll beside the
// program, the 32-bit build for a 32-bit process, the 64-bit one otherwise.
using System;
using System.Collections.Generic;
using System.Runtime.InteropServices;
using System.Text;
using System.Threading;

namespace Varanda
{
    public class VarandaException : Exception
    {
        public readonly string Operation;
        public readonly byte Code;
        public readonly string Text;

        public VarandaException(string operation, byte code)
            : base(operation + ": " + Varanda.CodeText(operation, code) + " (code " + code + ")")
        {
            Operation = operation;
            Code = code;
            Text = Varanda.CodeText(operation, code);
        }
    }

    public struct Punch
    {
        public byte Type, Day, Month, Year, Hour, Minute;
        public string Card;
    }

    public struct OnlineEvent
    {
        public byte Origin, Complement, Day, Month, Year, Hour, Minute, Second;
        public string Card;
    }

    public static class Varanda
    {
        public const byte Serial = 0, Tcp = 1, TcpCom = 2, Modem = 3, SerialCom = 4;
        const byte OfferedAgain = 128;  // ColetarBilhete: the last punch offered again
        const byte NoEvent = 128;       // ReceberDadosOnLine: no event waiting

        static readonly Encoding Terminal = Encoding.GetEncoding(28591, new EncoderReplacementFallback("?"),
                                                                  new DecoderReplacementFallback("?"));

        // The zero-terminated ISO-8859-1 bytes of a text argument.
        public static byte[] Latin1(string text)
        {
            if (text == null) return null;
            byte[] b = Terminal.GetBytes(text);
            Array.Resize(ref b, b.Length + 1);
            return b;
        }

        // A text area from the terminal, up to its first zero byte.
        public static string FromTerminal(byte[] area)
        {
            int n = Array.IndexOf(area, (byte)0);
            return Terminal.GetString(area, 0, n < 0 ? area.Length : n);
        }

        public static void Check(string operation, byte code)
        {
            if (code != 0) throw new VarandaException(operation, code);
        }

        // The port, closed again when disposed.
        public static IDisposable Open(int port, byte connection)
        {
            Check("DefinirTipoConexao", Native.DefinirTipoConexao(connection));
            Check("AbrirPortaComunicacao", Native.AbrirPortaComunicacao(port));
            return new Port();
        }

        sealed class Port : IDisposable
        {
            public void Dispose() { Native.FecharPortaComunicacao(); }
        }

        // Every punch the terminal holds, oldest first; a punch offered again
        // is asked for again; the end is told from a failed line by the count.
        public static IEnumerable<Punch> Punches(int terminal)
        {
            while (true) {
                Punch p = new Punch();
                byte[] card = new byte[16];
                byte r = Native.ColetarBilhete(terminal, out p.Type, out p.Day, out p.Month, out p.Year, out p.Hour,
                                               out p.Minute, card);
                if (r == OfferedAgain) continue;
                if (r != 0) {
                    int count;
                    if (Native.ReceberQuantidadeBilhetes(terminal, out count) == 0 && count == 0) yield break;
                    throw new VarandaException("ColetarBilhete", r);
                }
                p.Card = FromTerminal(card);
                yield return p;
            }
        }

        // One online event, or null when none waits.
        public static OnlineEvent? NextEvent(int terminal)
        {
            OnlineEvent e = new OnlineEvent();
            byte[] card = new byte[16];
            byte r = Native.ReceberDadosOnLine(terminal, out e.Origin, out e.Complement, card, out e.Day, out e.Month,
                                               out e.Year, out e.Hour, out e.Minute, out e.Second);
            if (r == NoEvent) return null;
            Check("ReceberDadosOnLine", r);
            e.Card = FromTerminal(card);
            return e;
        }

        // Online events as they come, until `stop` is cancelled: between empty
        // polls the wait doubles from firstWaitMs up to longestWaitMs.
        public static IEnumerable<OnlineEvent> Events(int terminal, CancellationToken stop, int firstWaitMs = 20,
                                                      int longestWaitMs = 500)
        {
            int wait = firstWaitMs;
            while (!stop.IsCancellationRequested) {
                OnlineEvent? e = NextEvent(terminal);
                if (e.HasValue) {
                    wait = firstWaitMs;
                    yield return e.Value;
                    continue;
                }
                stop.WaitHandle.WaitOne(wait);
                wait = Math.Min(wait * 2, longestWaitMs);
            }
        }

        // The meaning `operation` gives `code`, else the general meaning.
        public static string CodeText(string operation, byte code)
        {
            Dictionary<byte, string> own;
            string text;
            if (operation != null && OwnCodes.TryGetValue(operation, out own) && own.TryGetValue(code, out text))
                return text;
            if (code < General.Length) return General[code];
            return code >= 128 ? "argument " + (code - 128) + " out of range" : "unknown code";
        }

        static readonly string[] General = {
            "success",
            "no answer or not the expected answer",
            "port not open",
            "port already open",
            "serial library unavailable",
            "TCP library unavailable",
            "TCP COM component unavailable",
            "not a modem connection",
            "internal error caught",
            "connection type outside 0 to 4",
            "serial COM component unavailable",
        };

        static readonly Dictionary<string, Dictionary<byte, string>> OwnCodes =
            new Dictionary<string, Dictionary<byte, string>> {
                {"ApagarListaAcesso", new Dictionary<byte, string> {{128, "second block failed"}, {131, "nothing sent, list kept: after a settings change it no longer fits"}}},
                {"ApagarTodosUsuariosOssel", new Dictionary<byte, string> {{128, "null text, nothing sent"}}},
                {"ApagarUsuarioOssel", new Dictionary<byte, string> {{128, "null or empty identifier, nothing sent"}}},
                {"ColetarBilhete", new Dictionary<byte, string> {{1, "no punch stored (serial COM component), or the exchange failed"}, {128, "the terminal offered its last punch again"}, {129, "null pointer (type)"}, {130, "null pointer (day)"}, {131, "null pointer (month)"}, {132, "null pointer (year)"}, {133, "null pointer (hour)"}, {134, "null pointer (minute)"}, {135, "null pointer (card)"}}},
                {"CompararDigitalLeitor", new Dictionary<byte, string> {{129, "null template"}}},
                {"CompararPINOssel", new Dictionary<byte, string> {{128, "null or empty PIN, nothing sent"}}},
                {"CompararTemplateOssel", new Dictionary<byte, string> {{129, "null template"}}},
                {"ConfigurarAcionamento1", new Dictionary<byte, string> {{128, "either out of range"}}},
                {"ConfigurarAcionamento2", new Dictionary<byte, string> {{128, "either out of range"}}},
                {"ConfigurarLeitor1", new Dictionary<byte, string> {{128, "out of range"}}},
                {"ConfigurarLeitor2", new Dictionary<byte, string> {{128, "out of range"}}},
                {"ConfigurarTipoLeitor", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirCodigoEmpresa", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirConfiguracaoTecladoOnLine", new Dictionary<byte, string> {{128, "setting out of range (nothing stored)"}, {129, "setting out of range (nothing stored)"}, {130, "setting out of range (nothing stored)"}, {131, "setting out of range (nothing stored)"}}},
                {"DefinirConfiguracoesFuncoes", new Dictionary<byte, string> {{128, "function above 9"}, {129, "mode above 3"}}},
                {"DefinirEntradasMudancaOffLine", new Dictionary<byte, string> {{128, "second above 4"}, {129, "third above 4"}}},
                {"DefinirEntradasMudancaOffLineComBiometria", new Dictionary<byte, string> {{128, "second above 4"}, {129, "third above 4"}}},
                {"DefinirEventoSensor", new Dictionary<byte, string> {{128, "bad sensor"}, {129, "bad event"}, {130, "bad time"}}},
                {"DefinirFormasPictogramasQuadrante", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirFuncaoDefaultLeitoresProximidade", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirFuncaoDefaultSensorBiometria", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirLogicaRele", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirMensagemFuncaoOffLine", new Dictionary<byte, string> {{128, "function above 9"}}},
                {"DefinirNivelAcesso", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirNumeroCartaoMaster", new Dictionary<byte, string> {{128, "longer than 14, field unchanged"}}},
                {"DefinirPadraoCartao", new Dictionary<byte, string> {{128, "other value, nothing changed"}}},
                {"DefinirPorcentagemRevista", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirQuantidadeDigitosCartao", new Dictionary<byte, string> {{128, "out of range"}}},
                {"DefinirTipoListaAcesso", new Dictionary<byte, string> {{128, "out of range"}}},
                {"EnviarCriptografiaTLM", new Dictionary<byte, string> {{129, "null block, nothing sent"}}},
                {"EnviarDigitalUsuario", new Dictionary<byte, string> {{128, "null identifier or longer than 16 characters"}, {130, "null template1"}}},
                {"EnviarFormasEntradasOnLine", new Dictionary<byte, string> {{128, "keypad1 above 20"}, {129, "keypad2 above 2"}, {131, "keypad3 above 50"}, {132, "keypad4 above 32 (nothing sent)"}}},
                {"EnviarHorarioVerao", new Dictionary<byte, string> {{128, "start day out of range"}, {129, "start month out of range"}, {130, "start hour out of range"}, {131, "start minute out of range"}, {132, "end day out of range"}, {133, "end month out of range"}, {134, "end hour out of range"}, {135, "end minute out of range"}}},
                {"EnviarListaAcesso", new Dictionary<byte, string> {{128, "second block failed"}, {131, "nothing sent, list kept: after a settings change it no longer fits"}}},
                {"EnviarRelogio", new Dictionary<byte, string> {{128, "day out of range"}, {129, "month out of range"}, {130, "hour out of range"}, {131, "minute out of range"}, {132, "second out of range"}, {133, "year out of range (0..99)"}}},
                {"EnviarStringInicializacaoModem", new Dictionary<byte, string> {{128, "null text"}}},
                {"EnviarTempoKeepAliveRabbit", new Dictionary<byte, string> {{128, "negative time, nothing sent"}}},
                {"EnviarUsuarioBio", new Dictionary<byte, string> {{129, "null record"}}},
                {"FazerVerificacaoBiometricaBio", new Dictionary<byte, string> {{128, "null or empty identifier"}}},
                {"GetBufferConfigDLL", new Dictionary<byte, string> {{129, "null buffer"}}},
                {"HabilitarMudancaOnLineOffLine", new Dictionary<byte, string> {{128, "time above 50 (nothing stored)"}}},
                {"HabilitarScoreFuncoes", new Dictionary<byte, string> {{128, "function above 9"}}},
                {"HabilitarScoreMensagemOffLine", new Dictionary<byte, string> {{128, "slot above 1"}}},
                {"IncluirUsuarioOssel", new Dictionary<byte, string> {{129, "null record"}}},
                {"IncluirUsuarioSemDigitalBio", new Dictionary<byte, string> {{128, "null, empty or longer identifier, or the list full"}}},
                {"IncluirUsuarioSemDigitalBioCorvoAcesso", new Dictionary<byte, string> {{128, "null or longer identifier, or the table full"}}},
                {"InserirHorarioAcesso", new Dictionary<byte, string> {{128, "schedule not 1..100 (1..50 for old terminals)"}, {129, "day not 1..7"}, {130, "time not 1..4"}, {131, "hour above 23"}, {132, "minute above 59"}}},
                {"InserirHorarioMudancaEntrada", new Dictionary<byte, string> {{128, "bad hour"}, {129, "bad minute"}}},
                {"InserirHorarioSirene", new Dictionary<byte, string> {{128, "hour above 23, minute above 59, or the table already holds 100 times"}}},
                {"InserirQuantidadeDigitoVariavel", new Dictionary<byte, string> {{128, "above 16, mask unchanged"}}},
                {"InserirUsuarioLeitorBio", new Dictionary<byte, string> {{128, "null or empty identifier"}, {129, "option above 2"}}},
                {"InserirUsuarioListaAcesso", new Dictionary<byte, string> {{128, "card null or (card pattern 0) not 0..65000"}, {129, "card text too long"}, {130, "schedule not 1..102 (old terminals 1..52)"}, {131, "list full"}}},
                {"LerContadorGiro", new Dictionary<byte, string> {{129, "null area, nothing sent (first)"}, {130, "null area, nothing sent (second)"}, {131, "null area, nothing sent (third)"}}},
                {"LerSensoresCorvo", new Dictionary<byte, string> {{129, "null pointer (sensor1)"}, {130, "null pointer (sensor2)"}, {131, "null pointer (sensor3)"}}},
                {"LerSmartCard", new Dictionary<byte, string> {{130, "null area, nothing sent (r1)"}, {131, "null area, nothing sent (r2)"}, {132, "null area, nothing sent (r3)"}, {133, "null area, nothing sent (r4)"}}},
                {"LocalizarPrimeiroUsuarioOssel", new Dictionary<byte, string> {{128, "mode not 0 or 2, nothing sent"}}},
                {"LocalizarProximoUsuarioOssel", new Dictionary<byte, string> {{128, "mode not 0 or 2, nothing sent"}}},
                {"LocalizarUsuarioOssel", new Dictionary<byte, string> {{128, "null or empty identifier"}, {129, "mode not 0 or 2"}, {130, "length 0 or above 16"}}},
                {"ReceberBufferConfig", new Dictionary<byte, string> {{129, "null buffer"}}},
                {"ReceberBufferMsgA", new Dictionary<byte, string> {{129, "null buffer"}}},
                {"ReceberDadosOnLine", new Dictionary<byte, string> {{128, "no event waiting, or the exchange failed"}, {129, "null pointer (origin)"}, {130, "null pointer (complement)"}, {131, "null pointer (card)"}, {132, "null pointer (day)"}, {133, "null pointer (month)"}, {134, "null pointer (year)"}, {135, "null pointer (hour)"}, {136, "null pointer (minute)"}, {137, "null pointer (second)"}}},
                {"ReceberDadosOnLine2", new Dictionary<byte, string> {{128, "no event waiting (Utilizar215 on)"}, {129, "null pointer (origin)"}, {130, "null pointer (complement)"}, {131, "null pointer (card)"}, {132, "null pointer (day)"}, {133, "null pointer (month)"}, {134, "null pointer (year)"}, {135, "null pointer (hour)"}, {136, "null pointer (minute)"}, {137, "null pointer (second)"}}},
                {"ReceberDigitalUsuario", new Dictionary<byte, string> {{129, "null record"}, {130, "size outside 1..876"}}},
                {"ReceberListaUsuariosDigital", new Dictionary<byte, string> {{136, "no package announced"}}},
                {"ReceberModeloBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null model, or module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberPacoteListaUsuariosBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "empty list, or module status 22"}, {137, "answer for another page, or module status 9"}}},
                {"ReceberQuantidadeBilhetes", new Dictionary<byte, string> {{129, "null count, nothing sent"}}},
                {"ReceberQuantidadeUsuariosBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null count, or module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberRelogio", new Dictionary<byte, string> {{129, "null pointer (day)"}, {130, "null pointer (month)"}, {131, "null pointer (year)"}, {132, "null pointer (hour)"}, {133, "null pointer (minute)"}, {134, "null pointer (second)"}}},
                {"ReceberRespostaRequisicaoBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "null size, or module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberTemplateCapturadoCorvo", new Dictionary<byte, string> {{129, "null buffer"}}},
                {"ReceberTemplateLeitor", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null buffer, or module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberTotalUsuariosOssel", new Dictionary<byte, string> {{129, "null count"}}},
                {"ReceberUsuarioCadastradoBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null record, or module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberUsuarioComDigital", new Dictionary<byte, string> {{128, "no package, no further record, or null `id`"}}},
                {"ReceberUsuarioLista", new Dictionary<byte, string> {{128, "no package or no further record in it"}, {129, "null record"}}},
                {"ReceberUsuarioOssel", new Dictionary<byte, string> {{128, "bad mode, or module result 1, or 7 and above"}, {129, "module result 2"}, {130, "null pointer the mode needs (value), or module result 3"}, {131, "null pointer the mode needs (record), or module result 4"}, {132, "null pointer the mode needs (id), or module result 5"}, {133, "module result 6"}}},
                {"ReceberVersaoBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null out-pointer (major), or module status 3"}, {131, "null out-pointer (minor), or module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ReceberVersaoFirmware", new Dictionary<byte, string> {{129, "null pointer, nothing sent (byte0)"}, {130, "null pointer, nothing sent (version)"}, {131, "null pointer, nothing sent (byte3)"}, {132, "null pointer, nothing sent (byte4)"}, {133, "null pointer, nothing sent (byte5)"}, {134, "null pointer, nothing sent (byte6)"}}},
                {"RegistrarAcessoNegado", new Dictionary<byte, string> {{128, "out of range"}}},
                {"ResultadoComparacaoDigitalLeitor", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ResultadoComparacaoPINOssel", new Dictionary<byte, string> {{1, "no result message"}, {128, "module result other than 2, 3, 4 and 7"}, {130, "module result 3"}, {134, "module result 4"}}},
                {"ResultadoComparacaoTemplateOssel", new Dictionary<byte, string> {{1, "no result message"}, {128, "module result other than 2, 3, 4 and 7"}, {130, "module result 3"}, {134, "module result 4"}}},
                {"ResultadoConfiguracaoBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ResultadoConfiguracaoRedeOssel", new Dictionary<byte, string> {{128, "module result 1, or 7 and above"}, {129, "module result 2"}, {130, "module result 3"}, {131, "module result 4"}, {132, "module result 5"}, {133, "module result 6"}}},
                {"ResultadoExclusaoTodosUsuariosOssel", new Dictionary<byte, string> {{128, "module result 1, or 7 and above"}, {129, "module result 2"}, {130, "module result 3"}, {131, "module result 4"}, {132, "module result 5"}, {133, "module result 6"}}},
                {"ResultadoExclusaoUsuarioOssel", new Dictionary<byte, string> {{128, "module result 1, or 7 and above"}, {129, "module result 2"}, {130, "module result 3"}, {131, "module result 4"}, {132, "module result 5"}, {133, "module result 6"}}},
                {"ResultadoIdentificacaoBiometrica", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "null result, or module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ResultadoInclusaoUsuarioLeitorOssel", new Dictionary<byte, string> {{1, "no result message"}, {128, "module result other than 2, 3, 4 and 7"}, {129, "null buffer"}, {130, "module result 3"}, {134, "module result 4"}}},
                {"ResultadoInclusaoUsuarioOssel", new Dictionary<byte, string> {{128, "module result 1, or 7 and above"}, {129, "module result 2"}, {130, "module result 3"}, {131, "module result 4"}, {132, "module result 5"}, {133, "module result 6"}}},
                {"ResultadoInsercaoUsuarioLeitorBio", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"ResultadoVerificacaoBiometrica", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"SolicitarDigitalUsuario", new Dictionary<byte, string> {{128, "null or empty identifier"}}},
                {"SolicitarListaUsuariosComDigital", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "empty list, or module status 22"}, {137, "answer for another page, or module status 9"}}},
                {"SolicitarTotalUsuariosOssel", new Dictionary<byte, string> {{128, "mode not 0 or 2, nothing sent"}}},
                {"SolicitarUsuarioCadastradoBio", new Dictionary<byte, string> {{128, "null or empty identifier, nothing sent"}}},
                {"UsuarioFoiEnviado", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
                {"UsuarioFoiExcluido", new Dictionary<byte, string> {{128, "module status of no other code, or no answer (offline)"}, {129, "module status 2, 7, 253 or 254"}, {130, "module status 3"}, {131, "module status 4"}, {132, "module status 5"}, {133, "module status 6"}, {134, "module status 14"}, {135, "module status 251 or 252"}, {136, "module status 22"}, {137, "module status 9"}}},
            };

        public static class Native
        {
            const string Lib = "varanda";

            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AbrirPortaComunicacao(int port);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AcionarBipCurto(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AcionarBipLongo(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AcionarRele1(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AcionarRele2(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarHorariosAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarHorariosSirene(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarListaAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarMensagensOffLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarTodosUsuariosOssel(int terminal, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ApagarUsuarioOssel(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AtribuirContadorGiro(int terminal, int first, int second, int third);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte AvisarQuandoMemoriaCheia(byte warn);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte CartaoMasterLiberaAcesso(byte releases);
            // card: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ColetarBilhete(int terminal, out byte type, out byte day, out byte month, out byte year, out byte hour, out byte minute, [In, Out] byte[] card);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte CompararDigitalLeitor(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte CompararPINOssel(int terminal, byte[] pin);
            // template_: 220 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte CompararTemplateOssel(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int ConectarModem(int port, byte[] init, int tone, byte[] number, int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarAcionamento1(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarAcionamento2(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarAjustesQualidadeBio(int terminal, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarAjustesSegurancaBio(int terminal, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarAjustesSensibilidadeBio(int terminal, byte value1, byte value2, byte value3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarBio(int terminal, byte option1, byte option2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarBioVariavel(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarCapturaAdaptativaBio(int terminal, byte on, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarComportamentoIndexSearch(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarCorvoOffLine();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarCorvoOnLine();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarFiltroBio(int terminal, byte on);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitor1(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitor2(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeAcura();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeHIDAbaTrack2();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeMotorolaAbaTrack2();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeSmartCard();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeSmartCardAcura();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeWiegand();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorProximidadeWiegandFacilityCode();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarLeitorWiegandFacilityCodeSemSeparador();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarNivelLFD(byte level);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarRedeOssel(int terminal, byte flag1, byte flag2, byte flag3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarTimeoutIdentificacao(byte seconds);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarTipoLeitor(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ConfigurarWiegandDoisLeitores(byte first, byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte CriarUsuarioLeitorOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirCodigoEmpresa(int code);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirConfiguracaoTecladoOnLine(byte setting1, byte setting2, byte setting3, byte setting4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirConfiguracoesFuncoes(byte function, byte mode, byte option1, byte option2, byte option3, byte option4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirEntradasMudancaOffLine(byte first, byte second, byte third, byte fourth);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirEntradasMudancaOffLineComBiometria(byte first, byte second, byte third, byte fourth, byte fifth);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirEntradasMudancaOnLine(byte forms);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirEventoSensor(byte sensor, byte @event, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirFormasPictogramasQuadrante(byte forms);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirFuncaoDefaultLeitoresProximidade(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirFuncaoDefaultSensorBiometria(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirFuncaoSensor1(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirLogicaRele(byte logic);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemApresentacaoEntrada(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemApresentacaoSaida(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemEntradaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemFuncaoOffLine(byte[] text, byte function, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemPadraoMudancaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemPadraoMudancaOnLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemPadraoOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirMensagemSaidaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirNivelAcesso(byte level);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirNumeroCartaoMaster(byte[] number);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirPadraoCartao(byte pattern);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirPorcentagemRevista(byte percent);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirQuantidadeDigitosCartao(byte digits);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirTipoConexao(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DefinirTipoListaAcesso(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesabilitarBipCatraca(byte disable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesabilitarBloqueioCatracaMicroSwitch(byte disable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesabilitarRele1(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesabilitarRele2(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesligarBackLite(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesligarBipIntermitente(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesligarLedVerde(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DesligarLedVermelho(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte DevolverCartao(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EngolirCartao(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarAjustesBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarBufferEventosMudancaAuto(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarBufferTLM(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarComandoAcessoNegado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarConfiguracoes(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarConfiguracoesFuncoes(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(int terminal);
            // block: 26 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarCriptografiaTLM(int terminal, [In, Out] byte[] block);
            // template1: 404 bytes; template2: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarDigitalUsuario(int terminal, byte[] id, [In, Out] byte[] template1, [In, Out] byte[] template2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarFormasEntradasOnLine(int terminal, byte keypad1, byte keypad2, byte forms, byte keypad3, byte keypad4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarHorarioVerao(int terminal, byte startDay, byte startMonth, byte startYear, byte startHour, byte startMinute, byte endDay, byte endMonth, byte endYear, byte endHour, byte endMinute);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarHorariosAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarHorariosSirene(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarListaAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarListaUsuariosSemDigitalBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarListaUsuariosSemDigitalBio500(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarListaUsuariosSemDigitalBioCorvoAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarListaUsuariosSemDigitalBioVariavel(int terminal, int unused);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarMensagemImpressora00(int terminal, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarMensagemImpressoraFF(int terminal, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarMensagemPadraoOnLine(int terminal, byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarMensagemTemporariaOnLine(int terminal, byte secondLine, byte[] text, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarMensagensOffLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarRelogio(int terminal, byte day, byte month, byte year, byte hour, byte minute, byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarStringInicializacaoModem(byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarTempoKeepAliveRabbit(int terminal, int time);
            // record: 836 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte EnviarUsuarioBio(int terminal, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int ExecInClientDLL(int reserved1, byte[] text, int reserved3, int reserved4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte FazerIdentificacaoBiometricaBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte FazerVerificacaoBiometricaBio(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern void FecharPortaComunicacao();
            // buffer: 50 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte GetBufferConfigDLL(int unused, [In, Out] byte[] buffer);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte GetBufferMsgDLL(int unused1, int unused2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitaMudancaEventoSeta(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitarCriptografia(byte value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitarMudancaOnLineOffLine(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitarScoreFuncoes(byte function, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitarScoreMensagemOffLine(int unused, byte slot, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte HabilitarTeclado(byte enable, byte secondOption);
            // record: 451 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte IncluirUsuarioOssel(int terminal, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte IncluirUsuarioSemDigitalBio(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte IncluirUsuarioSemDigitalBio500(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte IncluirUsuarioSemDigitalBioCorvoAcesso(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern void InicializarColetaListaUsuariosBio();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirHorarioAcesso(byte schedule, byte day, byte time, byte hour, byte minute);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirHorarioMudancaEntrada(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirHorarioMudancaSaida(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirHorarioSirene(byte hour, byte minute, byte day0, byte day1, byte day2, byte day3, byte day4, byte day5, byte day6);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirQuantidadeDigitoVariavel(byte length);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirUsuarioLeitorBio(int terminal, byte option, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte InserirUsuarioListaAcesso(byte[] card, byte schedule);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int LerByteModem();
            // first: 4 bytes; second: 4 bytes; third: 4 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LerContadorGiro(int terminal, [In, Out] byte[] first, [In, Out] byte[] second, [In, Out] byte[] third);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LerSensoresCorvo(int terminal, out byte sensor1, out byte sensor2, out byte sensor3);
            // r1: 10 bytes; r2: 16 bytes; r3: 16 bytes; r4: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LerSmartCard(int terminal, byte area, [In, Out] byte[] r1, [In, Out] byte[] r2, [In, Out] byte[] r3, [In, Out] byte[] r4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LevantarParaOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LiberarCatracaDoisSentidos(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LiberarCatracaEntrada(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LiberarCatracaEntradaInvertida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LiberarCatracaSaida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LiberarCatracaSaidaInvertida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LigarBackLite(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LigarBipIntermitente(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LigarLedVerde(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LigarLedVermelho(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LocalizarPrimeiroUsuarioOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LocalizarProximoUsuarioOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte LocalizarUsuarioOssel(int terminal, byte mode, byte length, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ManterRele1Acionado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ManterRele2Acionado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte PermitirCadastroCorvoBio(byte allow);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte PermitirCadastroCorvoBioOssel(byte allow);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte Ping(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte PingOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte PreencherBufferTLM(byte[] path);
            // buffer: 50 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberBufferConfig(int terminal, [In, Out] byte[] buffer);
            // buffer: 416 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberBufferMsgA(int terminal, [In, Out] byte[] buffer);
            // card: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberDadosOnLine(int terminal, out byte origin, out byte complement, [In, Out] byte[] card, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            // card: 14 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberDadosOnLine2(int terminal, out byte origin, out byte complement, [In, Out] byte[] card, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberDataHoraDadosOnLine(byte enable);
            // record: 876 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberDigitalUsuario(int terminal, [In, Out] byte[] record, int size);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberListaUsuariosDigital(int unused);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberModeloBio(int terminal, byte online, out int model);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberPacoteListaUsuariosBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberQuantidadeBilhetes(int terminal, out int count);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberQuantidadeUsuariosBio(int terminal, byte online, out int count);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberRelogio(int terminal, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberRespostaRequisicaoBio(int terminal, out int size);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberTemplateCapturadoCorvo(int terminal, [In, Out] byte[] template_);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberTemplateLeitor(int terminal, byte online, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberTotalUsuariosOssel(int terminal, out int count);
            // record: 844 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberUsuarioCadastradoBio(int terminal, byte online, [In, Out] byte[] record);
            // id: 11 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberUsuarioComDigital([In, Out] byte[] id);
            // record: 128 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberUsuarioLista(int terminal, [In, Out] byte[] record);
            // record: 451 bytes; id: 17 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberUsuarioOssel(int terminal, byte mode, out byte value, [In, Out] byte[] record, [In, Out] byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberVersaoBio(int terminal, byte online, out int major, out int minor);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ReceberVersaoFirmware(int terminal, out byte byte0, out ushort version, out byte byte3, out byte byte4, out byte byte5, out byte byte6);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte RegistrarAcessoNegado(byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResetarModoOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoComparacaoDigitalLeitor(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoComparacaoPINOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoComparacaoTemplateOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoConfiguracaoBio(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoConfiguracaoRedeOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoExclusaoTodosUsuariosOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoExclusaoUsuarioOssel(int terminal);
            // result: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoIdentificacaoBiometrica(int terminal, byte online, [In, Out] byte[] result);
            // template_: 220 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoInclusaoUsuarioLeitorOssel(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoInclusaoUsuarioOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoInsercaoUsuarioLeitorBio(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte ResultadoVerificacaoBiometrica(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int SetarBioLight(int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int SetarBioVariavel(int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int SetarCorvoOld(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarDigitalUsuario(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarExclusaoUsuario(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarListaUsuariosBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarListaUsuariosBioVariavel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarListaUsuariosComDigital(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarModeloBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarQuantidadeUsuariosBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarTemplateLeitor(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarTotalUsuariosOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarUsuarioCadastradoBio(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte SolicitarVersaoBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int TemProximoPacote();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int TemProximoUsuario();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte UsuarioFoiEnviado(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte UsuarioFoiExcluido(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int Utilizar215(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int UtilizarCmdCurtoCatraca(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern int UtilizarRelogioSegundos(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]
            public static extern byte UtilizarSenhaAcesso(byte use);
        }
    }
}
