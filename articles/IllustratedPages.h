#pragma once
// The illustrated articles: their pages in VorFile.dll's `tuwen` table, which pages a window
// shows, and the paging between them. No window here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Query;

inline constexpr int kMaxIllustratedPages = 15;

// "select page,format,picture,content from tuwen where code = '<code>' order by page":
// the code column holds text, so the number goes in as a quoted literal.
std::string IllustratedSql(int code);

struct IllustratedPage {
    int page = 0;
    std::string format;   // "svg" or "png" as stored; other raster formats are read by their bytes
    std::string picture;  // the picture file's bytes
    std::string text;     // trimmed, line breaks as "\n"
};

// The pages a window shows: page 1, 2, ... as long as they follow each other without a gap,
// at most kMaxIllustratedPages. A number that repeats keeps its first row; rows outside
// 1..15 or after a gap are left out, so the count always matches what can be shown.
std::vector<IllustratedPage> ArrangePages(std::vector<IllustratedPage> rows);

// Runs IllustratedSql on the window's query (which keeps its binding) and returns the
// arranged pages; an article without rows has none. A statement that cannot run throws
// AbortCommand. A row whose page is no number is left out.
std::vector<IllustratedPage> ReadIllustratedPages(Query& query, int code);

// The number a number button carries in its name: the digits after "ABtn" ("ABtn7" is 7);
// 0 for any other name.
int NumberOfButton(std::string_view objectName);

// Current page and page count of an illustrated-article window. Every move returns the page
// to bring to the front, always within 1 and the count; with no page at all there is none.
class PageNavigator {
public:
    // Page 1 of `pageCount` pages (0 to 15).
    void Reset(int pageCount);
    int Current() const { return current_; }
    int Count() const { return count_; }
    // Whether number button `k` may be chosen.
    bool Allows(int k) const { return k >= 1 && k <= count_; }

    std::optional<int> First();
    std::optional<int> Last();
    std::optional<int> Previous();  // stays on page 1
    std::optional<int> Next();      // stays on the last page
    std::optional<int> Go(int k);   // a page that does not exist leaves the current one

private:
    std::optional<int> Shown() const;
    int current_ = 1;  // [1, max(1, count_)]
    int count_ = 0;    // [0, 15]
};
