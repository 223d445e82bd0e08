#pragma once
// The daily almanac (黄道吉日): a modeless window that looks up the `huangdao` row of a
// Gregorian date in VorFile.dll and shows it as labelled lines, with a fixed glossary below.
// Every opening makes a new window; it deletes itself when closed.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "store/Query.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFormHuangdao : public QWidget {
    Q_OBJECT

public:
    // Binds the window's query to VorFile.dll of the program directory in force now.
    // With a parent the window is still a window of its own, and ends with the parent.
    explicit TFormHuangdao(QWidget* parent = nullptr);
    ~TFormHuangdao() override;

    // Writes the three texts into the date boxes as they stand.
    void SetDateTexts(const QString& year, const QString& month, const QString& day);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void RzBitBtn1Click();  // "测算"
    void RzBitBtn3Click();  // "打印"
    void RzBitBtn2Click();  // "关闭"

    QGroupBox* RzGroupBox2 = nullptr;
    QComboBox* SYear = nullptr;
    QComboBox* SMonth = nullptr;
    QComboBox* Sday = nullptr;
    QCheckBox* RzCheckBox1 = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn3 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* RzGroupBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* RzGroupBox3 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    Query ADOQuery1;
};

// The check of the "查询" button and of "测算": on a fault shows its message with ShowInfo
// and returns nullopt; otherwise returns the key (UTF-8).
std::optional<std::string> CheckAlmanacTexts(const QString& year, const QString& month, const QString& day);

// "黄道吉日" and "本日吉日": a new almanac window on today's date, shown at once (its first
// lookup runs as it is shown).
TFormHuangdao* OpenAlmanacToday(QWidget* parent);

// "查询": checks the three texts as CheckAlmanacTexts does; if they pass, a new almanac window
// with these texts in its date boxes is shown and returned, otherwise nullptr.
TFormHuangdao* OpenAlmanacFor(const QString& year, const QString& month, const QString& day, QWidget* parent);

// The window the entry points opened last, until it is closed; nullptr otherwise.
TFormHuangdao* CurrentAlmanacWindow();
