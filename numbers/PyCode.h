#pragma once
// Letter codes of GBK text: pinyin initials (or whole syllables) of Chinese characters,
// numbers of numbered symbols, Latin letters of full-width and Greek letters.
#include <string>
#include <string_view>

// Option bits of GetPyCode.
inline constexpr int pyFullSyllable = 1;  // a character gives its whole syllable, not its initial
inline constexpr int pyMarkMissing = 2;   // a character without a reading gives "?"
inline constexpr int pyKeepAll = 4;       // every single byte and full-width symbol passes

// GBK text in, GBK text out (ASCII except for bytes that pyKeepAll lets through), cut to
// its first `maxLength` bytes. Letters come out in upper case, except full-width letters,
// which keep their case. A negative `options` or `maxLength` gives empty text.
std::string GetPyCode(std::string_view gbk, int options, int maxLength);

// The syllable number (index into kPySyllables) of a double-byte code; 0 when it has no
// reading or lies outside the table.
int PySyllableNumber(unsigned char lead, unsigned char trail);
