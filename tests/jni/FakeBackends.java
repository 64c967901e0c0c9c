// The fake back ends, seen from the Java test: scripts their answers and
// reads back the calls the SDK made (native side: fake_backends_jni.cpp).
// `lib` is "serial" (Corvo2K) or "tcp" (CorvoTCP).
final class FakeBackends {
    static {
        System.loadLibrary("varanda_jni_fakes");
    }

    private FakeBackends() {}

    static native void reset(String lib);
    static native void queueAnswer(String lib, int result, byte[] bytes);
    // The calls to `entry`, in order: how many, the recorded ints of one, its payload.
    static native int count(String lib, String entry);
    static native int[] ints(String lib, String entry, int index);
    static native byte[] data(String lib, String entry, int index);
}
