// Events on a spacetime diagram read in two frames: the diagram's (x, t), as
// drawn, and the objects' own (x', t'), which the boost maps onto the
// diagram: with the velocity v drawn, x = gamma (x' + v t'), t = gamma (t' + v x').
// Pairs of events: their interval, the same in every frame, what kind it is,
// their order in each frame, and the velocity that makes them simultaneous
// (spacelike) or puts them at one place (timelike). Pure functions.
#pragma once

#include "relativity/matrix4.h"

struct SpacetimePoint {
    double x; // space
    double t; // time, c = 1
};

// Through the x-t block of a boost of demonstrations 1-3 (x on row 0, t on row 1).
SpacetimePoint ownToDiagram(const Matrix4& boost, SpacetimePoint own);
SpacetimePoint diagramToOwn(const Matrix4& boost, SpacetimePoint diagram);

// t^2 - x^2 of the separation b - a: positive timelike, negative spacelike.
double intervalSquared(SpacetimePoint a, SpacetimePoint b);

enum class Separation { timelike, spacelike, lightlike };

struct PairRelation {
    double interval; // t^2 - x^2 of second - first, from the own coordinates
    Separation kind;
    int orderDiagram;      // -1 the first happens first, 1 the second, 0 together
    int orderOwn;          //   likewise in the own frame
    double simultaneousAt; // spacelike: the velocity v that makes them simultaneous, else NaN
    double samePlaceAt;    // timelike: the velocity v that puts both at one place, else NaN
    double properTime;     // timelike: sqrt(interval), else NaN
};

// Two events given in the own frame, seen through boost.
PairRelation relatePair(const Matrix4& boost, SpacetimePoint firstOwn, SpacetimePoint secondOwn);
