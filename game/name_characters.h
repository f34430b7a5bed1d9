// The characters a player's name may hold, for the name box and the match runner alike.
#pragma once

namespace zavkari {

// Not a control character (C0, DELETE, C1) nor one of Unicode's bidirectional controls (the
// marks, embeddings, overrides and isolates): they would be drawn as boxes on the score sheet or
// turn its text around.
constexpr bool IsNameCharacter(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
    const bool bidiControl = c == 0x061C || c == 0x200E || c == 0x200F ||
                             (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return !bidiControl;
}

}  // namespace zavkari
