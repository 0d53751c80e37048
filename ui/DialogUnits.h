#pragma once

#include <QFontMetrics>
#include <QRect>

// Dialog layouts are given in dialog units, which scale with the dialog's font as on the platform
// the layout was drawn for: a horizontal unit is a quarter of the font's average character width,
// a vertical one an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics);

    int X(int units) const { return Scale(units, m_baseX, 4); }
    int Y(int units) const { return Scale(units, m_baseY, 8); }
    QRect Rect(int x, int y, int width, int height) const {
        return {X(x), Y(y), X(width), Y(height)};
    }

private:
    // Rounded to the nearest pixel, as MulDiv does.
    static int Scale(int units, int base, int divisor) {
        return (units * base + divisor / 2) / divisor;
    }

    int m_baseX;
    int m_baseY;
};
