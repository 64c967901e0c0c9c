// The siren times: append one, send the whole table, clear.
#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "schedules/siren_table.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCommand = wire::command::kSirens;
constexpr int32_t kOldCommand = wire::command::kOldSirens;
}  // namespace

uint8_t InserirHorarioSirene(SirenTable& sirens, uint8_t hour, uint8_t minute, uint8_t day0, uint8_t day1,
                             uint8_t day2, uint8_t day3, uint8_t day4, uint8_t day5, uint8_t day6) {
    const uint8_t days[] = {day0, day1, day2, day3, day4, day5, day6};
    uint8_t mask = 0;
    for (int i = 0; i < 7; ++i) {
        if (days[i] != 0) mask = static_cast<uint8_t>(mask | (1u << i));
    }
    if (hour > 23 || minute > 59) return rc::bad_arg(0);
    if (sirens.full()) return rc::bad_arg(0);  // the table holds 100 times
    sirens.append(hour, minute, mask);
    return rc::kOk;
}

uint8_t EnviarHorariosSirene(ConnectionManager& connection, SirenTable& sirens, const SettingsView& settings,
                             int32_t terminal) {
    const bool old = settings.old_terminal;
    const SirenTable sent = take_and_reset(sirens);
    return connection.SendCommand(terminal, sent.bytes.data(), old ? kOldCommand : kCommand,
                                      static_cast<int32_t>(old ? SirenTable::kOldSize : SirenTable::kSize));
}

uint8_t ApagarHorariosSirene(ConnectionManager& connection, SirenTable& sirens, const SettingsView& settings,
                             int32_t terminal) {
    sirens.reset();
    return EnviarHorariosSirene(connection, sirens, settings, terminal);
}

}  // namespace varanda::op
