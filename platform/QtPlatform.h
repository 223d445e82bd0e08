#pragma once
// The Qt implementations of the platform services.
#include <QHash>

#include "platform/Platform.h"

class QtMessages : public IMessages {
public:
    void ShowInfo(const QString& text) override;
    void ShowError(const QString& text) override;
};

class QtModal : public IModal {
public:
    int ShowModal(QDialog& window) override;
};

class QtShell : public IShell {
public:
    void OpenAddress(const QString& address) override;
};

class QtPrinting : public IPrinting {
public:
    bool PrintLines(const QStringList& lines, const PageSettings& page, const QString& title) override;
    bool PageSetup(PageSettings& page, QWidget* parent) override;
};

class QtFileDialogs : public IFileDialogs {
public:
    std::optional<QString> GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                           const QString& suggested) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const QString& title,
                                           const QString& filter) override;
};

// Linux has no system-wide regional formats a program may rewrite, so the program keeps
// its own, starting from the user's locale; start-up fixes them and the program's date
// texts are formatted and parsed with them.
class ProgramFormats : public IRegionalFormats {
public:
    ProgramFormats();
    std::optional<QString> Read(FormatItem item) override;
    bool Write(FormatItem item, const QString& value) override;

private:
    QHash<int, QString> values_;
};

class QtWebView : public IWebView {
public:
    void Navigate(QTextBrowser& view, const QString& address) override;
};

class QtBeep : public IBeep {
public:
    void Beep() override;
};

class SystemClock : public IClock {
public:
    QDate Today() override;
};

// Converts a "描述|*.ext" filter to Qt's "描述 (*.ext)" form.
QString QtFilterOf(const QString& filter);

// Lays the lines out on `printer` with the page settings (used for real printing and PDF output).
class QPrinter;
void ApplyPageSettings(QPrinter& printer, const PageSettings& page);
bool RenderLines(QPrinter& printer, const QStringList& lines, const PageSettings& page);
