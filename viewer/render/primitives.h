#pragma once
// The VRML primitive shapes, drawn directly (never from display lists, so
// the same calls are safe in selection mode).

namespace vantor {

void DrawSphere(float radius);
// parts: 1 sides, 2 top, 4 bottom.
void DrawCylinder(int parts, float radius, float height);
// parts: 1 sides, 2 bottom.
void DrawCone(int parts, float bottomRadius, float height);
void DrawBox(float width, float height, float depth);

}  // namespace vantor
