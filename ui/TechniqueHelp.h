#pragma once

#include <QString>
#include <string_view>

// What each technique is, in a sentence or two, for a reader who meets it for the first time.
namespace TechniqueHelp {

// Of a technique by its English name ("XY-wing", "naked pair"), in the user's language; empty for
// a name it does not know.
QString Of(std::string_view technique);

}  // namespace TechniqueHelp
