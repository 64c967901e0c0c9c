#include "text_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

std::string json_string(const std::string& text) {
    std::string s = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            s += b;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + "\"";
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
