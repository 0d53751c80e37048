#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "run/SolveWindow.h"

namespace Novem::TestSupport {

// Records what the Solve command does to its window, in order.
class FakeSolveWindow : public ISolveWindow {
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

    std::string GetCellText(int cell) const override { return m_cells[cell]; }
    void SetCellText(int cell, const std::string& text) override {
        m_cells[cell] = text;
        m_writes.emplace_back(cell, text);
    }
    void RepaintNow() override {
        m_calls.push_back("repaint");
        if (m_onRepaint) {
            m_onRepaint();
        }
    }
    void MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        m_calls.push_back("box " + caption);
        m_boxes.push_back({text, caption, style});
    }
    void BeginWaitCursor() override { m_calls.push_back("begin wait"); }
    void EndWaitCursor() override { m_calls.push_back("end wait"); }
    // Hands out the given readings in turn, then repeats the last.
    std::uint32_t GetTickCount() const override {
        const std::uint32_t tick = m_ticks.front();
        if (m_ticks.size() > 1) {
            m_ticks.erase(m_ticks.begin());
        }
        return tick;
    }

    mutable std::vector<std::uint32_t> m_ticks{0};
    std::function<void()> m_onRepaint;
    std::vector<std::string> m_calls;
    std::vector<Box> m_boxes;
    std::vector<std::pair<int, std::string>> m_writes;

private:
    std::array<std::string, 81> m_cells;
};

}  // namespace Novem::TestSupport
