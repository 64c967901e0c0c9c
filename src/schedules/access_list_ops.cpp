// The access list: insert one card, send the list in the form the settings
// and its size select, clear.
#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "schedules/access_list.h"
#include "schedules/access_list_images.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
using access_list::Image;
using access_list::Layout;

constexpr int32_t kCountedCommand = wire::command::kAccessListCounted;
constexpr int32_t kFullCommand = wire::command::kAccessListFull;
constexpr int32_t kBlocksCommand = wire::command::kAccessListBlock;
constexpr int32_t kOldCommand = wire::command::kAccessListOld;

// Both blocks go out, the second even when the first failed. A failing
// second block answers 128; a failing first block alone answers its code.
ReturnCode send_blocks(ConnectionManager& connection, int32_t terminal, const Image& image) {
    using access_list::kBlockSize;
    const int32_t block = static_cast<int32_t>(kBlockSize);
    const ReturnCode first = connection.SendIndexedCommand(terminal, image.bytes.data(), kBlocksCommand, block, 0);
    const ReturnCode second =
        connection.SendIndexedCommand(terminal, image.bytes.data() + kBlockSize, kBlocksCommand, block, 1);
    if (second == rc::kFailed) return rc::bad_arg(0);
    if (second != rc::kOk) return second;
    return first;
}
}  // namespace

uint8_t InserirUsuarioListaAcesso(AccessList& access_list, const SettingsView& settings, const char* card,
                                  uint8_t schedule) {
    const access_list::CardSettings s = access_list::settings_of(settings);
    if (ReturnCode c = access_list::check_new_entry(card, schedule, access_list.entries.size(), s); c != rc::kOk) {
        return c;
    }
    access_list.entries.push_back(AccessListEntry{std::string(card), schedule});
    return rc::kOk;
}

uint8_t EnviarListaAcesso(ConnectionManager& connection, AccessList& access_list, const SettingsView& settings,
                          int32_t terminal) {
    const access_list::CardSettings s = access_list::settings_of(settings);
    const Layout layout = access_list::first_layout(access_list.entries.size(), s);
    Image image;
    if (!access_list::build_image(layout, access_list.entries, s, image)) return access_list::kDoesNotFit;

    const auto entries = take_and_reset(access_list).entries;
    switch (layout) {
        case Layout::kOld:
            return connection.SendCommand(terminal, image.bytes.data(), kOldCommand, image.length);
        case Layout::kBlocks:
            return send_blocks(connection, terminal, image);
        case Layout::kCounted:
        case Layout::kFull:
            break;
    }
    const ReturnCode counted = connection.SendCommand(terminal, image.bytes.data(), kCountedCommand, image.length);
    if (counted == rc::kOk) return counted;
    if (!access_list::build_image(Layout::kFull, entries, s, image)) return rc::kException;  // fits as counted did
    return connection.SendCommand(terminal, image.bytes.data(), kFullCommand, image.length);
}

uint8_t ApagarListaAcesso(ConnectionManager& connection, AccessList& access_list, const SettingsView& settings,
                          int32_t terminal) {
    access_list.reset();
    return EnviarListaAcesso(connection, access_list, settings, terminal);
}

}  // namespace varanda::op
