#pragma once
// Reading the human-editable content sources: tab-separated tables, one text file per
// reading, and the compressed files of generated data.
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Anything wrong with a source or with a built file. The message names the file (and line).
class ContentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Marks a text in the sources that stands in for a reading still to be written.
inline constexpr std::string_view kPlaceholderMark = "【占位】";
bool IsPlaceholder(std::string_view text);

std::string ReadFileBytes(const std::filesystem::path& path);
// The whole of an .xz or .bz2 file, decompressed.
std::string ReadXzFile(const std::filesystem::path& path);
std::string ReadBz2File(const std::filesystem::path& path);

struct TsvRow {
    int line;  // 1-based, for messages
    std::vector<std::string> fields;
};

// Lines split at tabs. Blank lines and lines starting with "#" are skipped; a CR before
// the line end is dropped. Every row must have exactly `columns` fields, none empty.
std::vector<TsvRow> ParseTsv(std::string_view text, size_t columns, const std::string& name);

// A reading file: optional header lines "name: value" up to the first empty line, then
// the body. Only the names in `headers` are recognised, and all of them are required when
// the file starts with one; a file without headers is all body.
struct ReadingFile {
    std::map<std::string, std::string> headers;
    std::string body;  // without leading and trailing blank lines; inner line ends are "\n"
};
ReadingFile ParseReadingFile(std::string_view text, const std::vector<std::string>& headers,
                             const std::string& name);

// The regular files directly in `dir` whose name ends in `suffix`, sorted by name; an
// absent folder holds none.
std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& dir, std::string_view suffix);

// True when the UTF-8 text survives the trip to GBK and back unchanged.
bool FitsGbk(std::string_view utf8);
