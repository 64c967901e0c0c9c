#include "text_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text.h"

namespace vtool {

bool read_text_file(const std::string& path, std::string& text, std::string& error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        error = path + ": cannot open (" + std::strerror(errno) + ")";
        return false;
    }
    text.clear();
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        error = path + ": cannot read";
        return false;
    }
    return true;
}

std::string trim(const std::string& s) {
    const char* blanks = " \t\r\n";
    const std::size_t a = s.find_first_not_of(blanks);
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(blanks) - a + 1);
}

std::vector<Line> content_lines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        line = trim(line);
        if (!line.empty()) lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> split_fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t p = line.find(separator, start);
        fields.push_back(trim(line.substr(start, p == std::string::npos ? std::string::npos : p - start)));
        if (p == std::string::npos) break;
        start = p + 1;
    }
    return fields;
}

namespace {
// The separator of a CSV line: ';' when one stands outside quotes, else ','.
char csv_separator(const std::string& line) {
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        if (!quoted && c == ';') return ';';
    }
    return ',';
}
}  // namespace

std::vector<std::string> csv_fields(const std::string& line) {
    const char separator = csv_separator(line);
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& f : fields) f = trim(f);
    return fields;
}

std::string without_bom(const std::string& text) {
    return text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text;
}

std::string printable(const std::string& text) { return fleet::printable(text); }

std::string json_string(const std::string& text) { return fleet::json_text(text); }

#if !defined(_WIN32)
namespace {
// The code point of the UTF-8 sequence at text[i], advancing i; -1 for a bad sequence (one byte skipped).
long next_code_point(const std::string& text, std::size_t& i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    const int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    long cp = extra > 0 ? c & (0x3F >> extra) : 0;
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += extra > 0 ? extra + 1 : 1;
    return extra > 0 ? cp : -1;
}
}  // namespace
#endif

std::string display_bytes(const std::string& text, std::string& lacking) {
#if defined(_WIN32)
    lacking.clear();
    return text;
#else
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const long cp = next_code_point(text, i);
        if (cp >= 0 && cp <= 0xFF) {
            out += static_cast<char>(cp);
            continue;
        }
        out += '?';
        lacking += (lacking.empty() ? "" : " ") + printable(text.substr(start, i - start));
    }
    return out;
#endif
}


}  // namespace vtool

namespace vtool {

std::string check_writable(const std::string& path) {
    if (std::FILE* f = std::fopen(path.c_str(), "r+b")) {
        std::fclose(f);
        return {};
    }
    if (errno != ENOENT) return path + ": cannot open for writing (" + std::strerror(errno) + ")";
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || (st.st_mode & S_IFMT) != S_IFDIR)
        return path + ": cannot open for writing (no folder " + folder + ")";
    return {};
}

}  // namespace vtool
