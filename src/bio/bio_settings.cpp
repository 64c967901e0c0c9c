// The settings block setters and its sending.
#include <algorithm>
#include <array>

#include "bio/bio_settings_block.h"
#include "comm/connection_manager.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kSettingsCommand = wire::command::kBioSettings;

bool in(uint8_t v, int lo, int hi) { return v >= lo && v <= hi; }
uint8_t flag(uint8_t v) { return v != 0 ? 1 : 0; }

template <std::size_t N>
uint8_t store(BioSettingsBlock& block, int offset, const std::array<uint8_t, N>& values) {
    std::copy(values.begin(), values.end(), block.bytes.begin() + offset);
    return rc::kOk;
}
}  // namespace

uint8_t ConfigurarAjustesSensibilidadeBio(BioSettingsBlock& bio_settings, int32_t, uint8_t v1, uint8_t v2, uint8_t v3) {
    if (v1 != 1 && v1 != 2 && v1 != 4 && v1 != 8) return rc::check_failed(0);
    if (!in(v2, 0, 100)) return rc::check_failed(1);
    if (!in(v3, 0, 100)) return rc::check_failed(2);
    return store(bio_settings, BioSettingsBlock::kSensitivity, std::array{v1, v2, v3});
}

uint8_t ConfigurarAjustesSegurancaBio(BioSettingsBlock& bio_settings, int32_t, uint8_t v1, uint8_t v2) {
    if (!in(v1, 6, 9)) return rc::check_failed(0);
    if (!in(v2, 1, 9)) return rc::check_failed(1);
    return store(bio_settings, BioSettingsBlock::kSecurity, std::array{v1, v2});
}

uint8_t ConfigurarAjustesQualidadeBio(BioSettingsBlock& bio_settings, int32_t, uint8_t v1, uint8_t v2) {
    if (!in(v1, 30, 100)) return rc::check_failed(0);
    if (!in(v2, 10, 100)) return rc::check_failed(1);
    return store(bio_settings, BioSettingsBlock::kQuality, std::array{v1, v2});
}

uint8_t ConfigurarFiltroBio(BioSettingsBlock& bio_settings, int32_t, uint8_t on) {
    return store(bio_settings, BioSettingsBlock::kFilter, std::array{flag(on)});
}

uint8_t ConfigurarCapturaAdaptativaBio(BioSettingsBlock& bio_settings, int32_t, uint8_t on, uint8_t v1, uint8_t v2) {
    if (!in(v2, 1, 7)) return rc::check_failed(0);
    if (!in(v1, 1, 10)) return rc::check_failed(1);
    return store(bio_settings, BioSettingsBlock::kAdaptiveCapture, std::array{flag(on), v1, v2});
}

uint8_t ConfigurarTimeoutIdentificacao(BioSettingsBlock& bio_settings, uint8_t seconds) {
    if (seconds < 10) return rc::check_failed(0);
    bio_settings.bytes[BioSettingsBlock::kTimeout] = seconds;
    return rc::kOk;
}

uint8_t ConfigurarNivelLFD(BioSettingsBlock& bio_settings, uint8_t level) {
    if (level > 3) return rc::check_failed(0);
    bio_settings.bytes[BioSettingsBlock::kLfdLevel] = level;
    return rc::kOk;
}

uint8_t EnviarAjustesBio(ConnectionManager& connection, BioSettingsBlock& bio_settings, int32_t terminal) {
    // Taken and reset before the exchange, so that a setter on another thread
    // lands wholly before or after the send; a failed send gives the block
    // back unless a setter has touched the reset block meanwhile.
    const BioSettingsBlock sent = take_and_reset(bio_settings);
    const auto give_back = [&bio_settings, &sent] {
        BioSettingsBlock untouched = sent;
        untouched.reset();
        if (bio_settings.bytes == untouched.bytes) bio_settings = sent;
    };
    ReturnCode r;
    try {
        r = connection.SendCommand(terminal, sent.bytes.data(), kSettingsCommand, BioSettingsBlock::kSize);
    } catch (...) {
        give_back();
        throw;
    }
    if (r != rc::kOk) give_back();
    return r;
}

}  // namespace varanda::op
