#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/QtPlatform.h"

namespace {
// pdftotext returns some CJK characters as compatibility forms; fold them back.
QString PdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}
}  // namespace

TEST(Printing, LinesReachThePageInOrderWithTheirSettings) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    PageSettings page;  // US Letter, 12.7 mm margins
    ApplyPageSettings(printer, page);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Millimeter).left(), 12.7, 0.01);

    QStringList lines{"甲辰年 正月初一", "宜：祭祀 祈福", "忌：动土"};
    for (int i = 0; i < 120; ++i) lines << QString("第%1行").arg(i);  // spills onto a second page
    ASSERT_TRUE(RenderLines(printer, lines, page));

    const QString text = PdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    auto at = [&](const QString& needle) {
        return text.indexOf(needle.normalized(QString::NormalizationForm_KC));
    };
    const int a = at("甲辰年 正月初一"), b = at("宜：祭祀 祈福"), c = at("第119行");
    EXPECT_GE(a, 0);
    EXPECT_GT(b, a);
    EXPECT_GT(c, b);
    EXPECT_TRUE(text.contains('\f'));  // a page break
}

TEST(Printing, FilterTextBecomesQtFilters) {
    EXPECT_EQ(QtFilterOf("文本文件|*.txt"), "文本文件 (*.txt)");
    EXPECT_EQ(QtFilterOf("文本|*.txt|全部|*.*"), "文本 (*.txt);;全部 (*.*)");
    EXPECT_EQ(QtFilterOf(""), "");
}

#include <QPrinterInfo>

#include "platform/FakePlatform.h"

TEST(Printing, WithoutAPrinterTheUserIsTold) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer; not printing to it";
    FakePlatform fake;  // records the message the real printing service shows
    QtPrinting printing;
    EXPECT_FALSE(printing.PrintLines({"一行"}, PageSettings{}, "Kelvaro"));
    ASSERT_EQ(fake.infos.size(), 1);
    EXPECT_EQ(fake.infos[0], "没有安装打印机，无法打印。");
}
