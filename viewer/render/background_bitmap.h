#pragma once
// Loading of the background bitmap: a square indexed-colour image whose
// side is a power of two from 16 to 1024.

#include <string>

#include "render/render_settings.h"

namespace vantor {

// Shown when a bitmap is refused.
extern const char* const kBitmapRefusedMessage;

enum class BitmapLoad { Loaded, Unreadable, Refused };

// Reads `path` into the settings' bitmap and colour maps. On anything but
// Loaded the settings are left unchanged.
BitmapLoad LoadBackgroundBitmap(const std::string& path, RenderSettings& settings);

}  // namespace vantor
