"""Generated from the operation lists of the Varanda SDK; do not edit.

Every operation as a function of the loaded library: the inputs in the
order of the C declaration (areas the operation writes are made here, of
the size the declaration gives), the result first, then the values written:
out-values as ints, out-texts as str (ISO-8859-1, up to the first zero byte),
areas as bytes. Texts go to the terminal as ISO-8859-1, '?' for a character
outside it.
"""
from ctypes import (c_char_p, c_int32, c_uint8, c_uint16, c_void_p, byref,
                    create_string_buffer)

from ._text import to_terminal, from_terminal

# name: (result type, argument types), for the library's prototypes
SIGNATURES = {
    'AbrirPortaComunicacao': (c_uint8, [c_int32]),
    'AcionarBipCurto': (c_uint8, [c_int32]),
    'AcionarBipLongo': (c_uint8, [c_int32]),
    'AcionarRele1': (c_uint8, [c_int32]),
    'AcionarRele2': (c_uint8, [c_int32]),
    'ApagarHorariosAcesso': (c_uint8, [c_int32]),
    'ApagarHorariosSirene': (c_uint8, [c_int32]),
    'ApagarListaAcesso': (c_uint8, [c_int32]),
    'ApagarMensagensOffLine': (c_uint8, [c_int32]),
    'ApagarTodosUsuariosOssel': (c_uint8, [c_int32, c_char_p]),
    'ApagarUsuarioOssel': (c_uint8, [c_int32, c_char_p]),
    'AtribuirContadorGiro': (c_uint8, [c_int32, c_int32, c_int32, c_int32]),
    'AvisarQuandoMemoriaCheia': (c_uint8, [c_uint8]),
    'CartaoMasterLiberaAcesso': (c_uint8, [c_uint8]),
    'ColetarBilhete': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p]),
    'CompararDigitalLeitor': (c_uint8, [c_int32, c_void_p]),
    'CompararPINOssel': (c_uint8, [c_int32, c_char_p]),
    'CompararTemplateOssel': (c_uint8, [c_int32, c_void_p]),
    'ConectarModem': (c_int32, [c_int32, c_char_p, c_int32, c_char_p, c_int32]),
    'ConfigurarAcionamento1': (c_uint8, [c_uint8, c_uint8]),
    'ConfigurarAcionamento2': (c_uint8, [c_uint8, c_uint8]),
    'ConfigurarAjustesQualidadeBio': (c_uint8, [c_int32, c_uint8, c_uint8]),
    'ConfigurarAjustesSegurancaBio': (c_uint8, [c_int32, c_uint8, c_uint8]),
    'ConfigurarAjustesSensibilidadeBio': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8]),
    'ConfigurarBio': (c_uint8, [c_int32, c_uint8, c_uint8]),
    'ConfigurarBioVariavel': (c_uint8, [c_uint8]),
    'ConfigurarCapturaAdaptativaBio': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8]),
    'ConfigurarComportamentoIndexSearch': (c_uint8, [c_uint8]),
    'ConfigurarCorvoOffLine': (c_uint8, []),
    'ConfigurarCorvoOnLine': (c_uint8, []),
    'ConfigurarFiltroBio': (c_uint8, [c_int32, c_uint8]),
    'ConfigurarLeitor1': (c_uint8, [c_uint8]),
    'ConfigurarLeitor2': (c_uint8, [c_uint8]),
    'ConfigurarLeitorProximidadeAcura': (c_uint8, []),
    'ConfigurarLeitorProximidadeHIDAbaTrack2': (c_uint8, []),
    'ConfigurarLeitorProximidadeMotorolaAbaTrack2': (c_uint8, []),
    'ConfigurarLeitorProximidadeSmartCard': (c_uint8, []),
    'ConfigurarLeitorProximidadeSmartCardAcura': (c_uint8, []),
    'ConfigurarLeitorProximidadeWiegand': (c_uint8, []),
    'ConfigurarLeitorProximidadeWiegandFacilityCode': (c_uint8, []),
    'ConfigurarLeitorWiegandFacilityCodeSemSeparador': (c_uint8, []),
    'ConfigurarNivelLFD': (c_uint8, [c_uint8]),
    'ConfigurarRedeOssel': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8]),
    'ConfigurarTimeoutIdentificacao': (c_uint8, [c_uint8]),
    'ConfigurarTipoLeitor': (c_uint8, [c_uint8]),
    'ConfigurarWiegandDoisLeitores': (c_uint8, [c_uint8, c_uint8]),
    'CriarUsuarioLeitorOssel': (c_uint8, [c_int32]),
    'DefinirCodigoEmpresa': (c_uint8, [c_int32]),
    'DefinirConfiguracaoTecladoOnLine': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8]),
    'DefinirConfiguracoesFuncoes': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'DefinirEntradasMudancaOffLine': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8]),
    'DefinirEntradasMudancaOffLineComBiometria': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'DefinirEntradasMudancaOnLine': (c_uint8, [c_uint8]),
    'DefinirEventoSensor': (c_uint8, [c_uint8, c_uint8, c_uint8]),
    'DefinirFormasPictogramasQuadrante': (c_uint8, [c_uint8]),
    'DefinirFuncaoDefaultLeitoresProximidade': (c_uint8, [c_uint8]),
    'DefinirFuncaoDefaultSensorBiometria': (c_uint8, [c_uint8]),
    'DefinirFuncaoSensor1': (c_uint8, [c_uint8]),
    'DefinirLogicaRele': (c_uint8, [c_uint8]),
    'DefinirMensagemApresentacaoEntrada': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemApresentacaoSaida': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemEntradaOffLine': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemFuncaoOffLine': (c_uint8, [c_char_p, c_uint8, c_uint8]),
    'DefinirMensagemPadraoMudancaOffLine': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemPadraoMudancaOnLine': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemPadraoOffLine': (c_uint8, [c_uint8, c_char_p]),
    'DefinirMensagemSaidaOffLine': (c_uint8, [c_uint8, c_char_p]),
    'DefinirNivelAcesso': (c_uint8, [c_uint8]),
    'DefinirNumeroCartaoMaster': (c_uint8, [c_char_p]),
    'DefinirPadraoCartao': (c_uint8, [c_uint8]),
    'DefinirPorcentagemRevista': (c_uint8, [c_uint8]),
    'DefinirQuantidadeDigitosCartao': (c_uint8, [c_uint8]),
    'DefinirTipoConexao': (c_uint8, [c_uint8]),
    'DefinirTipoListaAcesso': (c_uint8, [c_uint8]),
    'DesabilitarBipCatraca': (c_uint8, [c_uint8]),
    'DesabilitarBloqueioCatracaMicroSwitch': (c_uint8, [c_uint8]),
    'DesabilitarRele1': (c_uint8, [c_int32]),
    'DesabilitarRele2': (c_uint8, [c_int32]),
    'DesligarBackLite': (c_uint8, [c_int32]),
    'DesligarBipIntermitente': (c_uint8, [c_int32]),
    'DesligarLedVerde': (c_uint8, [c_int32]),
    'DesligarLedVermelho': (c_uint8, [c_int32]),
    'DevolverCartao': (c_uint8, [c_int32]),
    'EngolirCartao': (c_uint8, [c_int32]),
    'EnviarAjustesBio': (c_uint8, [c_int32]),
    'EnviarBufferEventosMudancaAuto': (c_uint8, [c_int32]),
    'EnviarBufferTLM': (c_uint8, [c_int32]),
    'EnviarComandoAcessoNegado': (c_uint8, [c_int32]),
    'EnviarConfiguracoes': (c_uint8, [c_int32]),
    'EnviarConfiguracoesFuncoes': (c_uint8, [c_int32]),
    'EnviarConfiguracoesMudancaAutomaticaOnLineOffLine': (c_uint8, [c_int32]),
    'EnviarCriptografiaTLM': (c_uint8, [c_int32, c_void_p]),
    'EnviarDigitalUsuario': (c_uint8, [c_int32, c_char_p, c_void_p, c_void_p]),
    'EnviarFormasEntradasOnLine': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'EnviarHorarioVerao': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'EnviarHorariosAcesso': (c_uint8, [c_int32]),
    'EnviarHorariosSirene': (c_uint8, [c_int32]),
    'EnviarListaAcesso': (c_uint8, [c_int32]),
    'EnviarListaUsuariosSemDigitalBio': (c_uint8, [c_int32]),
    'EnviarListaUsuariosSemDigitalBio500': (c_uint8, [c_int32]),
    'EnviarListaUsuariosSemDigitalBioCorvoAcesso': (c_uint8, [c_int32]),
    'EnviarListaUsuariosSemDigitalBioVariavel': (c_uint8, [c_int32, c_int32]),
    'EnviarMensagemImpressora00': (c_uint8, [c_int32, c_char_p]),
    'EnviarMensagemImpressoraFF': (c_uint8, [c_int32, c_char_p]),
    'EnviarMensagemPadraoOnLine': (c_uint8, [c_int32, c_uint8, c_char_p]),
    'EnviarMensagemTemporariaOnLine': (c_uint8, [c_int32, c_uint8, c_char_p, c_uint8]),
    'EnviarMensagensOffLine': (c_uint8, [c_int32]),
    'EnviarRelogio': (c_uint8, [c_int32, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'EnviarStringInicializacaoModem': (c_uint8, [c_char_p]),
    'EnviarTempoKeepAliveRabbit': (c_uint8, [c_int32, c_int32]),
    'EnviarUsuarioBio': (c_uint8, [c_int32, c_void_p]),
    'ExecInClientDLL': (c_int32, [c_int32, c_char_p, c_int32, c_int32]),
    'FazerIdentificacaoBiometricaBio': (c_uint8, [c_int32]),
    'FazerVerificacaoBiometricaBio': (c_uint8, [c_int32, c_char_p]),
    'FecharPortaComunicacao': (None, []),
    'GetBufferConfigDLL': (c_uint8, [c_int32, c_void_p]),
    'GetBufferMsgDLL': (c_uint8, [c_int32, c_int32]),
    'HabilitaMudancaEventoSeta': (c_uint8, [c_uint8]),
    'HabilitarCriptografia': (c_uint8, [c_uint8]),
    'HabilitarMudancaOnLineOffLine': (c_uint8, [c_uint8, c_uint8]),
    'HabilitarScoreFuncoes': (c_uint8, [c_uint8, c_uint8]),
    'HabilitarScoreMensagemOffLine': (c_uint8, [c_int32, c_uint8, c_uint8]),
    'HabilitarTeclado': (c_uint8, [c_uint8, c_uint8]),
    'IncluirUsuarioOssel': (c_uint8, [c_int32, c_void_p]),
    'IncluirUsuarioSemDigitalBio': (c_uint8, [c_char_p]),
    'IncluirUsuarioSemDigitalBio500': (c_uint8, [c_char_p]),
    'IncluirUsuarioSemDigitalBioCorvoAcesso': (c_uint8, [c_char_p]),
    'InicializarColetaListaUsuariosBio': (None, []),
    'InserirHorarioAcesso': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'InserirHorarioMudancaEntrada': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'InserirHorarioMudancaSaida': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'InserirHorarioSirene': (c_uint8, [c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8, c_uint8]),
    'InserirQuantidadeDigitoVariavel': (c_uint8, [c_uint8]),
    'InserirUsuarioLeitorBio': (c_uint8, [c_int32, c_uint8, c_char_p]),
    'InserirUsuarioListaAcesso': (c_uint8, [c_char_p, c_uint8]),
    'LerByteModem': (c_int32, []),
    'LerContadorGiro': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p]),
    'LerSensoresCorvo': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p]),
    'LerSmartCard': (c_uint8, [c_int32, c_uint8, c_void_p, c_void_p, c_void_p, c_void_p]),
    'LevantarParaOnLine': (c_uint8, [c_int32]),
    'LiberarCatracaDoisSentidos': (c_uint8, [c_int32]),
    'LiberarCatracaEntrada': (c_uint8, [c_int32]),
    'LiberarCatracaEntradaInvertida': (c_uint8, [c_int32]),
    'LiberarCatracaSaida': (c_uint8, [c_int32]),
    'LiberarCatracaSaidaInvertida': (c_uint8, [c_int32]),
    'LigarBackLite': (c_uint8, [c_int32]),
    'LigarBipIntermitente': (c_uint8, [c_int32]),
    'LigarLedVerde': (c_uint8, [c_int32]),
    'LigarLedVermelho': (c_uint8, [c_int32]),
    'LocalizarPrimeiroUsuarioOssel': (c_uint8, [c_int32, c_uint8]),
    'LocalizarProximoUsuarioOssel': (c_uint8, [c_int32, c_uint8]),
    'LocalizarUsuarioOssel': (c_uint8, [c_int32, c_uint8, c_uint8, c_char_p]),
    'ManterRele1Acionado': (c_uint8, [c_int32]),
    'ManterRele2Acionado': (c_uint8, [c_int32]),
    'PermitirCadastroCorvoBio': (c_uint8, [c_uint8]),
    'PermitirCadastroCorvoBioOssel': (c_uint8, [c_uint8]),
    'Ping': (c_uint8, [c_int32]),
    'PingOnLine': (c_uint8, [c_int32]),
    'PreencherBufferTLM': (c_uint8, [c_char_p]),
    'ReceberBufferConfig': (c_uint8, [c_int32, c_void_p]),
    'ReceberBufferMsgA': (c_uint8, [c_int32, c_void_p]),
    'ReceberDadosOnLine': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p]),
    'ReceberDadosOnLine2': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p]),
    'ReceberDataHoraDadosOnLine': (c_uint8, [c_uint8]),
    'ReceberDigitalUsuario': (c_uint8, [c_int32, c_void_p, c_int32]),
    'ReceberListaUsuariosDigital': (c_uint8, [c_int32]),
    'ReceberModeloBio': (c_uint8, [c_int32, c_uint8, c_void_p]),
    'ReceberPacoteListaUsuariosBio': (c_uint8, [c_int32]),
    'ReceberQuantidadeBilhetes': (c_uint8, [c_int32, c_void_p]),
    'ReceberQuantidadeUsuariosBio': (c_uint8, [c_int32, c_uint8, c_void_p]),
    'ReceberRelogio': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p]),
    'ReceberRespostaRequisicaoBio': (c_uint8, [c_int32, c_void_p]),
    'ReceberTemplateCapturadoCorvo': (c_uint8, [c_int32, c_void_p]),
    'ReceberTemplateLeitor': (c_uint8, [c_int32, c_uint8, c_void_p]),
    'ReceberTotalUsuariosOssel': (c_uint8, [c_int32, c_void_p]),
    'ReceberUsuarioCadastradoBio': (c_uint8, [c_int32, c_uint8, c_void_p]),
    'ReceberUsuarioComDigital': (c_uint8, [c_void_p]),
    'ReceberUsuarioLista': (c_uint8, [c_int32, c_void_p]),
    'ReceberUsuarioOssel': (c_uint8, [c_int32, c_uint8, c_void_p, c_void_p, c_void_p]),
    'ReceberVersaoBio': (c_uint8, [c_int32, c_uint8, c_void_p, c_void_p]),
    'ReceberVersaoFirmware': (c_uint8, [c_int32, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p, c_void_p]),
    'RegistrarAcessoNegado': (c_uint8, [c_uint8]),
    'ResetarModoOnLine': (c_uint8, [c_int32]),
    'ResultadoComparacaoDigitalLeitor': (c_uint8, [c_int32, c_uint8]),
    'ResultadoComparacaoPINOssel': (c_uint8, [c_int32]),
    'ResultadoComparacaoTemplateOssel': (c_uint8, [c_int32]),
    'ResultadoConfiguracaoBio': (c_uint8, [c_int32, c_uint8]),
    'ResultadoConfiguracaoRedeOssel': (c_uint8, [c_int32]),
    'ResultadoExclusaoTodosUsuariosOssel': (c_uint8, [c_int32]),
    'ResultadoExclusaoUsuarioOssel': (c_uint8, [c_int32]),
    'ResultadoIdentificacaoBiometrica': (c_uint8, [c_int32, c_uint8, c_void_p]),
    'ResultadoInclusaoUsuarioLeitorOssel': (c_uint8, [c_int32, c_void_p]),
    'ResultadoInclusaoUsuarioOssel': (c_uint8, [c_int32]),
    'ResultadoInsercaoUsuarioLeitorBio': (c_uint8, [c_int32, c_uint8]),
    'ResultadoVerificacaoBiometrica': (c_uint8, [c_int32, c_uint8]),
    'SetarBioLight': (c_int32, [c_int32]),
    'SetarBioVariavel': (c_int32, [c_int32]),
    'SetarCorvoOld': (c_int32, [c_int32, c_int32]),
    'SolicitarDigitalUsuario': (c_uint8, [c_int32, c_char_p]),
    'SolicitarExclusaoUsuario': (c_uint8, [c_int32, c_char_p]),
    'SolicitarListaUsuariosBio': (c_uint8, [c_int32]),
    'SolicitarListaUsuariosBioVariavel': (c_uint8, [c_int32]),
    'SolicitarListaUsuariosComDigital': (c_uint8, [c_int32]),
    'SolicitarModeloBio': (c_uint8, [c_int32]),
    'SolicitarQuantidadeUsuariosBio': (c_uint8, [c_int32]),
    'SolicitarTemplateLeitor': (c_uint8, [c_int32]),
    'SolicitarTotalUsuariosOssel': (c_uint8, [c_int32, c_uint8]),
    'SolicitarUsuarioCadastradoBio': (c_uint8, [c_int32, c_char_p]),
    'SolicitarVersaoBio': (c_uint8, [c_int32]),
    'TemProximoPacote': (c_int32, []),
    'TemProximoUsuario': (c_int32, []),
    'UsuarioFoiEnviado': (c_uint8, [c_int32, c_uint8]),
    'UsuarioFoiExcluido': (c_uint8, [c_int32, c_uint8]),
    'Utilizar215': (c_int32, [c_int32, c_int32]),
    'UtilizarCmdCurtoCatraca': (c_int32, [c_int32, c_int32]),
    'UtilizarRelogioSegundos': (c_int32, [c_int32, c_int32]),
    'UtilizarSenhaAcesso': (c_uint8, [c_uint8]),
}

