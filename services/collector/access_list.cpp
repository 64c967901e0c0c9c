// The access list: read from its source (a CSV file or the store's
// access_list table) before each pass, and pushed to a terminal after a
// successful collection when the terminal has not had this version yet. A
// list that does not fit the terminal's card settings is refused with a
// logged reason and nothing is sent.
#include <functional>

#include "card_list.h"
#include "config_fields.h"
#include "log.h"
#include "service.h"
#include "text_file.h"

namespace collector {

namespace {
}  // namespace

void Service::prepare_access_list() {
    std::string text, error;
    if (!site_.access_csv.empty()) {
        list_name_ = site_.access_csv;
        if (!vtool::read_text_file(site_.access_csv, text, error)) {
            log_warn("access list: " + error + "; the terminals keep the list they have");
            return;
        }
    } else if (site_.access_from_store) {
        list_name_ = "the store's access_list table";
        try {
            for (const auto& [card, schedule] : store_.access_list()) text += card + "," + std::to_string(schedule) + "\n";
        } catch (const DbError& e) {
            log_warn("access list: " + std::string(e.what()) + "; the terminals keep the list they have");
            return;
        }
    } else {
        return;
    }
    list_text_ = text;
    list_version_ = std::to_string(std::hash<std::string>{}(text));
}

// "" when the list was sent or nothing was due; a refusal is logged, not failed.
std::string Service::push_access_list(const SiteTerminal& site_terminal) {
    Health& h = health_[static_cast<int32_t>(site_terminal.number)];
    if (list_version_.empty() || h.list_version == list_version_) return {};
    const auto t = static_cast<int32_t>(site_terminal.number);
    const auto refuse = [&](const std::string& why) {
        log_warn("terminal " + std::to_string(t) + ": access list not sent: " + why);
        metrics_.failed("access_list");
        h.list_version = list_version_;  // said once per version
        return std::string();
    };
    const auto pattern = static_cast<uint8_t>(site_terminal.card_pattern);
    const vtool::CardList list = vtool::parse_card_list(list_text_, list_name_, vtool::CardRules{pattern, true});
    if (!list.error.empty()) return refuse(list.error);
    uint8_t record[vtool::kRecordSize] = {};
    if (uint8_t c = sdk_.api.ReceberBufferConfig(t, record); c != 0)
        return "reading the card settings for the access list failed (code " + std::to_string(c) + ")";
    if (record[VARANDA_CFG_CARD_DIGITS] != site_terminal.card_digits)
        return refuse("the terminal is set for " + std::to_string(record[VARANDA_CFG_CARD_DIGITS]) + "-digit cards, the site file says " +
                      std::to_string(site_terminal.card_digits));
    if (site_terminal.card_pattern == 1) {
        const auto digits = static_cast<unsigned>(site_terminal.card_digits);
        if (std::string e = vtool::check_card_lengths(list, list_name_, digits); !e.empty()) return refuse(e);
    }
    std::lock_guard<std::mutex> lock(list_mutex_);  // the SDK holds one list being prepared for the whole process
    if (list_broken_) return refuse("the SDK still holds part of a list refused before");
    sdk_.api.DefinirQuantidadeDigitosCartao(static_cast<uint8_t>(site_terminal.card_digits));
    for (const vtool::CardEntry& e : list.entries) {
        if (uint8_t c = sdk_.api.InserirUsuarioListaAcesso(e.card.c_str(), e.schedule); c != 0) {
            list_broken_ = true;
            return refuse(list_name_ + ":" + std::to_string(e.line) + ": card " + e.card + " refused (code " + std::to_string(c) + ")");
        }
    }
    ++metrics_.exchanges;
    if (uint8_t c = sdk_.api.EnviarListaAcesso(t); c != 0) {
        metrics_.failed("access_list");
        return "sending the access list failed (code " + std::to_string(c) + ")";
    }
    h.list_version = list_version_;
    log_info("terminal " + std::to_string(t) + ": access list of " + std::to_string(list.entries.size()) + " cards sent");
    return {};
}

}  // namespace collector
