// The SDK's answer decoding: the real libvaranda.so, loaded as a host loads
// it, over a fuzzing TCP back-end (backend/fuzz_backend.cpp) whose answers are
// the input. Each input drives a run of the operations that read an answer,
// chosen by the input, each with caller buffers allocated at exactly their
// documented sizes, so that the sanitizer sees any write past them.
#include <dlfcn.h>
#include <time.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "api_table.h"
#include "fuzz_check.h"

// The SDK pauses between its tries and after some answers (tens of
// milliseconds each); in this program every pause returns at once, so that
// the fuzzer spends its time on answers, not on sleeping. The program exports
// it (-rdynamic) and the SDK, loaded later, binds to it.
extern "C" int nanosleep(const struct timespec*, struct timespec*) { return 0; }

namespace {

VarandaApi api;
void (*feed)(const uint8_t*, size_t) = nullptr;

std::string own_folder() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string p(path, n > 0 ? static_cast<size_t>(n) : 0);
    return p.substr(0, p.rfind('/'));
}

bool load() {
    const std::string dir = own_folder() + "/sdk/";
    void* backend = dlopen((dir + "libCorvoTCP.so").c_str(), RTLD_NOW | RTLD_GLOBAL);
    void* sdk = dlopen((dir + "libvaranda.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (backend == nullptr || sdk == nullptr) return false;
    feed = reinterpret_cast<void (*)(const uint8_t*, size_t)>(dlsym(backend, "FuzzBackend_Feed"));
    return feed != nullptr && api.resolve([&](const char* name) { return dlsym(sdk, name); });
}

// A caller buffer of exactly `n` bytes.
struct Buf {
    explicit Buf(size_t n) : p(new uint8_t[n == 0 ? 1 : n]()) {}
    operator uint8_t*() { return p.get(); }
    std::unique_ptr<uint8_t[]> p;
};
struct Text {
    explicit Text(size_t n) : p(new char[n]()) {}
    operator char*() { return p.get(); }
    std::unique_ptr<char[]> p;
};
template <class T>
struct One {
    One() : p(new T()) {}
    operator T*() { return p.get(); }
    std::unique_ptr<T> p;
};
using U8 = One<uint8_t>;
using I32 = One<int32_t>;

using Step = std::function<void(FuzzedDataProvider&)>;

int32_t term(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange<int32_t>(0, 3); }
uint8_t flag(FuzzedDataProvider& in) { return in.ConsumeIntegral<uint8_t>(); }

const std::vector<Step>& steps() {
    static const std::vector<Step> s = {
        [](auto& in) { U8 a, b, c, d, e, f; Text card(16); api.ColetarBilhete(term(in), a, b, c, d, e, f, card); },
        [](auto& in) { I32 n; api.ReceberQuantidadeBilhetes(term(in), n); },
        [](auto& in) { U8 a, b, d, e, g, h, i, j; Text card(16);
                       api.ReceberDadosOnLine(term(in), a, b, card, d, e, g, h, i, j); },
        [](auto& in) { U8 a, b, d, e, g, h, i, j; Text card(14);
                       api.ReceberDadosOnLine2(term(in), a, b, card, d, e, g, h, i, j); },
        [](auto& in) { api.Utilizar215(0, flag(in) & 1); },
        [](auto& in) { api.ReceberDataHoraDadosOnLine(flag(in) & 1); },
        [](auto& in) { api.DefinirPadraoCartao(flag(in) & 1); },
        [](auto& in) { U8 a, b, c; api.LerSensoresCorvo(term(in), a, b, c); },
        [](auto& in) { U8 a, b, c, d, e, f; api.ReceberRelogio(term(in), a, b, c, d, e, f); },
        [](auto& in) { U8 a, c, d, e, f; One<uint16_t> v; api.ReceberVersaoFirmware(term(in), a, v, c, d, e, f); },
        [](auto& in) { Buf a(4), b(4), c(4); api.LerContadorGiro(term(in), a, b, c); },
        [](auto& in) { Buf a(10), b(16), c(16), d(16); api.LerSmartCard(term(in), flag(in), a, b, c, d); },
        [](auto& in) { Buf b(50); api.ReceberBufferConfig(term(in), b); },
        [](auto&) { Buf b(50); api.GetBufferConfigDLL(0, b); },
        [](auto& in) { Buf b(416); api.ReceberBufferMsgA(term(in), b); },
        [](auto& in) { I32 m; api.ReceberModeloBio(term(in), flag(in) & 1, m); },
        [](auto& in) { I32 a, b; api.ReceberVersaoBio(term(in), flag(in) & 1, a, b); },
        [](auto& in) { I32 n; api.ReceberQuantidadeUsuariosBio(term(in), flag(in) & 1, n); },
        [](auto& in) { api.ResultadoInsercaoUsuarioLeitorBio(term(in), flag(in) & 1); },
        [](auto& in) { api.ResultadoVerificacaoBiometrica(term(in), flag(in) & 1); },
        [](auto& in) { Buf r(16); api.ResultadoIdentificacaoBiometrica(term(in), flag(in) & 1, r); },
        [](auto& in) { Buf t(404); api.ReceberTemplateLeitor(term(in), flag(in) & 1, t); },
        [](auto& in) { Buf t(404); api.ReceberTemplateCapturadoCorvo(term(in), t); },
        [](auto& in) { api.ResultadoComparacaoDigitalLeitor(term(in), flag(in) & 1); },
        [](auto& in) { Buf r(844); api.ReceberUsuarioCadastradoBio(term(in), flag(in) & 1, r); },
        [](auto& in) { I32 n; api.ReceberRespostaRequisicaoBio(term(in), n); },
        [](auto& in) { const int32_t n = in.template ConsumeIntegralInRange<int32_t>(-2, 900);
                       Buf r(n > 0 ? static_cast<size_t>(n) : 0); api.ReceberDigitalUsuario(term(in), r, n); },
        [](auto& in) { api.UsuarioFoiEnviado(term(in), flag(in) & 1); },
        [](auto&) { api.InicializarColetaListaUsuariosBio(); },
        [](auto& in) { api.ReceberPacoteListaUsuariosBio(term(in)); },
        [](auto& in) { Buf r(128); api.ReceberUsuarioLista(term(in), r); },
        [](auto&) { api.TemProximoUsuario(); api.TemProximoPacote(); },
        [](auto& in) { api.SolicitarListaUsuariosComDigital(term(in)); },
        [](auto& in) { api.ReceberListaUsuariosDigital(term(in)); },
        [](auto&) { Buf id(11); api.ReceberUsuarioComDigital(id); },
        [](auto& in) { U8 v; Buf r(451); Text id(17); api.ReceberUsuarioOssel(term(in), flag(in) % 3, v, r, id); },
        [](auto& in) { I32 n; api.ReceberTotalUsuariosOssel(term(in), n); },
        [](auto& in) { api.ResultadoComparacaoTemplateOssel(term(in)); },
        [](auto& in) { api.ResultadoComparacaoPINOssel(term(in)); },
        [](auto& in) { api.ResultadoConfiguracaoRedeOssel(term(in)); },
        [](auto& in) { api.ResultadoInclusaoUsuarioOssel(term(in)); },
        [](auto& in) { Buf t(220); api.ResultadoInclusaoUsuarioLeitorOssel(term(in), t); },
        [](auto& in) { api.ResultadoExclusaoUsuarioOssel(term(in)); },
        [](auto& in) { api.ResultadoExclusaoTodosUsuariosOssel(term(in)); },
    };
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!load()) {
        std::fprintf(stderr, "sdk_answers_fuzz: cannot load sdk/libvaranda.so and sdk/libCorvoTCP.so\n");
        return 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (feed == nullptr) __builtin_trap();
    FuzzedDataProvider in(data, size);
    // The operations take their choices from the front, the back-end its
    // answers from the back.
    const size_t choices = in.ConsumeIntegralInRange<size_t>(0, size / 2);
    std::vector<uint8_t> ops = in.ConsumeBytes<uint8_t>(choices);
    std::vector<uint8_t> answers = in.ConsumeRemainingBytes<uint8_t>();
    feed(answers.data(), answers.size());
    api.FecharPortaComunicacao();
    FUZZ_CHECK(api.DefinirTipoConexao(1) == 0);
    FUZZ_CHECK(api.AbrirPortaComunicacao(1) == 0);
    api.InicializarColetaListaUsuariosBio();
    FuzzedDataProvider pick(ops.data(), ops.size());
    const auto& s = steps();
    for (int n = 0; n < 24 && pick.remaining_bytes() > 0; ++n)
        s[pick.ConsumeIntegralInRange<size_t>(0, s.size() - 1)](pick);
    feed(nullptr, 0);
    return 0;
}
