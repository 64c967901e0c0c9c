#include "punch_format.h"

#include "command.h"
#include "datetime.h"

namespace vtool {

namespace {
std::string card_text(const Punch& p) {
    std::size_t n = 0;
    while (n < 16 && p.card[n] != '\0') ++n;
    return std::string(p.card, n);
}
}  // namespace

std::string punch_csv(const Punch& p) {
    std::string card = card_text(p);
    if (card.find_first_of(",\"\r\n") != std::string::npos) {  // never from a sound terminal; kept a single field
        std::string q = "\"";
        for (char c : card) q += c == '"' ? std::string("\"\"") : std::string(1, c);
        card = q + "\"";
    }
    return std::to_string(p.terminal) + "," + std::to_string(p.type) + "," + iso_date(2000 + p.year, p.month, p.day) +
           "," + iso_time(p.hour, p.minute) + "," + card + "\n";
}

std::string punch_json(const Punch& p) {
    return "{\"terminal\":" + std::to_string(p.terminal) + ",\"type\":" + std::to_string(p.type) + ",\"date\":\"" +
           iso_date(2000 + p.year, p.month, p.day) + "\",\"time\":\"" + iso_time(p.hour, p.minute) +
           "\",\"card\":" + json_string(card_text(p)) + "}\n";
}

}  // namespace vtool
