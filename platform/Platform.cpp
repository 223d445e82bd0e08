#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
Services& Current() {
    static QtMessages messages;
    static QtModal modal;
    static QtShell shell;
    static QtPrinting printing;
    static QtFileDialogs dialogs;
    static ProgramFormats formats;
    static QtWebView web;
    static QtBeep beep;
    static SystemClock clock;
    static Services services{&messages, &modal, &shell, &printing, &dialogs, &formats, &web, &beep, &clock};
    return services;
}
}  // namespace

Services& Sys() { return Current(); }

ServicesScope::ServicesScope(const Services& replacement) : saved_(Current()) { Current() = replacement; }

ServicesScope::~ServicesScope() { Current() = saved_; }
