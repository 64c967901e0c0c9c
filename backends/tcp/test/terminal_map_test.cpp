// The terminal map's text and file: what each line means, and the report of
// the first bad line (nothing of a bad map is kept).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "terminal_map.h"

namespace corvo::tcp {
namespace {

struct Case {
    const char* text;
    const char* error;  // "" when the map is good
    std::vector<MapEntry> entries;
};

TEST(TerminalMap, ParsesOrReportsTheFirstBadLine) {
    const Case cases[] = {
        {"3 10.0.0.7:3000\n", "", {{3, 3, {"10.0.0.7", 3000}, 1}}},
        {"# site A\n\n  1-8\t10.0.0.5:3000   # converter\n9 host.example:1\r\n4294967295 h:65535",
         "",
         {{1, 8, {"10.0.0.5", 3000}, 3}, {9, 9, {"host.example", 1}, 4}, {4294967295u, 4294967295u, {"h", 65535}, 5}}},
        {"0-0 a:7\n", "", {{0, 0, {"a", 7}, 1}}},
        {"", "names no terminal", {}},
        {"# only a comment\n   \n", "names no terminal", {}},
        {"1 a:1\n2\n", "line 2: no HOST:PORT after '2'", {}},
        {"1 a:1 b:2\n", "line 1: unexpected 'b:2' after the address", {}},
        {"x a:1\n", "line 1: bad terminal number 'x'", {}},
        {"-3 a:1\n", "line 1: bad terminal number '-3'", {}},
        {"4294967296 a:1\n", "line 1: bad terminal number '4294967296'", {}},
        {"8-1 a:1\n", "line 1: range '8-1' ends before it starts", {}},
        {"1-2-3 a:1\n", "line 1: bad terminal number '1-2-3'", {}},
        {"1 a\n", "line 1: 'a' is not HOST:PORT", {}},
        {"1 :80\n", "line 1: ':80' is not HOST:PORT", {}},
        {"1 a:0\n", "line 1: bad port '0'", {}},
        {"1 a:65536\n", "line 1: bad port '65536'", {}},
        {"1 a:\n", "line 1: bad port ''", {}},
        {"1 a:8x\n", "line 1: bad port '8x'", {}},
        {"1-8 a:1\n# ok\n8 b:2\n", "line 3: terminal 8 is named on line 1 already", {}},
        {"5 a:1\n1-9 b:2\n", "line 2: terminal 5 is named on line 1 already", {}},
        {"1-8 a:1\n1-8 a:1\n", "line 2: terminal 1 is named on line 1 already", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TerminalMap map;
        map.entries.push_back({42, 42, {"stale", 1}, 1});
        std::string error;
        const bool ok = parse_terminal_map(c.text, map, error);
        EXPECT_EQ(*c.error == '\0', ok);
        if (!ok) {
            EXPECT_EQ(c.error, error);
            EXPECT_TRUE(map.entries.empty());
            continue;
        }
        ASSERT_EQ(c.entries.size(), map.entries.size());
        for (std::size_t i = 0; i < c.entries.size(); ++i) {
            EXPECT_EQ(c.entries[i].first, map.entries[i].first);
            EXPECT_EQ(c.entries[i].last, map.entries[i].last);
            EXPECT_EQ(c.entries[i].address, map.entries[i].address);
            EXPECT_EQ(c.entries[i].line, map.entries[i].line);
        }
    }
}

TEST(TerminalMap, FindsTheEntryOfATerminal) {
    TerminalMap map;
    std::string error;
    ASSERT_TRUE(parse_terminal_map("1-8 a:1\n10 b:2\n", map, error));
    for (const auto& [terminal, line] : {std::pair<uint32_t, int>{1, 1}, {8, 1}, {10, 2}, {9, 0}, {0, 0}}) {
        EXPECT_EQ(line, map.find(terminal) ? map.find(terminal)->line : 0) << terminal;
    }
}

// The file of CORVO_TCP_TERMINALS (hosts here resolve without a name server).
TEST(TerminalMap, LoadsTheFileOfTheEnvironment) {
    const auto dir = std::filesystem::temp_directory_path() / ("corvo-map-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto file = [&](const char* name, const char* text) {
        const auto path = dir / name;
        std::ofstream(path) << text;
        return path.string();
    };
    struct FileCase {
        std::string path;  // "" : the variable unset
        const char* error_end;
        std::size_t entries;
    } cases[] = {
        {"", "", 0},
        {file("good", "1 127.0.0.1:9\n2-3 localhost:10\n"), "", 2},
        {(dir / "missing").string(), ": cannot be read", 0},
        {dir.string(), ": cannot be read", 0},
        {file("empty", ""), ": names no terminal", 0},
        {file("bad", "1 127.0.0.1:9\n2 127.0.0.1:99999\n"), ": line 2: bad port '99999'", 0},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.path.empty())
            unsetenv("CORVO_TCP_TERMINALS");
        else
            setenv("CORVO_TCP_TERMINALS", c.path.c_str(), 1);
        TerminalMap map;
        std::string error;
        const bool ok = load_terminal_map(map, error);
        EXPECT_EQ(*c.error_end == '\0', ok) << error;
        EXPECT_EQ(c.entries, map.entries.size());
        if (!ok) {
            EXPECT_EQ("CORVO_TCP_TERMINALS=" + c.path + c.error_end, error);
        }
    }
    unsetenv("CORVO_TCP_TERMINALS");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace corvo::tcp
