#pragma once
// The system's details for the About box: operating system, Qt and OpenGL.

#include <QString>

namespace vantor {

// One "name: value" line per detail. OpenGL is asked through a small
// off-screen context; when none can be made that line says so.
QString GatherSystemInfo();

}  // namespace vantor
