// The TCP back-end loaded by file name, as the SDK loads it, with its entry
// points typed.
#pragma once
#include <cstdint>
#include <string>

#include "abi/backend_entries.h"
#include "library.h"

namespace e2e {

struct TcpBackend {
    varanda::abi::corvotcp::InicializaCom* InicializaCom = nullptr;
    varanda::abi::corvotcp::Envia_Dados* Envia_Dados = nullptr;
    varanda::abi::corvotcp::Envia_Resposta* Envia_Resposta = nullptr;
    varanda::abi::corvotcp::Recebe_Dados* Recebe_Dados = nullptr;
    varanda::abi::corvotcp::Recebe_Dados_E_Nao_Responde* Recebe_Dados_E_Nao_Responde = nullptr;
    varanda::abi::corvotcp::FinalizaCom* FinalizaCom = nullptr;
    varanda::abi::corvotcp::Conectado* Conectado = nullptr;

    // $CORVO_TCP_LIB, else the platform's file name through the normal search.
    bool load();

private:
    hostkit::Library lib_;
};

// Sets an environment variable of this process (empty value: removes it).
void set_env(const char* name, const std::string& value);

}  // namespace e2e
