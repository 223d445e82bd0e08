#pragma once
// The result pane of the subject readings and its file and print commands.
#include <QPlainTextEdit>
#include <QStringList>

class ResultPane : public QPlainTextEdit {
public:
    explicit ResultPane(QWidget* parent = nullptr);

    // The pane as lines: an empty pane has none; a pane may hold a single empty line.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    void Clear();
    void AddLine(const QString& text);  // line breaks inside the text start new lines
    void AddEmptyLine() { AddLine(QString()); }
    // Takes the first line out and puts the same text back as the first line, which brings
    // the view back to the top; an empty pane is left with one empty line.
    void ScrollResultToTop();

private:
    bool singleEmptyLine_ = false;
};

// Creates the pane on the central panel.
ResultPane* CreateResultPane(QWidget* central);

// The pane's lines as a saved result file: GBK, every line ended by CR LF.
QByteArray ResultFileBytes(const QStringList& lines);
// A saved file's lines: GBK, CR LF or LF line ends.
QStringList ResultFileLines(const QByteArray& bytes);

// "保存测算": asks for a name (suggesting `suggested`, else the last confirmed path) and
// writes the pane's text to that name with ".txt" appended. `lastName` keeps the path
// confirmed last. Nothing happens for a blank pane; a failed write ends silently.
void SaveResultFile(QPlainTextEdit& pane, const QString& suggested, QString& lastName, QWidget* parent);

// "打开记录...": replaces the pane's text by a chosen file; a failed read clears the pane.
void LoadResultFile(QPlainTextEdit& pane, QWidget* parent);
