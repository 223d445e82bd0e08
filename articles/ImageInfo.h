#pragma once
// The illustrated-article window (TImageInfoLoad): up to 15 pages of a picture above a
// text, read from VorFile.dll's `tuwen` table and turned with buttons only. Modeless;
// every opening makes a new window, which deletes itself when closed.
#include <QString>
#include <QWidget>
#include <array>

#include "articles/IllustratedPages.h"
#include "store/Query.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class TFrameButton;

class TImageInfoLoad : public QWidget {
    Q_OBJECT

public:
    // Binds ADOImage to VorFile.dll of the program directory in force now, loads the pages
    // of article `code` and shows `caption` as the window title. A statement that cannot
    // run throws AbortCommand out of the constructor, so no window is left behind; run it
    // inside RunCommand, or use ShowIllustratedArticle.
    TImageInfoLoad(int code, const QString& caption, QWidget* parent = nullptr);
    ~TImageInfoLoad() override;

    int ArticleCode() const { return code_; }
    int CurrentPage() const { return pages_.Current(); }
    int PageCount() const { return pages_.Count(); }

    // The area a page's picture is shown in, centred and unscaled.
    static QSize PictureBox();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void LoadPages();
    void SetPageButtons();
    void ShowPage(int n);
    void Show(std::optional<int> page);

    void BtnBeginClick();              // BtnBegin, "首页"
    void BtnEndClick();                // BtnEnd, "最末"
    void RzBitBtn18Click();            // "上一页"
    void RzBitBtn19Click();            // "下一页"
    void ABtn1Click(QObject* sender);  // all fifteen number buttons
    void RzBitBtn1Click();             // "关闭"

    QStackedWidget* RzPageControl1 = nullptr;
    std::array<QWidget*, kMaxIllustratedPages> TabSheet{};
    std::array<QLabel*, kMaxIllustratedPages> Image{};
    std::array<QPlainTextEdit*, kMaxIllustratedPages> RzMemo{};
    TFrameButton* BtnBegin = nullptr;
    TFrameButton* BtnEnd = nullptr;
    std::array<TFrameButton*, kMaxIllustratedPages> ABtn{};
    TFrameButton* RzBitBtn20 = nullptr;
    TFrameButton* RzBitBtn18 = nullptr;
    TFrameButton* RzBitBtn19 = nullptr;
    TFrameButton* RzBitBtn21 = nullptr;
    TFrameButton* RzBitBtn1 = nullptr;
    Query ADOImage;
    int code_ = 0;
    PageNavigator pages_;
};

// An illustrated-article command: a new window for article `code` titled `caption` (the
// command's own menu caption), shown modeless and returned. When the pages cannot be read
// the command ends silently: no window, no message, nullptr.
TImageInfoLoad* ShowIllustratedArticle(int code, const QString& caption, QWidget* parent = nullptr);

// The illustrated-article window opened last, until it is closed; nullptr otherwise.
TImageInfoLoad* CurrentImageInfoWindow();

// A page's picture as the window draws it: SVG ("svg", or bytes that hold "<svg") at its own
// size, anything else by the bytes' raster format. Only the centre part that fits `box` is
// made, so an oversized picture costs no more than the box. Null when the bytes are no picture.
class QPixmap;
QPixmap PagePicture(const std::string& format, const std::string& bytes, QSize box);
