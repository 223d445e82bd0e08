#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/ResultPane.h"
#include "platform/FakePlatform.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Pane : public ::testing::Test {
protected:
    FakePlatform fake;
    ResultPane pane;
    QTemporaryDir dir;
    QString last;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Pane, LinesAndScrollToTop) {
    EXPECT_TRUE(pane.Lines().isEmpty());
    pane.ScrollResultToTop();
    EXPECT_EQ(pane.Lines(), QStringList{QString()});  // an empty pane keeps one empty line

    pane.Clear();
    pane.AddLine("张三,您的血型为A型,经系统分析如下:");
    pane.AddEmptyLine();
    pane.AddEmptyLine();
    pane.AddLine("    第一段\r\n第二段");
    const QStringList lines{"张三,您的血型为A型,经系统分析如下:", "", "", "    第一段", "第二段"};
    EXPECT_EQ(pane.Lines(), lines);
    pane.ScrollResultToTop();
    EXPECT_EQ(pane.Lines(), lines);  // the text is unchanged
    EXPECT_EQ(pane.textCursor().blockNumber(), 1);
    EXPECT_EQ(pane.textCursor().positionInBlock(), 0);
}

TEST_F(Pane, SaveWritesGbkWithCrLfAndAppendsTxt) {
    pane.SetLines({"张三,您的生肖为鼠,经系统分析如下:", "", "", "    读数"});
    fake.nextSaveName = Path("张三");
    SaveResultFile(pane, "张三", last, nullptr);
    ASSERT_EQ(fake.saveRequests.size(), 1u);
    EXPECT_EQ(fake.saveRequests[0].title, "保存");
    EXPECT_EQ(fake.saveRequests[0].filter, "文本文件|*.txt");
    EXPECT_EQ(fake.saveRequests[0].suggested, "张三");
    EXPECT_EQ(
        FileBytes(Path("张三.txt")),
        QByteArray(
            "\xD5\xC5\xC8\xFD,\xC4\xFA\xB5\xC4\xC9\xFA\xD0\xA4\xCE\xAA\xCA\xF3,"
            "\xBE\xAD\xCF\xB5\xCD\xB3\xB7\xD6\xCE\xF6\xC8\xE7\xCF\xC2:\r\n\r\n\r\n    \xB6\xC1\xCA\xFD\r\n"));
    EXPECT_EQ(last, Path("张三"));

    // The next save without a subject offers "*.txt", since the last path holds a separator.
    fake.nextSaveName = Path("a.txt");
    SaveResultFile(pane, "", last, nullptr);
    EXPECT_EQ(fake.saveRequests[1].suggested, "*.txt");
    EXPECT_TRUE(QFile::exists(Path("a.txt.txt")));
}

TEST_F(Pane, SaveSuggestionsAndNothingToSave) {
    struct Case {
        const char* suggested;
        const char* offered;
    } cases[] = {
        {"张三", "张三"}, {" 李 四 ", "李 四"}, {"王?", "*.txt"}, {"a|b", "*.txt"}, {"x<y", "*.txt"}};
    pane.SetLines({"x"});
    for (const Case& c : cases) {
        fake.nextSaveName.reset();  // the user cancels: nothing is written
        QString none;
        SaveResultFile(pane, QString::fromUtf8(c.suggested), none, nullptr);
        EXPECT_EQ(fake.saveRequests.back().suggested, QString::fromUtf8(c.offered)) << c.suggested;
        EXPECT_TRUE(none.isEmpty());
    }
    const size_t asked = fake.saveRequests.size();
    pane.SetLines({"  ", "", "   "});
    SaveResultFile(pane, "张三", last, nullptr);
    EXPECT_EQ(fake.saveRequests.size(), asked);  // blank pane: no dialog
}

TEST_F(Pane, SaveToAnUnwritablePlaceEndsSilently) {
    pane.SetLines({"text"});
    fake.nextSaveName = Path("no/such/folder/x");
    SaveResultFile(pane, "", last, nullptr);
    EXPECT_TRUE(fake.infos.isEmpty());
    EXPECT_TRUE(fake.errors.isEmpty());
    EXPECT_EQ(pane.Lines(), QStringList{"text"});
}

TEST_F(Pane, LoadReadsGbkLinesAndClearsOnFailure) {
    QFile f(Path("r.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xD5\xC5\xC8\xFD\nline two\n\nend");  // LF only
    f.close();
    fake.nextOpenName = Path("r.txt");
    LoadResultFile(pane, nullptr);
    EXPECT_EQ(pane.Lines(), (QStringList{"张三", "line two", "", "end"}));

    fake.nextOpenName.reset();  // cancelled: unchanged
    LoadResultFile(pane, nullptr);
    EXPECT_EQ(pane.Lines().size(), 4);

    fake.nextOpenName = Path("missing.txt");
    LoadResultFile(pane, nullptr);
    EXPECT_TRUE(pane.Lines().isEmpty());
    EXPECT_TRUE(fake.infos.isEmpty());
}

TEST_F(Pane, SavedFileLoadsBackUnchanged) {
    const QStringList lines{"头行", "", "", "    正文 with ASCII", "末行"};
    pane.SetLines(lines);
    fake.nextSaveName = Path("round");
    SaveResultFile(pane, "", last, nullptr);
    pane.Clear();
    fake.nextOpenName = Path("round.txt");
    LoadResultFile(pane, nullptr);
    EXPECT_EQ(pane.Lines(), lines);
}

}  // namespace
