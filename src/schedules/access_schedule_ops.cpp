// The access schedules: insert one time, send the whole table, clear.
#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "schedules/access_schedule_table.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCommand = wire::command::kAccessSchedules;
constexpr int32_t kOldCommand = wire::command::kOldAccessSchedules;
}  // namespace

uint8_t InserirHorarioAcesso(AccessScheduleTable& access_schedules, const SettingsView& settings, uint8_t schedule,
                             uint8_t day, uint8_t time, uint8_t hour, uint8_t minute) {
    using T = AccessScheduleTable;
    const int schedules = settings.old_terminal ? T::kOldSchedules : T::kSchedules;
    if (schedule < 1 || schedule > schedules) return rc::bad_arg(0);
    if (day < 1 || day > T::kDays) return rc::bad_arg(1);
    if (time < 1 || time > T::kTimes) return rc::bad_arg(2);
    if (hour > 23) return rc::bad_arg(3);
    if (minute > 59) return rc::bad_arg(4);
    const size_t at = T::offset(schedule, day, time);
    access_schedules.bytes[at] = hour;
    access_schedules.bytes[at + 1] = minute;
    return rc::kOk;
}

uint8_t EnviarHorariosAcesso(ConnectionManager& connection, AccessScheduleTable& access_schedules,
                             const SettingsView& settings, int32_t terminal) {
    using T = AccessScheduleTable;
    const bool old = settings.old_terminal;
    const T sent = take_and_reset(access_schedules);
    return connection.SendCommand(terminal, sent.bytes.data(), old ? kOldCommand : kCommand,
                                      static_cast<int32_t>(old ? T::kOldSize : T::kSize));
}

uint8_t ApagarHorariosAcesso(ConnectionManager& connection, AccessScheduleTable& access_schedules,
                             const SettingsView& settings, int32_t terminal) {
    access_schedules.reset();
    return EnviarHorariosAcesso(connection, access_schedules, settings, terminal);
}

}  // namespace varanda::op
