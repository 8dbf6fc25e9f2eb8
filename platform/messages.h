// Window messages: the record and the numbers the program and its components use.
#pragma once

#include <cstdint>

struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_USER = 0x0400;
// Sent to a control on the idle pass after the pointer has left it.
constexpr unsigned CM_MOUSELEAVE = 0xB014;

// Key-state flags in the WParam of mouse messages.
constexpr std::uintptr_t MK_LBUTTON = 0x0001;
constexpr std::uintptr_t MK_RBUTTON = 0x0002;
constexpr std::uintptr_t MK_SHIFT = 0x0004;
constexpr std::uintptr_t MK_CONTROL = 0x0008;
constexpr std::uintptr_t MK_MBUTTON = 0x0010;

// Mouse position in the LParam of mouse messages: two signed 16-bit halves.
constexpr std::intptr_t MakeMouseLParam(int x, int y) {
    return static_cast<std::intptr_t>(
        (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
        static_cast<std::uint16_t>(x));
}
constexpr int MouseX(std::intptr_t lParam) {
    return static_cast<std::int16_t>(lParam & 0xFFFF);
}
constexpr int MouseY(std::intptr_t lParam) {
    return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
}
