#pragma once
// The almanac's rules that need no window: the check of the three date texts, the key and
// statement built from them, and the labelled lines made of a found `huangdao` row.
// Texts are UTF-8.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What is wrong with the year, month and day texts, in the order they are checked.
enum class DateTextFault { None, NoYear, NoMonth, NoDay, NotADate };

struct DateTextCheck {
    DateTextFault fault = DateTextFault::None;
    std::string key;  // AlmanacKey; empty unless all three texts were present
};

// year + "-" + month + "-" + day, each with leading and trailing blanks removed and
// otherwise as typed ("5" stays "5").
std::string AlmanacKey(std::string_view year, std::string_view month, std::string_view day);

// Checks the texts in order: year, month and day present, then the key read as a date by
// `readsAsDate` (the program's short date format). The first failure wins; `readsAsDate`
// is asked only when all three texts are present.
DateTextCheck CheckDateTexts(std::string_view year, std::string_view month, std::string_view day,
                             const std::function<bool(const std::string& key)>& readsAsDate);

// The information message of a fault; empty for DateTextFault::None.
std::string DateTextMessage(DateTextFault fault);

// The lookup of the row of a date. The key goes between "#" unquoted, so it must have
// passed CheckDateTexts first.
std::string HuangdaoSql(std::string_view key);

// Reads one column of the found row by name as text; throws when the row has no such column.
using ColumnReader = std::function<std::string(std::string_view column)>;

// The day summary line: key, two spaces, the trimmed `nn`.
std::string AlmanacSummary(std::string_view key, const ColumnReader& column);

// The entry's lines, each value trimmed and joined to its label without a space, an empty
// line between entries. A missing column among `suici` .. `ji` throws and yields nothing.
// With `withHours` the auspicious hours follow; if `jishi` cannot be read they are left out
// and the lines before them stand.
std::vector<std::string> AlmanacLines(const ColumnReader& column, bool withHours);
