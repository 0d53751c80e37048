#pragma once

#include <string_view>

namespace Novem {

// Marks a text that the desktop program shows in the user's language, looked up there by its
// English words under `context`. The translators' list is gathered from these marks (the build
// reads Translatable as Qt's QT_TRANSLATE_NOOP), so a text is written once, where it is used;
// everywhere else it is the English text as it stands.
constexpr std::string_view Translatable(std::string_view /*context*/, std::string_view text) {
    return text;
}

}  // namespace Novem
