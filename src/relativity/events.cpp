// Two frames on one diagram. The boost's x-t block maps own coordinates onto
// the diagram; its inverse maps back. A pair's interval comes from the own
// coordinates, which no boost touches; the velocities that make a pair
// simultaneous or co-located solve gamma (dt' + v dx') = 0 and
// gamma (dx' + v dt') = 0.
#include "relativity/events.h"

#include <cmath>

namespace {
// relative to the separation's size: below this a difference is rounding
const double roundingShare = 1e-9;

int orderOf(double dt, double scale) {
    if (std::fabs(dt) <= roundingShare * scale) {
        return 0;
    }
    return dt > 0.0 ? -1 : 1;
}
} // namespace

SpacetimePoint ownToDiagram(const Matrix4& boost, SpacetimePoint own) {
    const double* m = boost.m;
    return {m[0] * own.x + m[4] * own.t, m[1] * own.x + m[5] * own.t};
}

SpacetimePoint diagramToOwn(const Matrix4& boost, SpacetimePoint diagram) {
    const double* m = boost.m;
    const double det = m[0] * m[5] - m[4] * m[1]; // 1 for a Lorentz boost, to rounding
    return {(m[5] * diagram.x - m[4] * diagram.t) / det,
            (m[0] * diagram.t - m[1] * diagram.x) / det};
}

double intervalSquared(SpacetimePoint a, SpacetimePoint b) {
    const double dx = b.x - a.x, dt = b.t - a.t;
    return dt * dt - dx * dx;
}

PairRelation relatePair(const Matrix4& boost, SpacetimePoint firstOwn, SpacetimePoint secondOwn) {
    const double dxOwn = secondOwn.x - firstOwn.x, dtOwn = secondOwn.t - firstOwn.t;
    const SpacetimePoint a = ownToDiagram(boost, firstOwn), b = ownToDiagram(boost, secondOwn);
    const double scaleOwn = std::fabs(dxOwn) + std::fabs(dtOwn);
    const double scaleDiagram = std::fabs(b.x - a.x) + std::fabs(b.t - a.t);

    PairRelation r;
    r.interval = intervalSquared(firstOwn, secondOwn);
    if (std::fabs(r.interval) <= roundingShare * scaleOwn * scaleOwn) {
        r.kind = Separation::lightlike;
    } else {
        r.kind = r.interval > 0.0 ? Separation::timelike : Separation::spacelike;
    }
    r.orderDiagram = orderOf(b.t - a.t, scaleDiagram);
    r.orderOwn = orderOf(dtOwn, scaleOwn);
    r.simultaneousAt = r.kind == Separation::spacelike ? -dtOwn / dxOwn : NAN;
    r.samePlaceAt = r.kind == Separation::timelike ? -dxOwn / dtOwn : NAN;
    r.properTime = r.kind == Separation::timelike ? std::sqrt(r.interval) : NAN;
    return r;
}
