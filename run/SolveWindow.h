#pragma once

#include <cstdint>
#include <string>

namespace Novem {

// Message box styles, with the values the front end maps onto its buttons and icons.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// What the Solve command needs of the window it runs in. Cells are numbered 9 * row + column.
class ISolveWindow {
public:
    virtual ~ISolveWindow() = default;

    // Empty, or the one character the cell shows.
    virtual std::string GetCellText(int cell) const = 0;
    virtual void SetCellText(int cell, const std::string& text) = 0;

    // Paints the window before returning: no events are handled while the solver runs.
    virtual void RepaintNow() = 0;

    // Modal; returns when the user has dismissed the box.
    virtual void MessageBox(const std::string& text, const std::string& caption,
                            unsigned style) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Milliseconds from an arbitrary origin, wrapping at 2^32.
    virtual std::uint32_t GetTickCount() const = 0;
};

}  // namespace Novem
