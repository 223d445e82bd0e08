#pragma once
// The bone-weight reading (骨重): one stored weight for each of the lunar birth year, month,
// day and clock hour, added up and read as 两 and 钱, and the stored verse of that weight.
// Every weight and verse lives in dream.dll; this unit holds the statements and the arithmetic.
#include <optional>
#include <span>
#include <string>
#include <string_view>

class Query;

// The items of the four lists, which are also the keys of the component tables.
std::span<const std::string> BoneYears();        // "1900" to "2019"
std::span<const std::string_view> BoneMonths();  // "正" to "腊"
std::span<const std::string_view> BoneDays();    // "初一" to "三十"
std::span<const std::string_view> BoneHours();   // "0" to "23"

enum class BonePart { Year, Month, Day, Hour };

// "Select weight from chenggu1 where year ='1984'" and its three siblings: no blank between
// "=" and the quoted key.
std::string BonePartSql(BonePart part, std::string_view key);
// "Select content from chenggu where weight ='32'".
std::string BoneVerseSql(std::string_view weightKey);

// The total in its shortest general form with at most 15 significant digits, so that
// rounding noise does not show: 3.1999999999999997 gives "3.2", 4 gives "4".
std::string WeightTotalText(double total);

// The key of a total's text: the whole 两 followed by the first digit after the point, the
// further digits dropped ("3.2" -> "32", "4" -> "40", "3.05" -> "30"). A total of 10 两 or
// more keeps all its 两 digits ("12.5" -> "125"), which no stored verse has. nullopt for a
// text that is no plain non-negative decimal (a negative total, an exponent, nan).
std::optional<std::string> WeightKeyOf(std::string_view totalText);

// "你的骨重为：3两2钱", or "你的骨重为：4两" when the key ends in "0".
std::string WeightLineOf(std::string_view weightKey);

struct BoneBirth {
    std::string year, month, day, hour;  // list texts, UTF-8
};

struct BoneReading {
    double total = 0;
    std::string key;                   // empty when the total has none
    std::string line;                  // empty when no verse is stored for the key
    std::optional<std::string> verse;  // trimmed; nullopt when none is stored
};

// Runs the four component statements and the verse statement one after the other on `query`,
// which the caller has bound to dream.dll. A component without a row adds 0. Throws
// AbortCommand as soon as a statement cannot run or its weight is no number.
BoneReading ReadBoneWeight(Query& query, const BoneBirth& birth);
