#pragma once
// The GLU tessellator behind the core's polygon triangulation.

namespace vantor {

// Installs it for TriangulateFace (core/scene/face_triangulation.h).
void InstallGluTriangulator();

}  // namespace vantor
