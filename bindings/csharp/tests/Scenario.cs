// The C# binding under Mono against corvo-sim (run as `corvo-sim -- mono
// scenario.exe`): each form of argument and result once (numbers, texts,
// areas, out-values), a code and its text, the punch and event loops, each
// checked in the emulator's dump. Exit status 0 when every check held.
using System;
using System.Collections.Generic;
using System.IO;
using System.Net.Sockets;
using System.Text;
using System.Text.RegularExpressions;
using System.Threading;
using V = Varanda.Varanda;
using N = Varanda.Varanda.Native;

static class Scenario
{
    const int T = 1;
    static int failures;
    static readonly Encoding Latin1 = Encoding.GetEncoding(28591);

    static string Sim(string line)
    {
        int port = int.Parse(Environment.GetEnvironmentVariable("CORVO_SIM_CONTROL"));
        using (var client = new TcpClient("127.0.0.1", port)) {
            var s = client.GetStream();
            byte[] b = Latin1.GetBytes(line + "\n");
            s.Write(b, 0, b.Length);
            var reader = new StreamReader(s, Latin1);
            return reader.ReadLine();
        }
    }

    // A number field of the dump: "name":123 (the first after `after`).
    static long Field(string json, string after, string name)
    {
        int from = json.IndexOf("\"" + after + "\"", StringComparison.Ordinal);
        var m = new Regex("\"" + name + "\":\"?(\\d+)").Match(json, Math.Max(from, 0));
        return m.Success ? long.Parse(m.Groups[1].Value) : -1;
    }

    static void Expect(bool ok, string what)
    {
        Console.WriteLine((ok ? "ok   " : "FAIL ") + what);
        if (!ok) failures++;
    }

    static void Main()
    {
        int port = int.Parse(Environment.GetEnvironmentVariable("CORVO_SIM_PORT"));
        using (V.Open(port, V.Tcp)) {
            V.Check("Ping", N.Ping(T));
            Expect(N.EnviarRelogio(T, 7, 12, 126, 10, 30, 0) == 133, "a bad year: 133, a byte, not negative");
            Expect(V.CodeText("EnviarRelogio", 133) == "year out of range (0..99)", "its text");

            V.Check("EnviarRelogio", N.EnviarRelogio(T, 28, 2, 26, 23, 59, 30));
            byte d, mo, y, h, mi, s;
            V.Check("ReceberRelogio", N.ReceberRelogio(T, out d, out mo, out y, out h, out mi, out s));
            Expect(d == 28 && mo == 2 && y == 26 && h == 23 && mi == 59, "clock read back");

            V.Check("DefinirCodigoEmpresa", N.DefinirCodigoEmpresa(43));
            var prepared = new byte[50];
            var read = new byte[50];
            V.Check("GetBufferConfigDLL", N.GetBufferConfigDLL(0, prepared));
            V.Check("EnviarConfiguracoes", N.EnviarConfiguracoes(T));
            V.Check("ReceberBufferConfig", N.ReceberBufferConfig(T, read));
            Expect(Convert.ToBase64String(prepared) == Convert.ToBase64String(read), "the record read back as sent");
            Expect(Field(Sim("dump 1"), "config", "company_code") == 43, "configuration in the terminal");

            V.Check("InserirUsuarioListaAcesso", N.InserirUsuarioListaAcesso(V.Latin1("12345678"), 7));
            V.Check("EnviarListaAcesso", N.EnviarListaAcesso(T));
            Expect(Field(Sim("dump 1"), "access_list", "card") == 12345678, "the card listed");

            long stored = Field(Sim("dump 1"), "punches", "stored");
            int collected = 0;
            foreach (var p in V.Punches(T)) collected++;
            Expect(stored > 0 && collected == stored, "every punch collected (" + collected + ")");

            V.Check("EnviarMensagemPadraoOnLine", N.EnviarMensagemPadraoOnLine(T, 0, V.Latin1("Bem-vindo João €")));
            Expect(Sim("dump 1").Contains("\"line1\":\"Bem-vindo Jo\\u00e3o ?"), "accented text byte for byte");

            OnlineCards();
        }
        Console.WriteLine(failures == 0 ? "all checks held" : failures + " checks failed");
        Environment.Exit(failures == 0 ? 0 : 1);
    }

    static void OnlineCards()
    {
        int[] cards = { 1001, 1002, 1003, 1004 };  // odd ones granted
        string before = Sim("dump 1");
        Sim("online 1 1");
        var stop = new CancellationTokenSource();
        stop.CancelAfter(30000);  // a bound, not a measure
        var answered = new List<int>();
        Sim("card 1 " + cards[0]);
        foreach (var e in V.Events(T, stop.Token)) {
            int card = int.Parse(e.Card);
            V.Check("answer", card % 2 == 1 ? N.AcionarRele1(T) : N.EnviarComandoAcessoNegado(T));
            answered.Add(card);
            if (answered.Count == cards.Length) break;
            Sim("card 1 " + cards[answered.Count]);
        }
        Sim("online 1 0");
        Expect(string.Join(",", answered) == string.Join(",", cards), "every card answered in order");
        string after = Sim("dump 1");
        Expect(Field(after, "commands", "1") - Math.Max(Field(before, "commands", "1"), 0) == 2, "2 granted");
        Expect(Field(after, "commands", "3") - Math.Max(Field(before, "commands", "3"), 0) == 2, "2 denied");
    }
}
