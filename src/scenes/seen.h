// Demonstrations 8 and 9: what is seen of a moving square (Terrell) and disk
// (Penrose), on the observer's light cones, with the photograph beside it.
#pragma once

const double seenSceneDrop = -0.1;      // eye units
const double seenTurnAboutTime = -40.0; // degrees: the object beside the observer's world line
const float seenSceneScale = 0.55f;     // room for the tube and the cones
const double photographLeft = -1.8;     // eye units at the scene's distance: 0 degrees
const double photographRight = 1.8;     // 360 degrees
const double photographSeenY = -1.62;   // the seen image
const double photographRestY = -1.86;   // the object at rest in the same place

// The observer's world line and its light cones at lookTime; the object's world
// tube through boostMatrix, its slice at lookTime (what is measured), where it
// meets both cones (seen parts bright, unseen dim) with the rulings from the
// apex to what is seen; and the photograph strip of the observer's sky.
void drawSquareTubeScene();
void drawRoundTubeScene();
