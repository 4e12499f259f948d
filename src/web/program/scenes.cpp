// The page's side of the 3D scenes of F5 to F9, which the page always shows.
// What the page calls:
//   webShowScenes()             once, at start
//   webSetProbeRay(degrees)     F5, F6: the probe ray, 0 to 180 from the motion
//   webSetOrbitSpeed(u)         F7: the gyroscope's speed, 0.05 to 0.95
//   webSetPolygonSides(n)       F7: the polygon of boosts, 3 to 12 sides
//   webSetOrbitShare(share)     F7: the gyroscope's place, 0 to 1
//   webSetLookTime(t)           F8, F9: the observer's time, -5 to 5
//   webSeenFaces()              F8: the faces seen, across the image ("near, trailing")
//   webSetCamera(which, on)     F8, F9: the camera's switches, 0 or 1: its picture filling
//                               the window, light travel time, Doppler colour, brightness,
//                               aim fixed along +y (which: 0 to 4, in that order)
//   webResetScenes()            all of them back to their start values
// Each setter returns 0 and changes nothing when the value is out of range.
// The scenes' readouts are worked out here too, for the panel.
#include "web/program/scenes.h"

#include "app/sceneSettings.h"
#include "app/state.h"
#include "relativity/camera.h"
#include "relativity/lightCones.h"
#include "relativity/terrell.h"
#include "relativity/thomas.h"

#include <GL/freeglut.h>
#include <cmath>
#include <cstring>
#include <emscripten/emscripten.h>

namespace {
const double maxProbeRayDegrees = 180.0;
const double minOrbitSpeed = 0.05;
const double maxOrbitSpeed = 0.95;
const int minPolygonSides = 3;
const int maxPolygonSides = 12;
const double maxLookTime = 5.0;
char seenFacesText[64];

enum SceneQuantity {
    halfAngle, // the light cones: degrees, acos v
    rayAngle,  // the probe ray as drawn, degrees from the direction of motion
    rayDoppler,
    thomasPerOrbit, // Thomas precession: degrees per orbit
    polygonPerLoop, // the same for a polygon of boosts
    orbitShare,     // how far round the gyroscope is, 0 to 1
    observerTime,   // what is seen: the observer's time, the apex of its cones
    imageFrom,      // the seen image's extent, sky degrees from the direction of motion
    imageTo,
    apparentRotation,
    outlineAlong,  // the camera's picture: degrees along the plane of motion
    outlineAcross, // and across it, through its middle
    outlineAspect, // along / across
    imageDoppler,  // the Doppler factor of light from the middle of imageFrom and imageTo
};
const char* const sceneQuantityNames[sceneQuantityCount] = {
    "halfAngle",    "rayAngle",      "rayDoppler",    "thomasAngle",  "polygonAngle",
    "orbitShare",   "lookTime",      "imageFrom",     "imageTo",      "apparentRotation",
    "outlineAlong", "outlineAcross", "outlineAspect", "imageDoppler",
};
static_assert(imageDoppler + 1 == sceneQuantityCount, "a name a quantity");
bool* const cameraSwitches[] = {&cameraWhole, &cameraLightDelay, &cameraDoppler, &cameraBrightness,
                                &cameraAimFixed};
const int cameraSwitchCount = sizeof cameraSwitches / sizeof cameraSwitches[0];

int changed() {
    glutPostRedisplay();
    return 1;
}
} // namespace

const char* sceneQuantityName(int i) {
    return (i >= 0 && i < sceneQuantityCount) ? sceneQuantityNames[i] : "";
}

