// Runs the procedure named by a type string; a string that names none runs nothing.
#pragma once

#include <QLatin1String>
#include <QString>
#include <initializer_list>

namespace qv {

struct Route {
    const char* key;
    void (*run)();
};

// Whole-string, case-sensitive match.
inline void RunRoute(const QString& key, std::initializer_list<Route> routes) {
    for (const Route& r : routes) {
        if (key == QLatin1String(r.key)) {
            r.run();
            return;
        }
    }
}

}  // namespace qv
