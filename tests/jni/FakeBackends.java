// The fake TCP back end, seen from the Java test: scripts its answers and
// reads back what the SDK sent (native side: fake_backends_jni.cpp).
final class FakeBackends {
    static {
        System.loadLibrary("varanda_jni_fakes");
    }

    private FakeBackends() {}

    static native void reset();
    static native void queueAnswer(int result, byte[] bytes);
    static native byte[] lastSent();  // the payload of the last Envia_Dados
}
