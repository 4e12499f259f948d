// Demonstration 8: the square's world tube, its faces where they meet the
// observer's light cones (seen in their colours, unseen pale) with the rulings
// of the light seen, its slice at the observer's time, and its photograph.
#include "scenes/sceneView.h"
#include "scenes/seenParts.h"

#include <initializer_list>

namespace {

void facePoint(SquareFace face, int i, double& x, double& y) {
    double ends[2][2];
    squareFaceEnds(face, ends);
    const double s = static_cast<double>(i) / seen::faceSamples;
    x = ends[0][0] + s * (ends[1][0] - ends[0][0]);
    y = ends[0][1] + s * (ends[1][1] - ends[0][1]);
}

} // namespace

namespace seen {
const float faceColours[squareFaceCount][3] = {
    {1.0f, 0.4f, 0.0f},  // near: orange
    {0.3f, 0.6f, 1.0f},  // far: sky blue
    {1.0f, 0.0f, 1.0f},  // leading: magenta
    {0.0f, 0.45f, 0.0f}, // trailing: dark green
};

int squareOutline(double points[][2]) {
    for (int f = 0; f < squareFaceCount; ++f) {
        double ends[2][2];
        squareFaceEnds(static_cast<SquareFace>(f), ends);
        points[f][0] = ends[0][0];
        points[f][1] = ends[0][1];
    }
    return squareFaceCount;
}

void drawSquareTube(const SeenFrame& frame) {
    const SkyView& l = frame.view;
    glLineWidth(tubeWidth);
    setSceneColour(tubeColour);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            double ends[2][2];
            squareFaceEnds(static_cast<SquareFace>(f), ends);
            sceneVertex({ends[0][0], ends[0][1], frame.tubeFrom});
            sceneVertex({ends[0][0], ends[0][1], frame.tubeTo});
            for (double t : {frame.tubeFrom, frame.tubeTo}) {
                sceneVertex({ends[0][0], ends[0][1], t});
                sceneVertex({ends[1][0], ends[1][1], t});
            }
        }
    }
    glEnd();
    // where the tube meets the cones, face by face
    glLineWidth(curveWidth);
    for (int f = 0; f < squareFaceCount; ++f) {
        const SquareFace face = static_cast<SquareFace>(f);
        setSceneColour(faceSeen(l.observer, face) ? faceColours[f] : unseenColour);
        for (bool past : {true, false}) {
            glBegin(GL_LINE_STRIP);
            {
                for (int i = 0; i <= faceSamples; ++i) {
                    double x, y;
                    facePoint(face, i, x, y);
                    sceneVertex(past ? pastConeEvent(l.observer, x, y)
                                     : futureConeEvent(l.observer, x, y));
                }
            }
            glEnd();
        }
    }
    // the rulings from the apex to the seen outline
    glLineWidth(tubeWidth);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            if (!faceSeen(l.observer, static_cast<SquareFace>(f))) {
                continue;
            }
            setSceneColour(faceColours[f]);
            for (int i = 0; i <= faceSamples; i += rulingsEvery) {
                double x, y;
                facePoint(static_cast<SquareFace>(f), i, x, y);
                sceneVertex(l.observer);
                sceneVertex(pastConeEvent(l.observer, x, y));
            }
        }
    }
    glEnd();
    // measured: the square at the observer's time
    glLineWidth(sliceWidth);
    setSceneColour(sliceColour);
    glBegin(GL_LINE_LOOP);
    {
        for (SquareFace f : {nearFace, leadingFace, farFace, trailingFace}) { // round the square
            double ends[2][2];
            squareFaceEnds(f, ends);
            sceneVertex(sliceEvent(ends[0][0], ends[0][1]));
        }
    }
    glEnd();
}

void drawSquarePhotograph(const SkyView& l) {
    glLineWidth(photographWidth);
    glBegin(GL_LINES);
    {
        for (int f = 0; f < squareFaceCount; ++f) {
            const SquareFace face = static_cast<SquareFace>(f);
            if (!faceSeen(l.observer, face)) {
                continue;
            }
            setSceneColour(faceColours[f]);
            for (int i = 0; i < faceSamples; ++i) {
                double x0, y0, x1, y1;
                facePoint(face, i, x0, y0);
                facePoint(face, i + 1, x1, y1);
                photographSegment(seenSkyDegrees(l, x0, y0), seenSkyDegrees(l, x1, y1),
                                  photographSeenY);
                photographSegment(restSkyDegrees(l, x0, y0), restSkyDegrees(l, x1, y1),
                                  photographRestY);
            }
        }
    }
    glEnd();
}

} // namespace seen