void readSceneQuantities(double speed, double out[sceneQuantityCount]) {
    if (currentDemo == demoUpwardCone) {
        out[halfAngle] = aberrationHalfAngle(speed);
        out[rayAngle] = emittedDrawnAngle(probeRayDegrees, speed);
        out[rayDoppler] = emittedDoppler(probeRayDegrees, speed);
    } else if (currentDemo == demoDownwardCone) {
        out[halfAngle] = aberrationHalfAngle(speed);
        out[rayAngle] = receivedDrawnAngle(probeRayDegrees, speed);
        out[rayDoppler] = receivedDoppler(probeRayDegrees, speed);
    } else if (currentDemo == demoThomasPrecession) {
        out[thomasPerOrbit] = thomasAngle(orbitSpeed);
        out[polygonPerLoop] = polygonAngle(polygonSides, orbitSpeed);
        out[orbitShare] = gyroscopeOrbitShare;
    } else if (currentDemo == demoSquareTube || currentDemo == demoRoundTube) {
        const SeenImage image = currentDemo == demoSquareTube ? seeSquare(boostMatrix, lookTime)
                                                              : seeDisk(boostMatrix, lookTime);
        out[observerTime] = lookTime;
        out[imageFrom] = image.from;
        out[imageTo] = image.to;
        out[apparentRotation] = image.apparentRotation;
        const CameraLook look = cameraLookAt(boostMatrix, lookTime, cameraLightDelay);
        const PictureSize size =
            currentDemo == demoSquareTube ? cubePicture(look) : spherePicture(look);
        out[outlineAlong] = size.along;
        out[outlineAcross] = size.across;
        out[outlineAspect] = size.along / size.across;
        // the middle of the arc counter-clockwise from imageFrom to imageTo
        const double width = std::fmod(image.to - image.from + 360.0, 360.0);
        out[imageDoppler] = skyDoppler(speed, image.from + 0.5 * width, 0.0);
    }
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void webShowScenes() {
    scenesShown = true;
}

EMSCRIPTEN_KEEPALIVE int webSetProbeRay(double degrees) {
    if (!(degrees >= 0.0 && degrees <= maxProbeRayDegrees)) {
        return 0;
    }
    probeRayDegrees = degrees;
    return changed();
}

EMSCRIPTEN_KEEPALIVE int webSetOrbitSpeed(double speed) {
    if (!(speed >= minOrbitSpeed && speed <= maxOrbitSpeed)) {
        return 0;
    }
    orbitSpeed = speed;
    return changed();
}

EMSCRIPTEN_KEEPALIVE int webSetPolygonSides(int sides) {
    if (sides < minPolygonSides || sides > maxPolygonSides) {
        return 0;
    }
    polygonSides = sides;
    return changed();
}

EMSCRIPTEN_KEEPALIVE int webSetOrbitShare(double share) {
    if (!(share >= 0.0 && share <= 1.0)) {
        return 0;
    }
    gyroscopeOrbitShare = share;
    return changed();
}

EMSCRIPTEN_KEEPALIVE int webSetLookTime(double t) {
    if (!(t >= -maxLookTime && t <= maxLookTime)) {
        return 0;
    }
    lookTime = t;
    return changed();
}

EMSCRIPTEN_KEEPALIVE int webSetCamera(int which, int on) {
    if (which < 0 || which >= cameraSwitchCount || (on != 0 && on != 1)) {
        return 0;
    }
    *cameraSwitches[which] = on == 1;
    return changed();
}

EMSCRIPTEN_KEEPALIVE const char* webSeenFaces() {
    seenFacesText[0] = '\0';
    if (currentDemo != demoSquareTube || !hasSceneOfItsOwn(currentDemo)) {
        return seenFacesText;
    }
    const SeenImage image = seeSquare(boostMatrix, lookTime);
    for (int i = 0; i < image.faceCount; ++i) {
        if (i > 0) {
            std::strcat(seenFacesText, ", ");
        }
        std::strcat(seenFacesText, squareFaceNames[image.faces[i]]);
    }
    return seenFacesText;
}

EMSCRIPTEN_KEEPALIVE void webResetScenes() {
    resetSceneSettings();
    glutPostRedisplay();
}

} // extern "C"