# name: 'code' | 'i32' | 'void'
RESULTS = {'AbrirPortaComunicacao': 'code',
 'AcionarBipCurto': 'code',
 'AcionarBipLongo': 'code',
 'AcionarRele1': 'code',
 'AcionarRele2': 'code',
 'ApagarHorariosAcesso': 'code',
 'ApagarHorariosSirene': 'code',
 'ApagarListaAcesso': 'code',
 'ApagarMensagensOffLine': 'code',
 'ApagarTodosUsuariosOssel': 'code',
 'ApagarUsuarioOssel': 'code',
 'AtribuirContadorGiro': 'code',
 'AvisarQuandoMemoriaCheia': 'code',
 'CartaoMasterLiberaAcesso': 'code',
 'ColetarBilhete': 'code',
 'CompararDigitalLeitor': 'code',
 'CompararPINOssel': 'code',
 'CompararTemplateOssel': 'code',
 'ConectarModem': 'i32',
 'ConfigurarAcionamento1': 'code',
 'ConfigurarAcionamento2': 'code',
 'ConfigurarAjustesQualidadeBio': 'code',
 'ConfigurarAjustesSegurancaBio': 'code',
 'ConfigurarAjustesSensibilidadeBio': 'code',
 'ConfigurarBio': 'code',
 'ConfigurarBioVariavel': 'code',
 'ConfigurarCapturaAdaptativaBio': 'code',
 'ConfigurarComportamentoIndexSearch': 'code',
 'ConfigurarCorvoOffLine': 'code',
 'ConfigurarCorvoOnLine': 'code',
 'ConfigurarFiltroBio': 'code',
 'ConfigurarLeitor1': 'code',
 'ConfigurarLeitor2': 'code',
 'ConfigurarLeitorProximidadeAcura': 'code',
 'ConfigurarLeitorProximidadeHIDAbaTrack2': 'code',
 'ConfigurarLeitorProximidadeMotorolaAbaTrack2': 'code',
 'ConfigurarLeitorProximidadeSmartCard': 'code',
 'ConfigurarLeitorProximidadeSmartCardAcura': 'code',
 'ConfigurarLeitorProximidadeWiegand': 'code',
 'ConfigurarLeitorProximidadeWiegandFacilityCode': 'code',
 'ConfigurarLeitorWiegandFacilityCodeSemSeparador': 'code',
 'ConfigurarNivelLFD': 'code',
 'ConfigurarRedeOssel': 'code',
 'ConfigurarTimeoutIdentificacao': 'code',
 'ConfigurarTipoLeitor': 'code',
 'ConfigurarWiegandDoisLeitores': 'code',
 'CriarUsuarioLeitorOssel': 'code',
 'DefinirCodigoEmpresa': 'code',
 'DefinirConfiguracaoTecladoOnLine': 'code',
 'DefinirConfiguracoesFuncoes': 'code',
 'DefinirEntradasMudancaOffLine': 'code',
 'DefinirEntradasMudancaOffLineComBiometria': 'code',
 'DefinirEntradasMudancaOnLine': 'code',
 'DefinirEventoSensor': 'code',
 'DefinirFormasPictogramasQuadrante': 'code',
 'DefinirFuncaoDefaultLeitoresProximidade': 'code',
 'DefinirFuncaoDefaultSensorBiometria': 'code',
 'DefinirFuncaoSensor1': 'code',
 'DefinirLogicaRele': 'code',
 'DefinirMensagemApresentacaoEntrada': 'code',
 'DefinirMensagemApresentacaoSaida': 'code',
 'DefinirMensagemEntradaOffLine': 'code',
 'DefinirMensagemFuncaoOffLine': 'code',
 'DefinirMensagemPadraoMudancaOffLine': 'code',
 'DefinirMensagemPadraoMudancaOnLine': 'code',
 'DefinirMensagemPadraoOffLine': 'code',
 'DefinirMensagemSaidaOffLine': 'code',
 'DefinirNivelAcesso': 'code',
 'DefinirNumeroCartaoMaster': 'code',
 'DefinirPadraoCartao': 'code',
 'DefinirPorcentagemRevista': 'code',
 'DefinirQuantidadeDigitosCartao': 'code',
 'DefinirTipoConexao': 'code',
 'DefinirTipoListaAcesso': 'code',
 'DesabilitarBipCatraca': 'code',
 'DesabilitarBloqueioCatracaMicroSwitch': 'code',
 'DesabilitarRele1': 'code',
 'DesabilitarRele2': 'code',
 'DesligarBackLite': 'code',
 'DesligarBipIntermitente': 'code',
 'DesligarLedVerde': 'code',
 'DesligarLedVermelho': 'code',
 'DevolverCartao': 'code',
 'EngolirCartao': 'code',
 'EnviarAjustesBio': 'code',
 'EnviarBufferEventosMudancaAuto': 'code',
 'EnviarBufferTLM': 'code',
 'EnviarComandoAcessoNegado': 'code',
 'EnviarConfiguracoes': 'code',
 'EnviarConfiguracoesFuncoes': 'code',
 'EnviarConfiguracoesMudancaAutomaticaOnLineOffLine': 'code',
 'EnviarCriptografiaTLM': 'code',
 'EnviarDigitalUsuario': 'code',
 'EnviarFormasEntradasOnLine': 'code',
 'EnviarHorarioVerao': 'code',
 'EnviarHorariosAcesso': 'code',
 'EnviarHorariosSirene': 'code',
 'EnviarListaAcesso': 'code',
 'EnviarListaUsuariosSemDigitalBio': 'code',
 'EnviarListaUsuariosSemDigitalBio500': 'code',
 'EnviarListaUsuariosSemDigitalBioCorvoAcesso': 'code',
 'EnviarListaUsuariosSemDigitalBioVariavel': 'code',
 'EnviarMensagemImpressora00': 'code',
 'EnviarMensagemImpressoraFF': 'code',
 'EnviarMensagemPadraoOnLine': 'code',
 'EnviarMensagemTemporariaOnLine': 'code',
 'EnviarMensagensOffLine': 'code',
 'EnviarRelogio': 'code',
 'EnviarStringInicializacaoModem': 'code',
 'EnviarTempoKeepAliveRabbit': 'code',
 'EnviarUsuarioBio': 'code',
 'ExecInClientDLL': 'i32',
 'FazerIdentificacaoBiometricaBio': 'code',
 'FazerVerificacaoBiometricaBio': 'code',
 'FecharPortaComunicacao': 'void',
 'GetBufferConfigDLL': 'code',
 'GetBufferMsgDLL': 'code',
 'HabilitaMudancaEventoSeta': 'code',
 'HabilitarCriptografia': 'code',
 'HabilitarMudancaOnLineOffLine': 'code',
 'HabilitarScoreFuncoes': 'code',
 'HabilitarScoreMensagemOffLine': 'code',
 'HabilitarTeclado': 'code',
 'IncluirUsuarioOssel': 'code',
 'IncluirUsuarioSemDigitalBio': 'code',
 'IncluirUsuarioSemDigitalBio500': 'code',
 'IncluirUsuarioSemDigitalBioCorvoAcesso': 'code',
 'InicializarColetaListaUsuariosBio': 'void',
 'InserirHorarioAcesso': 'code',
 'InserirHorarioMudancaEntrada': 'code',
 'InserirHorarioMudancaSaida': 'code',
 'InserirHorarioSirene': 'code',
 'InserirQuantidadeDigitoVariavel': 'code',
 'InserirUsuarioLeitorBio': 'code',
 'InserirUsuarioListaAcesso': 'code',
 'LerByteModem': 'i32',
 'LerContadorGiro': 'code',
 'LerSensoresCorvo': 'code',
 'LerSmartCard': 'code',
 'LevantarParaOnLine': 'code',
 'LiberarCatracaDoisSentidos': 'code',
 'LiberarCatracaEntrada': 'code',
 'LiberarCatracaEntradaInvertida': 'code',
 'LiberarCatracaSaida': 'code',
 'LiberarCatracaSaidaInvertida': 'code',
 'LigarBackLite': 'code',
 'LigarBipIntermitente': 'code',
 'LigarLedVerde': 'code',
 'LigarLedVermelho': 'code',
 'LocalizarPrimeiroUsuarioOssel': 'code',
 'LocalizarProximoUsuarioOssel': 'code',
 'LocalizarUsuarioOssel': 'code',
 'ManterRele1Acionado': 'code',
 'ManterRele2Acionado': 'code',
 'PermitirCadastroCorvoBio': 'code',
 'PermitirCadastroCorvoBioOssel': 'code',
 'Ping': 'code',
 'PingOnLine': 'code',
 'PreencherBufferTLM': 'code',
 'ReceberBufferConfig': 'code',
 'ReceberBufferMsgA': 'code',
 'ReceberDadosOnLine': 'code',
 'ReceberDadosOnLine2': 'code',
 'ReceberDataHoraDadosOnLine': 'code',
 'ReceberDigitalUsuario': 'code',
 'ReceberListaUsuariosDigital': 'code',
 'ReceberModeloBio': 'code',
 'ReceberPacoteListaUsuariosBio': 'code',
 'ReceberQuantidadeBilhetes': 'code',
 'ReceberQuantidadeUsuariosBio': 'code',
 'ReceberRelogio': 'code',
 'ReceberRespostaRequisicaoBio': 'code',
 'ReceberTemplateCapturadoCorvo': 'code',
 'ReceberTemplateLeitor': 'code',
 'ReceberTotalUsuariosOssel': 'code',
 'ReceberUsuarioCadastradoBio': 'code',
 'ReceberUsuarioComDigital': 'code',
 'ReceberUsuarioLista': 'code',
 'ReceberUsuarioOssel': 'code',
 'ReceberVersaoBio': 'code',
 'ReceberVersaoFirmware': 'code',
 'RegistrarAcessoNegado': 'code',
 'ResetarModoOnLine': 'code',
 'ResultadoComparacaoDigitalLeitor': 'code',
 'ResultadoComparacaoPINOssel': 'code',
 'ResultadoComparacaoTemplateOssel': 'code',
 'ResultadoConfiguracaoBio': 'code',
 'ResultadoConfiguracaoRedeOssel': 'code',
 'ResultadoExclusaoTodosUsuariosOssel': 'code',
 'ResultadoExclusaoUsuarioOssel': 'code',
 'ResultadoIdentificacaoBiometrica': 'code',
 'ResultadoInclusaoUsuarioLeitorOssel': 'code',
 'ResultadoInclusaoUsuarioOssel': 'code',
 'ResultadoInsercaoUsuarioLeitorBio': 'code',
 'ResultadoVerificacaoBiometrica': 'code',
 'SetarBioLight': 'i32',
 'SetarBioVariavel': 'i32',
 'SetarCorvoOld': 'i32',
 'SolicitarDigitalUsuario': 'code',
 'SolicitarExclusaoUsuario': 'code',
 'SolicitarListaUsuariosBio': 'code',
 'SolicitarListaUsuariosBioVariavel': 'code',
 'SolicitarListaUsuariosComDigital': 'code',
 'SolicitarModeloBio': 'code',
 'SolicitarQuantidadeUsuariosBio': 'code',
 'SolicitarTemplateLeitor': 'code',
 'SolicitarTotalUsuariosOssel': 'code',
 'SolicitarUsuarioCadastradoBio': 'code',
 'SolicitarVersaoBio': 'code',
 'TemProximoPacote': 'i32',
 'TemProximoUsuario': 'i32',
 'UsuarioFoiEnviado': 'code',
 'UsuarioFoiExcluido': 'code',
 'Utilizar215': 'i32',
 'UtilizarCmdCurtoCatraca': 'i32',
 'UtilizarRelogioSegundos': 'i32',
 'UtilizarSenhaAcesso': 'code'}

