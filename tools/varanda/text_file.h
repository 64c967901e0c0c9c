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

// "" when `path` can be appended to (it exists and is writable, or its folder
// is); else a one-line reason. Creates nothing.
std::string check_writable(const std::string& path);

// A JSON string literal of the text (quotes, escapes).
std::string json_string(const std::string& text);

}  // namespace vtool
