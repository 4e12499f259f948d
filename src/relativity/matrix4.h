// Lorentz transformations as 4x4 matrices in OpenGL's column-major layout.
// Units with c = 1. In the spacetime diagrams x is space and y is time; in the
// 3D scene x and y are space and z is time; w is the homogeneous coordinate.
#pragma once

// Element (row r, column c) lives at m[c * 4 + r]: passes to glMultMatrixd and
// from glGetDoublev unchanged. Points are column vectors, transformed as M v.
struct Matrix4 {
    double m[16];
};

// result = a * b (b acts on a vertex first). result may alias a or b.
void multiplyMatrix4(const Matrix4& a, const Matrix4& b, Matrix4& result);

// Boost along x with time on y: x' = gamma (x + beta t), t' = gamma (t + beta x).
void makeBoostX(double beta, double gamma, Matrix4& result);

// Boost along the unit direction (nx, ny) of the x-y plane with time on z.
void makeBoost(double nx, double ny, double beta, double gamma, Matrix4& result);

// Rotation of the 3D scenes' space axes (x, y) by degrees counter-clockwise
// about the time axis (z).
void makeTurn(double degrees, Matrix4& result);

// Lorentz factor 1 / sqrt(1 - beta^2); the fallback 1000 stands in where
// |beta| >= 1 leaves no real factor.
double lorentzFactor(double beta);

// Relativistic velocity addition (u + v) / (1 + u v), speeds as fractions of c,
// computed through rapidities; for |u|, |v| < 1 the result stays strictly
// between -1 and 1, rounding included.
double addVelocities(double u, double v);

// An event or a displacement of the 3D scenes: x, y space, t time (drawn on z).
struct SpacetimeVector {
    double x;
    double y;
    double t;
};

// M v for the 3D scenes, time on z (w = 1 for an event, 0 for a displacement:
// boosts have no translation, so both are the same).
SpacetimeVector applyMatrix4(const Matrix4& m, const SpacetimeVector& v);

// t^2 - x^2 - y^2: positive for timelike, 0 on the light cone.
double minkowskiSquare(const SpacetimeVector& v);
