#include "session.h"

#include <cstdlib>

#include "diagnosis.h"
#include "text_file.h"
#include "varanda_codes.h"

namespace vtool {

namespace {
const char* hint(uint8_t code) {
    switch (code) {
        case 1: return "check the cable, the address and the terminal number";
        case 2: return "the port is not open";
        case 3: return "the port is already open";
        case 4: case 5: case 6: case 10: return "install the back end beside the SDK";
        case 7: return "use --type modem";
        case 8: return "the SDK caught an internal error";
        default: return nullptr;
    }
}
constexpr uint8_t kSerialCom = 4;

const char* type_name(uint8_t type) {
    static const char* names[] = {"serial", "tcp", "tcp-com", "modem", "serial-com"};
    return type < 5 ? names[type] : "?";
}
}  // namespace

std::string describe_code(uint8_t code, const char* operation) {
    std::string s = std::string(varanda_code_text_for(operation, code)) + " (code " + std::to_string(code) + ")";
    if (const char* h = hint(code)) s += std::string(": ") + h;
    return s;
}

void say(const std::string& text) { std::fprintf(stderr, "varanda: %s\n", text.c_str()); }

Session::~Session() {
    if (opened_) call("FecharPortaComunicacao", -1, sdk.FecharPortaComunicacao);
}

static void set_env(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// --timeout and --retries reach the back-ends as they read them when the port opens.
void Session::set_link_options() {
    if (options.type == kSerialCom) set_env("CORVO_SERIAL_COM_TERMINAL", std::to_string(options.terminals[0]));
    const std::pair<const std::optional<long>*, const char*> settings[] = {
        {&options.timeout_ms, "CORVO_LINK_TIMEOUT_MS"}, {&options.retries, "CORVO_LINK_RETRIES"}};
    for (const auto& [value, name] : settings) {
        if (*value) set_env(name, std::to_string(**value));
    }
}

bool Session::open() {
    if (std::string e = sdk.load(); !e.empty()) {
        return refuse(e);
    }
    set_link_options();
    if (options.old_model) call("SetarCorvoOld", -1, sdk.SetarCorvoOld, int32_t{0}, int32_t{1});
    const std::string where = std::string(type_name(options.type)) + " port " + std::to_string(*options.port);
    if (uint8_t r = call("DefinirTipoConexao", -1, sdk.DefinirTipoConexao, options.type); r != 0) {
        return refuse("connection type " + std::string(type_name(options.type)) + ": " + describe_code(r));
    }
    if (options.type == 3) {
        const int32_t r = call("ConectarModem", options.terminals[0], sdk.ConectarModem, *options.port,
                               options.modem_init.c_str(), options.pulse ? 0 : 1, options.dial.c_str(),
                               options.terminals[0]);
        opened_ = true;
        if (r != 1) {
            const char* why = r == 3   ? "no carrier"
                              : r == 6 ? "no dial tone"
                              : r == 7 ? "the line is busy"
                                       : "the modem did not connect or the terminal did not answer";
            return refuse("dialling " + options.dial + " on " + where + ": " + why + " (result " + std::to_string(r) + ")");
        }
        return true;
    }
    const uint8_t r = call("AbrirPortaComunicacao", -1, sdk.AbrirPortaComunicacao, *options.port);
    if (r != 0) {
        const std::string fault = r == VARANDA_FAILED ? locate(options, options.terminals[0]).fault : "";
        return refuse("cannot open " + where + ": " + (fault.empty() ? describe_code(r) : fault + " (code 1)"));
    }
    opened_ = true;
    return true;
}

// The run cannot begin: said once on standard error and, with --json, as a
// failure line for each terminal.
bool Session::refuse(const std::string& why) {
    say(why);
    ++failures_;
    if (options.json)
        for (int32_t t : options.terminals)
            std::printf("{\"terminal\":%d,\"ok\":false,\"error\":%s}\n", t, json_string(why).c_str());
    return false;
}

thread_local const char* Session::last_operation_ = nullptr;

std::string Session::explain(int32_t terminal, uint8_t code, const char* operation) {
    if (code != VARANDA_FAILED) return describe_code(code, operation != nullptr ? operation : last_operation_);
    return diagnose(options, terminal, [&] { return call("Ping", terminal, sdk.Ping, terminal); }) + " (code 1)";
}

std::string connection_name(const Options& o) {
    return std::string(type_name(o.type)) + "-" + (o.port ? std::to_string(*o.port) : std::string("none"));
}

void Session::trace_code(const char* name, long terminal, uint8_t code, double ms) {
    std::fprintf(stderr, "varanda: trace: %s terminal %ld: %s, %.2f ms\n", name, terminal, result_text(name, code).c_str(), ms);
}

std::string Session::result_text(const char* name, uint8_t code) {
    return "code " + std::to_string(code) + " " + varanda_code_text_for(name, code);
}

void Session::trace(const char* name, long terminal, const std::string& result,
                    std::chrono::steady_clock::time_point start) {
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (terminal >= 0)
        std::fprintf(stderr, "varanda: trace: %s terminal %ld: %s, %.2f ms\n", name, terminal, result.c_str(), ms);
    else
        std::fprintf(stderr, "varanda: trace: %s: %s, %.2f ms\n", name, result.c_str(), ms);
}

}  // namespace vtool
