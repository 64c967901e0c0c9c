// Everything one emulated terminal keeps: what the host's commands set, what
// it hands out (punches, online events, module answers), and counters of the
// actions it was told to perform.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/codes.h"
#include "sim/protocol.h"

namespace corvo::sim {

struct Punch {
    uint8_t type = 0;
    uint8_t day = 1, month = 1, year = 0, hour = 0, minute = 0;
    uint64_t card = 0;
    uint16_t id = 0;
};

struct AccessCard {
    std::string card;  // decimal digits, no leading zeros
    uint8_t schedule = 0;
};

struct AccessList {
    std::string form = "none";  // counted, full, blocks, old
    std::vector<AccessCard> cards;
    // The blocks form arrives in two blocks of 65,536 bytes.
    Bytes image;
    bool have_block0 = false;
    uint32_t block0_session = 0;
    uint16_t block0_seq = 0;
};

struct BioUser {
    std::vector<Bytes> templates;  // kBioTemplateSize bytes each
    Bytes record;                  // the 844-byte user record, when one was sent
};

struct BioModule {
    std::map<std::string, BioUser> users;  // by identifier, no leading zeros
    std::deque<std::array<uint8_t, kBioMessageSize>> answers;  // offline answers, fetched with 220
    Bytes settings;                        // the 16-byte settings block, once sent
    std::array<uint8_t, 2> options{0, 0};  // sub-command 60
    std::string no_fingerprint_form = "none";
    std::vector<std::string> no_fingerprint;
    Bytes user_record_answer;  // 221, after sub-command 20
    Bytes fingerprint_answer;  // 231, after sub-command 20
    Bytes package;             // 222, after sub-command 10 or 11
    bool package_ready = false;
    Bytes captured_template;   // 223
    std::string finger;        // identifier of the finger on the reader ("" none)
    uint8_t model = 3, major = 0x02, minor = 0x15;
    int page_size = 50;
};

// The most users a terminal's fingerprint module and Ossel module hold; a new
// user beyond them is refused.
inline constexpr std::size_t kMaxBioUsers = 1000;
inline constexpr std::size_t kMaxOsselUsers = 1000;

// User `id` of the module, made when there is room for it; null when the module is full.
inline BioUser* bio_user_slot(BioModule& m, const std::string& id) {
    const auto it = m.users.find(id);
    if (it != m.users.end()) return &it->second;
    return m.users.size() < kMaxBioUsers ? &m.users[id] : nullptr;
}

struct OsselUser {
    std::string id;
    Bytes record;  // 451 bytes
};

struct OsselModule {
    std::vector<OsselUser> users;
    std::size_t cursor = 0;
    uint8_t result = 6;  // offline result of the last request
    Bytes enrolled_template;
    uint8_t network = 0;
    std::string erase_text;
};

struct Terminal {
    explicit Terminal(uint32_t n);

    uint32_t number;
    // What kind of terminal it is.
    uint8_t card_pattern = 1;
    std::set<uint8_t> refused;  // commands this model does not know

    std::array<uint8_t, kConfigSize> config{};
    bool online = false;
    int64_t clock_offset_s = 0;  // terminal clock = host clock + offset
    bool clock_set = false;
    std::optional<std::array<uint8_t, kDaylightSavingSize>> daylight_saving;

    std::array<uint8_t, kMessagesSize> offline_messages{};
    std::optional<std::array<uint8_t, kChangeEventsSize>> change_events;
    std::array<uint8_t, kFunctionKeysSize> function_keys{};
    std::optional<std::array<uint8_t, kOnlineChangeSize>> online_change;
    std::optional<std::array<uint8_t, kEntryFormsSize>> entry_forms;
    Bytes display_standard;   // 32 bytes, command 104 with 0xFF
    Bytes display_temporary;  // 32 bytes, command 104 with a time byte
    uint8_t display_time = 0;

    Bytes access_schedules = Bytes(kAccessSchedulesSize, 0xFF);
    std::string access_schedules_form = "none";
    Bytes sirens = Bytes(kSirensSize, 0);
    std::string sirens_form = "none";
    AccessList access_list;

    std::deque<Punch> punches;
    uint16_t next_punch_id = 1;
    uint64_t punches_delivered = 0;

    std::deque<std::array<uint8_t, kEventSize>> events;
    uint64_t events_delivered = 0;

    // Actions.
    struct Relay {
        uint32_t pulses = 0;
        bool held = false;
    } relays[2];
    uint32_t short_beeps = 0, long_beeps = 0, denied = 0, pings = 0, online_resets = 0, raises = 0;
    bool intermittent_beep = false, backlight = false, red_led = false;
    uint32_t cards_returned = 0, cards_retained = 0;
    uint32_t turnstile_entry = 0, turnstile_exit = 0, turnstile_both = 0;

    std::array<uint8_t, 3> sensors{0, 0, 0};
    std::vector<std::pair<uint8_t, std::string>> printed;  // marker, text
    std::array<uint8_t, kFirmwareSize> firmware{};
    std::array<uint8_t, kCountersSize> counters{};
    Bytes extended_answer;  // 225, after command 125
    uint32_t keep_alive = 0;
    std::optional<std::array<uint8_t, kTlmSize>> tlm;

    BioModule bio;
    OsselModule ossel;

    std::map<uint8_t, uint64_t> commands;  // commands carried out, by code
    // Every block of the kept commands (--keep-blocks; up to kMaxKeptBytes in all the terminals).
    std::map<uint8_t, std::vector<std::vector<uint8_t>>> kept_blocks;
    uint32_t last_session = 0;
    uint16_t last_seq = 0;

    enum class Handed { Nothing, Punch, Event, BioAnswer } handed = Handed::Nothing;
};

// The terminal's clock now, as local broken-down time.
struct ClockTime {
    int year, month, day, hour, minute, second;
};
ClockTime terminal_clock(const Terminal& t);

}  // namespace corvo::sim
