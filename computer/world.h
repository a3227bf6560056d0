// A deal that a seat cannot tell from the real one: its observation with the
// cards it cannot place dealt at random between the opponent's hand and the
// stock's unseen part. The expert searches many of these.
//
// What the opponent's moves showed of his hand (hand_notes.h) weighs on the
// deal: the cards he held when he showed he lacked some are dealt from the
// others. People do take while they could lay, so only `trustShown` of the
// deals believe it; the rest deal his cards blind.
#pragma once

#include "computer/observation.h"
#include "computer/random_stream.h"
#include "game/table.h"

namespace kolvar {

Table SampleWorld(const Observation& o, RandomStream& random, double trustShown);

} // namespace kolvar
