// Against the content databases the build writes beside the program: the viewers read what
// the builder stores.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <filesystem>

#include "articles/ImageInfo.h"
#include "articles/UntNote.h"
#include "platform/FakePlatform.h"
#include "store/ConnStr.h"
#include "tests/articles/ArticleFixtures.h"

namespace {

class BuiltContent : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"VorFile.dll", "VorBirth.dll"})
            ASSERT_TRUE(std::filesystem::exists(std::string(KELVARO_BIN_DIR) + "/" + file)) << file;
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TFrmNote*>(w) || qobject_cast<TImageInfoLoad*>(w)) delete w;
    }
    FakePlatform fake;
    ScopedProgramDir programDir{KELVARO_BIN_DIR};
};

TEST_F(BuiltContent, EveryIllustratedCommandOpensWithDrawablePages) {
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21}) {
        TImageInfoLoad* w = ShowIllustratedArticle(code, QStringLiteral("图文 [图]"));
        ASSERT_NE(w, nullptr) << code;
        for (int k = 1; k <= w->PageCount(); ++k) {
            const QString n = QString::number(k);
            EXPECT_FALSE(Child<QLabel>(w, "Image" + n).pixmap().isNull()) << code << " page " << k;
            EXPECT_FALSE(Child<QPlainTextEdit>(w, "RzMemo" + n).toPlainText().isEmpty())
                << code << " page " << k;
        }
        delete w;
    }
    TImageInfoLoad* first = ShowIllustratedArticle(1, QStringLiteral("旺夫家居风水设计 [图]"));
    ASSERT_NE(first, nullptr);
    EXPECT_GE(first->PageCount(), 1);
}

TEST_F(BuiltContent, EveryArticleCommandOpens) {
    std::vector<QString> codes;
    for (int i = 1; i <= 8; ++i) codes.push_back(QStringLiteral("a%1").arg(i));
    for (int i = 1; i <= 13; ++i) codes.push_back(QStringLiteral("b%1").arg(i));
    for (int i = 1; i <= 9; ++i) codes.push_back(QStringLiteral("c%1").arg(i));
    for (const QString& code : codes) {
        TFrmNote* w = ShowArticle(code);
        ASSERT_NE(w, nullptr) << code.toStdString();
        EXPECT_FALSE(w->windowTitle().isEmpty()) << code.toStdString();
        delete w;
    }
    EXPECT_TRUE(fake.errors.isEmpty());
}

}  // namespace
