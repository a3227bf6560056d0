// Keeping the notes of what a side's moves showed.
#include "game/hand_notes.h"

#include <algorithm>

namespace kolvar {

void HandNotes::add(CardSet lacking, int held)
{
    if (lacking.empty() || held <= 0)
        return;
    if (count_ == kKept) {
        std::move(notes_.begin() + 1, notes_.end(), notes_.begin());
        --count_;
    }
    notes_[count_++] = {lacking, static_cast<int16_t>(held)};
}

void HandNotes::laid(Face card)
{
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        HandNote note = notes_[i];
        if (!note.lacking.has(card))
            --note.held;
        if (note.held > 0)
            notes_[kept++] = note;
    }
    count_ = static_cast<int16_t>(kept);
}

} // namespace kolvar
