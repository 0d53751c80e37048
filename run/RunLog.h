#pragma once

#include "TextFile.h"
#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"

namespace Novem {

inline constexpr const char* kRunLogFileName = "NovemSolver.txt";

// Appends the block of one grid update: the event's dump, then two separator lines. Through the
// text file each separator is stored as CR CR LF, which readers of the log rely on.
inline void WriteRunLogBlock(TextFile& log,
                             const GridUpdateListener<Grid_9x9>::GridUpdateEvent& event) {
    log.Write(event.ToString());
    log.Write("\r\n");
    log.Write("\r\n");
}

}  // namespace Novem
