#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/Startup.h"
#include "app/Unt_Main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<TFrmmain> window(StartKelvaro(app));
    window->show();
    // For the start-up benchmark only: end as soon as the first frame is drawn.
    if (qEnvironmentVariableIsSet("KELVARO_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
