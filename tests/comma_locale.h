// Switches the process to a locale whose decimal separator is a comma, for
// tests that formatting and parsing ignore the locale.
#pragma once

#include <clocale>
#include <string>

namespace vexil_test {

// Sets a German locale under the name this platform knows it by, and returns
// the locale to go back to; `changed` tells whether one was found.
inline std::string UseCommaLocale(bool &changed) {
    const char *current = std::setlocale(LC_ALL, nullptr);
    std::string previous = current != nullptr ? current : "C";
    changed = false;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE", "German"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            changed = true;
            break;
        }
    }
    return previous;
}

}  // namespace vexil_test
