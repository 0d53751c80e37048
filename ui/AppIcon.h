#pragma once

#include <QIcon>
#include <QImage>
#include <array>

// The program's icon: a 3x3 grid with a bold digit over it, drawn for each size so that it stays
// sharp at 16, 32 and 48 pixels.
inline constexpr std::array kAppIconSizes{16, 32, 48};

QImage DrawAppIcon(int size);
QIcon LoadAppIcon();
