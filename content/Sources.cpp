#include "content/Sources.h"

#include <bzlib.h>
#include <lzma.h>

#include <algorithm>
#include <fstream>
#include <memory>

#include "text/Gbk.h"

namespace fs = std::filesystem;

bool IsPlaceholder(std::string_view text) { return text.starts_with(kPlaceholderMark); }

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ContentError("cannot read " + path.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ContentError("cannot read " + path.string());
    return bytes;
}

std::string ReadXzFile(const fs::path& path) {
    const std::string packed = ReadFileBytes(path);
    lzma_stream strm = LZMA_STREAM_INIT;
    if (lzma_stream_decoder(&strm, UINT64_MAX, LZMA_CONCATENATED) != LZMA_OK)
        throw ContentError("cannot start the xz decoder");
    std::unique_ptr<lzma_stream, void (*)(lzma_stream*)> guard(&strm, lzma_end);
    strm.next_in = reinterpret_cast<const uint8_t*>(packed.data());
    strm.avail_in = packed.size();
    std::string out;
    std::vector<uint8_t> buf(1 << 20);
    for (;;) {
        strm.next_out = buf.data();
        strm.avail_out = buf.size();
        const lzma_ret rc = lzma_code(&strm, LZMA_FINISH);
        out.append(reinterpret_cast<const char*>(buf.data()), buf.size() - strm.avail_out);
        if (rc == LZMA_STREAM_END) return out;
        if (rc != LZMA_OK)
            throw ContentError(path.string() + " is not a complete xz file (error " + std::to_string(rc) +
                               ")");
    }
}

std::string ReadBz2File(const fs::path& path) {
    const std::string packed = ReadFileBytes(path);
    bz_stream strm{};
    if (BZ2_bzDecompressInit(&strm, 0, 0) != BZ_OK) throw ContentError("cannot start the bzip2 decoder");
    std::unique_ptr<bz_stream, int (*)(bz_stream*)> guard(&strm, BZ2_bzDecompressEnd);
    strm.next_in = const_cast<char*>(packed.data());
    strm.avail_in = static_cast<unsigned>(packed.size());
    std::string out;
    std::vector<char> buf(1 << 20);
    for (;;) {
        strm.next_out = buf.data();
        strm.avail_out = static_cast<unsigned>(buf.size());
        const int rc = BZ2_bzDecompress(&strm);
        out.append(buf.data(), buf.size() - strm.avail_out);
        if (rc == BZ_STREAM_END) return out;
        if (rc != BZ_OK || (strm.avail_in == 0 && strm.avail_out != 0))
            throw ContentError(path.string() + " is not a complete bzip2 file");
    }
}

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

bool IsBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::vector<TsvRow> ParseTsv(std::string_view text, size_t columns, const std::string& name) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<TsvRow> rows;
    int lineNo = 0;
    for (std::string_view line : SplitLines(text)) {
        ++lineNo;
        if (IsBlank(line) || line.front() == '#') continue;
        TsvRow row{lineNo, {}};
        size_t pos = 0;
        for (;;) {
            size_t tab = line.find('\t', pos);
            row.fields.emplace_back(
                line.substr(pos, tab == std::string_view::npos ? std::string_view::npos : tab - pos));
            if (tab == std::string_view::npos) break;
            pos = tab + 1;
        }
        const std::string where = name + ":" + std::to_string(lineNo);
        if (row.fields.size() != columns)
            throw ContentError(where + ": " + std::to_string(row.fields.size()) + " fields, expected " +
                               std::to_string(columns));
        for (const auto& f : row.fields)
            if (IsBlank(f)) throw ContentError(where + ": empty field");
        rows.push_back(std::move(row));
    }
    return rows;
}

ReadingFile ParseReadingFile(std::string_view text, const std::vector<std::string>& headers,
                             const std::string& name) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines = SplitLines(text);
    ReadingFile file;
    size_t first = 0;
    auto headerOf = [&](std::string_view line) -> const std::string* {
        for (const auto& h : headers)
            if (line.size() > h.size() && line.starts_with(h) && line[h.size()] == ':') return &h;
        return nullptr;
    };
    if (!lines.empty() && headerOf(lines[0])) {
        for (; first < lines.size() && !IsBlank(lines[first]); ++first) {
            const std::string* h = headerOf(lines[first]);
            if (!h) throw ContentError(name + ":" + std::to_string(first + 1) + ": not a header line");
            std::string_view value = lines[first].substr(h->size() + 1);
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
            if (value.empty()) throw ContentError(name + ":" + std::to_string(first + 1) + ": empty " + *h);
            if (!file.headers.emplace(*h, std::string(value)).second)
                throw ContentError(name + ":" + std::to_string(first + 1) + ": " + *h + " given twice");
        }
    }
    for (const auto& h : headers)
        if (!file.headers.count(h)) throw ContentError(name + ": the header " + h + ": is missing");
    size_t last = lines.size();
    while (first < last && IsBlank(lines[first])) ++first;
    while (last > first && IsBlank(lines[last - 1])) --last;
    for (size_t i = first; i < last; ++i) {
        if (i > first) file.body += '\n';
        file.body.append(lines[i]);
    }
    return file;
}

std::vector<fs::path> FilesIn(const fs::path& dir, std::string_view suffix) {
    std::vector<fs::path> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string fileName = entry.path().filename().string();
        if (entry.is_regular_file() && fileName.size() > suffix.size() && fileName.ends_with(suffix))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool FitsGbk(std::string_view utf8) { return GbkToUtf8(Utf8ToGbk(utf8)) == utf8; }
