// The scenes' switch and settings: the probe ray of the cones, the gyroscope's
// orbit speed and place, and the polygon of boosts.
#include "app/sceneSettings.h"

#include <cstdlib>
#include <cstring>

bool scenesShown = false;
double probeRayDegrees = defaultProbeRayDegrees;
double orbitSpeed = defaultOrbitSpeed;
int polygonSides = defaultPolygonSides;
double gyroscopeOrbitShare = 0.0;

namespace {
const int lastSceneOfItsOwn = 4; // without the switch
} // namespace

void readScenesSwitch() {
    const char* value = std::getenv("LORENTZ_SCENES");
    scenesShown = value != nullptr && std::strcmp(value, "1") == 0;
}

bool hasSceneOfItsOwn(int demo) {
    return (demo >= 1 && demo <= lastSceneOfItsOwn) ||
           (scenesShown && demo >= demoUpwardCone && demo <= demoThomasPrecession);
}

bool boostsInThreeDimensions(int demo) {
    return demo == lastSceneOfItsOwn || (hasSceneOfItsOwn(demo) && demo > lastSceneOfItsOwn);
}

void resetSceneSettings() {
    probeRayDegrees = defaultProbeRayDegrees;
    orbitSpeed = defaultOrbitSpeed;
    polygonSides = defaultPolygonSides;
    gyroscopeOrbitShare = 0.0;
}
