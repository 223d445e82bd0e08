#pragma once
// GBK (code page 936) <-> UTF-8. GBK is used only where its bytes matter: saved result
// files, byte positions of name parts, letter codes and unscrambled texts.
#include <string>
#include <string_view>

// A character GBK cannot hold, and every malformed UTF-8 sequence, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// Invalid or truncated GBK sequences become "?"; never fails.
std::string GbkToUtf8(std::string_view gbk);

// True when the byte starts a GBK double-byte character.
constexpr bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
