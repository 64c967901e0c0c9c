// The one process-wide object behind every export. It owns the connection
// manager and every block a host prepares before sending it; there is one
// copy of each for the whole process, not one per terminal.
//
// Each member group is its own small type, defined in its subsystem folder.
// A group's default constructor gives the state the facade starts with; its
// own reset functions serve the clear and send operations that consume it.
// Operations never see the facade: each is handed the groups its `.ops` line
// names (uses=...), and reads other families' settings through
// SettingsView. Only the exported wrappers, the Java bridge and the test and
// benchmark programs that drive a facade of their own include this.
#pragma once
#include <memory>

#include "bio/bio_id_form.h"
#include "bio/bio_settings_block.h"
#include "events/held_online_events.h"
#include "bio/list_collection_state.h"
#include "bio/no_fingerprint_tables.h"
#include "collect/last_punch.h"
#include "comm/connection_manager.h"
#include "config/change_event_block.h"
#include "config/configuration_record.h"
#include "config/function_key_block.h"
#include "config/offline_message_table.h"
#include "extras/protocol_flags.h"
#include "extras/tlm_buffer.h"
#include "online/card_pattern.h"
#include "online/online_offline_change_block.h"
#include "schedules/access_list.h"
#include "schedules/access_schedule_table.h"
#include "schedules/siren_table.h"
#include "core/settings_view.h"
#include "platform/library_entry.h"

namespace varanda {

class ApiFacade {
public:
    ApiFacade();
    ~ApiFacade();
    ApiFacade(const ApiFacade&) = delete;
    ApiFacade& operator=(const ApiFacade&) = delete;

    ConnectionManager& connection() { return *connection_; }

    // The settings other families read, as they stand now.
    SettingsView settings() const;

    BioIdForm bio_id_form;                        // light / variable identifier forms
    CardPattern card_pattern;                     // 1 until DefinirPadraoCartao
    SirenTable sirens;
    TlmBuffer tlm;
    ChangeEventBlock change_events;
    ConfigurationRecord config;
    OnlineOfflineChangeBlock online_offline;
    FunctionKeyBlock function_keys;
    AccessScheduleTable access_schedules;
    AccessList access_list;
    OfflineMessageTable offline_messages;
    NoFingerprintTables no_fingerprint;
    ListCollectionState list_collection;
    LastPunch last_punch;
    ProtocolFlags protocol;                       // 215, seconds, short turnstile, old terminal
    BioSettingsBlock bio_settings;
    HeldOnlineEvents held_events;                 // events read while a module answer was awaited

private:
    std::unique_ptr<ConnectionManager> connection_;
};

// The process-wide facade. It exists from the library's load to its unload;
// exports never see it missing.
ApiFacade& facade();

}  // namespace varanda
