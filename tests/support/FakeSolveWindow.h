#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/GridGeometry.h"
#include "run/SolveWindow.h"

namespace Novem::TestSupport {

// Records what the Solve command does to its window, in order.
class FakeSolveWindow {
public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned style = 0;

        bool operator==(const Box&) const = default;
    };

    // Cells as 81 characters, '.' for an empty cell, both ways.
    void SetCells(const std::string& cells) {
        std::transform(cells.begin(), cells.end(), m_cells.begin(), [](char cell) {
            return cell == '.' ? std::string() : std::string(1, cell);
        });
    }
    std::string Cells() const {
        std::string cells;
        for (const std::string& text : m_cells) {
            cells += text.empty() ? "." : text;
        }
        return cells;
    }

    SolveWindow Operations() {
        return {
            .getCellText = [this](int cell) { return m_cells[cell]; },
            .setCellText =
                [this](int cell, const std::string& text) {
                    m_cells[cell] = text;
                    m_writes.emplace_back(cell, text);
                },
            .repaintNow =
                [this] {
                    m_calls.push_back("repaint");
                    if (m_onRepaint) {
                        m_onRepaint();
                    }
                },
            .messageBox =
                [this](std::string_view text, std::string_view caption, unsigned style) {
                    Show({std::string(text), std::string(caption), style});
                },
            .showResult =
                [this](const SolveReport& report, unsigned style) {
                    m_reports.push_back(report);
                    Show({ResultText(report), "Solver Status", style});
                },
            .beginWaitCursor = [this] { m_calls.push_back("begin wait"); },
            .endWaitCursor = [this] { m_calls.push_back("end wait"); },
            // Hands out the given readings in turn, then repeats the last.
            .getTickCount =
                [this] {
                    const std::uint32_t tick = m_ticks.front();
                    if (m_ticks.size() > 1) {
                        m_ticks.erase(m_ticks.begin());
                    }
                    return tick;
                },
        };
    }

    std::vector<std::uint32_t> m_ticks{0};
    std::function<void()> m_onRepaint;
    std::vector<std::string> m_calls;
    std::vector<Box> m_boxes;
    std::vector<SolveReport> m_reports;
    std::vector<std::pair<int, std::string>> m_writes;

private:
    void Show(Box box) {
        m_calls.push_back("box " + box.caption);
        m_boxes.push_back(std::move(box));
    }

    std::array<std::string, GridGeometry::kCells> m_cells;
};

}  // namespace Novem::TestSupport
