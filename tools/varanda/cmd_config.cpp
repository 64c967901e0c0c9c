// config keys | config get | config set KEY=VALUE ...: the record is read from
// each terminal, changed, sent whole and read back to confirm.
#include <cstdio>
#include <cstring>

#include "command.h"
#include "config_fields.h"

namespace vtool {

namespace {

std::string hex(const uint8_t* r) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (int i = 0; i < kRecordSize; ++i) {
        s += digits[r[i] >> 4];
        s += digits[r[i] & 15];
    }
    return s;
}

// The fields whose bytes differ between two records, as "key reads A, not B".
std::string differences(const uint8_t* is, const uint8_t* wanted) {
    std::string out;
    for (const ConfigField& f : config_fields()) {
        bool differs = false;
        for (int b : f.bytes) differs = differs || is[b] != wanted[b];
        if (!differs) continue;
        out += (out.empty() ? std::string() : "; ") + f.key + " reads " + f.get(is) + ", not " + f.get(wanted);
    }
    return out;
}

class ConfigCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (a.size() == 1 && (a[0] == "keys" || a[0] == "get")) {
            mode_ = a[0];
            return {};
        }
        if (a.size() < 2 || a[0] != "set") return "config keys | config get | config set KEY=VALUE ...";
        mode_ = "set";
        uint8_t scratch[kRecordSize] = {};
        for (std::size_t i = 1; i < a.size(); ++i) {
            const std::size_t eq = a[i].find('=');
            const std::string key = a[i].substr(0, eq);
            const ConfigField* f = find_config_field(key);
            if (eq == std::string::npos) return "config set: '" + a[i] + "' is not KEY=VALUE";
            if (f == nullptr) return "config set: unknown key '" + key + "' (see varanda config keys)";
            const std::string value = a[i].substr(eq + 1);
            if (!f->put(value, scratch)) return "config set: " + key + "=" + value + ": allowed values " + f->values;
            for (const auto& [k, v] : changes_)
                if (k == key) return "config set: " + key + " given twice";
            changes_.emplace_back(key, value);
        }
        return {};
    }

    void run(Session& s) override {
        run_all(s, "config " + mode_, [this](TerminalRun& r) { return mode_ == "get" ? get(r) : set(r); });
    }

    bool run_offline(const Options& o) override {
        if (mode_ != "keys") return false;
        for (const ConfigField& f : config_fields()) {
            if (o.json) std::printf("{\"key\":%s,\"values\":%s}\n", json_string(f.key).c_str(), json_string(f.values).c_str());
            else std::printf("%-26s %s\n", f.key.c_str(), f.values.c_str());
        }
        return true;
    }

private:
    static fleet::Outcome print(TerminalRun& run, const uint8_t* r) {
        std::string o;
        if (run.s.options.json) {
            o = strf("{\"terminal\":%d,\"ok\":true,\"config\":{", run.t);
            bool first = true;
            for (const ConfigField& f : config_fields()) {
                if (!first) o += ',';
                o += json_string(f.key);
                o += ':';
                o += json_string(f.get(r));
                first = false;
            }
            o += "},\"hex\":\"" + hex(r) + "\"}";
        } else {
            o = "terminal " + std::to_string(run.t);
            for (const ConfigField& f : config_fields()) o += strf("\n  %-26s %s", f.key.c_str(), f.get(r).c_str());
        }
        run.print(o);
        return fleet::Outcome::ok(run.t);
    }

    static fleet::Outcome get(TerminalRun& run) {
        uint8_t r[kRecordSize] = {};
        const uint8_t code = run.call("ReceberBufferConfig", run.s.sdk.ReceberBufferConfig, run.t, r);
        if (code != 0) return run.fail("config get", code);
        return print(run, r);
    }

    fleet::Outcome set(TerminalRun& run) {
        std::string list;
        for (const auto& [key, value] : changes_) list += (list.empty() ? std::string() : ", ") + key + "=" + value;
        uint8_t back[kRecordSize] = {};
        const fleet::Outcome o = change_configuration(run, changes_, back);
        if (o.status != fleet::Outcome::Status::ok) return o;
        return run.ok("configuration sent and read back: " + list, "\"hex\":\"" + hex(back) + "\"");
    }

    std::string mode_;
    std::vector<std::pair<std::string, std::string>> changes_;
};

}  // namespace

fleet::Outcome change_configuration(TerminalRun& run, const std::vector<std::pair<std::string, std::string>>& changes,
                                    uint8_t* back) {
    Session& s = run.s;
    const int32_t t = run.t;
    std::lock_guard<std::mutex> hold(s.blocks);
    {
        uint8_t now[kRecordSize] = {};
        uint8_t code = s.call("ReceberBufferConfig", t, s.sdk.ReceberBufferConfig, t, now);
        if (code != 0) return run.fail("config set: reading the record", code);
        uint8_t wanted[kRecordSize];
        std::memcpy(wanted, now, sizeof wanted);
        for (const auto& [key, value] : changes) find_config_field(key)->put(value, wanted);
        // The SDK holds one record and sends it whole: every field is set
        // from the terminal's own record, then the changes.
        for (const ConfigField& f : config_fields()) {
            code = f.apply(s, wanted);
            if (code != 0) return run.fail("config set: " + f.key + "=" + f.get(wanted), code);
        }
        uint8_t prepared[kRecordSize] = {};
        code = s.call("GetBufferConfigDLL", -1, s.sdk.GetBufferConfigDLL, int32_t{0}, prepared);
        if (code != 0) return run.fail("config set: the prepared record", code);
        if (std::string d = differences(prepared, wanted); !d.empty())
            return run.fail("config set", "nothing sent: the SDK cannot send this record back as it is (" + d +
                                              "); set those keys too");
        code = s.call("EnviarConfiguracoes", t, s.sdk.EnviarConfiguracoes, t);
        if (code != 0) return run.fail("config set", code);
        code = s.call("ReceberBufferConfig", t, s.sdk.ReceberBufferConfig, t, back);
        if (code != 0) return run.fail("config set: sent, but reading it back", code);
        if (std::string d = differences(back, prepared); !d.empty())
            return run.fail("config set", "sent, but the terminal reads back otherwise: " + d);
    }
    return fleet::Outcome::ok(t);
}

std::unique_ptr<Command> make_config() { return std::make_unique<ConfigCommand>(); }

}  // namespace vtool
