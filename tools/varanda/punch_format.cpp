#include "punch_format.h"

#include "datetime.h"
#include "text_file.h"

namespace vtool {

using fleet::card_text;

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
