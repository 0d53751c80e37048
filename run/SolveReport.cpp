#include "SolveReport.h"

#include <cstdio>

namespace Novem {

std::string Seconds(std::uint32_t milliseconds) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", static_cast<double>(milliseconds) / 1000.0);
    return seconds;
}

}  // namespace Novem