GENERAL_CODES = ['success',
 'no answer or not the expected answer',
 'port not open',
 'port already open',
 'serial library unavailable',
 'TCP library unavailable',
 'TCP COM component unavailable',
 'not a modem connection',
 'internal error caught',
 'connection type outside 0 to 4',
 'serial COM component unavailable']

# operation: {code: the meaning it gives the code}
OWN_CODES = {'ApagarListaAcesso': {128: 'second block failed',
                       131: 'nothing sent, list kept: after a settings change it no longer fits'},
 'ApagarTodosUsuariosOssel': {128: 'null text, nothing sent'},
 'ApagarUsuarioOssel': {128: 'null or empty identifier, nothing sent'},
 'ColetarBilhete': {1: 'no punch stored (serial COM component), or the exchange failed',
                    128: 'the terminal offered its last punch again',
                    129: 'null pointer (type)',
                    130: 'null pointer (day)',
                    131: 'null pointer (month)',
                    132: 'null pointer (year)',
                    133: 'null pointer (hour)',
                    134: 'null pointer (minute)',
                    135: 'null pointer (card)'},
 'CompararDigitalLeitor': {129: 'null template'},
 'CompararPINOssel': {128: 'null or empty PIN, nothing sent'},
 'CompararTemplateOssel': {129: 'null template'},
 'ConfigurarAcionamento1': {128: 'either out of range'},
 'ConfigurarAcionamento2': {128: 'either out of range'},
 'ConfigurarLeitor1': {128: 'out of range'},
 'ConfigurarLeitor2': {128: 'out of range'},
 'ConfigurarTipoLeitor': {128: 'out of range'},
 'DefinirCodigoEmpresa': {128: 'out of range'},
 'DefinirConfiguracaoTecladoOnLine': {128: 'setting out of range (nothing stored)',
                                      129: 'setting out of range (nothing stored)',
                                      130: 'setting out of range (nothing stored)',
                                      131: 'setting out of range (nothing stored)'},
 'DefinirConfiguracoesFuncoes': {128: 'function above 9', 129: 'mode above 3'},
 'DefinirEntradasMudancaOffLine': {128: 'second above 4', 129: 'third above 4'},
 'DefinirEntradasMudancaOffLineComBiometria': {128: 'second above 4', 129: 'third above 4'},
 'DefinirEventoSensor': {128: 'bad sensor', 129: 'bad event', 130: 'bad time'},
 'DefinirFormasPictogramasQuadrante': {128: 'out of range'},
 'DefinirFuncaoDefaultLeitoresProximidade': {128: 'out of range'},
 'DefinirFuncaoDefaultSensorBiometria': {128: 'out of range'},
 'DefinirLogicaRele': {128: 'out of range'},
 'DefinirMensagemFuncaoOffLine': {128: 'function above 9'},
 'DefinirNivelAcesso': {128: 'out of range'},
 'DefinirNumeroCartaoMaster': {128: 'longer than 14, field unchanged'},
 'DefinirPadraoCartao': {128: 'other value, nothing changed'},
 'DefinirPorcentagemRevista': {128: 'out of range'},
 'DefinirQuantidadeDigitosCartao': {128: 'out of range'},
 'DefinirTipoListaAcesso': {128: 'out of range'},
 'EnviarCriptografiaTLM': {129: 'null block, nothing sent'},
 'EnviarDigitalUsuario': {128: 'null identifier or longer than 16 characters', 130: 'null template1'},
 'EnviarFormasEntradasOnLine': {128: 'keypad1 above 20',
                                129: 'keypad2 above 2',
                                131: 'keypad3 above 50',
                                132: 'keypad4 above 32 (nothing sent)'},
 'EnviarHorarioVerao': {128: 'start day out of range',
                        129: 'start month out of range',
                        130: 'start hour out of range',
                        131: 'start minute out of range',
                        132: 'end day out of range',
                        133: 'end month out of range',
                        134: 'end hour out of range',
                        135: 'end minute out of range'},
 'EnviarListaAcesso': {128: 'second block failed',
                       131: 'nothing sent, list kept: after a settings change it no longer fits'},
 'EnviarRelogio': {128: 'day out of range',
                   129: 'month out of range',
                   130: 'hour out of range',
                   131: 'minute out of range',
                   132: 'second out of range',
                   133: 'year out of range (0..99)'},
 'EnviarStringInicializacaoModem': {128: 'null text'},
 'EnviarTempoKeepAliveRabbit': {128: 'negative time, nothing sent'},
 'EnviarUsuarioBio': {129: 'null record'},
 'FazerVerificacaoBiometricaBio': {128: 'null or empty identifier'},
 'GetBufferConfigDLL': {129: 'null buffer'},
 'HabilitarMudancaOnLineOffLine': {128: 'time above 50 (nothing stored)'},
 'HabilitarScoreFuncoes': {128: 'function above 9'},
 'HabilitarScoreMensagemOffLine': {128: 'slot above 1'},
 'IncluirUsuarioOssel': {129: 'null record'},
 'IncluirUsuarioSemDigitalBio': {128: 'null, empty or longer identifier, or the list full'},
 'IncluirUsuarioSemDigitalBioCorvoAcesso': {128: 'null or longer identifier, or the table full'},
 'InserirHorarioAcesso': {128: 'schedule not 1..100 (1..50 for old terminals)',
                          129: 'day not 1..7',
                          130: 'time not 1..4',
                          131: 'hour above 23',
                          132: 'minute above 59'},
 'InserirHorarioMudancaEntrada': {128: 'bad hour', 129: 'bad minute'},
 'InserirHorarioSirene': {128: 'hour above 23, minute above 59, or the table already holds 100 times'},
 'InserirQuantidadeDigitoVariavel': {128: 'above 16, mask unchanged'},
 'InserirUsuarioLeitorBio': {128: 'null or empty identifier', 129: 'option above 2'},
 'InserirUsuarioListaAcesso': {128: 'card null or (card pattern 0) not 0..65000',
                               129: 'card text too long',
                               130: 'schedule not 1..102 (old terminals 1..52)',
                               131: 'list full'},
 'LerContadorGiro': {129: 'null area, nothing sent (first)',
                     130: 'null area, nothing sent (second)',
                     131: 'null area, nothing sent (third)'},
 'LerSensoresCorvo': {129: 'null pointer (sensor1)',
                      130: 'null pointer (sensor2)',
                      131: 'null pointer (sensor3)'},
 'LerSmartCard': {130: 'null area, nothing sent (r1)',
                  131: 'null area, nothing sent (r2)',
                  132: 'null area, nothing sent (r3)',
                  133: 'null area, nothing sent (r4)'},
 'LocalizarPrimeiroUsuarioOssel': {128: 'mode not 0 or 2, nothing sent'},
 'LocalizarProximoUsuarioOssel': {128: 'mode not 0 or 2, nothing sent'},
 'LocalizarUsuarioOssel': {128: 'null or empty identifier',
                           129: 'mode not 0 or 2',
                           130: 'length 0 or above 16'},
 'ReceberBufferConfig': {129: 'null buffer'},
 'ReceberBufferMsgA': {129: 'null buffer'},
 'ReceberDadosOnLine': {128: 'no event waiting, or the exchange failed',
                        129: 'null pointer (origin)',
                        130: 'null pointer (complement)',
                        131: 'null pointer (card)',
                        132: 'null pointer (day)',
                        133: 'null pointer (month)',
                        134: 'null pointer (year)',
                        135: 'null pointer (hour)',
                        136: 'null pointer (minute)',
                        137: 'null pointer (second)'},
 'ReceberDadosOnLine2': {128: 'no event waiting (Utilizar215 on)',
                         129: 'null pointer (origin)',
                         130: 'null pointer (complement)',
                         131: 'null pointer (card)',
                         132: 'null pointer (day)',
                         133: 'null pointer (month)',
                         134: 'null pointer (year)',
                         135: 'null pointer (hour)',
                         136: 'null pointer (minute)',
                         137: 'null pointer (second)'},
 'ReceberDigitalUsuario': {129: 'null record', 130: 'size outside 1..876'},
 'ReceberListaUsuariosDigital': {136: 'no package announced'},
 'ReceberModeloBio': {128: 'module status of no other code, or no answer (offline)',
                      129: 'module status 2, 7, 253 or 254',
                      130: 'null model, or module status 3',
                      131: 'module status 4',
                      132: 'module status 5',
                      133: 'module status 6',
                      134: 'module status 14',
                      135: 'module status 251 or 252',
                      136: 'module status 22',
                      137: 'module status 9'},
 'ReceberPacoteListaUsuariosBio': {128: 'module status of no other code, or no answer (offline)',
                                   129: 'module status 2, 7, 253 or 254',
                                   130: 'module status 3',
                                   131: 'module status 4',
                                   132: 'module status 5',
                                   133: 'module status 6',
                                   134: 'module status 14',
                                   135: 'module status 251 or 252',
                                   136: 'empty list, or module status 22',
                                   137: 'answer for another page, or module status 9'},
 'ReceberQuantidadeBilhetes': {129: 'null count, nothing sent'},
 'ReceberQuantidadeUsuariosBio': {128: 'module status of no other code, or no answer (offline)',
                                  129: 'module status 2, 7, 253 or 254',
                                  130: 'null count, or module status 3',
                                  131: 'module status 4',
                                  132: 'module status 5',
                                  133: 'module status 6',
                                  134: 'module status 14',
                                  135: 'module status 251 or 252',
                                  136: 'module status 22',
                                  137: 'module status 9'},
 'ReceberRelogio': {129: 'null pointer (day)',
                    130: 'null pointer (month)',
                    131: 'null pointer (year)',
                    132: 'null pointer (hour)',
                    133: 'null pointer (minute)',
                    134: 'null pointer (second)'},
 'ReceberRespostaRequisicaoBio': {128: 'module status of no other code, or no answer (offline)',
                                  129: 'null size, or module status 2, 7, 253 or 254',
                                  130: 'module status 3',
                                  131: 'module status 4',
                                  132: 'module status 5',
                                  133: 'module status 6',
                                  134: 'module status 14',
                                  135: 'module status 251 or 252',
                                  136: 'module status 22',
                                  137: 'module status 9'},
 'ReceberTemplateCapturadoCorvo': {129: 'null buffer'},
 'ReceberTemplateLeitor': {128: 'module status of no other code, or no answer (offline)',
                           129: 'module status 2, 7, 253 or 254',
                           130: 'null buffer, or module status 3',
                           131: 'module status 4',
                           132: 'module status 5',
                           133: 'module status 6',
                           134: 'module status 14',
                           135: 'module status 251 or 252',
                           136: 'module status 22',
                           137: 'module status 9'},
 'ReceberTotalUsuariosOssel': {129: 'null count'},
 'ReceberUsuarioCadastradoBio': {128: 'module status of no other code, or no answer (offline)',
                                 129: 'module status 2, 7, 253 or 254',
                                 130: 'null record, or module status 3',
                                 131: 'module status 4',
                                 132: 'module status 5',
                                 133: 'module status 6',
                                 134: 'module status 14',
                                 135: 'module status 251 or 252',
                                 136: 'module status 22',
                                 137: 'module status 9'},
 'ReceberUsuarioComDigital': {128: 'no package, no further record, or null `id`'},
 'ReceberUsuarioLista': {128: 'no package or no further record in it', 129: 'null record'},
 'ReceberUsuarioOssel': {128: 'bad mode, or module result 1, or 7 and above',
                         129: 'module result 2',
                         130: 'null pointer the mode needs (value), or module result 3',
                         131: 'null pointer the mode needs (record), or module result 4',
                         132: 'null pointer the mode needs (id), or module result 5',
                         133: 'module result 6'},
 'ReceberVersaoBio': {128: 'module status of no other code, or no answer (offline)',
                      129: 'module status 2, 7, 253 or 254',
                      130: 'null out-pointer (major), or module status 3',
                      131: 'null out-pointer (minor), or module status 4',
                      132: 'module status 5',
                      133: 'module status 6',
                      134: 'module status 14',
                      135: 'module status 251 or 252',
                      136: 'module status 22',
                      137: 'module status 9'},
 'ReceberVersaoFirmware': {129: 'null pointer, nothing sent (byte0)',
                           130: 'null pointer, nothing sent (version)',
                           131: 'null pointer, nothing sent (byte3)',
                           132: 'null pointer, nothing sent (byte4)',
                           133: 'null pointer, nothing sent (byte5)',
                           134: 'null pointer, nothing sent (byte6)'},
 'RegistrarAcessoNegado': {128: 'out of range'},
 'ResultadoComparacaoDigitalLeitor': {128: 'module status of no other code, or no answer (offline)',
                                      129: 'module status 2, 7, 253 or 254',
                                      130: 'module status 3',
                                      131: 'module status 4',
                                      132: 'module status 5',
                                      133: 'module status 6',
                                      134: 'module status 14',
                                      135: 'module status 251 or 252',
                                      136: 'module status 22',
                                      137: 'module status 9'},
 'ResultadoComparacaoPINOssel': {1: 'no result message',
                                 128: 'module result other than 2, 3, 4 and 7',
                                 130: 'module result 3',
                                 134: 'module result 4'},
 'ResultadoComparacaoTemplateOssel': {1: 'no result message',
                                      128: 'module result other than 2, 3, 4 and 7',
                                      130: 'module result 3',
                                      134: 'module result 4'},
 'ResultadoConfiguracaoBio': {128: 'module status of no other code, or no answer (offline)',
                              129: 'module status 2, 7, 253 or 254',
                              130: 'module status 3',
                              131: 'module status 4',
                              132: 'module status 5',
                              133: 'module status 6',
                              134: 'module status 14',
                              135: 'module status 251 or 252',
                              136: 'module status 22',
                              137: 'module status 9'},
 'ResultadoConfiguracaoRedeOssel': {128: 'module result 1, or 7 and above',
                                    129: 'module result 2',
                                    130: 'module result 3',
                                    131: 'module result 4',
                                    132: 'module result 5',
                                    133: 'module result 6'},
 'ResultadoExclusaoTodosUsuariosOssel': {128: 'module result 1, or 7 and above',
                                         129: 'module result 2',
                                         130: 'module result 3',
                                         131: 'module result 4',
                                         132: 'module result 5',
                                         133: 'module result 6'},
 'ResultadoExclusaoUsuarioOssel': {128: 'module result 1, or 7 and above',
                                   129: 'module result 2',
                                   130: 'module result 3',
                                   131: 'module result 4',
                                   132: 'module result 5',
                                   133: 'module result 6'},
 'ResultadoIdentificacaoBiometrica': {128: 'module status of no other code, or no answer (offline)',
                                      129: 'module status 2, 7, 253 or 254',
                                      130: 'null result, or module status 3',
                                      131: 'module status 4',
                                      132: 'module status 5',
                                      133: 'module status 6',
                                      134: 'module status 14',
                                      135: 'module status 251 or 252',
                                      136: 'module status 22',
                                      137: 'module status 9'},
 'ResultadoInclusaoUsuarioLeitorOssel': {1: 'no result message',
                                         128: 'module result other than 2, 3, 4 and 7',
                                         129: 'null buffer',
                                         130: 'module result 3',
                                         134: 'module result 4'},
 'ResultadoInclusaoUsuarioOssel': {128: 'module result 1, or 7 and above',
                                   129: 'module result 2',
                                   130: 'module result 3',
                                   131: 'module result 4',
                                   132: 'module result 5',
                                   133: 'module result 6'},
 'ResultadoInsercaoUsuarioLeitorBio': {128: 'module status of no other code, or no answer (offline)',
                                       129: 'module status 2, 7, 253 or 254',
                                       130: 'module status 3',
                                       131: 'module status 4',
                                       132: 'module status 5',
                                       133: 'module status 6',
                                       134: 'module status 14',
                                       135: 'module status 251 or 252',
                                       136: 'module status 22',
                                       137: 'module status 9'},
 'ResultadoVerificacaoBiometrica': {128: 'module status of no other code, or no answer (offline)',
                                    129: 'module status 2, 7, 253 or 254',
                                    130: 'module status 3',
                                    131: 'module status 4',
                                    132: 'module status 5',
                                    133: 'module status 6',
                                    134: 'module status 14',
                                    135: 'module status 251 or 252',
                                    136: 'module status 22',
                                    137: 'module status 9'},
 'SolicitarDigitalUsuario': {128: 'null or empty identifier'},
 'SolicitarListaUsuariosComDigital': {128: 'module status of no other code, or no answer (offline)',
                                      129: 'module status 2, 7, 253 or 254',
                                      130: 'module status 3',
                                      131: 'module status 4',
                                      132: 'module status 5',
                                      133: 'module status 6',
                                      134: 'module status 14',
                                      135: 'module status 251 or 252',
                                      136: 'empty list, or module status 22',
                                      137: 'answer for another page, or module status 9'},
 'SolicitarTotalUsuariosOssel': {128: 'mode not 0 or 2, nothing sent'},
 'SolicitarUsuarioCadastradoBio': {128: 'null or empty identifier, nothing sent'},
 'UsuarioFoiEnviado': {128: 'module status of no other code, or no answer (offline)',
                       129: 'module status 2, 7, 253 or 254',
                       130: 'module status 3',
                       131: 'module status 4',
                       132: 'module status 5',
                       133: 'module status 6',
                       134: 'module status 14',
                       135: 'module status 251 or 252',
                       136: 'module status 22',
                       137: 'module status 9'},
 'UsuarioFoiExcluido': {128: 'module status of no other code, or no answer (offline)',
                        129: 'module status 2, 7, 253 or 254',
                        130: 'module status 3',
                        131: 'module status 4',
                        132: 'module status 5',
                        133: 'module status 6',
                        134: 'module status 14',
                        135: 'module status 251 or 252',
                        136: 'module status 22',
                        137: 'module status 9'}}


