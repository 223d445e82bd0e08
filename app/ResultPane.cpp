#include "app/ResultPane.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBlock>

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "text/Gbk.h"

ResultPane::ResultPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("RzMemo1"));
    setReadOnly(true);
    setFont(SongFont(12));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::NoContextMenu);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(246, 255, 238));
    p.setColor(QPalette::Text, Qt::black);
    // The selection stays visible when the pane has no focus.
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

QStringList ResultPane::Lines() const {
    const QString text = toPlainText();
    if (text.isEmpty()) return singleEmptyLine_ ? QStringList{QString()} : QStringList{};
    return text.split('\n');
}

void ResultPane::SetLines(const QStringList& lines) {
    singleEmptyLine_ = lines.size() == 1 && lines.first().isEmpty();
    setPlainText(lines.join('\n'));
}

void ResultPane::Clear() { SetLines({}); }

void ResultPane::AddLine(const QString& text) {
    QStringList lines = Lines();
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    lines.append(normalised.split('\n'));
    SetLines(lines);
    moveCursor(QTextCursor::End);
}

void ResultPane::ScrollResultToTop() {
    QStringList lines = Lines();
    const QString first = lines.isEmpty() ? QString() : lines.takeFirst();
    lines.prepend(first);
    SetLines(lines);
    QTextCursor cursor(document()->findBlockByNumber(std::min(1, document()->blockCount() - 1)));
    setTextCursor(cursor);
    verticalScrollBar()->setValue(0);
}

ResultPane* CreateResultPane(QWidget* central) {
    auto* pane = new ResultPane(central);
    pane->setGeometry(2, 2, 612, 374);
    // The pane comes into view when a reading or a loaded file fills it.
    pane->setVisible(false);
    QObject::connect(pane, &QPlainTextEdit::textChanged, pane,
                     [pane] { pane->setVisible(!pane->toPlainText().isEmpty()); });
    return pane;
}

QByteArray ResultFileBytes(const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) {
        bytes += Utf8ToGbk(line.toStdString());
        bytes += "\r\n";
    }
    return QByteArray::fromStdString(bytes);
}

QStringList ResultFileLines(const QByteArray& bytes) {
    QString text = QString::fromStdString(GbkToUtf8(bytes.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    if (text.endsWith('\n')) text.chop(1);
    if (text.isEmpty()) return {};
    return text.split('\n');
}

namespace {
QStringList PaneLines(const QPlainTextEdit& pane) {
    if (auto* result = dynamic_cast<const ResultPane*>(&pane)) return result->Lines();
    return pane.toPlainText().isEmpty() ? QStringList{} : pane.toPlainText().split('\n');
}
}  // namespace

void SaveResultFile(QPlainTextEdit& pane, const QString& suggested, QString& lastName, QWidget* parent) {
    if (pane.toPlainText().trimmed().isEmpty()) return;
    QString name = suggested.isEmpty() ? lastName : suggested.trimmed();
    // A name with a character no file name may hold (a full path included) offers "*.txt".
    for (QChar c : name) {
        if (QStringLiteral("*/<>?\\|").contains(c)) {
            name = QStringLiteral("*.txt");
            break;
        }
    }
    std::optional<QString> chosen = Sys().dialogs->GetSaveFileName(parent, QStringLiteral("保存"),
                                                                   QStringLiteral("文本文件|*.txt"), name);
    if (!chosen || chosen->isEmpty()) return;
    lastName = *chosen;
    // The extension is appended always, as the program always did.
    QFile file(*chosen + QStringLiteral(".txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(ResultFileBytes(PaneLines(pane)));
}

void LoadResultFile(QPlainTextEdit& pane, QWidget* parent) {
    std::optional<QString> chosen = Sys().dialogs->GetOpenFileName(parent, QStringLiteral("打开"), QString());
    if (!chosen) return;
    QFile file(*chosen);
    QStringList lines;
    if (file.open(QIODevice::ReadOnly)) lines = ResultFileLines(file.readAll());
    if (auto* result = dynamic_cast<ResultPane*>(&pane))
        result->SetLines(lines);
    else
        pane.setPlainText(lines.join('\n'));
}
