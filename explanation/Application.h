#pragma once

#include <variant>

#include "ladder/Step.h"
#include "solver/RuleApplication.h"

namespace Novem {

// One application on the way to a solution: of one of the two rules, or of a technique of the
// ladder.
using Application = std::variant<RuleApplication, Ladder::Step>;

}  // namespace Novem
