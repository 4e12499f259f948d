// The scenes' switch and settings: the probe ray of the cones, the gyroscope's
// orbit speed and place, the polygon of boosts, the observer's time and the
// camera's switches.
#include "app/sceneSettings.h"

#include "app/accelerated.h"

#include <cstdlib>
#include <cstring>

bool scenesShown = false;
double probeRayDegrees = defaultProbeRayDegrees;
double orbitSpeed = defaultOrbitSpeed;
int polygonSides = defaultPolygonSides;
double gyroscopeOrbitShare = 0.0;
double lookTime = 0.0;
bool cameraWhole = false;
bool cameraLightDelay = true;
bool cameraDoppler = false;
bool cameraBrightness = false;
bool cameraAimFixed = false;

namespace {
const int lastSceneOfItsOwn = 4; // without the switch
} // namespace

void readScenesSwitch() {
    const char* value = std::getenv("LORENTZ_SCENES");
    scenesShown = value != nullptr && std::strcmp(value, "1") == 0;
}

bool hasSceneOfItsOwn(int demo) {
    return (demo >= 1 && demo <= lastSceneOfItsOwn) ||
           (scenesShown && demo >= demoUpwardCone && demo <= demoBellShips);
}

bool boostsInThreeDimensions(int demo) {
    return demo == lastSceneOfItsOwn ||
           (scenesShown && demo >= demoUpwardCone && demo <= demoRoundTube);
}

bool boostsAlongX(int demo) {
    return (demo >= 1 && demo < lastSceneOfItsOwn) ||
           (scenesShown && (demo == demoRocket || demo == demoBellShips));
}

void resetSceneSettings() {
    probeRayDegrees = defaultProbeRayDegrees;
    orbitSpeed = defaultOrbitSpeed;
    polygonSides = defaultPolygonSides;
    gyroscopeOrbitShare = 0.0;
    lookTime = 0.0;
    cameraWhole = false;
    cameraLightDelay = true;
    cameraDoppler = false;
    cameraBrightness = false;
    cameraAimFixed = false;
}
