// ping and info.
#include <chrono>
#include <cstdio>

#include "command.h"

namespace vtool {

namespace {

class PingCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        return arguments(o).empty() ? std::string() : "ping takes no arguments";
    }
    void run(Session& s) override {
        run_all(s, "ping", [](TerminalRun& r) {
            const auto start = std::chrono::steady_clock::now();
            const uint8_t code = r.call("Ping", r.s.sdk.Ping, r.t);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (code != 0) return r.fail("ping", code);
            char text[64], json[64];
            std::snprintf(text, sizeof text, "ok, %.2f ms", ms);
            std::snprintf(json, sizeof json, "\"ms\":%.2f", ms);
            return r.ok(text, json);
        });
    }
};

class InfoCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        return arguments(o).empty() ? std::string() : "info takes no arguments";
    }
    void run(Session& s) override {
        run_all(s, "info", [this](TerminalRun& r) { return one(r); });
    }

private:
    static std::string absent(uint8_t code) { return "absent or not answering (code " + std::to_string(code) + ")"; }

    fleet::Outcome one(TerminalRun& run) {
        Session& s = run.s;
        const int32_t t = run.t;
        uint8_t kind = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;
        uint16_t version = 0;
        uint8_t r = s.call("ReceberVersaoFirmware", t, s.sdk.ReceberVersaoFirmware, t, &kind, &version, &b3, &b4, &b5, &b6);
        if (r != 0) return run.fail("info: firmware version", r);
        int32_t punches = 0;
        r = s.call("ReceberQuantidadeBilhetes", t, s.sdk.ReceberQuantidadeBilhetes, t, &punches);
        if (r != 0) return run.fail("info: punch count", r);

        // The modules: a terminal without one does not answer for it, which
        // is no failure of the terminal.
        int32_t model = 0, bio_users = 0;
        uint8_t bio = s.call("SolicitarModeloBio", t, s.sdk.SolicitarModeloBio, t);
        if (bio == 0) bio = s.call("ReceberModeloBio", t, s.sdk.ReceberModeloBio, t, uint8_t{0}, &model);
        if (bio == 0) bio = s.call("SolicitarQuantidadeUsuariosBio", t, s.sdk.SolicitarQuantidadeUsuariosBio, t);
        if (bio == 0) bio = s.call("ReceberQuantidadeUsuariosBio", t, s.sdk.ReceberQuantidadeUsuariosBio, t, uint8_t{0}, &bio_users);
        int32_t ossel_users = 0;
        uint8_t ossel = s.call("SolicitarTotalUsuariosOssel", t, s.sdk.SolicitarTotalUsuariosOssel, t, uint8_t{0});
        if (ossel == 0) ossel = s.call("ReceberTotalUsuariosOssel", t, s.sdk.ReceberTotalUsuariosOssel, t, &ossel_users);

        std::string o;
        if (s.options.json) {
            o += strf("{\"terminal\":%d,\"ok\":true,\"firmware\":{\"kind\":%u,\"version\":%u,\"bytes\":[%u,%u,%u,%u]},"
                        "\"punches\":%d,",
                        t, kind, version, b3, b4, b5, b6, punches);
            if (bio == 0) o += strf("\"fingerprint\":{\"model\":%d,\"users\":%d},", model, bio_users);
            else o += strf("\"fingerprint\":null,");
            if (ossel == 0) o += strf("\"ossel\":{\"users\":%d}}\n", ossel_users);
            else o += strf("\"ossel\":null}\n");
        } else {
            o += strf("terminal %d\n  firmware     %u, version %u (%u %u %u %u)\n  punches      %d\n", t, kind, version,
                        b3, b4, b5, b6, punches);
            if (bio == 0) o += strf("  fingerprint  model %d, %d users\n", model, bio_users);
            else o += strf("  fingerprint  %s\n", absent(bio).c_str());
            if (ossel == 0) o += strf("  ossel        %d users\n", ossel_users);
            else o += strf("  ossel        %s\n", absent(ossel).c_str());
        }
        o.pop_back();  // the last line's end: print() ends it
        run.print(o);
        return fleet::Outcome::ok(t);
    }
};

}  // namespace

std::unique_ptr<Command> make_ping() { return std::make_unique<PingCommand>(); }
std::unique_ptr<Command> make_info() { return std::make_unique<InfoCommand>(); }

}  // namespace vtool