def AbrirPortaComunicacao(lib, port):
    return lib.AbrirPortaComunicacao(port)

def AcionarBipCurto(lib, terminal):
    return lib.AcionarBipCurto(terminal)

def AcionarBipLongo(lib, terminal):
    return lib.AcionarBipLongo(terminal)

def AcionarRele1(lib, terminal):
    return lib.AcionarRele1(terminal)

def AcionarRele2(lib, terminal):
    return lib.AcionarRele2(terminal)

def ApagarHorariosAcesso(lib, terminal):
    return lib.ApagarHorariosAcesso(terminal)

def ApagarHorariosSirene(lib, terminal):
    return lib.ApagarHorariosSirene(terminal)

def ApagarListaAcesso(lib, terminal):
    return lib.ApagarListaAcesso(terminal)

def ApagarMensagensOffLine(lib, terminal):
    return lib.ApagarMensagensOffLine(terminal)

def ApagarTodosUsuariosOssel(lib, terminal, text):
    return lib.ApagarTodosUsuariosOssel(terminal, to_terminal(text))

def ApagarUsuarioOssel(lib, terminal, id):
    return lib.ApagarUsuarioOssel(terminal, to_terminal(id))

def AtribuirContadorGiro(lib, terminal, first, second, third):
    return lib.AtribuirContadorGiro(terminal, first, second, third)

