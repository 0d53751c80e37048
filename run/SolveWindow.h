#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "SolveReport.h"

namespace Novem {

// Message box styles, with the values the front end maps onto its buttons and icons.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// What the Solve command needs of the window it runs in: operations the window fills in. Cells
// are numbered as in the grid.
struct SolveWindow {
    // Empty, or the one character the cell shows.
    std::function<std::string(int cell)> getCellText;
    std::function<void(int cell, const std::string& text)> setCellText;

    // Paints the window before returning: no events are handled while the solver runs.
    std::function<void()> repaintNow;

    // Modal; returns when the user has dismissed the box. The texts are English.
    std::function<void(std::string_view text, std::string_view caption, unsigned style)> messageBox;

    // The "Solver Status" box with ResultText of the report: modal, with the style given.
    std::function<void(const SolveReport& report, unsigned style)> showResult;

    std::function<void()> beginWaitCursor;
    std::function<void()> endWaitCursor;

    // Milliseconds from an arbitrary origin, wrapping at 2^32.
    std::function<std::uint32_t()> getTickCount;
};

}  // namespace Novem
