#include "numbers/PyCode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "numbers/PySyllables.h"
#include "numbers/PyTable.inc"

namespace {

constexpr int kFirstLead = 0x81;
constexpr int kFirstTrail = 0x40;
constexpr int kLeads = 126;   // 0x81..0xFE
constexpr int kTrails = 191;  // 0x40..0xFE
constexpr int kCells = kLeads * kTrails;

constexpr int AlphabetIndex(char c) {
    for (int i = 0; i < 64; ++i) {
        if (kPyCellAlphabet[i] == c) return i;
    }
    throw std::logic_error("bad cell character in PyTable.inc");
}

// Decoded while compiling; a malformed generated file fails the build here.
constexpr std::array<std::uint16_t, kCells> DecodeTable() {
    std::array<std::uint16_t, kCells> table{};
    for (int lead = 0; lead < kLeads; ++lead) {
        const char* row = kPyTableRows[lead];
        for (int trail = 0; trail < kTrails; ++trail) {
            int v = AlphabetIndex(row[2 * trail]) * 64 + AlphabetIndex(row[2 * trail + 1]);
            if (v > kPySyllableCount) throw std::logic_error("syllable number out of range");
            table[lead * kTrails + trail] = static_cast<std::uint16_t>(v);
        }
        if (row[2 * kTrails] != '\0') throw std::logic_error("row too long in PyTable.inc");
    }
    return table;
}

constexpr std::array<std::uint16_t, kCells> kTable = DecodeTable();

// Upper-case initial of every cell, 0 for no reading: the hot path of the net-name code.
constexpr std::array<char, kCells> MakeInitials() {
    std::array<char, kCells> initials{};
    for (int i = 0; i < kCells; ++i) {
        std::string_view s = kPySyllables[kTable[i]];
        initials[i] = s.empty() ? '\0' : static_cast<char>(s[0] - 'a' + 'A');
    }
    return initials;
}

constexpr std::array<char, kCells> kInitials = MakeInitials();

// Row 0xA2, trails 0xA1..0xFE: small and capital Roman numerals, numbers with a full stop,
// in parentheses, in circles and in parenthesised ideographs.
constexpr std::array<std::string_view, 94> MakeNumbered() {
    constexpr std::string_view kNumbers[] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                             "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
    struct Run {
        int firstTrail;
        int count;
    };
    constexpr Run kRuns[] = {{0xA1, 10}, {0xB1, 20}, {0xC5, 20}, {0xD9, 10}, {0xE5, 10}, {0xF1, 12}};
    std::array<std::string_view, 94> table{};
    for (const Run& run : kRuns) {
        for (int k = 0; k < run.count; ++k) table[run.firstTrail - 0xA1 + k] = kNumbers[k];
    }
    return table;
}

constexpr std::array<std::string_view, 94> kNumbered = MakeNumbered();

// Greek letters in alphabet order; capitals at 0xA6A1.., small letters at 0xA6C1...
constexpr std::array<std::string_view, 24> kGreek = {"A", "B", "G", "D", "E",  "Z",  "E",  "TH",
                                                     "I", "K", "L", "M", "N",  "X",  "O",  "P",
                                                     "R", "S", "T", "U", "PH", "KH", "PS", "O"};

constexpr bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr char Upper(unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

int CellOf(unsigned char lead, unsigned char trail) {
    if (lead < kFirstLead || lead > 0xFE || trail < kFirstTrail || trail > 0xFE) return -1;
    return (lead - kFirstLead) * kTrails + (trail - kFirstTrail);
}

}  // namespace

int PySyllableNumber(unsigned char lead, unsigned char trail) {
    int cell = CellOf(lead, trail);
    return cell < 0 ? 0 : kTable[cell];
}

std::string GetPyCode(std::string_view gbk, int options, int maxLength) {
    std::string out;
    if (options < 0 || maxLength <= 0) return out;
    const bool full = options & pyFullSyllable;
    const bool mark = options & pyMarkMissing;
    const bool keepAll = options & pyKeepAll;
    const size_t limit = static_cast<size_t>(maxLength);
    out.reserve(std::min(limit, gbk.size()));
    auto missing = [&] {
        if (mark) out.push_back('?');
    };

    const auto* s = reinterpret_cast<const unsigned char*>(gbk.data());
    const size_t n = gbk.size();
    size_t i = 0;
    // The output only grows, so once it holds `limit` bytes the rest cannot change the cut.
    while (i < n && out.size() < limit) {
        const unsigned char b = s[i];
        const unsigned char c = i + 1 < n ? s[i + 1] : 0;
        if (b < 0x81 || c < 0x40) {
            // A single byte, or a lead byte without a trail byte after it.
            if (keepAll || IsDigit(b) || IsLetter(b)) out.push_back(Upper(b));
            ++i;
            continue;
        }
        i += 2;
        if (b == 0xA2) {
            if (c >= 0xA1 && c <= 0xFE)
                out.append(kNumbered[c - 0xA1]);
            else
                missing();
        } else if (b == 0xA3) {
            // Full-width ASCII 0xA3A1..0xA3FE stands for 0x21..0x7E. The rest of the row
            // holds no such character; its bytes would come out as broken GBK, so it gives
            // nothing at all.
            if (c >= 0xA1 && c <= 0xFE) {
                const auto a = static_cast<unsigned char>(c - 0x80);
                if (keepAll || IsDigit(a) || IsLetter(a)) out.push_back(static_cast<char>(a));
            }
        } else if (b == 0xA6) {
            if (c >= 0xA1 && c <= 0xB8)
                out.append(kGreek[c - 0xA1]);
            else if (c >= 0xC1 && c <= 0xD8)
                out.append(kGreek[c - 0xC1]);
            else
                missing();
        } else {
            const int cell = CellOf(b, c);
            if (cell < 0 || kTable[cell] == 0) {
                missing();
            } else if (full) {
                for (char l : kPySyllables[kTable[cell]]) out.push_back(Upper(static_cast<unsigned char>(l)));
            } else {
                out.push_back(kInitials[cell]);
            }
        }
    }
    if (out.size() > limit) out.resize(limit);
    return out;
}
