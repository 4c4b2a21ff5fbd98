#include "render/primitives.h"

#include <cmath>
#include <initializer_list>

#include "render/gl_headers.h"

namespace vantor {

namespace {

constexpr int kSlices = 16;
constexpr double kPi = 3.14159265358979323846;

struct Quadric {
    Quadric() : q(gluNewQuadric()) {
        gluQuadricDrawStyle(q, GLU_FILL);
        gluQuadricNormals(q, GLU_SMOOTH);
        gluQuadricTexture(q, GL_TRUE);  // used only while a texture is on
    }
    ~Quadric() { gluDeleteQuadric(q); }
    GLUquadric* q;
};

void SetPartColour(const float* partColours, int part) {
    if (!partColours) return;
    const float* rgb = partColours + 3 * part;
    const float colour[4] = {rgb[0], rgb[1], rgb[2], 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
}

}  // namespace

void DrawSphere(float radius) {
    Quadric quadric;
    gluSphere(quadric.q, radius, kSlices, kSlices);
}

void DrawCylinder(int parts, float radius, float height, const float* partColours) {
    Quadric quadric;
    glPushMatrix();
    glRotatef(90, 1, 0, 0);
    glTranslatef(0, 0, -height / 2);
    SetPartColour(partColours, 0);
    if (parts & 1) gluCylinder(quadric.q, radius, radius, height, kSlices, 1);
    glPushMatrix();
    glRotatef(180, 0, 1, 0);
    SetPartColour(partColours, 1);
    if (parts & 4) gluDisk(quadric.q, 0, radius, kSlices, 1);
    glPopMatrix();
    glTranslatef(0, 0, height);
    SetPartColour(partColours, 2);
    if (parts & 2) gluDisk(quadric.q, 0, radius, kSlices, 1);
    glPopMatrix();
}

void DrawCone(int parts, float r, float h, const float* partColours) {
    const double step = -kPi / 8;
    const double slant = std::sqrt(double(h) * h + double(r) * r);
    auto normal = [&](double a) {
        if (slant > 0) glNormal3d(std::cos(a) * h / slant, r / slant, std::sin(a) * h / slant);
    };
    auto ring = [&](double a, double radius, double y) {
        glVertex3d(radius * std::cos(a), y, radius * std::sin(a));
    };
    glBegin(GL_TRIANGLES);
    SetPartColour(partColours, 0);
    if (parts & 1) {
        for (int i = 0; i < kSlices; ++i) {
            const double a0 = i * step, a1 = (i + 1) * step, half = (i + 0.5) * step;
            // Base ring to middle ring, two triangles.
            normal(a0), ring(a0, r, -h / 2.0);
            normal(a1), ring(a1, r, -h / 2.0);
            normal(a1), ring(a1, r / 2.0, 0);
            normal(a0), ring(a0, r, -h / 2.0);
            normal(a1), ring(a1, r / 2.0, 0);
            normal(a0), ring(a0, r / 2.0, 0);
            // Middle ring to the apex.
            normal(a0), ring(a0, r / 2.0, 0);
            normal(a1), ring(a1, r / 2.0, 0);
            normal(half), glVertex3d(0, h / 2.0, 0);
        }
    }
    SetPartColour(partColours, 1);
    if (parts & 2) {
        glNormal3d(0, -1, 0);
        for (int i = 0; i < kSlices; ++i) {
            const double a0 = i * step, a1 = (i + 1) * step;
            glVertex3d(0, -h / 2.0, 0);
            ring(a1, r, -h / 2.0);
            ring(a0, r, -h / 2.0);
        }
    }
    glEnd();
}

void DrawBox(float width, float height, float depth, const float* partColours) {
    const float x = width / 2, y = height / 2, z = depth / 2;
    // Each face: normal, then its corners counter-clockwise seen from outside.
    const float faces[6][3 + 12] = {
        {1, 0, 0, x, -y, z, x, -y, -z, x, y, -z, x, y, z},
        {-1, 0, 0, -x, -y, -z, -x, -y, z, -x, y, z, -x, y, -z},
        {0, 1, 0, -x, y, z, x, y, z, x, y, -z, -x, y, -z},
        {0, -1, 0, -x, -y, -z, x, -y, -z, x, -y, z, -x, -y, z},
        {0, 0, 1, -x, -y, z, x, -y, z, x, y, z, -x, y, z},
        {0, 0, -1, x, -y, -z, -x, -y, -z, -x, y, -z, x, y, -z},
    };
    // Binding order of the faces above: right, left, top, bottom, front, back.
    static const int kPartOfFace[6] = {3, 2, 4, 5, 0, 1};
    glBegin(GL_TRIANGLES);
    for (int face = 0; face < 6; ++face) {
        const float* f = faces[face];
        SetPartColour(partColours, kPartOfFace[face]);
        glNormal3fv(f);
        const float* c = f + 3;
        // The whole image on each face, upright seen from outside.
        static const float kCorners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int k : {0, 1, 2, 0, 2, 3}) glTexCoord2fv(kCorners[k]), glVertex3fv(c + 3 * k);
    }
    glEnd();
}

}  // namespace vantor
