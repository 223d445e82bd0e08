#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include "platform/Fonts.h"

void QtMessages::ShowInfo(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtMessages::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

int QtModal::ShowModal(QDialog& window) { return window.exec(); }

void QtShell::OpenAddress(const QString& address) {
    // The result is not examined: a system that cannot open it simply does nothing.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void ApplyPageSettings(QPrinter& printer, const PageSettings& page) {
    printer.setPageSize(QPageSize(page.paper));
    printer.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(page.marginsMm, QPageLayout::Millimeter);
}

bool RenderLines(QPrinter& printer, const QStringList& lines, const PageSettings& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF area =
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const double dotsPerMm = printer.resolution() / 25.4;
    const double top = page.headerMm * dotsPerMm;
    const double bottom = area.height() - page.footerMm * dotsPerMm;

    QFont font = SongFont(12);
    font.setPointSizeF(10.5);
    painter.setFont(font);
    const QFontMetricsF fm(font, &printer);
    const double lineHeight = fm.lineSpacing();
    double y = top;
    for (const QString& line : lines) {
        // Long lines wrap at the page width, as the result pane does on screen.
        QRectF bound = painter.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, line);
        double h = std::max(lineHeight, bound.height());
        if (y + h > bottom && y > top) {
            if (!printer.newPage()) return false;
            y = top;
        }
        painter.drawText(QRectF(0, y, area.width(), h), Qt::TextWordWrap, line);
        y += h;
    }
    return painter.end();
}

bool QtPrinting::PrintLines(const QStringList& lines, const PageSettings& page, const QString& title) {
    if (QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty()) {
        Sys().messages->ShowInfo(QStringLiteral("没有安装打印机，无法打印。"));
        return false;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter().isNull() ? QPrinterInfo::availablePrinters().first()
                                                             : QPrinterInfo::defaultPrinter(),
                     QPrinter::HighResolution);
    printer.setDocName(title);
    ApplyPageSettings(printer, page);
    if (!RenderLines(printer, lines, page)) {
        Sys().messages->ShowInfo(QStringLiteral("打印失败。"));
        return false;
    }
    return true;
}

bool QtPrinting::PageSetup(PageSettings& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSettings(printer, page);
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("页面设置"));
    if (dialog.exec() != QDialog::Accepted) return false;
    const QPageLayout layout = printer.pageLayout();
    page.paper = layout.pageSize().id();
    page.landscape = layout.orientation() == QPageLayout::Landscape;
    page.marginsMm = layout.margins(QPageLayout::Millimeter);
    return true;
}

QString QtFilterOf(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + parts[i + 1].replace(';', ' ') + ")";
    return out.join(";;");
}

std::optional<QString> QtFileDialogs::GetSaveFileName(QWidget* parent, const QString& title,
                                                      const QString& filter, const QString& suggested) {
    QFileDialog dialog(parent, title, QString(), QtFilterOf(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // an existing file is replaced without a question
    if (!suggested.isEmpty() && suggested != QStringLiteral("*.txt")) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::GetOpenFileName(QWidget* parent, const QString& title,
                                                      const QString& filter) {
    QString name = QFileDialog::getOpenFileName(parent, title, QString(),
                                                filter.isEmpty() ? QString() : QtFilterOf(filter));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

ProgramFormats::ProgramFormats() {
    // Start from what the user's locale would show; start-up then fixes the program's formats.
    const QLocale locale = QLocale::system();
    values_[int(FormatItem::LongDate)] = locale.dateFormat(QLocale::LongFormat);
    values_[int(FormatItem::ShortDate)] = locale.dateFormat(QLocale::ShortFormat);
    values_[int(FormatItem::Time)] = locale.timeFormat(QLocale::LongFormat);
    values_[int(FormatItem::DateSeparator)] = QStringLiteral("/");
    values_[int(FormatItem::TimeSeparator)] = QStringLiteral(":");
}

std::optional<QString> ProgramFormats::Read(FormatItem item) { return values_.value(int(item)); }

bool ProgramFormats::Write(FormatItem item, const QString& value) {
    values_[int(item)] = value;
    return true;
}

void QtWebView::Navigate(QTextBrowser& view, const QString& address) {
    // A light viewer: local pages are shown, remote ones only remembered (no browser engine).
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isLocalFile()) {
        view.setSource(url);
    } else {
        view.setProperty("address", address);
        view.clear();
    }
}

void QtBeep::Beep() { QApplication::beep(); }

QDate SystemClock::Today() { return QDate::currentDate(); }
