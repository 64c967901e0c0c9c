"""The C# binding (bindings/csharp/Varanda.cs) from the operation lists: one
file, namespace and class Varanda, with a P/Invoke declaration of every
operation and a thin layer above them. Called by gen_exports.py.

CallingConvention.Winapi is stdcall on 32-bit Windows and the platform's C
convention elsewhere, as the library exports them; DllImport("varanda")
finds Varanda.dll on Windows and libvaranda.so on Linux (Mono).
"""
import gen_codes

ARG = {
    "i32": "int {n}", "u8": "byte {n}", "str": "byte[] {n}", "buf": "byte[] {n}",
    "out_u8": "out byte {n}", "out_u16": "out ushort {n}", "out_i32": "out int {n}", "out_str": "byte[] {n}",
}
RESULT = {"code": "byte", "i32": "int", "void": "void"}
KEYWORDS = {"event", "params", "string", "object", "base", "checked", "fixed", "lock", "operator", "out", "ref"}

TOP = """\
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

"""


def _param(t, n):
    name = "@" + n if n in KEYWORDS else n
    text = ARG[t].format(n=name)
    if t in ("buf", "out_str"):
        text = f"[In, Out] {text}"
    return text


def gen_file(ops):
    out = [TOP]
    out.append("        static readonly string[] General = {\n")
    out += [f'            "{t}",\n' for t in gen_codes.GENERAL]
    out.append("        };\n\n")
    out.append("        static readonly Dictionary<string, Dictionary<byte, string>> OwnCodes =\n"
               "            new Dictionary<string, Dictionary<byte, string>> {\n")
    codes = {}
    for name, code, text in gen_codes.table(ops):
        codes.setdefault(name, []).append((code, text))
    for name, entries in codes.items():
        items = ", ".join(f'{{{c}, "{t}"}}' for c, t in entries)
        out.append(f'                {{"{name}", new Dictionary<byte, string> {{{items}}}}},\n')
    out.append("            };\n\n")
    out.append("        public static class Native\n        {\n            const string Lib = \"varanda\";\n\n")
    for o in ops:
        sizes = "; ".join(f"{n}: {s} bytes" for n, s in o.sizes.items())
        if sizes:
            out.append(f"            // {sizes}\n")
        out.append("            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)]\n")
        params = ", ".join(_param(t, n) for t, n in o.params)
        out.append(f"            public static extern {RESULT[o.result]} {o.name}({params});\n")
    out.append("        }\n    }\n}\n")
    return "".join(out)
