// The teaching overlays' state: flags, the events in the own frame, and the
// twins' trip in time.
#include "app/teaching.h"

#include <cmath>

bool showOwnAxes = false;
bool showSimultaneity = false;
bool showLightCones = false;
bool showAxisLabels = false;
bool labelWords = true;
int eventCount = 0;
bool tripShown = false;
double tripTau = 0.0;
double signalInterval = 0.0;
double eventOwnX[maxEvents];
double eventOwnT[maxEvents];
char eventLetter[maxEvents];

namespace {
char nextLetter = 'A'; // the letter after the last one given since Clear

bool letterTaken(char letter, int except) {
    for (int i = 0; i < eventCount; ++i) {
        if (i != except && eventLetter[i] == letter) {
            return true;
        }
    }
    return false;
}

char freshLetter() {
    if (nextLetter <= 'Z') {
        return nextLetter++;
    }
    char letter = 'A';
    while (letterTaken(letter, -1)) {
        ++letter;
    }
    return letter;
}
// an event's own-frame coordinates: finite, and no further out than eventReach
bool withinReach(double ownX, double ownT) {
    return std::fabs(ownX) <= eventReach && std::fabs(ownT) <= eventReach;
}
} // namespace

bool addEvent(double ownX, double ownT) {
    if (eventCount >= maxEvents || !withinReach(ownX, ownT)) {
        return false;
    }
    eventOwnX[eventCount] = ownX;
    eventOwnT[eventCount] = ownT;
    eventLetter[eventCount] = freshLetter();
    ++eventCount;
    return true;
}

bool moveEvent(int index, double ownX, double ownT) {
    if (index < 0 || index >= eventCount || !withinReach(ownX, ownT)) {
        return false;
    }
    eventOwnX[index] = ownX;
    eventOwnT[index] = ownT;
    return true;
}

bool setEventLetter(int index, char letter) {
    if (index < 0 || index >= eventCount || letter < 'A' || letter > 'Z') {
        return false;
    }
    for (int i = 0; i < eventCount; ++i) {
        if (i != index && eventLetter[i] == letter) {
            eventLetter[i] = eventLetter[index]; // the two swap, so every letter stays once
        }
    }
    eventLetter[index] = letter;
    if (letter >= nextLetter) {
        nextLetter = static_cast<char>(letter + 1);
    }
    return true;
}

void removeEvent(int index) {
    if (index < 0 || index >= eventCount) {
        return;
    }
    for (int i = index; i + 1 < eventCount; ++i) {
        eventOwnX[i] = eventOwnX[i + 1];
        eventOwnT[i] = eventOwnT[i + 1];
        eventLetter[i] = eventLetter[i + 1];
    }
    --eventCount;
}

void clearEvents() {
    eventCount = 0;
    nextLetter = 'A';
}
