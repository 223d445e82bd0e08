#pragma once
// The mobile number reading: a key from 0 to 79 made from the number's last digits, looked
// up in the shouji table of dream.dll.
#include <string>
#include <string_view>

// The key of a number (UTF-8): the characters from the 8th to the end, read as a decimal
// integer, remainder by 80 with truncating division, in decimal. Positions count GBK bytes,
// a Chinese character two. Throws ConversionError naming those characters when they are
// missing (a number shorter than eight) or are not a decimal integer.
std::string shoujiinfostr(std::string_view number);

// select title,jx,content from shouji where num = '<key>'
std::string ShoujiStatement(std::string_view key);

struct MobileReading {
    std::string title;    // "状态"
    std::string luck;     // jx, "吉凶"
    std::string content;  // "具体表现"
};

// The stored reading of a key, fields trimmed; all empty when no row has the key. Throws
// AbortCommand (store/Errors.h) when the lookup cannot run.
MobileReading LookupMobileReading(const std::string& connectionString, std::string_view key);
