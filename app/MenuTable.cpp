#include "app/MenuTable.h"

#include <charconv>
#include <stdexcept>

namespace {

struct Named {
    std::string_view name;
    CommandKind kind;
};
constexpr Named kNamed[] = {
    {"exit", CommandKind::Exit},
    {"almanac", CommandKind::Almanac},
    {"mobile", CommandKind::Mobile},
    {"qq", CommandKind::QQ},
    {"anynumber", CommandKind::AnyNumber},
    {"netname", CommandKind::NetName},
    {"babysex", CommandKind::BabySex},
    {"calendar", CommandKind::Calendar},
    {"service", CommandKind::CustomerService},
    {"mail", CommandKind::Mail},
    {"homepage", CommandKind::HomePage},
    {"about", CommandKind::About},
    {"upgrade", CommandKind::Upgrade},
    {"openrecord", CommandKind::OpenRecord},
    {"save", CommandKind::SaveResult},
    {"saveas", CommandKind::SaveResultAs},
    {"printsetup", CommandKind::PrintSetup},
    {"print", CommandKind::PrintResult},
    {"namefx", CommandKind::NameAnalysis},
    {"sancai", CommandKind::ThreeTalents},
    {"boneweight", CommandKind::BoneWeight},
    {"zodiac", CommandKind::ZodiacReading},
    {"bloodtype", CommandKind::BloodTypeReading},
    {"starsign", CommandKind::StarSignReading},
};

std::optional<int> ToInt(std::string_view s) {
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

std::vector<std::string_view> SplitBars(std::string_view s) {
    std::vector<std::string_view> out;
    size_t pos = 0;
    while (true) {
        size_t bar = s.find('|', pos);
        out.push_back(s.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos));
        if (bar == std::string_view::npos) return out;
        pos = bar + 1;
    }
}

}  // namespace

std::optional<Command> ParseCommand(std::string_view action) {
    if (action.empty()) return Command{};
    if (action.starts_with("a:") && action.size() > 2)
        return Command{CommandKind::Article, 0, std::string(action.substr(2))};
    auto numbered = [&](std::string_view prefix, CommandKind kind) -> std::optional<Command> {
        if (!action.starts_with(prefix)) return std::nullopt;
        if (auto n = ToInt(action.substr(prefix.size()))) return Command{kind, *n, {}};
        return std::nullopt;
    };
    if (auto c = numbered("i:", CommandKind::Illustrated)) return c;
    if (auto c = numbered("omen:", CommandKind::Omen)) return c;
    if (auto c = numbered("stararticle:", CommandKind::StarSignArticle)) return c;
    for (const Named& n : kNamed)
        if (n.name == action) return Command{n.kind, 0, {}};
    return std::nullopt;
}

std::vector<MenuNode> ParseMenuTable(std::string_view text) {
    std::vector<MenuNode> menus;
    // Open menus from the top level down; stack[d] receives entries of depth d + 1.
    std::vector<MenuNode*> stack;
    int lineNo = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') {
            if (end == text.size()) break;
            continue;
        }
        auto fail = [&](const char* why) {
            throw std::invalid_argument("menu table line " + std::to_string(lineNo) + ": " + why);
        };
        size_t depth = 0;
        while (depth < line.size() && line[depth] == ' ') ++depth;
        std::string_view body = line.substr(depth);
        if (body.empty()) fail("blank entry");

        MenuNode node;
        if (body == "-") {
            node.type = MenuNode::Type::Separator;
        } else {
            bool submenu = depth > 0 && body.front() == '>';
            if (submenu) body.remove_prefix(1);
            auto fields = SplitBars(body);
            if (fields.size() > 4) fail("too many fields");
            node.caption = std::string(fields[0]);
            if (node.caption.empty()) fail("empty caption");
            if (depth == 0 || submenu) {
                node.type = MenuNode::Type::Menu;
                if (fields.size() > 1 && !fields[1].empty()) fail("a menu has no action");
            } else {
                auto cmd = ParseCommand(fields.size() > 1 ? fields[1] : std::string_view());
                if (!cmd) fail("unknown action");
                node.command = *cmd;
                if (fields.size() > 2) node.hint = std::string(fields[2]);
                if (fields.size() > 3) node.objectName = std::string(fields[3]);
            }
        }

        if (depth == 0) {
            if (node.type != MenuNode::Type::Menu) fail("top level holds menus only");
            menus.push_back(std::move(node));
            stack.assign(1, &menus.back());
        } else {
            if (depth > stack.size()) fail("entry deeper than its menu");
            stack.resize(depth);
            MenuNode* parent = stack.back();
            parent->children.push_back(std::move(node));
            if (parent->children.back().type == MenuNode::Type::Menu)
                stack.push_back(&parent->children.back());
        }
        if (end == text.size()) break;
    }
    return menus;
}

bool HintDisablesEntry(std::string_view hint) {
    size_t b = hint.find_first_not_of(' ');
    return b != std::string_view::npos && hint[b] == 'F';
}
