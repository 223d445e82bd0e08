#pragma once
// The main window: menu bar, top panel with the almanac date picker, left panel of command
// buttons, central area with the result pane, status line, and the web-strip playlist.
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

#include "app/MenuTable.h"
#include "platform/Platform.h"
#include "store/Query.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class ResultPane;
class QTextBrowser;
class QTimer;

class TFrmmain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFrmmain(QWidget* parent = nullptr);
    ~TFrmmain() override;

    // Current subject, read by the name and personality readings.
    QString FSurname;
    QString FGivenName;
    QString FBloodType;
    QString FStarSign;
    QString FZodiacAnimal;
    // Web-strip playlist.
    int FPlayPos = 0;
    int FPlayEnd = 0;
    int FPlayOn = 0;

    // Field n (1 flag, 2 seconds, 3 address) of playlist line i of Memo1.
    QString GetPlayField(int i, int n) const;

    // Runs a command as its menu entry or button does.
    void Execute(const Command& command, const QString& caption = QString());

    // The commands' own actions; each runs inside RunCommand.
    void OpenAlmanacToday();
    void OpenAlmanacFor(const QString& year, const QString& month, const QString& day);
    void RzButton57Click();  // "查询"
    void OpenOmens(int kind, const QString& title);
    void OpenMobile();
    void OpenQQ();
    void OpenAnyNumber();
    void OpenNetName();
    void OpenBabySex();
    void OpenCalendar();
    void OpenBoneWeight();
    void OpenArticle(const QString& code);
    void OpenIllustrated(int code, const QString& title);
    void OpenCustomerService();
    void OpenAbout();
    void SendMail();
    void OpenHomePage();
    void OpenQQChat();
    void ShowUpgrade();
    void OpenRecord();
    void SaveResult();
    void PrintSetup();
    void PrintResult();
    void NameAnalysis();  // dxBarButton17Click
    void ThreeTalents();  // dxBarButton7Click
    // The stored reading of a grid number on the name query, or the no-result text.
    std::string GetNamefxText(int grid);
    void ZodiacReading();
    void BloodTypeReading();
    void StarSignReading();
    void StarSignArticle(int kind);

    // The modal tool in a slot, for tests and the gallery; null when none was opened.
    QDialog* ToolWindow(CommandKind kind) const;
    // The menu-bar action of an entry by its path of captions ("工具(&Q)/万年历法").
    QAction* FindMenuAction(const QString& path) const;
    ResultPane& Result() { return *RzMemo1; }
    // Query bound to the content file of the name readings when the window is shown.
    Query& NameQuery() { return ADOQname; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildTopPanel(QWidget* top);
    void BuildLeftPanel(QWidget* left);
    void BuildCentral(QWidget* central);
    void BuildSubjectBar(QWidget* central);
    void AddMenuNodes(QMenu* menu, const std::vector<MenuNode>& nodes);
    QAction* AddEntry(QMenu* menu, const MenuNode& node);
    void UnbindHintedEntries();  // window creation: entries whose hint begins with "F"
    void FormShow();
    void Timer1Timer();
    void ExitProgram();

    // Destroys a window of the kind left from an earlier opening, keeps the new one in its
    // slot and shows it modally. Closing the window destroys it and clears the slot.
    void ShowTool(CommandKind kind, QDialog* window);

    std::vector<MenuNode> menuTable_;
    std::vector<MenuNode> commandTable_;
    std::map<CommandKind, QPointer<QDialog>> tools_;
    Query ADOQname;
    PageSettings pageSettings_;
    QString lastSaveName_;

    QComboBox* SYear = nullptr;
    QComboBox* SMonth = nullptr;
    QComboBox* Sday = nullptr;
    QTextBrowser* EmbeddedWB2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    ResultPane* RzMemo1 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* commandMenu_ = nullptr;
    bool shownOnce_ = false;
};
