#pragma once
// The menus of the main window as data: parsed from a table text (MenuBar.txt), Qt-free so
// the table itself is tested without a window.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an entry does when chosen.
enum class CommandKind {
    None,
    Exit,
    Almanac,  // a new almanac window on today's date
    Omen,     // arg: kind 0..6
    Mobile,
    QQ,
    AnyNumber,
    NetName,
    BabySex,
    Calendar,
    Article,      // code: the article code
    Illustrated,  // arg: the article number; the entry's caption is the title
    CustomerService,
    Mail,
    HomePage,
    About,
    Upgrade,
    // Commands the main window defines beside its menu bar.
    OpenRecord,
    SaveResult,
    SaveResultAs,
    PrintSetup,
    PrintResult,
    NameAnalysis,
    ThreeTalents,
    BoneWeight,
    ZodiacReading,
    BloodTypeReading,
    StarSignReading,
    StarSignArticle,  // arg: table kind 0..4, 6
};

struct Command {
    CommandKind kind = CommandKind::None;
    int arg = 0;
    std::string code;
    bool operator==(const Command&) const = default;
};

// Parses an action field ("", "a:c1", "i:17", "omen:3", "calendar", ...); nullopt when unknown.
std::optional<Command> ParseCommand(std::string_view action);

struct MenuNode {
    enum class Type { Menu, Entry, Separator };
    Type type = Type::Entry;
    std::string caption;  // UTF-8, every blank kept
    Command command;
    std::string hint;
    std::string objectName;
    std::vector<MenuNode> children;  // for menus and submenus
};

// Parses the table text into its top-level menus. Throws std::invalid_argument naming the
// line for a malformed table (a wrong depth, an unknown action), since the table ships with
// the program and a mistake in it must fail its test rather than hide an entry.
std::vector<MenuNode> ParseMenuTable(std::string_view text);

// The hint rule of window creation: trimmed hint not empty and beginning with capital "F".
bool HintDisablesEntry(std::string_view hint);
