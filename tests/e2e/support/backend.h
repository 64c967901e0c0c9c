// The TCP back-end loaded by file name, as the SDK loads it, with its entry
// points typed.
#pragma once
#include <cstdint>
#include <string>

#include "comm/backend_abi.h"
#include "loader.h"

namespace e2e {

struct TcpBackend {
    varanda::backend::InicializaComFn InicializaCom = nullptr;
    varanda::backend::EnviaDadosFn Envia_Dados = nullptr;
    varanda::backend::EnviaRespostaTcpFn Envia_Resposta = nullptr;
    varanda::backend::RecebeDadosFn Recebe_Dados = nullptr;
    varanda::backend::RecebeDadosFn Recebe_Dados_E_Nao_Responde = nullptr;
    varanda::backend::FinalizaComFn FinalizaCom = nullptr;
    varanda::backend::FinalizaComFn Conectado = nullptr;

    // $CORVO_TCP_LIB, else the platform's file name through the normal search.
    bool load();

private:
    testsupport::Library lib_;
};

// Sets an environment variable of this process (empty value: removes it).
void set_env(const char* name, const std::string& value);

}  // namespace e2e
