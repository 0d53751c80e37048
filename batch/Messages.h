#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How novem-batch and novem-generate tell the user what went wrong, the way GNU tools do.
namespace Novem::Batch::Messages {

// The program's name in every message: "novem-batch" unless `main` names another before anything
// else runs.
std::string_view Program();
void SetProgram(std::string_view program);

// What a message is about: a file as the user named it, with a line of it, or a standard stream
// named in words ("standard output"); either may be left empty.
struct Subject {
    std::string_view file{};
    std::uint64_t line = 0;
    std::string_view stream{};
};

// `name` as GNU tools write a file name in a message: as it stands when it holds only ordinary
// characters, otherwise in single quotes, with every control character and every byte that is
// not part of valid UTF-8 written outside them as $'\n' or $'\377', so that a message stays one
// line that a shell can read back. `always` quotes ordinary names too, as for an option's value.
std::string Quote(std::string_view name, bool always = false);

// One line: "PROGRAM: SUBJECT: WHAT: REASON", without the parts that are empty; the reason is
// the system's for the errno value `error`, none for 0.
std::string Line(const Subject& subject, std::string_view what, int error = 0);

}  // namespace Novem::Batch::Messages
