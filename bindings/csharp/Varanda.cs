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
            foreach (Own own in OwnCodes)
                if (own.Code == code && own.Operation == operation) return own.Text;
            if (code < General.Length) return General[code];
            return code >= 128 ? "argument " + (code - 128) + " out of range" : "unknown code";
        }

        static readonly string[] General = { "success", "no answer or not the expected answer", "port not open", "port already open", "serial library unavailable", "TCP library unavailable", "TCP COM component unavailable", "not a modem connection", "internal error caught", "connection type outside 0 to 4", "serial COM component unavailable" };

        // A code an operation gives a meaning of its own.
        struct Own
        {
            public readonly string Operation;
            public readonly byte Code;
            public readonly string Text;

            public Own(string operation, byte code, string text)
            {
                Operation = operation;
                Code = code;
                Text = text;
            }
        }

        static readonly Own[] OwnCodes = {
            new Own("ApagarListaAcesso", 128, "second block failed"),
            new Own("ApagarListaAcesso", 131, "nothing sent, list kept: after a settings change it no longer fits"),
            new Own("ApagarTodosUsuariosOssel", 128, "null text, nothing sent"),
            new Own("ApagarUsuarioOssel", 128, "null or empty identifier, nothing sent"),
            new Own("ColetarBilhete", 1, "no punch stored (serial COM component), or the exchange failed"),
            new Own("ColetarBilhete", 128, "the terminal offered its last punch again"),
            new Own("ColetarBilhete", 129, "null pointer (type)"),
            new Own("ColetarBilhete", 130, "null pointer (day)"),
            new Own("ColetarBilhete", 131, "null pointer (month)"),
            new Own("ColetarBilhete", 132, "null pointer (year)"),
            new Own("ColetarBilhete", 133, "null pointer (hour)"),
            new Own("ColetarBilhete", 134, "null pointer (minute)"),
            new Own("ColetarBilhete", 135, "null pointer (card)"),
            new Own("CompararDigitalLeitor", 129, "null template"),
            new Own("CompararPINOssel", 128, "null or empty PIN, nothing sent"),
            new Own("CompararTemplateOssel", 129, "null template"),
            new Own("ConfigurarAcionamento1", 128, "either out of range"),
            new Own("ConfigurarAcionamento2", 128, "either out of range"),
            new Own("ConfigurarLeitor1", 128, "out of range"),
            new Own("ConfigurarLeitor2", 128, "out of range"),
            new Own("ConfigurarTipoLeitor", 128, "out of range"),
            new Own("DefinirCodigoEmpresa", 128, "out of range"),
            new Own("DefinirConfiguracaoTecladoOnLine", 128, "setting out of range (nothing stored)"),
            new Own("DefinirConfiguracaoTecladoOnLine", 129, "setting out of range (nothing stored)"),
            new Own("DefinirConfiguracaoTecladoOnLine", 130, "setting out of range (nothing stored)"),
            new Own("DefinirConfiguracaoTecladoOnLine", 131, "setting out of range (nothing stored)"),
            new Own("DefinirConfiguracoesFuncoes", 128, "function above 9"),
            new Own("DefinirConfiguracoesFuncoes", 129, "mode above 3"),
            new Own("DefinirEntradasMudancaOffLine", 128, "second above 4"),
            new Own("DefinirEntradasMudancaOffLine", 129, "third above 4"),
            new Own("DefinirEntradasMudancaOffLineComBiometria", 128, "second above 4"),
            new Own("DefinirEntradasMudancaOffLineComBiometria", 129, "third above 4"),
            new Own("DefinirEventoSensor", 128, "bad sensor"),
            new Own("DefinirEventoSensor", 129, "bad event"),
            new Own("DefinirEventoSensor", 130, "bad time"),
            new Own("DefinirFormasPictogramasQuadrante", 128, "out of range"),
            new Own("DefinirFuncaoDefaultLeitoresProximidade", 128, "out of range"),
            new Own("DefinirFuncaoDefaultSensorBiometria", 128, "out of range"),
            new Own("DefinirLogicaRele", 128, "out of range"),
            new Own("DefinirMensagemFuncaoOffLine", 128, "function above 9"),
            new Own("DefinirNivelAcesso", 128, "out of range"),
            new Own("DefinirNumeroCartaoMaster", 128, "longer than 14, field unchanged"),
            new Own("DefinirPadraoCartao", 128, "other value, nothing changed"),
            new Own("DefinirPorcentagemRevista", 128, "out of range"),
            new Own("DefinirQuantidadeDigitosCartao", 128, "out of range"),
            new Own("DefinirTipoListaAcesso", 128, "out of range"),
            new Own("EnviarCriptografiaTLM", 129, "null block, nothing sent"),
            new Own("EnviarDigitalUsuario", 128, "null identifier or longer than 16 characters"),
            new Own("EnviarDigitalUsuario", 130, "null template1"),
            new Own("EnviarFormasEntradasOnLine", 128, "keypad1 above 20"),
            new Own("EnviarFormasEntradasOnLine", 129, "keypad2 above 2"),
            new Own("EnviarFormasEntradasOnLine", 131, "keypad3 above 50"),
            new Own("EnviarFormasEntradasOnLine", 132, "keypad4 above 32 (nothing sent)"),
            new Own("EnviarHorarioVerao", 128, "start day out of range"),
            new Own("EnviarHorarioVerao", 129, "start month out of range"),
            new Own("EnviarHorarioVerao", 130, "start hour out of range"),
            new Own("EnviarHorarioVerao", 131, "start minute out of range"),
            new Own("EnviarHorarioVerao", 132, "end day out of range"),
            new Own("EnviarHorarioVerao", 133, "end month out of range"),
            new Own("EnviarHorarioVerao", 134, "end hour out of range"),
            new Own("EnviarHorarioVerao", 135, "end minute out of range"),
            new Own("EnviarListaAcesso", 128, "second block failed"),
            new Own("EnviarListaAcesso", 131, "nothing sent, list kept: after a settings change it no longer fits"),
            new Own("EnviarRelogio", 128, "day out of range"),
            new Own("EnviarRelogio", 129, "month out of range"),
            new Own("EnviarRelogio", 130, "hour out of range"),
            new Own("EnviarRelogio", 131, "minute out of range"),
            new Own("EnviarRelogio", 132, "second out of range"),
            new Own("EnviarRelogio", 133, "year out of range (0..99)"),
            new Own("EnviarStringInicializacaoModem", 128, "null text"),
            new Own("EnviarTempoKeepAliveRabbit", 128, "negative time, nothing sent"),
            new Own("EnviarUsuarioBio", 129, "null record"),
            new Own("FazerVerificacaoBiometricaBio", 128, "null or empty identifier"),
            new Own("GetBufferConfigDLL", 129, "null buffer"),
            new Own("HabilitarMudancaOnLineOffLine", 128, "time above 50 (nothing stored)"),
            new Own("HabilitarScoreFuncoes", 128, "function above 9"),
            new Own("HabilitarScoreMensagemOffLine", 128, "slot above 1"),
            new Own("IncluirUsuarioOssel", 129, "null record"),
            new Own("IncluirUsuarioSemDigitalBio", 128, "null, empty or longer identifier, or the list full"),
            new Own("IncluirUsuarioSemDigitalBioCorvoAcesso", 128, "null or longer identifier, or the table full"),
            new Own("InserirHorarioAcesso", 128, "schedule not 1..100 (1..50 for old terminals)"),
            new Own("InserirHorarioAcesso", 129, "day not 1..7"),
            new Own("InserirHorarioAcesso", 130, "time not 1..4"),
            new Own("InserirHorarioAcesso", 131, "hour above 23"),
            new Own("InserirHorarioAcesso", 132, "minute above 59"),
            new Own("InserirHorarioMudancaEntrada", 128, "bad hour"),
            new Own("InserirHorarioMudancaEntrada", 129, "bad minute"),
            new Own("InserirHorarioSirene", 128, "hour above 23, minute above 59, or the table already holds 100 times"),
            new Own("InserirQuantidadeDigitoVariavel", 128, "above 16, mask unchanged"),
            new Own("InserirUsuarioLeitorBio", 128, "null or empty identifier"),
            new Own("InserirUsuarioLeitorBio", 129, "option above 2"),
            new Own("InserirUsuarioListaAcesso", 128, "card null or (card pattern 0) not 0..65000"),
            new Own("InserirUsuarioListaAcesso", 129, "card text too long"),
            new Own("InserirUsuarioListaAcesso", 130, "schedule not 1..102 (old terminals 1..52)"),
            new Own("InserirUsuarioListaAcesso", 131, "list full"),
            new Own("LerContadorGiro", 129, "null area, nothing sent (first)"),
            new Own("LerContadorGiro", 130, "null area, nothing sent (second)"),
            new Own("LerContadorGiro", 131, "null area, nothing sent (third)"),
            new Own("LerSensoresCorvo", 129, "null pointer (sensor1)"),
            new Own("LerSensoresCorvo", 130, "null pointer (sensor2)"),
            new Own("LerSensoresCorvo", 131, "null pointer (sensor3)"),
            new Own("LerSmartCard", 130, "null area, nothing sent (r1)"),
            new Own("LerSmartCard", 131, "null area, nothing sent (r2)"),
            new Own("LerSmartCard", 132, "null area, nothing sent (r3)"),
            new Own("LerSmartCard", 133, "null area, nothing sent (r4)"),
            new Own("LocalizarPrimeiroUsuarioOssel", 128, "mode not 0 or 2, nothing sent"),
            new Own("LocalizarProximoUsuarioOssel", 128, "mode not 0 or 2, nothing sent"),
            new Own("LocalizarUsuarioOssel", 128, "null or empty identifier"),
            new Own("LocalizarUsuarioOssel", 129, "mode not 0 or 2"),
            new Own("LocalizarUsuarioOssel", 130, "length 0 or above 16"),
            new Own("ReceberBufferConfig", 129, "null buffer"),
            new Own("ReceberBufferMsgA", 129, "null buffer"),
            new Own("ReceberDadosOnLine", 128, "no event waiting, or the exchange failed"),
            new Own("ReceberDadosOnLine", 129, "null pointer (origin)"),
            new Own("ReceberDadosOnLine", 130, "null pointer (complement)"),
            new Own("ReceberDadosOnLine", 131, "null pointer (card)"),
            new Own("ReceberDadosOnLine", 132, "null pointer (day)"),
            new Own("ReceberDadosOnLine", 133, "null pointer (month)"),
            new Own("ReceberDadosOnLine", 134, "null pointer (year)"),
            new Own("ReceberDadosOnLine", 135, "null pointer (hour)"),
            new Own("ReceberDadosOnLine", 136, "null pointer (minute)"),
            new Own("ReceberDadosOnLine", 137, "null pointer (second)"),
            new Own("ReceberDadosOnLine2", 128, "no event waiting (Utilizar215 on)"),
            new Own("ReceberDadosOnLine2", 129, "null pointer (origin)"),
            new Own("ReceberDadosOnLine2", 130, "null pointer (complement)"),
            new Own("ReceberDadosOnLine2", 131, "null pointer (card)"),
            new Own("ReceberDadosOnLine2", 132, "null pointer (day)"),
            new Own("ReceberDadosOnLine2", 133, "null pointer (month)"),
            new Own("ReceberDadosOnLine2", 134, "null pointer (year)"),
            new Own("ReceberDadosOnLine2", 135, "null pointer (hour)"),
            new Own("ReceberDadosOnLine2", 136, "null pointer (minute)"),
            new Own("ReceberDadosOnLine2", 137, "null pointer (second)"),
            new Own("ReceberDigitalUsuario", 129, "null record"),
            new Own("ReceberDigitalUsuario", 130, "size outside 1..876"),
            new Own("ReceberListaUsuariosDigital", 136, "no package announced"),
            new Own("ReceberModeloBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberModeloBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberModeloBio", 130, "null model, or module status 3"),
            new Own("ReceberModeloBio", 131, "module status 4"),
            new Own("ReceberModeloBio", 132, "module status 5"),
            new Own("ReceberModeloBio", 133, "module status 6"),
            new Own("ReceberModeloBio", 134, "module status 14"),
            new Own("ReceberModeloBio", 135, "module status 251 or 252"),
            new Own("ReceberModeloBio", 136, "module status 22"),
            new Own("ReceberModeloBio", 137, "module status 9"),
            new Own("ReceberPacoteListaUsuariosBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberPacoteListaUsuariosBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberPacoteListaUsuariosBio", 130, "module status 3"),
            new Own("ReceberPacoteListaUsuariosBio", 131, "module status 4"),
            new Own("ReceberPacoteListaUsuariosBio", 132, "module status 5"),
            new Own("ReceberPacoteListaUsuariosBio", 133, "module status 6"),
            new Own("ReceberPacoteListaUsuariosBio", 134, "module status 14"),
            new Own("ReceberPacoteListaUsuariosBio", 135, "module status 251 or 252"),
            new Own("ReceberPacoteListaUsuariosBio", 136, "empty list, or module status 22"),
            new Own("ReceberPacoteListaUsuariosBio", 137, "answer for another page, or module status 9"),
            new Own("ReceberQuantidadeBilhetes", 129, "null count, nothing sent"),
            new Own("ReceberQuantidadeUsuariosBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberQuantidadeUsuariosBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberQuantidadeUsuariosBio", 130, "null count, or module status 3"),
            new Own("ReceberQuantidadeUsuariosBio", 131, "module status 4"),
            new Own("ReceberQuantidadeUsuariosBio", 132, "module status 5"),
            new Own("ReceberQuantidadeUsuariosBio", 133, "module status 6"),
            new Own("ReceberQuantidadeUsuariosBio", 134, "module status 14"),
            new Own("ReceberQuantidadeUsuariosBio", 135, "module status 251 or 252"),
            new Own("ReceberQuantidadeUsuariosBio", 136, "module status 22"),
            new Own("ReceberQuantidadeUsuariosBio", 137, "module status 9"),
            new Own("ReceberRelogio", 129, "null pointer (day)"),
            new Own("ReceberRelogio", 130, "null pointer (month)"),
            new Own("ReceberRelogio", 131, "null pointer (year)"),
            new Own("ReceberRelogio", 132, "null pointer (hour)"),
            new Own("ReceberRelogio", 133, "null pointer (minute)"),
            new Own("ReceberRelogio", 134, "null pointer (second)"),
            new Own("ReceberRespostaRequisicaoBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberRespostaRequisicaoBio", 129, "null size, or module status 2, 7, 253 or 254"),
            new Own("ReceberRespostaRequisicaoBio", 130, "module status 3"),
            new Own("ReceberRespostaRequisicaoBio", 131, "module status 4"),
            new Own("ReceberRespostaRequisicaoBio", 132, "module status 5"),
            new Own("ReceberRespostaRequisicaoBio", 133, "module status 6"),
            new Own("ReceberRespostaRequisicaoBio", 134, "module status 14"),
            new Own("ReceberRespostaRequisicaoBio", 135, "module status 251 or 252"),
            new Own("ReceberRespostaRequisicaoBio", 136, "module status 22"),
            new Own("ReceberRespostaRequisicaoBio", 137, "module status 9"),
            new Own("ReceberTemplateCapturadoCorvo", 129, "null buffer"),
            new Own("ReceberTemplateLeitor", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberTemplateLeitor", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberTemplateLeitor", 130, "null buffer, or module status 3"),
            new Own("ReceberTemplateLeitor", 131, "module status 4"),
            new Own("ReceberTemplateLeitor", 132, "module status 5"),
            new Own("ReceberTemplateLeitor", 133, "module status 6"),
            new Own("ReceberTemplateLeitor", 134, "module status 14"),
            new Own("ReceberTemplateLeitor", 135, "module status 251 or 252"),
            new Own("ReceberTemplateLeitor", 136, "module status 22"),
            new Own("ReceberTemplateLeitor", 137, "module status 9"),
            new Own("ReceberTotalUsuariosOssel", 129, "null count"),
            new Own("ReceberUsuarioCadastradoBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberUsuarioCadastradoBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberUsuarioCadastradoBio", 130, "null record, or module status 3"),
            new Own("ReceberUsuarioCadastradoBio", 131, "module status 4"),
            new Own("ReceberUsuarioCadastradoBio", 132, "module status 5"),
            new Own("ReceberUsuarioCadastradoBio", 133, "module status 6"),
            new Own("ReceberUsuarioCadastradoBio", 134, "module status 14"),
            new Own("ReceberUsuarioCadastradoBio", 135, "module status 251 or 252"),
            new Own("ReceberUsuarioCadastradoBio", 136, "module status 22"),
            new Own("ReceberUsuarioCadastradoBio", 137, "module status 9"),
            new Own("ReceberUsuarioComDigital", 128, "no package, no further record, or null `id`"),
            new Own("ReceberUsuarioLista", 128, "no package or no further record in it"),
            new Own("ReceberUsuarioLista", 129, "null record"),
            new Own("ReceberUsuarioOssel", 128, "bad mode, or module result 1, or 7 and above"),
            new Own("ReceberUsuarioOssel", 129, "module result 2"),
            new Own("ReceberUsuarioOssel", 130, "null pointer the mode needs (value), or module result 3"),
            new Own("ReceberUsuarioOssel", 131, "null pointer the mode needs (record), or module result 4"),
            new Own("ReceberUsuarioOssel", 132, "null pointer the mode needs (id), or module result 5"),
            new Own("ReceberUsuarioOssel", 133, "module result 6"),
            new Own("ReceberVersaoBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ReceberVersaoBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ReceberVersaoBio", 130, "null out-pointer (major), or module status 3"),
            new Own("ReceberVersaoBio", 131, "null out-pointer (minor), or module status 4"),
            new Own("ReceberVersaoBio", 132, "module status 5"),
            new Own("ReceberVersaoBio", 133, "module status 6"),
            new Own("ReceberVersaoBio", 134, "module status 14"),
            new Own("ReceberVersaoBio", 135, "module status 251 or 252"),
            new Own("ReceberVersaoBio", 136, "module status 22"),
            new Own("ReceberVersaoBio", 137, "module status 9"),
            new Own("ReceberVersaoFirmware", 129, "null pointer, nothing sent (byte0)"),
            new Own("ReceberVersaoFirmware", 130, "null pointer, nothing sent (version)"),
            new Own("ReceberVersaoFirmware", 131, "null pointer, nothing sent (byte3)"),
            new Own("ReceberVersaoFirmware", 132, "null pointer, nothing sent (byte4)"),
            new Own("ReceberVersaoFirmware", 133, "null pointer, nothing sent (byte5)"),
            new Own("ReceberVersaoFirmware", 134, "null pointer, nothing sent (byte6)"),
            new Own("RegistrarAcessoNegado", 128, "out of range"),
            new Own("ResultadoComparacaoDigitalLeitor", 128, "module status of no other code, or no answer (offline)"),
            new Own("ResultadoComparacaoDigitalLeitor", 129, "module status 2, 7, 253 or 254"),
            new Own("ResultadoComparacaoDigitalLeitor", 130, "module status 3"),
            new Own("ResultadoComparacaoDigitalLeitor", 131, "module status 4"),
            new Own("ResultadoComparacaoDigitalLeitor", 132, "module status 5"),
            new Own("ResultadoComparacaoDigitalLeitor", 133, "module status 6"),
            new Own("ResultadoComparacaoDigitalLeitor", 134, "module status 14"),
            new Own("ResultadoComparacaoDigitalLeitor", 135, "module status 251 or 252"),
            new Own("ResultadoComparacaoDigitalLeitor", 136, "module status 22"),
            new Own("ResultadoComparacaoDigitalLeitor", 137, "module status 9"),
            new Own("ResultadoComparacaoPINOssel", 1, "no result message"),
            new Own("ResultadoComparacaoPINOssel", 128, "module result other than 2, 3, 4 and 7"),
            new Own("ResultadoComparacaoPINOssel", 130, "module result 3"),
            new Own("ResultadoComparacaoPINOssel", 134, "module result 4"),
            new Own("ResultadoComparacaoTemplateOssel", 1, "no result message"),
            new Own("ResultadoComparacaoTemplateOssel", 128, "module result other than 2, 3, 4 and 7"),
            new Own("ResultadoComparacaoTemplateOssel", 130, "module result 3"),
            new Own("ResultadoComparacaoTemplateOssel", 134, "module result 4"),
            new Own("ResultadoConfiguracaoBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ResultadoConfiguracaoBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ResultadoConfiguracaoBio", 130, "module status 3"),
            new Own("ResultadoConfiguracaoBio", 131, "module status 4"),
            new Own("ResultadoConfiguracaoBio", 132, "module status 5"),
            new Own("ResultadoConfiguracaoBio", 133, "module status 6"),
            new Own("ResultadoConfiguracaoBio", 134, "module status 14"),
            new Own("ResultadoConfiguracaoBio", 135, "module status 251 or 252"),
            new Own("ResultadoConfiguracaoBio", 136, "module status 22"),
            new Own("ResultadoConfiguracaoBio", 137, "module status 9"),
            new Own("ResultadoConfiguracaoRedeOssel", 128, "module result 1, or 7 and above"),
            new Own("ResultadoConfiguracaoRedeOssel", 129, "module result 2"),
            new Own("ResultadoConfiguracaoRedeOssel", 130, "module result 3"),
            new Own("ResultadoConfiguracaoRedeOssel", 131, "module result 4"),
            new Own("ResultadoConfiguracaoRedeOssel", 132, "module result 5"),
            new Own("ResultadoConfiguracaoRedeOssel", 133, "module result 6"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 128, "module result 1, or 7 and above"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 129, "module result 2"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 130, "module result 3"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 131, "module result 4"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 132, "module result 5"),
            new Own("ResultadoExclusaoTodosUsuariosOssel", 133, "module result 6"),
            new Own("ResultadoExclusaoUsuarioOssel", 128, "module result 1, or 7 and above"),
            new Own("ResultadoExclusaoUsuarioOssel", 129, "module result 2"),
            new Own("ResultadoExclusaoUsuarioOssel", 130, "module result 3"),
            new Own("ResultadoExclusaoUsuarioOssel", 131, "module result 4"),
            new Own("ResultadoExclusaoUsuarioOssel", 132, "module result 5"),
            new Own("ResultadoExclusaoUsuarioOssel", 133, "module result 6"),
            new Own("ResultadoIdentificacaoBiometrica", 128, "module status of no other code, or no answer (offline)"),
            new Own("ResultadoIdentificacaoBiometrica", 129, "module status 2, 7, 253 or 254"),
            new Own("ResultadoIdentificacaoBiometrica", 130, "null result, or module status 3"),
            new Own("ResultadoIdentificacaoBiometrica", 131, "module status 4"),
            new Own("ResultadoIdentificacaoBiometrica", 132, "module status 5"),
            new Own("ResultadoIdentificacaoBiometrica", 133, "module status 6"),
            new Own("ResultadoIdentificacaoBiometrica", 134, "module status 14"),
            new Own("ResultadoIdentificacaoBiometrica", 135, "module status 251 or 252"),
            new Own("ResultadoIdentificacaoBiometrica", 136, "module status 22"),
            new Own("ResultadoIdentificacaoBiometrica", 137, "module status 9"),
            new Own("ResultadoInclusaoUsuarioLeitorOssel", 1, "no result message"),
            new Own("ResultadoInclusaoUsuarioLeitorOssel", 128, "module result other than 2, 3, 4 and 7"),
            new Own("ResultadoInclusaoUsuarioLeitorOssel", 129, "null buffer"),
            new Own("ResultadoInclusaoUsuarioLeitorOssel", 130, "module result 3"),
            new Own("ResultadoInclusaoUsuarioLeitorOssel", 134, "module result 4"),
            new Own("ResultadoInclusaoUsuarioOssel", 128, "module result 1, or 7 and above"),
            new Own("ResultadoInclusaoUsuarioOssel", 129, "module result 2"),
            new Own("ResultadoInclusaoUsuarioOssel", 130, "module result 3"),
            new Own("ResultadoInclusaoUsuarioOssel", 131, "module result 4"),
            new Own("ResultadoInclusaoUsuarioOssel", 132, "module result 5"),
            new Own("ResultadoInclusaoUsuarioOssel", 133, "module result 6"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 128, "module status of no other code, or no answer (offline)"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 129, "module status 2, 7, 253 or 254"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 130, "module status 3"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 131, "module status 4"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 132, "module status 5"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 133, "module status 6"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 134, "module status 14"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 135, "module status 251 or 252"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 136, "module status 22"),
            new Own("ResultadoInsercaoUsuarioLeitorBio", 137, "module status 9"),
            new Own("ResultadoVerificacaoBiometrica", 128, "module status of no other code, or no answer (offline)"),
            new Own("ResultadoVerificacaoBiometrica", 129, "module status 2, 7, 253 or 254"),
            new Own("ResultadoVerificacaoBiometrica", 130, "module status 3"),
            new Own("ResultadoVerificacaoBiometrica", 131, "module status 4"),
            new Own("ResultadoVerificacaoBiometrica", 132, "module status 5"),
            new Own("ResultadoVerificacaoBiometrica", 133, "module status 6"),
            new Own("ResultadoVerificacaoBiometrica", 134, "module status 14"),
            new Own("ResultadoVerificacaoBiometrica", 135, "module status 251 or 252"),
            new Own("ResultadoVerificacaoBiometrica", 136, "module status 22"),
            new Own("ResultadoVerificacaoBiometrica", 137, "module status 9"),
            new Own("SolicitarDigitalUsuario", 128, "null or empty identifier"),
            new Own("SolicitarListaUsuariosComDigital", 128, "module status of no other code, or no answer (offline)"),
            new Own("SolicitarListaUsuariosComDigital", 129, "module status 2, 7, 253 or 254"),
            new Own("SolicitarListaUsuariosComDigital", 130, "module status 3"),
            new Own("SolicitarListaUsuariosComDigital", 131, "module status 4"),
            new Own("SolicitarListaUsuariosComDigital", 132, "module status 5"),
            new Own("SolicitarListaUsuariosComDigital", 133, "module status 6"),
            new Own("SolicitarListaUsuariosComDigital", 134, "module status 14"),
            new Own("SolicitarListaUsuariosComDigital", 135, "module status 251 or 252"),
            new Own("SolicitarListaUsuariosComDigital", 136, "empty list, or module status 22"),
            new Own("SolicitarListaUsuariosComDigital", 137, "answer for another page, or module status 9"),
            new Own("SolicitarTotalUsuariosOssel", 128, "mode not 0 or 2, nothing sent"),
            new Own("SolicitarUsuarioCadastradoBio", 128, "null or empty identifier, nothing sent"),
            new Own("UsuarioFoiEnviado", 128, "module status of no other code, or no answer (offline)"),
            new Own("UsuarioFoiEnviado", 129, "module status 2, 7, 253 or 254"),
            new Own("UsuarioFoiEnviado", 130, "module status 3"),
            new Own("UsuarioFoiEnviado", 131, "module status 4"),
            new Own("UsuarioFoiEnviado", 132, "module status 5"),
            new Own("UsuarioFoiEnviado", 133, "module status 6"),
            new Own("UsuarioFoiEnviado", 134, "module status 14"),
            new Own("UsuarioFoiEnviado", 135, "module status 251 or 252"),
            new Own("UsuarioFoiEnviado", 136, "module status 22"),
            new Own("UsuarioFoiEnviado", 137, "module status 9"),
            new Own("UsuarioFoiExcluido", 128, "module status of no other code, or no answer (offline)"),
            new Own("UsuarioFoiExcluido", 129, "module status 2, 7, 253 or 254"),
            new Own("UsuarioFoiExcluido", 130, "module status 3"),
            new Own("UsuarioFoiExcluido", 131, "module status 4"),
            new Own("UsuarioFoiExcluido", 132, "module status 5"),
            new Own("UsuarioFoiExcluido", 133, "module status 6"),
            new Own("UsuarioFoiExcluido", 134, "module status 14"),
            new Own("UsuarioFoiExcluido", 135, "module status 251 or 252"),
            new Own("UsuarioFoiExcluido", 136, "module status 22"),
            new Own("UsuarioFoiExcluido", 137, "module status 9"),
        };

        public static class Native
        {
            const string Lib = "varanda";

            // Connection
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirTipoConexao(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AbrirPortaComunicacao(int port);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern void FecharPortaComunicacao();

            // Modem
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int ConectarModem(int port, byte[] init, int tone, byte[] number, int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarStringInicializacaoModem(byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int LerByteModem();

            // Online actions
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AcionarRele1(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AcionarRele2(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarComandoAcessoNegado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ManterRele1Acionado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ManterRele2Acionado(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesabilitarRele1(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesabilitarRele2(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AcionarBipCurto(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AcionarBipLongo(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte Ping(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResetarModoOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LigarBackLite(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesligarBackLite(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LigarBipIntermitente(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesligarBipIntermitente(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DevolverCartao(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EngolirCartao(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LevantarParaOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte PingOnLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LigarLedVermelho(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesligarLedVermelho(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LiberarCatracaEntrada(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LiberarCatracaSaida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LiberarCatracaEntradaInvertida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LiberarCatracaSaidaInvertida(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LiberarCatracaDoisSentidos(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirPadraoCartao(byte pattern);

            // Online events, entry forms and printer
            // card: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberDadosOnLine(int terminal, out byte origin, out byte complement, [In, Out] byte[] card, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            // card: 14 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberDadosOnLine2(int terminal, out byte origin, out byte complement, [In, Out] byte[] card, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LerSensoresCorvo(int terminal, out byte sensor1, out byte sensor2, out byte sensor3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarFormasEntradasOnLine(int terminal, byte keypad1, byte keypad2, byte forms, byte keypad3, byte keypad4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarMensagemImpressora00(int terminal, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarMensagemImpressoraFF(int terminal, byte[] text);

            // Automatic online/offline change
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitarMudancaOnLineOffLine(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirEntradasMudancaOffLine(byte first, byte second, byte third, byte fourth);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirEntradasMudancaOffLineComBiometria(byte first, byte second, byte third, byte fourth, byte fifth);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirEntradasMudancaOnLine(byte forms);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirConfiguracaoTecladoOnLine(byte setting1, byte setting2, byte setting3, byte setting4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemPadraoMudancaOnLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemPadraoMudancaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(int terminal);

            // Configuration record
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarCorvoOffLine();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarCorvoOnLine();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitarTeclado(byte enable, byte secondOption);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarAcionamento1(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarAcionamento2(byte mode, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarTipoLeitor(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitor1(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitor2(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirCodigoEmpresa(int code);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirNivelAcesso(byte level);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte UtilizarSenhaAcesso(byte use);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirTipoListaAcesso(byte type);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirQuantidadeDigitosCartao(byte digits);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AvisarQuandoMemoriaCheia(byte warn);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirPorcentagemRevista(byte percent);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte RegistrarAcessoNegado(byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte CartaoMasterLiberaAcesso(byte releases);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirLogicaRele(byte logic);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesabilitarBloqueioCatracaMicroSwitch(byte disable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirFuncaoDefaultLeitoresProximidade(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirNumeroCartaoMaster(byte[] number);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirFormasPictogramasQuadrante(byte forms);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesabilitarBipCatraca(byte disable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirEventoSensor(byte sensor, byte @event, byte time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte PermitirCadastroCorvoBioOssel(byte allow);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte PermitirCadastroCorvoBio(byte allow);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberDataHoraDadosOnLine(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirQuantidadeDigitoVariavel(byte length);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarWiegandDoisLeitores(byte first, byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirFuncaoDefaultSensorBiometria(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirFuncaoSensor1(byte function);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitarCriptografia(byte value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarComportamentoIndexSearch(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarBioVariavel(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeHIDAbaTrack2();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeMotorolaAbaTrack2();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeWiegand();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeSmartCard();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeAcura();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeWiegandFacilityCode();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorProximidadeSmartCardAcura();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarLeitorWiegandFacilityCodeSemSeparador();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarConfiguracoes(int terminal);
            // buffer: 50 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte GetBufferConfigDLL(int unused, [In, Out] byte[] buffer);
            // buffer: 50 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberBufferConfig(int terminal, [In, Out] byte[] buffer);

            // Messages and change events
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemEntradaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemSaidaOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemPadraoOffLine(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemFuncaoOffLine(byte[] text, byte function, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitarScoreMensagemOffLine(int unused, byte slot, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarMensagensOffLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarMensagensOffLine(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarMensagemPadraoOnLine(int terminal, byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarMensagemTemporariaOnLine(int terminal, byte secondLine, byte[] text, byte time);
            // buffer: 416 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberBufferMsgA(int terminal, [In, Out] byte[] buffer);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte GetBufferMsgDLL(int unused1, int unused2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemApresentacaoEntrada(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirMensagemApresentacaoSaida(byte secondLine, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirHorarioMudancaEntrada(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirHorarioMudancaSaida(byte hour1, byte minute1, byte hour2, byte minute2, byte hour3, byte minute3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitaMudancaEventoSeta(byte enable);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarBufferEventosMudancaAuto(int terminal);

            // Function keys
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DefinirConfiguracoesFuncoes(byte function, byte mode, byte option1, byte option2, byte option3, byte option4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte HabilitarScoreFuncoes(byte function, byte enabled);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarConfiguracoesFuncoes(int terminal);

            // Clock and daylight saving
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarRelogio(int terminal, byte day, byte month, byte year, byte hour, byte minute, byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberRelogio(int terminal, out byte day, out byte month, out byte year, out byte hour, out byte minute, out byte second);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarHorarioVerao(int terminal, byte startDay, byte startMonth, byte startYear, byte startHour, byte startMinute, byte endDay, byte endMonth, byte endYear, byte endHour, byte endMinute);

            // Access and siren schedules
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirHorarioAcesso(byte schedule, byte day, byte time, byte hour, byte minute);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarHorariosAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarHorariosAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirHorarioSirene(byte hour, byte minute, byte day0, byte day1, byte day2, byte day3, byte day4, byte day5, byte day6);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarHorariosSirene(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarHorariosSirene(int terminal);

            // Access list
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirUsuarioListaAcesso(byte[] card, byte schedule);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarListaAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarListaAcesso(int terminal);

            // Punch collection
            // card: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ColetarBilhete(int terminal, out byte type, out byte day, out byte month, out byte year, out byte hour, out byte minute, [In, Out] byte[] card);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberQuantidadeBilhetes(int terminal, out int count);

            // Fingerprint module
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarModeloBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberModeloBio(int terminal, byte online, out int model);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarVersaoBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberVersaoBio(int terminal, byte online, out int major, out int minor);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarQuantidadeUsuariosBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberQuantidadeUsuariosBio(int terminal, byte online, out int count);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int SetarBioLight(int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int SetarBioVariavel(int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern void InicializarColetaListaUsuariosBio();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarListaUsuariosBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberPacoteListaUsuariosBio(int terminal);
            // record: 128 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberUsuarioLista(int terminal, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int TemProximoUsuario();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int TemProximoPacote();
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarUsuarioCadastradoBio(int terminal, byte[] id);
            // record: 844 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberUsuarioCadastradoBio(int terminal, byte online, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarExclusaoUsuario(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte UsuarioFoiExcluido(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte InserirUsuarioLeitorBio(int terminal, byte option, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoInsercaoUsuarioLeitorBio(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte FazerVerificacaoBiometricaBio(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoVerificacaoBiometrica(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte FazerIdentificacaoBiometricaBio(int terminal);
            // result: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoIdentificacaoBiometrica(int terminal, byte online, [In, Out] byte[] result);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarTemplateLeitor(int terminal);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberTemplateLeitor(int terminal, byte online, [In, Out] byte[] template_);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberTemplateCapturadoCorvo(int terminal, [In, Out] byte[] template_);
            // template_: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte CompararDigitalLeitor(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoComparacaoDigitalLeitor(int terminal, byte online);
            // record: 836 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarUsuarioBio(int terminal, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte UsuarioFoiEnviado(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarBio(int terminal, byte option1, byte option2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoConfiguracaoBio(int terminal, byte online);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarAjustesSensibilidadeBio(int terminal, byte value1, byte value2, byte value3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarAjustesSegurancaBio(int terminal, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarAjustesQualidadeBio(int terminal, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarFiltroBio(int terminal, byte on);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarCapturaAdaptativaBio(int terminal, byte on, byte value1, byte value2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarTimeoutIdentificacao(byte seconds);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarNivelLFD(byte level);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarAjustesBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarDigitalUsuario(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberRespostaRequisicaoBio(int terminal, out int size);
            // record: 876 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberDigitalUsuario(int terminal, [In, Out] byte[] record, int size);
            // template1: 404 bytes; template2: 404 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarDigitalUsuario(int terminal, byte[] id, [In, Out] byte[] template1, [In, Out] byte[] template2);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarListaUsuariosBioVariavel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarListaUsuariosComDigital(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberListaUsuariosDigital(int unused);
            // id: 11 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberUsuarioComDigital([In, Out] byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte IncluirUsuarioSemDigitalBio(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte IncluirUsuarioSemDigitalBio500(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarListaUsuariosSemDigitalBio(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarListaUsuariosSemDigitalBio500(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte IncluirUsuarioSemDigitalBioCorvoAcesso(byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarListaUsuariosSemDigitalBioCorvoAcesso(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarListaUsuariosSemDigitalBioVariavel(int terminal, int unused);

            // Ossel module
            // record: 451 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte IncluirUsuarioOssel(int terminal, [In, Out] byte[] record);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoInclusaoUsuarioOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte CriarUsuarioLeitorOssel(int terminal);
            // template_: 220 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoInclusaoUsuarioLeitorOssel(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarUsuarioOssel(int terminal, byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoExclusaoUsuarioOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ApagarTodosUsuariosOssel(int terminal, byte[] text);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoExclusaoTodosUsuariosOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LocalizarPrimeiroUsuarioOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LocalizarProximoUsuarioOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LocalizarUsuarioOssel(int terminal, byte mode, byte length, byte[] id);
            // record: 451 bytes; id: 17 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberUsuarioOssel(int terminal, byte mode, out byte value, [In, Out] byte[] record, [In, Out] byte[] id);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte SolicitarTotalUsuariosOssel(int terminal, byte mode);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberTotalUsuariosOssel(int terminal, out int count);
            // template_: 220 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte CompararTemplateOssel(int terminal, [In, Out] byte[] template_);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoComparacaoTemplateOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte CompararPINOssel(int terminal, byte[] pin);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoComparacaoPINOssel(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ConfigurarRedeOssel(int terminal, byte flag1, byte flag2, byte flag3);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ResultadoConfiguracaoRedeOssel(int terminal);

            // Device extras and protocol flags
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte ReceberVersaoFirmware(int terminal, out byte byte0, out ushort version, out byte byte3, out byte byte4, out byte byte5, out byte byte6);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarTempoKeepAliveRabbit(int terminal, int time);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte AtribuirContadorGiro(int terminal, int first, int second, int third);
            // first: 4 bytes; second: 4 bytes; third: 4 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LerContadorGiro(int terminal, [In, Out] byte[] first, [In, Out] byte[] second, [In, Out] byte[] third);
            // r1: 10 bytes; r2: 16 bytes; r3: 16 bytes; r4: 16 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LerSmartCard(int terminal, byte area, [In, Out] byte[] r1, [In, Out] byte[] r2, [In, Out] byte[] r3, [In, Out] byte[] r4);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte LigarLedVerde(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte DesligarLedVerde(int terminal);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int SetarCorvoOld(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int Utilizar215(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int UtilizarRelogioSegundos(int unused, int value);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int UtilizarCmdCurtoCatraca(int unused, int value);

            // TLM encryption block
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte PreencherBufferTLM(byte[] path);
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarBufferTLM(int terminal);
            // block: 26 bytes
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern byte EnviarCriptografiaTLM(int terminal, [In, Out] byte[] block);

            // Messages to the host
            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] public static extern int ExecInClientDLL(int reserved1, byte[] text, int reserved3, int reserved4);
        }
    }
}
