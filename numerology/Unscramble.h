#pragma once
// Stored readings (namefx, sancai) are kept as hexadecimal text of scrambled GBK bytes.
// Bytes in, bytes out: nothing here knows about encodings.
#include <string>
#include <string_view>

// The key and round count with which every stored reading is scrambled.
inline constexpr int kReadingKey = 4729;
inline constexpr int kReadingRounds = 7;

// Decodes pairs of hexadecimal digits (either case) into bytes. A last odd digit is ignored;
// a pair that is not two hexadecimal digits adds nothing and is counted in *badPairs
// (the caller beeps once for each).
std::string HexToText(std::string_view hex, int* badPairs = nullptr);

// HexToText, then `rounds` rounds of the two in-place passes keyed by the high and low byte
// of the 16-bit `key`. A text of one byte or none comes back as decoded.
std::string UnscrambleText(std::string_view hex, int key, int rounds, int* badPairs = nullptr);

// The inverse of UnscrambleText: scrambles `bytes` and writes them as upper-case
// hexadecimal digits, so that UnscrambleText(ScrambleText(b, k, r), k, r) == b.
std::string ScrambleText(std::string_view bytes, int key, int rounds);
