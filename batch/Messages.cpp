#include "Messages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Utf8.h"

namespace Novem::Batch::Messages {

namespace {

std::string_view g_program = "novem-batch";

// Characters a shell takes as they are, anywhere in a word.
bool IsOrdinary(char character) {
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
           (character >= '0' && character <= '9') ||
           std::string_view("%+,-./:=@_^").find(character) != std::string_view::npos;
}

std::string Escaped(unsigned char byte) {
    static constexpr std::string_view kNamed = "\a\b\t\n\v\f\r";
    static constexpr std::string_view kLetters = "abtnvfr";
    if (const std::size_t at = kNamed.find(static_cast<char>(byte)); at != std::string_view::npos) {
        return std::string("$'\\") + kLetters[at] + "'";
    }
    char octal[8];
    std::snprintf(octal, sizeof octal, "$'\\%03o'", byte);
    return octal;
}

}  // namespace

std::string Quote(std::string_view name, bool always) {
    if (!always && !name.empty() && std::all_of(name.begin(), name.end(), IsOrdinary)) {
        return std::string(name);
    }
    std::string quoted;
    bool inside = false;
    const auto quoting = [&](bool on) {
        if (on != inside) {
            quoted += '\'';
            inside = on;
        }
    };
    while (!name.empty()) {
        const std::size_t length = Utf8Length(name);
        const auto byte = static_cast<unsigned char>(name[0]);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            quoting(false);
            quoted += Escaped(byte);
        } else if (name[0] == '\'') {
            quoting(false);
            quoted += "\\'";
        } else {
            quoting(true);
            quoted.append(name.substr(0, length));
        }
        name.remove_prefix(length == 0 ? 1 : length);
    }
    quoting(false);
    return quoted.empty() ? "''" : quoted;
}

std::string_view Program() {
    return g_program;
}

void SetProgram(std::string_view program) {
    g_program = program;
}

std::string Line(const Subject& subject, std::string_view what, int error) {
    std::string line(Program());
    if (!subject.file.empty()) {
        line += ": ";
        line += Quote(subject.file);
        if (subject.line != 0) {
            line += ':';
            line += std::to_string(subject.line);
        }
    } else if (!subject.stream.empty()) {
        line += ": ";
        line += subject.stream;
    }
    if (!what.empty()) {
        line += ": ";
        line += what;
    }
    if (error != 0) {
        line += ": ";
        line += std::strerror(error);
    }
    return line + "\n";
}

}  // namespace Novem::Batch::Messages
