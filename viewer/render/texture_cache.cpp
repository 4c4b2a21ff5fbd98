#include "render/texture_cache.h"

#include <QImage>
#include <QImageReader>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "render/gl_headers.h"
#include "scene/scene_data.h"
#include "scene/textures.h"

namespace vantor {

namespace {

// Reads an image file within the size bounds, bottom row first as GL takes
// it; a null image (with one warning) when it cannot be used.
QImage ReadImage(const std::string& path, int largest) {
    const QString name = QString::fromStdString(path);
    QImageReader reader(name);
    const QSize size = reader.size();
    if (size.isValid() && !TextureSizeAllowed(size.width(), size.height())) {
        qWarning("Texture image %s is %d x %d, too large; drawn without it", qPrintable(name),
                 size.width(), size.height());
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        qWarning("Texture image %s cannot be read (%s); drawn without it", qPrintable(name),
                 qPrintable(reader.errorString()));
        return {};
    }
    if (image.width() > largest || image.height() > largest)
        image = image.scaled(std::min(image.width(), largest), std::min(image.height(), largest),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGBA8888).mirrored();
}

void LoadTransform(const TextureRecord& t) {
    // Applied to a coordinate: translation, then scale and rotation about
    // the centre.
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(-t.centre[0], -t.centre[1], 0);
    glScalef(t.scale[0], t.scale[1], 1);
    glRotatef(float(t.rotation * 180.0 / M_PI), 0, 0, 1);
    glTranslatef(t.centre[0], t.centre[1], 0);
    glTranslatef(t.translation[0], t.translation[1], 0);
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

int TextureCache::Bind(const SceneData& scene, int32_t index) {
    if (index < 0 || index >= scene.textureCount) return 0;
    if (records_ != scene.textures.items.data() || entries_.size() > size_t(scene.textureCount)) {
        Release();
        records_ = scene.textures.items.data();
    }
    if (entries_.size() < size_t(scene.textureCount)) entries_.resize(size_t(scene.textureCount));
    Entry& entry = entries_[size_t(index)];
    if (entry.tried && entry.path != scene.textures.items[size_t(index)].path) {
        if (entry.id) glDeleteTextures(1, &entry.id);
        entry = Entry{};  // another scene's record in the same place
    }
    if (!entry.tried) Make(scene, index, entry);
    if (!entry.id) return 0;
    glBindTexture(GL_TEXTURE_2D, entry.id);
    LoadTransform(scene.textures.items[size_t(index)]);
    return entry.components;
}

void TextureCache::Make(const SceneData& scene, int32_t index, Entry& entry) {
    entry.tried = true;
    const TextureRecord& t = scene.textures.items[size_t(index)];
    entry.path = t.path;
    GLint largest = 1024;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    QImage image;
    const void* pixels = t.pixels.data();
    int width = t.width, height = t.height, components = t.components;
    if (t.pixels.empty()) {
        if (t.path.empty()) return;
        image = ReadImage(t.path, largest);
        if (image.isNull()) return;
        pixels = image.constBits();
        width = image.width(), height = image.height();
        components = image.allGray() ? (image.hasAlphaChannel() ? 2 : 1) : 4;
    } else if (width > largest || height > largest) {
        qWarning("Texture image of %d x %d pixels is larger than GL allows; drawn without it",
                 width, height);
        return;
    }
    static const GLenum kFormats[5] = {0, GL_LUMINANCE, GL_LUMINANCE_ALPHA, GL_RGB, GL_RGBA};
    const GLenum format = image.isNull() ? kFormats[std::clamp(components, 1, 4)] : GL_RGBA;
    glGenTextures(1, &entry.id);
    glBindTexture(GL_TEXTURE_2D, entry.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, t.repeatS ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, t.repeatT ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), width, height, 0, format, GL_UNSIGNED_BYTE,
                 pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    entry.components = components;
}

void TextureCache::Release() {
    for (Entry& entry : entries_)
        if (entry.id) glDeleteTextures(1, &entry.id);
    entries_.clear();
    records_ = nullptr;
}

}  // namespace vantor