def AvisarQuandoMemoriaCheia(lib, warn):
    return lib.AvisarQuandoMemoriaCheia(warn)

def CartaoMasterLiberaAcesso(lib, releases):
    return lib.CartaoMasterLiberaAcesso(releases)

def ColetarBilhete(lib, terminal):
    type_ = c_uint8(0)
    day_ = c_uint8(0)
    month_ = c_uint8(0)
    year_ = c_uint8(0)
    hour_ = c_uint8(0)
    minute_ = c_uint8(0)
    card_ = create_string_buffer(16 + 1)
    r = lib.ColetarBilhete(terminal, byref(type_), byref(day_), byref(month_), byref(year_), byref(hour_), byref(minute_), card_)
    return (r, type_.value, day_.value, month_.value, year_.value, hour_.value, minute_.value, from_terminal(card_.raw[:16]))

def CompararDigitalLeitor(lib, terminal, template_):
    template__ = create_string_buffer(bytes(template_ or b'')[:404], 404)
    r = lib.CompararDigitalLeitor(terminal, template__)
    return (r, template__.raw)

def CompararPINOssel(lib, terminal, pin):
    return lib.CompararPINOssel(terminal, to_terminal(pin))

def CompararTemplateOssel(lib, terminal, template_):
    template__ = create_string_buffer(bytes(template_ or b'')[:220], 220)
    r = lib.CompararTemplateOssel(terminal, template__)
    return (r, template__.raw)

def ConectarModem(lib, port, init, tone, number, terminal):
    return lib.ConectarModem(port, to_terminal(init), tone, to_terminal(number), terminal)

def ConfigurarAcionamento1(lib, mode, time):
    return lib.ConfigurarAcionamento1(mode, time)

def ConfigurarAcionamento2(lib, mode, time):
    return lib.ConfigurarAcionamento2(mode, time)

def ConfigurarAjustesQualidadeBio(lib, terminal, value1, value2):
    return lib.ConfigurarAjustesQualidadeBio(terminal, value1, value2)

def ConfigurarAjustesSegurancaBio(lib, terminal, value1, value2):
    return lib.ConfigurarAjustesSegurancaBio(terminal, value1, value2)

def ConfigurarAjustesSensibilidadeBio(lib, terminal, value1, value2, value3):
    return lib.ConfigurarAjustesSensibilidadeBio(terminal, value1, value2, value3)

