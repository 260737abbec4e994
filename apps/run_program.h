// What both programs do from start to end: real services, their own folder as the current folder
// (a desktop launcher usually starts programs in the home folder), the start, then the event loop.
#pragma once

#include <QApplication>
#include <QDir>
#include <exception>

#include "forms/forms.h"
#include "platform/services.h"

namespace qv {

// The program's exit code, whether it ends by its last window, by ending the program or by a fault.
template <class Start>
int RunFromOwnFolder(Start start) {
    try {
        installRealServices();
        QDir::setCurrent(systemServices().ProgramFolder());
        start();
        return QApplication::exec();
    } catch (const ProgramEnded& ended) {
        return ended.code;
    } catch (const std::exception& e) {
        ReportFatal(e);
        return 1;
    }
}

}  // namespace qv
