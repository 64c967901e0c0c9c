"""Ping, clock, configuration, access list, punches, online events and
accented texts, through the binding against corvo-sim."""
import threading

import pytest

import varanda
from conftest import TERMINAL


def test_ping_and_codes(sdk):
    sdk.Ping(TERMINAL)
    assert sdk.raw.Ping(TERMINAL) == 0
    with pytest.raises(varanda.VarandaError) as e:
        sdk.EnviarRelogio(TERMINAL, 7, 12, 126, 10, 30, 0)  # year above 99
    assert (e.value.operation, e.value.code, e.value.text) == ("EnviarRelogio", 133, "year out of range (0..99)")


def test_clock_round_trip(sdk):
    sdk.EnviarRelogio(TERMINAL, 28, 2, 26, 23, 59, 30)
    day, month, year, hour, minute, _ = sdk.ReceberRelogio(TERMINAL)
    assert (day, month, year, hour, minute) == (28, 2, 26, 23, 59)


def test_configuration_sent_and_read_back(sdk, sim):
    sdk.DefinirCodigoEmpresa(43)
    sdk.DefinirQuantidadeDigitosCartao(12)
    prepared = sdk.GetBufferConfigDLL(0, None)
    sdk.EnviarConfiguracoes(TERMINAL)
    assert sdk.ReceberBufferConfig(TERMINAL, None) == prepared
    config = sim.dump()["config"]
    assert (config["company_code"], config["card_digits"]) == (43, 12)


def test_access_list_of_5000_cards(sdk, sim):
    sdk.DefinirPadraoCartao(0)  # cards 0..65000, on both sides
    sim(f"pattern {TERMINAL} 0")
    try:
        for card in range(1, 5001):
            sdk.InserirUsuarioListaAcesso(str(card), 1 + card % 100)
        sdk.EnviarListaAcesso(TERMINAL)
    finally:
        sdk.DefinirPadraoCartao(1)
        sim(f"pattern {TERMINAL} 1")
    listed = sim.dump()["access_list"]
    assert listed["count"] == 5000
    assert {int(c["card"]) for c in listed["cards"]} == set(range(1, 5001))


def test_every_punch_collected_once(sdk, sim):
    stored = sim.dump()["punches"]["stored"]
    punches = list(sdk.punches(TERMINAL))
    assert len(punches) == stored > 0
    assert sim.dump()["punches"]["stored"] == 0
    assert list(sdk.punches(TERMINAL)) == []  # the end is "none", not an error


def test_accented_display_text_byte_for_byte(sdk, sim):
    sdk.EnviarMensagemPadraoOnLine(TERMINAL, 0, "Bem-vindo João €")
    line = sim.dump()["display_standard"]["line1"]
    assert line.encode("iso-8859-1") == b"Bem-vindo Jo\xe3o ?"


def test_online_cards_answered(sdk, sim):
    listed = {1001, 1003, 1005}
    cards = [1001, 1002, 1003, 1004, 1005, 1006] * 3
    before = sim.dump()["commands"]
    sim(f"online {TERMINAL} 1")
    stop = threading.Event()

    def inject():
        for card in cards:
            sim(f"card {TERMINAL} {card}")
            stop.wait(0.1)
    feeder = threading.Thread(target=inject)
    feeder.start()
    answered = []
    timer = threading.Timer(30, stop.set)  # a bound, not a measure
    timer.start()
    for event in sdk.events(TERMINAL, stop):
        assert event.origin == 2  # a card at the reader
        card = int(event.card)
        if card in listed:
            sdk.AcionarRele1(TERMINAL)
        else:
            sdk.EnviarComandoAcessoNegado(TERMINAL)
        answered.append(card)
        if len(answered) == len(cards):
            stop.set()
    timer.cancel()
    feeder.join()
    sim(f"online {TERMINAL} 0")
    assert answered == cards
    after = sim.dump()["commands"]
    grew = {c: after.get(c, 0) - before.get(c, 0) for c in ("1", "3")}
    assert grew == {"1": 9, "3": 9}