def ConfigurarBio(lib, terminal, option1, option2):
    return lib.ConfigurarBio(terminal, option1, option2)

def ConfigurarBioVariavel(lib, enable):
    return lib.ConfigurarBioVariavel(enable)

def ConfigurarCapturaAdaptativaBio(lib, terminal, on, value1, value2):
    return lib.ConfigurarCapturaAdaptativaBio(terminal, on, value1, value2)

def ConfigurarComportamentoIndexSearch(lib, enable):
    return lib.ConfigurarComportamentoIndexSearch(enable)

def ConfigurarCorvoOffLine(lib):
    return lib.ConfigurarCorvoOffLine()

def ConfigurarCorvoOnLine(lib):
    return lib.ConfigurarCorvoOnLine()

def ConfigurarFiltroBio(lib, terminal, on):
    return lib.ConfigurarFiltroBio(terminal, on)

def ConfigurarLeitor1(lib, function):
    return lib.ConfigurarLeitor1(function)

def ConfigurarLeitor2(lib, function):
    return lib.ConfigurarLeitor2(function)

def ConfigurarLeitorProximidadeAcura(lib):
    return lib.ConfigurarLeitorProximidadeAcura()

def ConfigurarLeitorProximidadeHIDAbaTrack2(lib):
    return lib.ConfigurarLeitorProximidadeHIDAbaTrack2()

def ConfigurarLeitorProximidadeMotorolaAbaTrack2(lib):
    return lib.ConfigurarLeitorProximidadeMotorolaAbaTrack2()

def ConfigurarLeitorProximidadeSmartCard(lib):
    return lib.ConfigurarLeitorProximidadeSmartCard()

def ConfigurarLeitorProximidadeSmartCardAcura(lib):
    return lib.ConfigurarLeitorProximidadeSmartCardAcura()

def ConfigurarLeitorProximidadeWiegand(lib):
    return lib.ConfigurarLeitorProximidadeWiegand()

def ConfigurarLeitorProximidadeWiegandFacilityCode(lib):
    return lib.ConfigurarLeitorProximidadeWiegandFacilityCode()

def ConfigurarLeitorWiegandFacilityCodeSemSeparador(lib):
    return lib.ConfigurarLeitorWiegandFacilityCodeSemSeparador()

def ConfigurarNivelLFD(lib, level):
    return lib.ConfigurarNivelLFD(level)

def ConfigurarRedeOssel(lib, terminal, flag1, flag2, flag3):
    return lib.ConfigurarRedeOssel(terminal, flag1, flag2, flag3)

def ConfigurarTimeoutIdentificacao(lib, seconds):
    return lib.ConfigurarTimeoutIdentificacao(seconds)

def ConfigurarTipoLeitor(lib, type):
    return lib.ConfigurarTipoLeitor(type)

def ConfigurarWiegandDoisLeitores(lib, first, second):
    return lib.ConfigurarWiegandDoisLeitores(first, second)

def CriarUsuarioLeitorOssel(lib, terminal):
    return lib.CriarUsuarioLeitorOssel(terminal)

def DefinirCodigoEmpresa(lib, code):
    return lib.DefinirCodigoEmpresa(code)

def DefinirConfiguracaoTecladoOnLine(lib, setting1, setting2, setting3, setting4):
    return lib.DefinirConfiguracaoTecladoOnLine(setting1, setting2, setting3, setting4)

def DefinirConfiguracoesFuncoes(lib, function, mode, option1, option2, option3, option4):
    return lib.DefinirConfiguracoesFuncoes(function, mode, option1, option2, option3, option4)

def DefinirEntradasMudancaOffLine(lib, first, second, third, fourth):
    return lib.DefinirEntradasMudancaOffLine(first, second, third, fourth)

def DefinirEntradasMudancaOffLineComBiometria(lib, first, second, third, fourth, fifth):
    return lib.DefinirEntradasMudancaOffLineComBiometria(first, second, third, fourth, fifth)

def DefinirEntradasMudancaOnLine(lib, forms):
    return lib.DefinirEntradasMudancaOnLine(forms)

def DefinirEventoSensor(lib, sensor, event, time):
    return lib.DefinirEventoSensor(sensor, event, time)

def DefinirFormasPictogramasQuadrante(lib, forms):
    return lib.DefinirFormasPictogramasQuadrante(forms)

def DefinirFuncaoDefaultLeitoresProximidade(lib, function):
    return lib.DefinirFuncaoDefaultLeitoresProximidade(function)

def DefinirFuncaoDefaultSensorBiometria(lib, function):
    return lib.DefinirFuncaoDefaultSensorBiometria(function)

def DefinirFuncaoSensor1(lib, function):
    return lib.DefinirFuncaoSensor1(function)

def DefinirLogicaRele(lib, logic):
    return lib.DefinirLogicaRele(logic)

def DefinirMensagemApresentacaoEntrada(lib, secondLine, text):
    return lib.DefinirMensagemApresentacaoEntrada(secondLine, to_terminal(text))

def DefinirMensagemApresentacaoSaida(lib, secondLine, text):
    return lib.DefinirMensagemApresentacaoSaida(secondLine, to_terminal(text))

def DefinirMensagemEntradaOffLine(lib, secondLine, text):
    return lib.DefinirMensagemEntradaOffLine(secondLine, to_terminal(text))

def DefinirMensagemFuncaoOffLine(lib, text, function, enabled):
    return lib.DefinirMensagemFuncaoOffLine(to_terminal(text), function, enabled)

def DefinirMensagemPadraoMudancaOffLine(lib, secondLine, text):
    return lib.DefinirMensagemPadraoMudancaOffLine(secondLine, to_terminal(text))

def DefinirMensagemPadraoMudancaOnLine(lib, secondLine, text):
    return lib.DefinirMensagemPadraoMudancaOnLine(secondLine, to_terminal(text))

def DefinirMensagemPadraoOffLine(lib, secondLine, text):
    return lib.DefinirMensagemPadraoOffLine(secondLine, to_terminal(text))

def DefinirMensagemSaidaOffLine(lib, secondLine, text):
    return lib.DefinirMensagemSaidaOffLine(secondLine, to_terminal(text))

def DefinirNivelAcesso(lib, level):
    return lib.DefinirNivelAcesso(level)

def DefinirNumeroCartaoMaster(lib, number):
    return lib.DefinirNumeroCartaoMaster(to_terminal(number))

def DefinirPadraoCartao(lib, pattern):
    return lib.DefinirPadraoCartao(pattern)

def DefinirPorcentagemRevista(lib, percent):
    return lib.DefinirPorcentagemRevista(percent)

def DefinirQuantidadeDigitosCartao(lib, digits):
    return lib.DefinirQuantidadeDigitosCartao(digits)

def DefinirTipoConexao(lib, type):
    return lib.DefinirTipoConexao(type)

def DefinirTipoListaAcesso(lib, type):
    return lib.DefinirTipoListaAcesso(type)

def DesabilitarBipCatraca(lib, disable):
    return lib.DesabilitarBipCatraca(disable)

def DesabilitarBloqueioCatracaMicroSwitch(lib, disable):
    return lib.DesabilitarBloqueioCatracaMicroSwitch(disable)

def DesabilitarRele1(lib, terminal):
    return lib.DesabilitarRele1(terminal)

def DesabilitarRele2(lib, terminal):
    return lib.DesabilitarRele2(terminal)

def DesligarBackLite(lib, terminal):
    return lib.DesligarBackLite(terminal)

def DesligarBipIntermitente(lib, terminal):
    return lib.DesligarBipIntermitente(terminal)

def DesligarLedVerde(lib, terminal):
    return lib.DesligarLedVerde(terminal)

def DesligarLedVermelho(lib, terminal):
    return lib.DesligarLedVermelho(terminal)

def DevolverCartao(lib, terminal):
    return lib.DevolverCartao(terminal)

def EngolirCartao(lib, terminal):
    return lib.EngolirCartao(terminal)

def EnviarAjustesBio(lib, terminal):
    return lib.EnviarAjustesBio(terminal)

def EnviarBufferEventosMudancaAuto(lib, terminal):
    return lib.EnviarBufferEventosMudancaAuto(terminal)

def EnviarBufferTLM(lib, terminal):
    return lib.EnviarBufferTLM(terminal)

def EnviarComandoAcessoNegado(lib, terminal):
    return lib.EnviarComandoAcessoNegado(terminal)

def EnviarConfiguracoes(lib, terminal):
    return lib.EnviarConfiguracoes(terminal)

def EnviarConfiguracoesFuncoes(lib, terminal):
    return lib.EnviarConfiguracoesFuncoes(terminal)

def EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(lib, terminal):
    return lib.EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(terminal)

def EnviarCriptografiaTLM(lib, terminal, block):
    block_ = create_string_buffer(bytes(block or b'')[:26], 26)
    r = lib.EnviarCriptografiaTLM(terminal, block_)
    return (r, block_.raw)

def EnviarDigitalUsuario(lib, terminal, id, template1, template2):
    template1_ = create_string_buffer(bytes(template1 or b'')[:404], 404)
    template2_ = create_string_buffer(bytes(template2 or b'')[:404], 404)
    r = lib.EnviarDigitalUsuario(terminal, to_terminal(id), template1_, template2_)
    return (r, template1_.raw, template2_.raw)

def EnviarFormasEntradasOnLine(lib, terminal, keypad1, keypad2, forms, keypad3, keypad4):
    return lib.EnviarFormasEntradasOnLine(terminal, keypad1, keypad2, forms, keypad3, keypad4)

def EnviarHorarioVerao(lib, terminal, startDay, startMonth, startYear, startHour, startMinute, endDay, endMonth, endYear, endHour, endMinute):
    return lib.EnviarHorarioVerao(terminal, startDay, startMonth, startYear, startHour, startMinute, endDay, endMonth, endYear, endHour, endMinute)

def EnviarHorariosAcesso(lib, terminal):
    return lib.EnviarHorariosAcesso(terminal)

def EnviarHorariosSirene(lib, terminal):
    return lib.EnviarHorariosSirene(terminal)

def EnviarListaAcesso(lib, terminal):
    return lib.EnviarListaAcesso(terminal)

def EnviarListaUsuariosSemDigitalBio(lib, terminal):
    return lib.EnviarListaUsuariosSemDigitalBio(terminal)

