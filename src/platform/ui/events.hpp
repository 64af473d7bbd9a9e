#pragma once
// Input as the backends deliver it: our own event type, in the legacy terms the forms use.
// Positions are screen pixels (the forms cover the screen from its origin), key codes are the
// legacy virtual-key codes (65 'A', 13 Enter, 27 Esc, 112 F1 …) and shift states the bits below.
namespace kartino::ui {

inline constexpr int kShiftMask = 1; // Shift held
inline constexpr int kCtrlMask = 2;  // Ctrl held
inline constexpr int kAltMask = 4;   // Alt held

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

enum class EventKind {
    MouseMove, // x, y; button = the buttons held
    MouseDown, // x, y, button
    MouseUp,   // x, y, button
    KeyDown,   // keyCode, shift (a held key repeats KeyDown)
    KeyUp,     // keyCode, shift
    Close,     // the window's close button
};

struct InputEvent {
    EventKind kind = EventKind::MouseMove;
    int x = 0, y = 0;
    int button = 0;
    int keyCode = 0;
    int shift = 0;
};

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint &) const = default;
};

} // namespace kartino::ui
