#include "tests/renderer/lattice_oracle.h"

#include <algorithm>
#include <cmath>

namespace oracle {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalf = 0.3;
constexpr double kNear = 0.1;
constexpr double kFar = 1000.0;

Vec3 RotX(Vec3 p, double deg) {
  double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
  return {p.x, c * p.y - s * p.z, s * p.y + c * p.z};
}
Vec3 RotY(Vec3 p, double deg) {
  double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
  return {c * p.x + s * p.z, p.y, -s * p.x + c * p.z};
}
Vec3 RotZ(Vec3 p, double deg) {
  double a = deg * kPi / 180, c = std::cos(a), s = std::sin(a);
  return {c * p.x - s * p.y, s * p.x + c * p.y, p.z};
}

// Faces of one axis-aligned cube crossed by origin + t * dir with near < t < far
// (dir has eye-space z = -1 before rotation, so t is the eye-space depth).
int CubeFaces(Vec3 origin, Vec3 dir, Vec3 centre, double tMin, double tMax) {
  int count = 0;
  const double o[3] = {origin.x, origin.y, origin.z};
  const double d[3] = {dir.x, dir.y, dir.z};
  const double c[3] = {centre.x, centre.y, centre.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (d[axis] == 0) continue;
    for (double side : {-kHalf, kHalf}) {
      double t = (c[axis] + side - o[axis]) / d[axis];
      if (t <= tMin || t >= tMax) continue;
      bool inside = true;
      for (int other = 0; other < 3 && inside; ++other) {
        if (other == axis) continue;
        double v = o[other] + t * d[other] - c[other];
        inside = v > -kHalf && v < kHalf;
      }
      if (inside) ++count;
    }
  }
  return count;
}

}  // namespace

std::array<double, 3> AnglesAt(double t) {
  // Rates of 10, 20 and 40 degrees per second as single-precision constants, widened.
  return {static_cast<float>(static_cast<double>(0.01f) * t),
          static_cast<float>(static_cast<double>(0.02f) * t),
          static_cast<float>(static_cast<double>(0.04f) * t)};
}

Vec3 ToEye(double t, Vec3 p) {
  auto a = AnglesAt(t);
  // Modelview T(0,0,-8) Rx Ry Rz: Z acts first on the point.
  p = RotX(RotY(RotZ(p, a[2]), a[1]), a[0]);
  return {p.x, p.y, p.z - 8.0};
}

bool Project(Vec3 e, double* wx, double* wy) {
  if (e.z >= -kNear) return false;
  // gluPerspective(90, 4/3): f = 1 / tan(45 degrees) = 1.
  double ndcX = (e.x / (4.0 / 3.0)) / -e.z;
  double ndcY = e.y / -e.z;
  *wx = (ndcX + 1) * 0.5 * 1024;
  *wy = (ndcY + 1) * 0.5 * 768;
  return true;
}

int FacesOnRay(double t, double px, double py, double dx, double dy) {
  double ndcX = (px + dx) / 1024 * 2 - 1;
  double ndcY = (py + dy) / 768 * 2 - 1;
  Vec3 dir{ndcX * 4.0 / 3.0, ndcY, -1.0};
  // Into the lattice frame: undo the translation, then the rotations in reverse.
  auto a = AnglesAt(t);
  Vec3 origin{0, 0, 8.0};
  origin = RotZ(RotY(RotX(origin, -a[0]), -a[1]), -a[2]);
  dir = RotZ(RotY(RotX(dir, -a[0]), -a[1]), -a[2]);
  int faces = 0;
  for (int x = -5; x <= 6; ++x)
    for (int y = -5; y <= 6; ++y)
      for (int z = -5; z <= 6; ++z)
        faces += CubeFaces(origin, dir, Vec3{double(x), double(y), double(z)}, kNear, kFar);
  return faces;
}

int StableFaceCount(double t, int px, int py) {
  int centre = FacesOnRay(t, px, py);
  for (double dx : {0.1, 0.9})
    for (double dy : {0.1, 0.9})
      if (FacesOnRay(t, px, py, dx, dy) != centre) return -1;
  return centre;
}

int ExpectedLevel(int faces) {
  return std::min(255, static_cast<int>(std::lround(faces * 0.05 * 255)));
}

}  // namespace oracle
