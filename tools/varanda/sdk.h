// The SDK as this tool sees it: the operations it calls, looked up by name in
// the library loaded at run time, as any host does.
#pragma once
#include <string>

#include "varanda.h"

namespace vtool {

#define VTOOL_OPERATIONS(X)                                                                                  \
    X(DefinirTipoConexao) X(AbrirPortaComunicacao) X(FecharPortaComunicacao) X(ConectarModem) X(Ping)       \
    X(ReceberVersaoFirmware) X(ReceberQuantidadeBilhetes) X(SolicitarModeloBio) X(ReceberModeloBio)         \
    X(SolicitarQuantidadeUsuariosBio) X(ReceberQuantidadeUsuariosBio) X(SolicitarTotalUsuariosOssel)        \
    X(ReceberTotalUsuariosOssel) X(ReceberRelogio) X(EnviarRelogio) X(EnviarHorarioVerao) X(ColetarBilhete) \
    X(DefinirPadraoCartao) X(DefinirQuantidadeDigitosCartao) X(InserirUsuarioListaAcesso)                  \
    X(EnviarListaAcesso) X(ApagarListaAcesso) X(InserirHorarioAcesso) X(EnviarHorariosAcesso)               \
    X(InserirHorarioSirene) X(EnviarHorariosSirene) X(LevantarParaOnLine) X(ReceberDadosOnLine2)            \
    X(AcionarRele1) X(AcionarRele2) X(AcionarBipCurto) X(AcionarBipLongo) X(EnviarMensagemPadraoOnLine)     \
    X(EnviarMensagemTemporariaOnLine) X(LiberarCatracaEntrada) X(LiberarCatracaSaida)                       \
    X(LiberarCatracaDoisSentidos) X(ReceberBufferConfig) X(GetBufferConfigDLL) X(EnviarConfiguracoes)       \
    X(ConfigurarCorvoOffLine) X(ConfigurarCorvoOnLine) X(HabilitarTeclado) X(ConfigurarAcionamento1)        \
    X(ConfigurarAcionamento2) X(ConfigurarTipoLeitor) X(ConfigurarLeitor1) X(ConfigurarLeitor2)             \
    X(DefinirCodigoEmpresa) X(DefinirNivelAcesso) X(UtilizarSenhaAcesso) X(DefinirTipoListaAcesso)          \
    X(AvisarQuandoMemoriaCheia) X(DefinirPorcentagemRevista) X(RegistrarAcessoNegado)                       \
    X(CartaoMasterLiberaAcesso) X(DefinirLogicaRele) X(DesabilitarBloqueioCatracaMicroSwitch)               \
    X(DefinirFuncaoDefaultLeitoresProximidade) X(DefinirNumeroCartaoMaster)                                 \
    X(DefinirFormasPictogramasQuadrante) X(DesabilitarBipCatraca) X(DefinirEventoSensor)                    \
    X(PermitirCadastroCorvoBioOssel) X(ReceberDataHoraDadosOnLine) X(InserirQuantidadeDigitoVariavel)       \
    X(ConfigurarWiegandDoisLeitores) X(DefinirFuncaoDefaultSensorBiometria) X(DefinirFuncaoSensor1)         \
    X(HabilitarCriptografia) X(ConfigurarComportamentoIndexSearch) X(ConfigurarBioVariavel) X(SetarCorvoOld)

struct Sdk {
#define VTOOL_POINTER(name) decltype(&::name) name = nullptr;
    VTOOL_OPERATIONS(VTOOL_POINTER)
#undef VTOOL_POINTER

    // Loads the library by its plain name through the platform's search and
    // looks every operation up. "" on success, else what went wrong.
    std::string load();
};

}  // namespace vtool
