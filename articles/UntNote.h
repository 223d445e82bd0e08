#pragma once
// The article window (TFrmNote): one plain article of VorBirth.dll's `Noter` table, read
// only, with printing. Modeless; every opening makes a new window, which deletes itself
// when closed.
#include <QString>
#include <QWidget>

#include "platform/Platform.h"

class QPlainTextEdit;
class QPushButton;

class TFrmNote : public QWidget {
    Q_OBJECT

public:
    // Looks the article `code` up (GetNoterArticle) and takes its title as the caption.
    // With a parent the window is still a window of its own, and ends with the parent.
    // A statement that cannot run throws AbortCommand out of the constructor, so no window
    // is left behind; run it inside RunCommand, or use ShowArticle.
    explicit TFrmNote(const QString& code, QWidget* parent = nullptr);
    ~TFrmNote() override;

    // The page settings "打印" uses and "打印设置" edits.
    const PageSettings& PrintPage() const { return page_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RzBitBtn1Click();  // "打印"
    void RzBitBtn2Click();  // "打印设置"
    void RzBitBtn3Click();  // "关闭"

    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QPushButton* RzBitBtn3 = nullptr;
    QPlainTextEdit* RzMemo1 = nullptr;
    PageSettings page_;  // Letter, 12.7 mm margins, 6.35 mm header and footer
};

// Fills `memo` with the body of article `code` and returns the title for the caption:
// without a row the box is cleared and the title is "算命". Throws AbortCommand when the
// statement cannot run.
QString GetNoterArticle(const QString& code, QPlainTextEdit* memo);

// An article command: a new article window for `code`, shown modeless and returned. When
// the article cannot be read the command ends silently: no window, no message, nullptr.
TFrmNote* ShowArticle(const QString& code, QWidget* parent = nullptr);

// The article window opened last, until it is closed; nullptr otherwise.
TFrmNote* CurrentNoteWindow();
