// A second program for the single-instance tests: takes the instance named on its command line.
// Exit 3: another copy runs (it was asked to raise). Otherwise prints "first", waits for a raise
// request, prints "raised" and exits 0; exit 4 when none comes.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "platform/services.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    auto instance = qv::makeLocalSocketSingleInstance();
    if (!instance->Acquire(QString::fromLocal8Bit(argv[1])))
        return 3;
    instance->onActivateRequest = [&app] {
        std::puts("raised");
        std::fflush(stdout);
        app.exit(0);
    };
    std::puts("first");
    std::fflush(stdout);
    QTimer::singleShot(15000, &app, [&app] { app.exit(4); });
    return app.exec();
}
