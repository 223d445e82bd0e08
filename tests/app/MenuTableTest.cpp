#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "app/MenuTable.h"

namespace {

std::string Source(const char* name) {
    std::ifstream in(std::string(KELVARO_SOURCE_DIR) + "/app/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Walk(const std::vector<MenuNode>& nodes, const std::string& path,
          const std::function<void(const MenuNode&, const std::string&)>& visit) {
    for (const MenuNode& n : nodes) {
        visit(n, path);
        if (n.type == MenuNode::Type::Menu) Walk(n.children, path + "/" + n.caption, visit);
    }
}

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
    std::vector<std::string> out;
    for (const MenuNode& n : nodes) out.push_back(n.type == MenuNode::Type::Separator ? "---" : n.caption);
    return out;
}

const MenuNode* Child(const std::vector<MenuNode>& nodes, const std::string& caption) {
    for (const MenuNode& n : nodes)
        if (n.caption == caption) return &n;
    return nullptr;
}

class ShippedMenus : public ::testing::Test {
protected:
    std::vector<MenuNode> bar = ParseMenuTable(Source("MenuBar.txt"));
};

TEST_F(ShippedMenus, EightMenusInOrder) {
    EXPECT_EQ(Captions(bar), (std::vector<std::string>{"系统(&X)", "阳宅(&F)", "阴宅(&Y)", "家居(&J)",
                                                       "运用(&Y)", "吉日(&D)", "工具(&Q)", "帮助(&H)"}));
}

TEST_F(ShippedMenus, FixedMenusEntryByEntry) {
    EXPECT_EQ(Captions(bar[0].children), std::vector<std::string>{"退出软件"});
    EXPECT_EQ(
        Captions(bar[5].children),
        (std::vector<std::string>{"黄道吉日", "吉日查询", "---", "开市吉日", "交易吉日", "嫁娶吉日",
                                  "入宅吉日", "入学吉日", "纳财吉日", "订盟吉日", "安门吉日", "出行吉日",
                                  "开光吉日", "求嗣吉日", "祈福吉日", "破土吉日", "祭祀吉日", "安葬吉日"}));
    EXPECT_EQ(
        Captions(bar[6].children),
        (std::vector<std::string>{"周公解析",   "解梦全书",     "---",        "打喷嚏占卜",   "面热测占卜",
                                  "心惊测占卜", "犬吠测占卜",   "眼跳测占卜", "耳热测占卜",   "耳鸣测占卜",
                                  "---",        "手机号码分析", "QQ号码分析", "更多数字分析", "网名分析",
                                  "---",        "生男生女",     "万年历法",   "---",          "造命(&P)"}));
    EXPECT_EQ(Captions(bar[7].children), (std::vector<std::string>{"客户服务", "给我们发邮件", "公司主页",
                                                                   "关于系统", "---", "软件升级"}));

    const auto& tools = bar[6].children;
    for (int kind = 0; kind < 7; ++kind)
        EXPECT_EQ(tools[3 + kind].command, (Command{CommandKind::Omen, kind, {}}));
    EXPECT_EQ(Child(tools, "万年历法")->command.kind, CommandKind::Calendar);
    EXPECT_EQ(Child(tools, "万年历法")->objectName, "dxBarButton43");
    EXPECT_EQ(Child(bar[5].children, "黄道吉日")->objectName, "dxBarButton171");
    EXPECT_EQ(Child(bar[5].children, "吉日查询")->command.kind, CommandKind::None);
    const MenuNode* fate = Child(tools, "造命(&P)");
    ASSERT_NE(fate, nullptr);
    ASSERT_EQ(fate->children.size(), 13u);
    EXPECT_EQ(fate->children[0].caption, "命自我立");
    EXPECT_EQ(fate->children[0].command, (Command{CommandKind::Article, 0, "b1"}));
    EXPECT_EQ(fate->children[12].caption, "百忍歌");
    EXPECT_EQ(fate->children[12].command, (Command{CommandKind::Article, 0, "b13"}));
}

TEST_F(ShippedMenus, CatalogueHintsAndLinks) {
    int qualifying = 0, entries = 0;
    std::map<std::string, int> hints;
    std::vector<std::pair<std::string, Command>> linked;
    for (size_t m = 1; m <= 4; ++m) {
        Walk(bar[m].children, bar[m].caption, [&](const MenuNode& n, const std::string& path) {
            if (n.type != MenuNode::Type::Entry) return;
            ++entries;
            if (HintDisablesEntry(n.hint)) {
                ++qualifying;
                EXPECT_EQ(n.command.kind, CommandKind::None)
                    << n.caption;  // a linked entry must keep its link
            }
            if (!n.hint.empty()) ++hints[n.hint];
            if (n.command.kind != CommandKind::None) linked.emplace_back(path + "/" + n.caption, n.command);
        });
    }
    EXPECT_EQ(qualifying, 511);
    EXPECT_EQ(hints["FF458"], 1);
    EXPECT_EQ(hints["f493"], 1);
    EXPECT_EQ(hints["19"], 1);
    EXPECT_EQ(entries, 554);
    // Every linked entry of the catalogue, in menu order.
    const std::pair<const char*, const char*> expected[] = {
        {"家居(&J)/家居风水十二招[图]", "i:17"},
        {"家居(&J)/6大吉利风水家饰[图]", "i:21"},
        {"运用(&Y)/风水常识/风水常识", "a:c1"},
        {"运用(&Y)/风水常识/选房风水", "a:c2"},
        {"运用(&Y)/风水开运/财神摆放指南 [图]", "i:8"},
        {"运用(&Y)/风水开运/家居风水开运方法 [图]", "i:7"},
        {"运用(&Y)/风水开运/居家好风水的15件宝贝 [图]", "i:16"},
        {"运用(&Y)/风水开运/除夕家居风水摆设与新年运 [图]", "i:13"},
        {"运用(&Y)/风水开运/家居装饰吉祥物的悬挂方法 [图]", "i:15"},
        {"运用(&Y)/风水招财/客厅招财布局 [图]", "i:11"},
        {"运用(&Y)/风水招财/如何选择吉祥物增财旺运[图]", "i:18"},
        {"运用(&Y)/风水招财/居家风水15件宝添财运 [图]", "i:16"},
        {"运用(&Y)/风水招财/家中放置哪些吉祥物能招财 [图]", "i:20"},
        {"运用(&Y)/风水布局/财神摆放指南 [图]", "i:8"},
        {"运用(&Y)/风水吉凶/家居风水注意几个方位", "a:c3"},
        {"运用(&Y)/风水吉凶/随意改房对风水影响 [图]", "i:9"},
        {"运用(&Y)/风水吉凶/装修颜色与风水吉凶 [图]", "i:10"},
        {"运用(&Y)/风水吉凶/六大贫贱家居风水", "a:c4"},
        {"运用(&Y)/风水吉凶/九种最常见风水煞气及解救方法 [图]", "i:12"},
        {"运用(&Y)/风水吉凶/6种类型的住宅学会驱邪避凶 [图]", "i:14"},
        {"运用(&Y)/风水吉凶/改变运势的装修技巧", "a:c5"},
        {"运用(&Y)/风水吉凶/通用12种风水方式", "a:c6"},
        {"运用(&Y)/风水吉凶/鼠年家居风水新讲究", "a:c8"},
        {"运用(&Y)/风水吉凶/七項陽宅应注意事項", "a:c9"},
        {"运用(&Y)/爱情风水/旺夫家居风水设计 [图]", "i:1"},
        {"运用(&Y)/爱情风水/家居风水与姻缘 [图]", "i:2"},
        {"运用(&Y)/爱情风水/桃花盛开制胜秘笈 [图]", "i:3"},
        {"运用(&Y)/爱情风水/家居风水与桃花运 [图]", "i:4"},
        {"运用(&Y)/爱情风水/风水秘籍钓 \"金龟婿\" [图]", "i:5"},
        {"运用(&Y)/爱情风水/十二星座卧室桃花运大揭密 [图]", "i:6"},
        {"运用(&Y)/事业风水/求职与家居风水", "a:c7"},
    };
    ASSERT_EQ(linked.size(), std::size(expected));
    for (size_t i = 0; i < linked.size(); ++i) {
        EXPECT_EQ(linked[i].first, expected[i].first);
        EXPECT_EQ(linked[i].second, ParseCommand(expected[i].second).value()) << expected[i].first;
    }
}

TEST_F(ShippedMenus, CaptionsKeepTheirBlanks) {
    const MenuNode* home = Child(bar[3].children, "卧室风水");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->children.back().caption, "卧室风水位置与格局 ");
    EXPECT_NE(Child(Child(bar[4].children, "风水流派")->children, "天星风水 "), nullptr);
}