def EnviarListaUsuariosSemDigitalBio500(lib, terminal):
    return lib.EnviarListaUsuariosSemDigitalBio500(terminal)

def EnviarListaUsuariosSemDigitalBioCorvoAcesso(lib, terminal):
    return lib.EnviarListaUsuariosSemDigitalBioCorvoAcesso(terminal)

def EnviarListaUsuariosSemDigitalBioVariavel(lib, terminal, unused):
    return lib.EnviarListaUsuariosSemDigitalBioVariavel(terminal, unused)

def EnviarMensagemImpressora00(lib, terminal, text):
    return lib.EnviarMensagemImpressora00(terminal, to_terminal(text))

def EnviarMensagemImpressoraFF(lib, terminal, text):
    return lib.EnviarMensagemImpressoraFF(terminal, to_terminal(text))

def EnviarMensagemPadraoOnLine(lib, terminal, secondLine, text):
    return lib.EnviarMensagemPadraoOnLine(terminal, secondLine, to_terminal(text))

def EnviarMensagemTemporariaOnLine(lib, terminal, secondLine, text, time):
    return lib.EnviarMensagemTemporariaOnLine(terminal, secondLine, to_terminal(text), time)

def EnviarMensagensOffLine(lib, terminal):
    return lib.EnviarMensagensOffLine(terminal)

def EnviarRelogio(lib, terminal, day, month, year, hour, minute, second):
    return lib.EnviarRelogio(terminal, day, month, year, hour, minute, second)

def EnviarStringInicializacaoModem(lib, text):
    return lib.EnviarStringInicializacaoModem(to_terminal(text))

def EnviarTempoKeepAliveRabbit(lib, terminal, time):
    return lib.EnviarTempoKeepAliveRabbit(terminal, time)

def EnviarUsuarioBio(lib, terminal, record):
    record_ = create_string_buffer(bytes(record or b'')[:836], 836)
    r = lib.EnviarUsuarioBio(terminal, record_)
    return (r, record_.raw)

def ExecInClientDLL(lib, reserved1, text, reserved3, reserved4):
    return lib.ExecInClientDLL(reserved1, to_terminal(text), reserved3, reserved4)

def FazerIdentificacaoBiometricaBio(lib, terminal):
    return lib.FazerIdentificacaoBiometricaBio(terminal)

def FazerVerificacaoBiometricaBio(lib, terminal, id):
    return lib.FazerVerificacaoBiometricaBio(terminal, to_terminal(id))

def FecharPortaComunicacao(lib):
    return lib.FecharPortaComunicacao()

def GetBufferConfigDLL(lib, unused, buffer):
    buffer_ = create_string_buffer(bytes(buffer or b'')[:50], 50)
    r = lib.GetBufferConfigDLL(unused, buffer_)
    return (r, buffer_.raw)

def GetBufferMsgDLL(lib, unused1, unused2):
    return lib.GetBufferMsgDLL(unused1, unused2)

def HabilitaMudancaEventoSeta(lib, enable):
    return lib.HabilitaMudancaEventoSeta(enable)

def HabilitarCriptografia(lib, value):
    return lib.HabilitarCriptografia(value)

def HabilitarMudancaOnLineOffLine(lib, mode, time):
    return lib.HabilitarMudancaOnLineOffLine(mode, time)

def HabilitarScoreFuncoes(lib, function, enabled):
    return lib.HabilitarScoreFuncoes(function, enabled)

def HabilitarScoreMensagemOffLine(lib, unused, slot, enabled):
    return lib.HabilitarScoreMensagemOffLine(unused, slot, enabled)

def HabilitarTeclado(lib, enable, secondOption):
    return lib.HabilitarTeclado(enable, secondOption)

def IncluirUsuarioOssel(lib, terminal, record):
    record_ = create_string_buffer(bytes(record or b'')[:451], 451)
    r = lib.IncluirUsuarioOssel(terminal, record_)
    return (r, record_.raw)

def IncluirUsuarioSemDigitalBio(lib, id):
    return lib.IncluirUsuarioSemDigitalBio(to_terminal(id))

def IncluirUsuarioSemDigitalBio500(lib, id):
    return lib.IncluirUsuarioSemDigitalBio500(to_terminal(id))

def IncluirUsuarioSemDigitalBioCorvoAcesso(lib, id):
    return lib.IncluirUsuarioSemDigitalBioCorvoAcesso(to_terminal(id))

def InicializarColetaListaUsuariosBio(lib):
    return lib.InicializarColetaListaUsuariosBio()

def InserirHorarioAcesso(lib, schedule, day, time, hour, minute):
    return lib.InserirHorarioAcesso(schedule, day, time, hour, minute)

def InserirHorarioMudancaEntrada(lib, hour1, minute1, hour2, minute2, hour3, minute3):
    return lib.InserirHorarioMudancaEntrada(hour1, minute1, hour2, minute2, hour3, minute3)

def InserirHorarioMudancaSaida(lib, hour1, minute1, hour2, minute2, hour3, minute3):
    return lib.InserirHorarioMudancaSaida(hour1, minute1, hour2, minute2, hour3, minute3)

def InserirHorarioSirene(lib, hour, minute, day0, day1, day2, day3, day4, day5, day6):
    return lib.InserirHorarioSirene(hour, minute, day0, day1, day2, day3, day4, day5, day6)

def InserirQuantidadeDigitoVariavel(lib, length):
    return lib.InserirQuantidadeDigitoVariavel(length)

def InserirUsuarioLeitorBio(lib, terminal, option, id):
    return lib.InserirUsuarioLeitorBio(terminal, option, to_terminal(id))

def InserirUsuarioListaAcesso(lib, card, schedule):
    return lib.InserirUsuarioListaAcesso(to_terminal(card), schedule)

def LerByteModem(lib):
    return lib.LerByteModem()

def LerContadorGiro(lib, terminal, first, second, third):
    first_ = create_string_buffer(bytes(first or b'')[:4], 4)
    second_ = create_string_buffer(bytes(second or b'')[:4], 4)
    third_ = create_string_buffer(bytes(third or b'')[:4], 4)
    r = lib.LerContadorGiro(terminal, first_, second_, third_)
    return (r, first_.raw, second_.raw, third_.raw)

def LerSensoresCorvo(lib, terminal):
    sensor1_ = c_uint8(0)
    sensor2_ = c_uint8(0)
    sensor3_ = c_uint8(0)
    r = lib.LerSensoresCorvo(terminal, byref(sensor1_), byref(sensor2_), byref(sensor3_))
    return (r, sensor1_.value, sensor2_.value, sensor3_.value)

def LerSmartCard(lib, terminal, area, r1, r2, r3, r4):
    r1_ = create_string_buffer(bytes(r1 or b'')[:10], 10)
    r2_ = create_string_buffer(bytes(r2 or b'')[:16], 16)
    r3_ = create_string_buffer(bytes(r3 or b'')[:16], 16)
    r4_ = create_string_buffer(bytes(r4 or b'')[:16], 16)
    r = lib.LerSmartCard(terminal, area, r1_, r2_, r3_, r4_)
    return (r, r1_.raw, r2_.raw, r3_.raw, r4_.raw)

def LevantarParaOnLine(lib, terminal):
    return lib.LevantarParaOnLine(terminal)

def LiberarCatracaDoisSentidos(lib, terminal):
    return lib.LiberarCatracaDoisSentidos(terminal)

def LiberarCatracaEntrada(lib, terminal):
    return lib.LiberarCatracaEntrada(terminal)

def LiberarCatracaEntradaInvertida(lib, terminal):
    return lib.LiberarCatracaEntradaInvertida(terminal)

def LiberarCatracaSaida(lib, terminal):
    return lib.LiberarCatracaSaida(terminal)

def LiberarCatracaSaidaInvertida(lib, terminal):
    return lib.LiberarCatracaSaidaInvertida(terminal)

def LigarBackLite(lib, terminal):
    return lib.LigarBackLite(terminal)

def LigarBipIntermitente(lib, terminal):
    return lib.LigarBipIntermitente(terminal)

def LigarLedVerde(lib, terminal):
    return lib.LigarLedVerde(terminal)

def LigarLedVermelho(lib, terminal):
    return lib.LigarLedVermelho(terminal)

def LocalizarPrimeiroUsuarioOssel(lib, terminal, mode):
    return lib.LocalizarPrimeiroUsuarioOssel(terminal, mode)

def LocalizarProximoUsuarioOssel(lib, terminal, mode):
    return lib.LocalizarProximoUsuarioOssel(terminal, mode)

def LocalizarUsuarioOssel(lib, terminal, mode, length, id):
    return lib.LocalizarUsuarioOssel(terminal, mode, length, to_terminal(id))

def ManterRele1Acionado(lib, terminal):
    return lib.ManterRele1Acionado(terminal)

def ManterRele2Acionado(lib, terminal):
    return lib.ManterRele2Acionado(terminal)

def PermitirCadastroCorvoBio(lib, allow):
    return lib.PermitirCadastroCorvoBio(allow)

def PermitirCadastroCorvoBioOssel(lib, allow):
    return lib.PermitirCadastroCorvoBioOssel(allow)

def Ping(lib, terminal):
    return lib.Ping(terminal)

def PingOnLine(lib, terminal):
    return lib.PingOnLine(terminal)

def PreencherBufferTLM(lib, path):
    return lib.PreencherBufferTLM(to_terminal(path))

def ReceberBufferConfig(lib, terminal, buffer):
    buffer_ = create_string_buffer(bytes(buffer or b'')[:50], 50)
    r = lib.ReceberBufferConfig(terminal, buffer_)
    return (r, buffer_.raw)

def ReceberBufferMsgA(lib, terminal, buffer):
    buffer_ = create_string_buffer(bytes(buffer or b'')[:416], 416)
    r = lib.ReceberBufferMsgA(terminal, buffer_)
    return (r, buffer_.raw)

def ReceberDadosOnLine(lib, terminal):
    origin_ = c_uint8(0)
    complement_ = c_uint8(0)
    card_ = create_string_buffer(16 + 1)
    day_ = c_uint8(0)
    month_ = c_uint8(0)
    year_ = c_uint8(0)
    hour_ = c_uint8(0)
    minute_ = c_uint8(0)
    second_ = c_uint8(0)
    r = lib.ReceberDadosOnLine(terminal, byref(origin_), byref(complement_), card_, byref(day_), byref(month_), byref(year_), byref(hour_), byref(minute_), byref(second_))
    return (r, origin_.value, complement_.value, from_terminal(card_.raw[:16]), day_.value, month_.value, year_.value, hour_.value, minute_.value, second_.value)

