// Demonstrations 8 and 9: what is seen of a moving square (Terrell) and disk
// (Penrose), on the observer's light cones, with the photograph beside it.
#pragma once

const double seenTurnAboutTime = -40.0; // degrees: the object beside the observer's world line
const double seenLargestScale = 0.55;   // scene units to eye units, when the whole fits at it
const double photographLeft = -1.8;     // eye units at the scene's distance: where the strips start
const double photographRight = 1.8;     // and end (0 to 360 degrees, or -180 to 180)
const double photographSeenY = -1.54;   // the seen image
const double photographRestY = -1.80;   // the object at rest in the same place

// The part of the view (eye units at the scene's distance, the view spanning
// -2..2) that the construction is fitted into, whatever the observer's time.
struct SeenRegion {
    double left, right, bottom, top;
};
extern const SeenRegion constructionRegion;

// The observer's world line and its light cones at lookTime; the object's world
// tube through boostMatrix, its slice at lookTime (what is measured), where it
// meets both cones (seen parts bright, unseen dim) with the rulings from the
// apex to what is seen; and the photograph strip of the observer's sky.
void drawSquareTubeScene();
void drawRoundTubeScene();
