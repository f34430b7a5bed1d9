#include "caption_text.h"

namespace zavkari {

void CaptionText::AssignLong(std::string_view text) {
    long_.assign(text);
    isLong_ = true;
}

}  // namespace zavkari
