// Callbacks into the class library run from Qt's event dispatch, which must never be unwound
// by an exception.
#pragma once

#include <cstdio>
#include <exception>
#include <utility>

namespace qtbackend {

template <class Callback>
void CallGuarded(Callback&& callback) noexcept {
    try {
        std::forward<Callback>(callback)();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tralalino: exception escaped an event handler: %s\n", error.what());
    } catch (...) {
        std::fputs("tralalino: exception escaped an event handler\n", stderr);
    }
}

}  // namespace qtbackend
