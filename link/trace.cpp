#include "link/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace corvo::link {

namespace {
const char* type_name(FrameType t) {
    switch (t) {
        case FrameType::Send: return "Send";
        case FrameType::Receive: return "Receive";
        case FrameType::Response: return "Response";
        case FrameType::Result: return "Result";
        case FrameType::Data: return "Data";
        case FrameType::Nak: return "Nak";
    }
    return "?";
}

// "2026-12-07T16:30:01.123Z"
std::string utc_now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto day = floor<days>(now);
    const year_month_day ymd{day};
    const hh_mm_ss<milliseconds> t{floor<milliseconds>(now - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), static_cast<int>(t.hours().count()),
                  static_cast<int>(t.minutes().count()), static_cast<int>(t.seconds().count()),
                  static_cast<int>(t.subseconds().count()));
    return text;
}
}  // namespace

struct Trace::File {
    std::mutex lock;
    std::FILE* out = nullptr;
};

std::string trace_line(const char* direction, const Header& h, const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s = std::string(direction) + " terminal " + std::to_string(h.terminal) + " command " +
                    std::to_string(h.command) + " " + type_name(h.type) + " seq " + std::to_string(h.seq) +
                    " length " + std::to_string(h.length) + ":";
    for (uint8_t b : bytes) {
        s += ' ';
        s += digits[b >> 4];
        s += digits[b & 0xF];
    }
    return s;
}

Trace::Trace() : file_(new File) {
    const char* path = std::getenv("CORVO_LINK_TRACE");
    if (path == nullptr || *path == '\0') return;
    file_->out = std::fopen(path, "a");
    if (file_->out == nullptr)
        std::fprintf(stderr, "Corvo back-end: CORVO_LINK_TRACE=%s: cannot open the file; no trace\n", path);
}

// Destroyed when the back-end library is unloaded, so that loading and
// unloading it leaves nothing behind.
Trace& Trace::get() {
    static Trace trace;
    return trace;
}

Trace::~Trace() {
    if (file_->out != nullptr) std::fclose(file_->out);
}

bool Trace::on() const { return file_->out != nullptr; }

void Trace::write(const char* direction, const Header& header, const std::vector<uint8_t>& bytes) {
    const std::string line = utc_now() + " " + trace_line(direction, header, bytes) + "\n";
    std::lock_guard<std::mutex> g(file_->lock);
    std::fwrite(line.data(), 1, line.size(), file_->out);
    std::fflush(file_->out);
}

void Trace::sent(const std::vector<uint8_t>& bytes) {
    Header h;
    if (!on() || bytes.size() < kHeaderSize || !decode_header(bytes.data(), h)) return;
    write("send", h, bytes);
}

void Trace::received(const Frame& frame, bool damaged) {
    if (on()) write(damaged ? "recv-damaged" : "recv", frame.header, encode(frame));
}

}  // namespace corvo::link
