#include "platform/FakePlatform.h"

#include <QDialog>

#include "platform/DateFormats.h"

FakePlatform::FakePlatform() {
    for (const WantedFormat& w : kWantedFormats) formatValues[int(w.item)] = QString::fromUtf16(w.value);
    scope_ = std::make_unique<ServicesScope>(Services{this, this, this, this, this, this, this, this, this});
}

FakePlatform::~FakePlatform() = default;

int FakePlatform::ShowModal(QDialog& window) {
    modalShown << window.objectName();
    if (onModal) return onModal(window);
    window.show();
    return QDialog::Rejected;
}

bool FakePlatform::PrintLines(const QStringList& lines, const PageSettings& page, const QString& title) {
    printed.push_back({lines, page, title});
    return printResult;
}

bool FakePlatform::PageSetup(PageSettings& page, QWidget*) {
    ++pageSetups;
    if (!pageSetupAnswer) return false;
    page = *pageSetupAnswer;
    return true;
}

std::optional<QString> FakePlatform::GetSaveFileName(QWidget*, const QString& title, const QString& filter,
                                                     const QString& suggested) {
    saveRequests.push_back({title, filter, suggested});
    return nextSaveName;
}

std::optional<QString> FakePlatform::GetOpenFileName(QWidget*, const QString&, const QString&) {
    ++openRequests;
    return nextOpenName;
}

std::optional<QString> FakePlatform::Read(FormatItem item) {
    if (failReads) return std::nullopt;
    return formatValues.value(int(item));
}

bool FakePlatform::Write(FormatItem item, const QString& value) {
    if (failWrites) return false;
    formatWrites.append({item, value});
    formatValues[int(item)] = value;
    return true;
}
