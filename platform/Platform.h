#pragma once
// The services of the desktop that the program uses, each behind a small interface.
// The program reaches them through Sys(); tests replace them for a scope with
// FakePlatform (platform/FakePlatform.h).
#include <QDate>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;
class QTextBrowser;

// Messages: the information box and the general error report.
class IMessages {
public:
    virtual ~IMessages() = default;
    // Modal box: caption "提示", information icon, one OK button.
    virtual void ShowInfo(const QString& text) = 0;
    // The general error report: an error no command caught; the program goes on.
    virtual void ShowError(const QString& text) = 0;
};

// Modal showing of a tool window.
class IModal {
public:
    virtual ~IModal() = default;
    virtual int ShowModal(QDialog& window) = 0;
};

// Handing an address to the system's default handler (web page, mailto:).
class IShell {
public:
    virtual ~IShell() = default;
    virtual void OpenAddress(const QString& address) = 0;
};

// Page settings of a printed text: paper and margins, header and footer bands in millimetres.
struct PageSettings {
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QMarginsF marginsMm{12.7, 12.7, 12.7, 12.7};
    double headerMm = 6.35;
    double footerMm = 6.35;
    bool landscape = false;
    bool operator==(const PageSettings&) const = default;
};

class IPrinting {
public:
    virtual ~IPrinting() = default;
    // Prints the lines on the default printer at once, without a dialog. Returns false
    // (after telling the user) when there is no printer or printing failed.
    virtual bool PrintLines(const QStringList& lines, const PageSettings& page, const QString& title) = 0;
    // The page-setup dialog; returns true and updates `page` when the user confirmed.
    virtual bool PageSetup(PageSettings& page, QWidget* parent) = 0;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // `filter` is "文本文件|*.txt" style: description and pattern separated by "|".
    virtual std::optional<QString> GetSaveFileName(QWidget* parent, const QString& title,
                                                   const QString& filter, const QString& suggested) = 0;
    virtual std::optional<QString> GetOpenFileName(QWidget* parent, const QString& title,
                                                   const QString& filter) = 0;
};

// The regional date and time formats that start-up fixes and the program's own
// date formatting and parsing read.
enum class FormatItem { LongDate, ShortDate, Time, DateSeparator, TimeSeparator };

class IRegionalFormats {
public:
    virtual ~IRegionalFormats() = default;
    // nullopt when the item cannot be read.
    virtual std::optional<QString> Read(FormatItem item) = 0;
    // false when the item cannot be written.
    virtual bool Write(FormatItem item, const QString& value) = 0;
};

// The light web-view strip: shows local pages, remembers other addresses.
class IWebView {
public:
    virtual ~IWebView() = default;
    virtual void Navigate(QTextBrowser& view, const QString& address) = 0;
};

class IBeep {
public:
    virtual ~IBeep() = default;
    virtual void Beep() = 0;
};

// "Today", injectable because several windows open on the current date.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDate Today() = 0;
};

struct Services {
    IMessages* messages;
    IModal* modal;
    IShell* shell;
    IPrinting* printing;
    IFileDialogs* dialogs;
    IRegionalFormats* formats;
    IWebView* web;
    IBeep* beep;
    IClock* clock;
};

// The services in force: the Qt ones unless a ServicesScope replaced them.
Services& Sys();

// Replaces the services for its lifetime; scopes nest.
class ServicesScope {
public:
    explicit ServicesScope(const Services& replacement);
    ~ServicesScope();
    ServicesScope(const ServicesScope&) = delete;
    ServicesScope& operator=(const ServicesScope&) = delete;

private:
    Services saved_;
};

// Shortcuts used throughout the windows.
inline void ShowInfo(const QString& text) { Sys().messages->ShowInfo(text); }
inline QDate Today() { return Sys().clock->Today(); }