TEST(CommandTable, PlacelessCommands) {
    auto groups = ParseMenuTable(Source("Commands.txt"));
    EXPECT_EQ(Captions(groups), (std::vector<std::string>{"系统(&S)", "算命(&C)", "星座(&Z)", "八字与姓名"}));
    EXPECT_EQ(Captions(groups[3].children),
              (std::vector<std::string>{"什么是八字", "所谓三才", "称骨算命法", "血型测命", "姓名原理",
                                        "八字与起名的重要性", "吉祥宝宝起名方法 ", "择日生子（紧参考）"}));
    const char* codes[] = {"a2", "a3", "a4", "a5", "a1", "a6", "a7", "a8"};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(groups[3].children[i].command.code, codes[i]);
    std::vector<int> kinds;
    for (const MenuNode& n : groups[2].children)
        if (n.command.kind == CommandKind::StarSignArticle) kinds.push_back(n.command.arg);
    EXPECT_EQ(kinds, (std::vector<int>{0, 1, 2, 3, 4, 6}));
    EXPECT_EQ(Child(groups[1].children, "姓名分析")->objectName, "dxBarButton17");
    EXPECT_EQ(Child(groups[1].children, "三才吉凶")->objectName, "dxBarButton7");
}

TEST(MenuTable, MalformedTablesFail) {
    for (const char* text : {" entry before any menu|", "M|\n   too deep|", "M|\n x|nonsense", "M|\n |a",
                             "M|exit", "M|\n x|a|b|c|d", "-"}) {
        EXPECT_THROW(ParseMenuTable(text), std::invalid_argument) << text;
    }
    auto ok = ParseMenuTable("# comment\r\nM|\r\n >S|\r\n  x|i:3|F1\r\n -\r\n y|omen:2\r\n");
    ASSERT_EQ(ok.size(), 1u);
    ASSERT_EQ(ok[0].children.size(), 3u);
    EXPECT_EQ(ok[0].children[0].children[0].command, (Command{CommandKind::Illustrated, 3, {}}));
    EXPECT_EQ(ok[0].children[0].children[0].hint, "F1");
    EXPECT_EQ(ok[0].children[1].type, MenuNode::Type::Separator);
    EXPECT_EQ(ok[0].children[2].command, (Command{CommandKind::Omen, 2, {}}));
}

TEST(MenuTable, HintRule) {
    struct Case {
        const char* hint;
        bool disables;
    } cases[] = {{"F1", true},  {"  F512 ", true}, {"FF458", true}, {"F", true},   {"f493", false},
                 {"19", false}, {"", false},       {"   ", false},  {" xF", false}};
    for (const Case& c : cases) EXPECT_EQ(HintDisablesEntry(c.hint), c.disables) << c.hint;
}

}  // namespace
