#include "backend.h"

#include <cstdlib>

namespace e2e {

bool TcpBackend::load() {
    if (!lib_.open(hostkit::env_or("CORVO_TCP_LIB", hostkit::library_file("CorvoTCP")))) return false;
    auto get = [&](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib_.symbol(name));
        return fn != nullptr;
    };
    bool ok = get(InicializaCom, "InicializaCom");
    ok = get(Envia_Dados, "Envia_Dados") && ok;
    ok = get(Envia_Resposta, "Envia_Resposta") && ok;
    ok = get(Recebe_Dados, "Recebe_Dados") && ok;
    ok = get(Recebe_Dados_E_Nao_Responde, "Recebe_Dados_E_Nao_Responde") && ok;
    ok = get(FinalizaCom, "FinalizaCom") && ok;
    ok = get(Conectado, "Conectado") && ok;
    return ok;
}

void set_env(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
#endif
}

}  // namespace e2e
