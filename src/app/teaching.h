// What the teaching page adds to the state, all off at start, so that the
// picture is the program's own until the page turns something on: overlays
// of the objects' own frame on demonstrations 1-3, events placed by the user,
// kept in the own frame (they move with the objects under a boost), and the
// twins' trip in time in demonstration 3.
#pragma once

extern bool showOwnAxes;      // the own frame's x' and t' axes with unit ticks
extern bool showSimultaneity; // each event's lines of simultaneity, both frames
extern bool showLightCones;   // each event's future light cone
extern bool labelWords;       // with the labels, words too (F8 and F9's strips' names, in English)
extern bool showAxisLabels;   // the axes' names and tick numbers, and x', t' with the own axes

const int maxEvents = 26;        // lettered A to Z in the order placed
const double eventReach = 100.0; // own-frame x and t at most this far out (the view shows 2)
extern int eventCount;
extern double eventOwnX[maxEvents]; // own frame, c = 1
extern double eventOwnT[maxEvents];
extern char eventLetter[maxEvents]; // each event keeps its letter while it lives

// False when all 26 are placed or a coordinate is not finite. The new event
// takes the letter after the last one given since Clear; once Z is given, the
// first letter free again.
bool addEvent(double ownX, double ownT);
// Later events move up a place and keep their letters; an index out of range
// changes nothing.
void removeEvent(int index);
// False for an index out of range or a coordinate not finite.
bool moveEvent(int index, double ownX, double ownT);
// Event index takes letter ('A'-'Z'); an event that had it takes index's old one.
bool setEventLetter(int index, char letter);
void clearEvents();

extern bool tripShown;        // the trip in time, drawn once the page sets tau
extern double tripTau;        // the traveller's proper time
extern double signalInterval; // light pulses every this much proper time; 0 none