def ReceberDadosOnLine2(lib, terminal):
    origin_ = c_uint8(0)
    complement_ = c_uint8(0)
    card_ = create_string_buffer(14 + 1)
    day_ = c_uint8(0)
    month_ = c_uint8(0)
    year_ = c_uint8(0)
    hour_ = c_uint8(0)
    minute_ = c_uint8(0)
    second_ = c_uint8(0)
    r = lib.ReceberDadosOnLine2(terminal, byref(origin_), byref(complement_), card_, byref(day_), byref(month_), byref(year_), byref(hour_), byref(minute_), byref(second_))
    return (r, origin_.value, complement_.value, from_terminal(card_.raw[:14]), day_.value, month_.value, year_.value, hour_.value, minute_.value, second_.value)

def ReceberDataHoraDadosOnLine(lib, enable):
    return lib.ReceberDataHoraDadosOnLine(enable)

def ReceberDigitalUsuario(lib, terminal, record, size):
    record_ = create_string_buffer(bytes(record or b'')[:876], 876)
    r = lib.ReceberDigitalUsuario(terminal, record_, size)
    return (r, record_.raw)

def ReceberListaUsuariosDigital(lib, unused):
    return lib.ReceberListaUsuariosDigital(unused)

def ReceberModeloBio(lib, terminal, online):
    model_ = c_int32(0)
    r = lib.ReceberModeloBio(terminal, online, byref(model_))
    return (r, model_.value)

def ReceberPacoteListaUsuariosBio(lib, terminal):
    return lib.ReceberPacoteListaUsuariosBio(terminal)

def ReceberQuantidadeBilhetes(lib, terminal):
    count_ = c_int32(0)
    r = lib.ReceberQuantidadeBilhetes(terminal, byref(count_))
    return (r, count_.value)

def ReceberQuantidadeUsuariosBio(lib, terminal, online):
    count_ = c_int32(0)
    r = lib.ReceberQuantidadeUsuariosBio(terminal, online, byref(count_))
    return (r, count_.value)

def ReceberRelogio(lib, terminal):
    day_ = c_uint8(0)
    month_ = c_uint8(0)
    year_ = c_uint8(0)
    hour_ = c_uint8(0)
    minute_ = c_uint8(0)
    second_ = c_uint8(0)
    r = lib.ReceberRelogio(terminal, byref(day_), byref(month_), byref(year_), byref(hour_), byref(minute_), byref(second_))
    return (r, day_.value, month_.value, year_.value, hour_.value, minute_.value, second_.value)

def ReceberRespostaRequisicaoBio(lib, terminal):
    size_ = c_int32(0)
    r = lib.ReceberRespostaRequisicaoBio(terminal, byref(size_))
    return (r, size_.value)

def ReceberTemplateCapturadoCorvo(lib, terminal, template_):
    template__ = create_string_buffer(bytes(template_ or b'')[:404], 404)
    r = lib.ReceberTemplateCapturadoCorvo(terminal, template__)
    return (r, template__.raw)

def ReceberTemplateLeitor(lib, terminal, online, template_):
    template__ = create_string_buffer(bytes(template_ or b'')[:404], 404)
    r = lib.ReceberTemplateLeitor(terminal, online, template__)
    return (r, template__.raw)

def ReceberTotalUsuariosOssel(lib, terminal):
    count_ = c_int32(0)
    r = lib.ReceberTotalUsuariosOssel(terminal, byref(count_))
    return (r, count_.value)

def ReceberUsuarioCadastradoBio(lib, terminal, online, record):
    record_ = create_string_buffer(bytes(record or b'')[:844], 844)
    r = lib.ReceberUsuarioCadastradoBio(terminal, online, record_)
    return (r, record_.raw)

def ReceberUsuarioComDigital(lib, id):
    id_ = create_string_buffer(bytes(id or b'')[:11], 11)
    r = lib.ReceberUsuarioComDigital(id_)
    return (r, id_.raw)

def ReceberUsuarioLista(lib, terminal, record):
    record_ = create_string_buffer(bytes(record or b'')[:128], 128)
    r = lib.ReceberUsuarioLista(terminal, record_)
    return (r, record_.raw)

def ReceberUsuarioOssel(lib, terminal, mode, record):
    value_ = c_uint8(0)
    record_ = create_string_buffer(bytes(record or b'')[:451], 451)
    id_ = create_string_buffer(17 + 1)
    r = lib.ReceberUsuarioOssel(terminal, mode, byref(value_), record_, id_)
    return (r, value_.value, record_.raw, from_terminal(id_.raw[:17]))

def ReceberVersaoBio(lib, terminal, online):
    major_ = c_int32(0)
    minor_ = c_int32(0)
    r = lib.ReceberVersaoBio(terminal, online, byref(major_), byref(minor_))
    return (r, major_.value, minor_.value)

def ReceberVersaoFirmware(lib, terminal):
    byte0_ = c_uint8(0)
    version_ = c_uint16(0)
    byte3_ = c_uint8(0)
    byte4_ = c_uint8(0)
    byte5_ = c_uint8(0)
    byte6_ = c_uint8(0)
    r = lib.ReceberVersaoFirmware(terminal, byref(byte0_), byref(version_), byref(byte3_), byref(byte4_), byref(byte5_), byref(byte6_))
    return (r, byte0_.value, version_.value, byte3_.value, byte4_.value, byte5_.value, byte6_.value)

def RegistrarAcessoNegado(lib, mode):
    return lib.RegistrarAcessoNegado(mode)

def ResetarModoOnLine(lib, terminal):
    return lib.ResetarModoOnLine(terminal)

def ResultadoComparacaoDigitalLeitor(lib, terminal, online):
    return lib.ResultadoComparacaoDigitalLeitor(terminal, online)

def ResultadoComparacaoPINOssel(lib, terminal):
    return lib.ResultadoComparacaoPINOssel(terminal)

def ResultadoComparacaoTemplateOssel(lib, terminal):
    return lib.ResultadoComparacaoTemplateOssel(terminal)

def ResultadoConfiguracaoBio(lib, terminal, online):
    return lib.ResultadoConfiguracaoBio(terminal, online)

def ResultadoConfiguracaoRedeOssel(lib, terminal):
    return lib.ResultadoConfiguracaoRedeOssel(terminal)

def ResultadoExclusaoTodosUsuariosOssel(lib, terminal):
    return lib.ResultadoExclusaoTodosUsuariosOssel(terminal)

def ResultadoExclusaoUsuarioOssel(lib, terminal):
    return lib.ResultadoExclusaoUsuarioOssel(terminal)

def ResultadoIdentificacaoBiometrica(lib, terminal, online, result):
    result_ = create_string_buffer(bytes(result or b'')[:16], 16)
    r = lib.ResultadoIdentificacaoBiometrica(terminal, online, result_)
    return (r, result_.raw)

def ResultadoInclusaoUsuarioLeitorOssel(lib, terminal, template_):
    template__ = create_string_buffer(bytes(template_ or b'')[:220], 220)
    r = lib.ResultadoInclusaoUsuarioLeitorOssel(terminal, template__)
    return (r, template__.raw)

def ResultadoInclusaoUsuarioOssel(lib, terminal):
    return lib.ResultadoInclusaoUsuarioOssel(terminal)

def ResultadoInsercaoUsuarioLeitorBio(lib, terminal, online):
    return lib.ResultadoInsercaoUsuarioLeitorBio(terminal, online)

def ResultadoVerificacaoBiometrica(lib, terminal, online):
    return lib.ResultadoVerificacaoBiometrica(terminal, online)

def SetarBioLight(lib, value):
    return lib.SetarBioLight(value)

def SetarBioVariavel(lib, value):
    return lib.SetarBioVariavel(value)

def SetarCorvoOld(lib, unused, value):
    return lib.SetarCorvoOld(unused, value)

def SolicitarDigitalUsuario(lib, terminal, id):
    return lib.SolicitarDigitalUsuario(terminal, to_terminal(id))

def SolicitarExclusaoUsuario(lib, terminal, id):
    return lib.SolicitarExclusaoUsuario(terminal, to_terminal(id))

def SolicitarListaUsuariosBio(lib, terminal):
    return lib.SolicitarListaUsuariosBio(terminal)

def SolicitarListaUsuariosBioVariavel(lib, terminal):
    return lib.SolicitarListaUsuariosBioVariavel(terminal)

def SolicitarListaUsuariosComDigital(lib, terminal):
    return lib.SolicitarListaUsuariosComDigital(terminal)

def SolicitarModeloBio(lib, terminal):
    return lib.SolicitarModeloBio(terminal)

def SolicitarQuantidadeUsuariosBio(lib, terminal):
    return lib.SolicitarQuantidadeUsuariosBio(terminal)

def SolicitarTemplateLeitor(lib, terminal):
    return lib.SolicitarTemplateLeitor(terminal)

def SolicitarTotalUsuariosOssel(lib, terminal, mode):
    return lib.SolicitarTotalUsuariosOssel(terminal, mode)

def SolicitarUsuarioCadastradoBio(lib, terminal, id):
    return lib.SolicitarUsuarioCadastradoBio(terminal, to_terminal(id))

def SolicitarVersaoBio(lib, terminal):
    return lib.SolicitarVersaoBio(terminal)

def TemProximoPacote(lib):
    return lib.TemProximoPacote()

def TemProximoUsuario(lib):
    return lib.TemProximoUsuario()

def UsuarioFoiEnviado(lib, terminal, online):
    return lib.UsuarioFoiEnviado(terminal, online)

def UsuarioFoiExcluido(lib, terminal, online):
    return lib.UsuarioFoiExcluido(terminal, online)

def Utilizar215(lib, unused, value):
    return lib.Utilizar215(unused, value)

def UtilizarCmdCurtoCatraca(lib, unused, value):
    return lib.UtilizarCmdCurtoCatraca(unused, value)

def UtilizarRelogioSegundos(lib, unused, value):
    return lib.UtilizarRelogioSegundos(unused, value)

def UtilizarSenhaAcesso(lib, use):
    return lib.UtilizarSenhaAcesso(use)
