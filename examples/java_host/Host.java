// A Java host with the installed jar:
//   javac -cp varanda.jar Host.java
//   java -cp varanda.jar:. -Djava.library.path=LIBDIR Host PORT
// The same operations exist in class Varanda (no package) and in class
// com.melbrosa.Varanda; this host uses both.
public class Host {
    static boolean check(String what, int code) {
        System.out.println(what + ": " + code);
        return code == 0;
    }

    public static void main(String[] args) {
        if (args.length < 1) {
            System.err.println("usage: Host PORT");
            System.exit(2);
        }
        int port = Integer.parseInt(args[0]);
        if (!check("DefinirTipoConexao", Varanda.DefinirTipoConexao((byte) 1))
                || !check("AbrirPortaComunicacao", Varanda.AbrirPortaComunicacao(port))) {
            System.exit(1);
        }
        boolean ok = check("Ping", com.melbrosa.Varanda.Ping(1));
        int[] punch = new int[6];
        StringBuffer card = new StringBuffer();
        if (check("ColetarBilhete", Varanda.ColetarBilhete(1, punch, card))) {
            System.out.printf("punch type %d on %02d/%02d/%02d %02d:%02d card %s%n",
                    punch[0], punch[1], punch[2], punch[3], punch[4], punch[5], card);
        } else {
            ok = false;
        }
        Varanda.FecharPortaComunicacao();
        System.exit(ok ? 0 : 1);
    }
}
