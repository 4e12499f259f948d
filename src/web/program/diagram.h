// The page's two frames on one diagram: events and the chosen pair of them.
#pragma once

#include "relativity/events.h"

// The pair chosen on the page, seen through the boost; false when there is none.
bool chosenPair(PairRelation& relation);
