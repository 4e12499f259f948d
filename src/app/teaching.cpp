// The teaching overlays' state: flags, the events in the own frame, and the
// twins' trip in time.
#include "app/teaching.h"

#include <cmath>

bool showOwnAxes = false;
bool showSimultaneity = false;
bool showLightCones = false;
bool showAxisLabels = false;
int eventCount = 0;
bool tripShown = false;
double tripTau = 0.0;
double signalInterval = 0.0;
double eventOwnX[maxEvents];
double eventOwnT[maxEvents];

bool addEvent(double ownX, double ownT) {
    if (eventCount >= maxEvents || !std::isfinite(ownX) || !std::isfinite(ownT)) {
        return false;
    }
    eventOwnX[eventCount] = ownX;
    eventOwnT[eventCount] = ownT;
    ++eventCount;
    return true;
}

void removeEvent(int index) {
    if (index < 0 || index >= eventCount) {
        return;
    }
    for (int i = index; i + 1 < eventCount; ++i) {
        eventOwnX[i] = eventOwnX[i + 1];
        eventOwnT[i] = eventOwnT[i + 1];
    }
    --eventCount;
}

void clearEvents() {
    eventCount = 0;
}
