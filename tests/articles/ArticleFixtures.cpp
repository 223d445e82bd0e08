#include "tests/articles/ArticleFixtures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

const char kNoterSql[] =
    "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
    "INSERT INTO Noter VALUES ('a1', ' 姓名原理 ', char(13,10) || '  姓名学以汉字的笔画数理为本。' || "
    "char(13,10) || "
    "'五格相生，则名字吉祥。' || char(13,10) || char(13,10) || '——摘自古籍' || char(13,10,13,10,32));"
    "INSERT INTO Noter VALUES ('b6', '孝悌歌', '孝悌为人之本。');"
    "INSERT INTO Noter VALUES ('o''k', '代码带引号', '这篇文章的代码里有一个单引号。');"
    "INSERT INTO Noter VALUES ('c3', '家居风水注意几个方位', '');";

std::string PngBytes(QSize size, QColor left, QColor right) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(left);
    QPainter painter(&image);
    painter.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), right);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string SvgText(int width, int height, const char* colour) {
    const bool sized = width > 0;
    const std::string w = std::to_string(sized ? width : 200), h = std::to_string(sized ? height : 100);
    const std::string size = sized ? " width=\"" + w + "\" height=\"" + h + "\"" : std::string();
    return "<svg xmlns=\"http://www.w3.org/2000/svg\"" + size + " viewBox=\"0 0 " + w + " " + h +
           "\"><rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" + colour +
           "\"/></svg>";
}

std::string BlobLiteral(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "X'";
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out + "'";
}

std::string TuwenSql() {
    std::string sql =
        "CREATE TABLE tuwen (code TEXT, page INTEGER, format TEXT, picture BLOB, content TEXT);";
    auto row = [&](const char* code, int page, const char* format, const std::string& picture,
                   const std::string& text) {
        sql += "INSERT INTO tuwen VALUES ('" + std::string(code) + "', " + std::to_string(page) + ", '" +
               format + "', " + BlobLiteral(picture) + ", '" + text + "');";
    };
    row("3", 2, "svg", SvgText(120, 80, "#00ff00"), "第二页：财神宜面向大门，坐镇旺位。");
    row("3", 1, "png", PngBytes({100, 60}, Qt::red), "第一页：客厅进门的对角是明财位。");
    row("3", 3, "png", PngBytes({800, 400}, Qt::red, Qt::blue), "第三页：图比画框大，只见其中间一段。");
    row("16", 1, "svg", SvgText(0, 0, "#ffcc00"), "第十六篇只有一页。");
    for (int page = 1; page <= 16; ++page)
        row("9", page, "png", PngBytes({40, 30}, QColor(10 * page, 0, 0)),
            "第九篇 第" + std::to_string(page) + "页");
    return sql;
}

QString ShotDir() { return qEnvironmentVariable("KELVARO_SHOT_DIR"); }
