#pragma once
// An independent model of the lattice picture: casts the eye ray of a pixel through the
// turning lattice and counts the cube faces it crosses in front of the near plane.
#include <array>

namespace oracle {

struct Vec3 {
  double x, y, z;
};

// Angles in degrees of the three rotations at time t, as the renderer must compute them.
std::array<double, 3> AnglesAt(double totalMs);

// Faces crossed by the ray through the centre of window pixel (px, py), bottom-left origin,
// of a 1024 x 768 viewport; dx/dy shift the ray within the pixel.
int FacesOnRay(double totalMs, double px, double py, double dx = 0.5, double dy = 0.5);

// The face count, or -1 when the pixel sits too near a face edge to be sure of it.
int StableFaceCount(double totalMs, int px, int py);

// 8-bit brightness of a pixel crossed by `faces` faces of alpha 0.05, added up and clamped.
int ExpectedLevel(int faces);

// The eye-space position of a lattice-frame point at time t.
Vec3 ToEye(double totalMs, Vec3 latticePoint);
// Window coordinates (bottom-left origin) of an eye-space point.
bool Project(Vec3 eye, double* wx, double* wy);

}  // namespace oracle
