#pragma once
// The VRML primitive shapes, drawn directly (never from display lists, so
// the same calls are safe in selection mode).

namespace vantor {

// `partColours`, when given, holds r, g, b per part in VRML 1.0 binding
// order (Cube front, back, left, right, top, bottom; Cylinder sides, top,
// bottom; Cone sides, bottom) and sets each part's ambient and diffuse.
void DrawSphere(float radius);
// parts: 1 sides, 2 top, 4 bottom.
void DrawCylinder(int parts, float radius, float height, const float* partColours = nullptr);
// parts: 1 sides, 2 bottom.
void DrawCone(int parts, float bottomRadius, float height, const float* partColours = nullptr);
void DrawBox(float width, float height, float depth, const float* partColours = nullptr);

}  // namespace vantor
