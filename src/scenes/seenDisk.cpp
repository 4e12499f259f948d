// Demonstration 9: the disk's world tube, its rim where it meets the
// observer's light cones (the seen arc dark, the rest pale) with 12 coloured
// ticks and the rulings of the light seen from them, its slice at the
// observer's time, and its photograph.
#include "scenes/sceneView.h"
#include "scenes/seenParts.h"

#include <cmath>
#include <initializer_list>

namespace {
const int rimSamples = seen::maxOutlinePoints;
const double tickMarkHalfHeight = 0.07; // a rim tick's mark on the photograph
const GLfloat tickWidth = 3.0f;
const GLfloat tickSize = 8.0f;
const float seenRimColour[3] = {0.2f, 0.2f, 0.2f}; // dark grey

// the rim's seen arc from the observer's own-frame place
struct RimArc {
    bool visible;
    double centreDegrees, halfDegrees;
    double centre, halfCosine; // seen where cos(a - centre) >= halfCosine
};

RimArc rimArc(const SkyView& view) {
    RimArc arc;
    arc.visible = seenRimArc(view.observer, arc.centreDegrees, arc.halfDegrees);
    arc.centre = arc.centreDegrees * seen::pi / 180.0;
    arc.halfCosine = std::cos(arc.halfDegrees * seen::pi / 180.0);
    return arc;
}

double rimX(double degrees) {
    return diskRadius * std::cos(degrees * seen::pi / 180.0);
}

double rimY(double degrees) {
    return objectCentreY + diskRadius * std::sin(degrees * seen::pi / 180.0);
}

bool rimSeen(const RimArc& arc, double degrees) {
    return arc.visible && std::cos(degrees * seen::pi / 180.0 - arc.centre) >= arc.halfCosine;
}

} // namespace

namespace seen {
// 12 rim ticks round the colour wheel (half a step off pure yellow, which the
// lit material looks like), at own angles 0, 30, ... 330
void tickColour(int k, float out[3]) {
    const double h = 6.0 * (k + 0.5) / rimTicks;
    for (int c = 0; c < 3; ++c) {
        const double d = std::fabs(std::fmod(h + 6.0 - 2.0 * c, 6.0) - 3.0); // 0..3
        out[c] = static_cast<float>(std::fmin(1.0, std::fmax(0.0, d - 1.0)) * 0.85);
    }
}

int diskOutline(double points[][2]) {
    for (int i = 0; i < rimSamples; ++i) {
        points[i][0] = rimX(360.0 * i / rimSamples);
        points[i][1] = rimY(360.0 * i / rimSamples);
    }
    return rimSamples;
}

void drawRoundTube(const SeenFrame& frame) {
    const SkyView& l = frame.view;
    const RimArc arc = rimArc(l);
    glLineWidth(tubeWidth);
    setSceneColour(tubeColour);
    for (double t : {frame.tubeFrom, frame.tubeTo}) {
        glBegin(GL_LINE_LOOP);
        {
            for (int i = 0; i < rimSamples; ++i) {
                const double a = 360.0 * i / rimSamples;
                sceneVertex({rimX(a), rimY(a), t});
            }
        }
        glEnd();
    }
    glBegin(GL_LINES);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            sceneVertex({rimX(a), rimY(a), frame.tubeFrom});
            sceneVertex({rimX(a), rimY(a), frame.tubeTo});
        }
    }
    glEnd();
    // where the rim meets the cones: seen dark, unseen pale; the seen ticks in colour
    glLineWidth(curveWidth);
    glBegin(GL_LINES);
    {
        for (bool past : {true, false}) {
            for (int i = 0; i < rimSamples; ++i) {
                const double a = 360.0 * i / rimSamples, b = 360.0 * (i + 1) / rimSamples;
                setSceneColour(rimSeen(arc, 0.5 * (a + b)) ? seenRimColour : unseenColour);
                for (double c : {a, b}) {
                    sceneVertex(past ? pastConeEvent(l.observer, rimX(c), rimY(c))
                                     : futureConeEvent(l.observer, rimX(c), rimY(c)));
                }
            }
        }
        // rulings from the apex to the seen ticks
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            if (rimSeen(arc, a)) {
                float colour[3];
                tickColour(k, colour);
                setSceneColour(colour);
                sceneVertex(l.observer);
                sceneVertex(pastConeEvent(l.observer, rimX(a), rimY(a)));
            }
        }
    }
    glEnd();
    glPointSize(tickSize);
    glBegin(GL_POINTS);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            float colour[3];
            tickColour(k, colour);
            setSceneColour(colour);
            sceneVertex(sliceEvent(rimX(a), rimY(a)));
            if (rimSeen(arc, a)) {
                sceneVertex(pastConeEvent(l.observer, rimX(a), rimY(a)));
            }
        }
    }
    glEnd();
    glLineWidth(sliceWidth);
    setSceneColour(sliceColour);
    glBegin(GL_LINE_LOOP);
    {
        for (int i = 0; i < rimSamples; ++i) {
            const double a = 360.0 * i / rimSamples;
            sceneVertex(sliceEvent(rimX(a), rimY(a)));
        }
    }
    glEnd();
}

void drawDiskPhotograph(const SkyView& l) {
    const RimArc arc = rimArc(l);
    if (!arc.visible) {
        return;
    }
    const double centre = arc.centreDegrees, half = arc.halfDegrees;
    auto seenAt = [&](double a) { return seenSkyDegrees(l, rimX(a), rimY(a)); };
    auto restAt = [&](double a) { return restSkyDegrees(l, rimX(a), rimY(a)); };
    glLineWidth(photographWidth);
    setSceneColour(seenRimColour);
    glBegin(GL_LINES);
    {
        const int steps = faceSamples;
        for (int i = 0; i < steps; ++i) {
            const double a = centre - half + 2.0 * half * i / steps;
            const double b = centre - half + 2.0 * half * (i + 1) / steps;
            photographSegment(seenAt(a), seenAt(b), photographSeenY);
            photographSegment(restAt(a), restAt(b), photographRestY);
        }
    }
    glEnd();
    // the seen ticks as short upright marks on both strips
    glLineWidth(tickWidth);
    glBegin(GL_LINES);
    {
        for (int k = 0; k < rimTicks; ++k) {
            const double a = 360.0 * k / rimTicks;
            if (!rimSeen(arc, a)) {
                continue;
            }
            float colour[3];
            tickColour(k, colour);
            setSceneColour(colour);
            photographMark(seenAt(a), photographSeenY, tickMarkHalfHeight);
            photographMark(restAt(a), photographRestY, tickMarkHalfHeight);
        }
    }
    glEnd();
}

} // namespace seen
