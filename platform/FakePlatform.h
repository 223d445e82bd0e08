#pragma once
// A test double for every platform service: records calls, returns scripted answers.
// Constructing one installs it for its lifetime.
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"

class FakePlatform : public IMessages,
                     public IModal,
                     public IShell,
                     public IPrinting,
                     public IFileDialogs,
                     public IRegionalFormats,
                     public IWebView,
                     public IBeep,
                     public IClock {
public:
    FakePlatform();
    ~FakePlatform() override;

    // Messages
    QStringList infos;
    QStringList errors;
    void ShowInfo(const QString& text) override { infos << text; }
    void ShowError(const QString& text) override { errors << text; }

    // Modal windows: recorded by object name; `onModal` may drive the window and returns
    // its result. Without it the window is shown (offscreen) and the call returns at once.
    QStringList modalShown;
    std::function<int(QDialog&)> onModal;
    int ShowModal(QDialog& window) override;

    QStringList openedAddresses;
    void OpenAddress(const QString& address) override { openedAddresses << address; }

    struct PrintJob {
        QStringList lines;
        PageSettings page;
        QString title;
    };
    std::vector<PrintJob> printed;
    bool printResult = true;
    int pageSetups = 0;
    std::optional<PageSettings> pageSetupAnswer;  // nullopt: the user cancels
    bool PrintLines(const QStringList& lines, const PageSettings& page, const QString& title) override;
    bool PageSetup(PageSettings& page, QWidget* parent) override;

    // Save/open dialogs: the next answers, nullopt for cancel.
    struct SaveRequest {
        QString title, filter, suggested;
    };
    std::vector<SaveRequest> saveRequests;
    std::optional<QString> nextSaveName;
    std::optional<QString> nextOpenName;
    int openRequests = 0;
    std::optional<QString> GetSaveFileName(QWidget*, const QString& title, const QString& filter,
                                           const QString& suggested) override;
    std::optional<QString> GetOpenFileName(QWidget*, const QString& title, const QString& filter) override;

    // Regional formats: start with the program's wanted values unless a test sets others.
    QHash<int, QString> formatValues;
    QList<QPair<FormatItem, QString>> formatWrites;
    bool failReads = false;
    bool failWrites = false;
    std::optional<QString> Read(FormatItem item) override;
    bool Write(FormatItem item, const QString& value) override;

    QStringList navigations;
    void Navigate(QTextBrowser&, const QString& address) override { navigations << address; }

    int beeps = 0;
    void Beep() override { ++beeps; }

    QDate today{2024, 2, 10};
    QDate Today() override { return today; }

private:
    std::unique_ptr<ServicesScope> scope_;
};
