"""The binding's wiring against corvo-sim: each form of argument and result
once (numbers, texts, areas in and out, out-values), codes raised with their
text, and the punch and event loops."""
import threading

import pytest

import varanda
from conftest import TERMINAL


def test_codes_numbers_and_out_values(sdk):
    assert sdk.raw.Ping(TERMINAL) == 0
    with pytest.raises(varanda.VarandaError) as e:
        sdk.EnviarRelogio(TERMINAL, 7, 12, 126, 10, 30, 0)  # year above 99
    assert (e.value.operation, e.value.code, e.value.text) == ("EnviarRelogio", 133, "year out of range (0..99)")
    sdk.EnviarRelogio(TERMINAL, 28, 2, 26, 23, 59, 30)
    assert sdk.ReceberRelogio(TERMINAL)[:5] == (28, 2, 26, 23, 59)


def test_areas_out_and_in(sdk, sim):
    sdk.DefinirCodigoEmpresa(43)
    sdk.DefinirQuantidadeDigitosCartao(12)
    prepared = sdk.GetBufferConfigDLL(0, None)
    sdk.EnviarConfiguracoes(TERMINAL)
    assert sdk.ReceberBufferConfig(TERMINAL, None) == prepared
    config = sim.dump()["config"]
    assert (config["company_code"], config["card_digits"]) == (43, 12)


def test_texts_in_iso_8859_1(sdk, sim):
    sdk.DefinirPadraoCartao(0)  # cards 0..65000, on both sides
    sim(f"pattern {TERMINAL} 0")
    try:
        for card in (1, 65000):
            sdk.InserirUsuarioListaAcesso(str(card), 7)
        sdk.EnviarListaAcesso(TERMINAL)
    finally:
        sdk.DefinirPadraoCartao(1)
        sim(f"pattern {TERMINAL} 1")
    assert [(int(c["card"]), c["schedule"]) for c in sim.dump()["access_list"]["cards"]] == [(1, 7), (65000, 7)]
    sdk.EnviarMensagemPadraoOnLine(TERMINAL, 0, "Bem-vindo João €")
    assert sim.dump()["display_standard"]["line1"].encode("iso-8859-1") == b"Bem-vindo Jo\xe3o ?"


def test_every_punch_collected_once(sdk, sim):
    stored = sim.dump()["punches"]["stored"]
    assert len(list(sdk.punches(TERMINAL))) == stored > 0
    assert sim.dump()["punches"]["stored"] == 0
    assert list(sdk.punches(TERMINAL)) == []  # the end is "none", not an error


def test_online_cards_answered(sdk, sim):
    cards = [1001, 1002, 1003, 1004]  # odd ones granted
    before = sim.dump()["commands"]
    sim(f"online {TERMINAL} 1")
    stop = threading.Event()
    timer = threading.Timer(30, stop.set)  # a bound, not a measure
    timer.start()
    answered = []
    sim(f"card {TERMINAL} {cards[0]}")
    for event in sdk.events(TERMINAL, stop):
        assert event.origin == 2  # a card at the reader
        card = int(event.card)
        (sdk.AcionarRele1 if card % 2 else sdk.EnviarComandoAcessoNegado)(TERMINAL)
        answered.append(card)
        if len(answered) == len(cards):
            break
        sim(f"card {TERMINAL} {cards[len(answered)]}")
    timer.cancel()
    sim(f"online {TERMINAL} 0")
    assert answered == cards
    after = sim.dump()["commands"]
    assert {c: after.get(c, 0) - before.get(c, 0) for c in ("1", "3")} == {"1": 2, "3": 2}
