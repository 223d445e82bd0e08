#include "platform/RunCommand.h"

#include <QString>
#include <exception>

#include "platform/Platform.h"
#include "store/Errors.h"

void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const AbortCommand&) {
        // A lookup that could not run: the command ends without a word.
    } catch (const std::exception& e) {
        Sys().messages->ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        Sys().messages->ShowError(QStringLiteral("未知错误"));
    }
}
