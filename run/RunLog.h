#pragma once

#include <string>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"

namespace Novem {

inline constexpr const char* kRunLogFileName = "NovemSolver.txt";

// Appends the bytes the run log holds for one grid update: the event's text form with every LF
// stored as CR LF, as a text stream stores it, then two separator lines, each written as
// "\r\n" and so stored as CR CR LF, which readers of the log rely on.
void AppendRunLogBlock(std::string& stored,
                       const GridUpdateListener<Grid_9x9>::GridUpdateEvent& event);

}  // namespace Novem
