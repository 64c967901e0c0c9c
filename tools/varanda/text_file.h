// Reading a whole input file and walking its lines.
#pragma once
#include <string>
#include <vector>

namespace vtool {

// The file's contents; false with a one-line reason when it cannot be read.
bool read_text_file(const std::string& path, std::string& text, std::string& error);

struct Line {
    int number;         // from 1
    std::string text;   // without the end of line, the comment and surrounding blanks
};

// The lines that carry something: '#' starts a comment, blank lines are skipped,
// "\r\n" ends a line as "\n" does.
std::vector<Line> content_lines(const std::string& text);

// Splits on `separator`, trimming blanks around each field.
std::vector<std::string> split_fields(const std::string& line, char separator);

std::string trim(const std::string& s);

// The fields of a CSV line as spreadsheets write it: separated by ';' when the
// line has one outside quotes, else by ','; each trimmed, and unquoted when
// quoted ("" inside quotes is one ").
std::vector<std::string> csv_fields(const std::string& line);

// The text without a leading UTF-8 byte-order mark.
std::string without_bom(const std::string& text);

// The text for a message: printable ASCII kept, any other byte as \xNN.
std::string printable(const std::string& text);

// "" when `path` can be appended to (it exists and is writable, or its folder
// is); else a one-line reason. Creates nothing.
std::string check_writable(const std::string& path);

// A display text in the terminal's single-byte code page (ISO-8859-1): on
// Linux the command line is UTF-8, each character becomes its byte, and a
// character the code page lacks (or a byte that is no UTF-8) becomes '?' and
// is named in `lacking`. On Windows the command line is already in the code
// page and is kept.
std::string display_bytes(const std::string& text, std::string& lacking);

// A JSON string literal of the text (quotes, escapes).
std::string json_string(const std::string& text);

}  // namespace vtool
