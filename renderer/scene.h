#pragma once
// The cube lattice: every frame is a pure function of the running time.

void SceneInit();
void SceneShutdown();
// Clears, draws and presents one frame. Only totalMs shapes the picture.
void SceneFrame(double totalMs, double deltaMs);
// SceneFrame without the buffer swap, so a frame can be read back before it is presented.
void SceneDraw(double totalMs);
void SetPerspective3D();
void DrawCube(float halfSize);

namespace scene {
constexpr int kCubesPerAxis = 12;
constexpr int kLatticeOffset = 6;        // index 1..12 minus 6: offsets -5..+6
constexpr float kCubeHalfSize = 0.3f;
constexpr float kEyeDistance = 8.0f;     // rotation centre along -Z
// Degrees per millisecond. Single precision on purpose: the angles are these exact
// float values times the time, so they must stay floats widened to double.
constexpr float kRateX = 0.01f;
constexpr float kRateY = 0.02f;
constexpr float kRateZ = 0.04f;
constexpr float kCubeAlpha = 0.05f;      // each face adds this much light
constexpr double kFieldOfView = 90.0;
constexpr double kAspect = 4.0 / 3.0;
constexpr double kNearPlane = 0.1;
constexpr double kFarPlane = 1000.0;
}  // namespace scene
