#pragma once
// Legacy OpenGL and GLU with the buffer-object entry points, which the
// GLVND libOpenGL exports directly.

#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
