#include "vrml_read/texture_fields.h"

#include <charconv>
#include <cstdint>
#include <filesystem>

#include "scene/textures.h"
#include "vrml_read/vrml_paths.h"
#include "vrml_read/vrml_text.h"

namespace vantor {

namespace {

// A pixel value: hexadecimal "0xRRGGBB" or decimal.
bool ParsePixel(std::string_view word, uint32_t& value) {
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    return error == std::errc() && end == word.data() + word.size();
}

// Skips the value of a field this code does not keep: a bracketed list or
// one word.
void SkipValue(std::string_view text, int& position) {
    if (NextWord(text, position) != "[") return;
    for (std::string_view word = NextWord(text, position); !word.empty() && word != "]";
         word = NextWord(text, position)) {
    }
}

// Words of an SFString or MFString value.
std::vector<std::string_view> StringValues(std::string_view text, int& position) {
    std::string_view word = NextWord(text, position);
    if (word != "[") return {word};
    std::vector<std::string_view> words;
    for (word = NextWord(text, position); !word.empty() && word != "]";
         word = NextWord(text, position))
        if (word != ",") words.push_back(word);
    return words;
}

// Width, height and components, then one word per pixel. A refused size
// skips the pixel words that follow.
void ReadImage(std::string_view text, int& position, TextureRecord& record, std::string& problem) {
    int64_t size[3] = {0, 0, 0};
    for (int64_t& value : size) {
        float number = 0;
        if (ParseFloatWord(NextWord(text, position), number)) value = int64_t(number);
    }
    const bool allowed = TextureSizeAllowed(size[0], size[1], size[2]);
    if (!allowed && size[0] * size[1] != 0)
        problem = "Caution in Texture image size " + std::to_string(size[0]) + " x " +
                  std::to_string(size[1]) + " x " + std::to_string(size[2]) +
                  " refused; drawn without the image";
    std::vector<uint8_t> pixels;
    if (allowed) pixels.reserve(size_t(size[0] * size[1] * size[2]));
    const int64_t wanted = allowed ? size[0] * size[1] : 0;
    for (int64_t read = 0;; ++read) {
        int before = position;
        uint32_t value = 0;
        if (!ParsePixel(NextWord(text, position), value)) {
            position = before;
            break;
        }
        if (read >= wanted) continue;
        for (int64_t c = size[2] - 1; c >= 0; --c) pixels.push_back(uint8_t(value >> (8 * c)));
    }
    if (!allowed) return;
    if (int64_t(pixels.size()) != wanted * size[2]) {
        problem = "Caution in Texture image has fewer pixels than its size; drawn without it";
        return;
    }
    record.width = int32_t(size[0]);
    record.height = int32_t(size[1]);
    record.components = int32_t(size[2]);
    record.pixels.swap(pixels);
}

void SetFile(const std::vector<std::string_view>& urls, const std::string& folder,
             TextureRecord& record, std::string& problem) {
    for (std::string_view url : urls) {
        if (url.empty()) continue;
        const std::string path = MatchPathCase(ResolveInlineName(std::string(url), folder));
        if (record.url.empty()) record.url = url, record.path = path;
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            record.url = url;
            record.path = path;
            return;
        }
    }
    if (!record.url.empty())
        problem = "Caution in Texture image file not found ##" + record.path + "##";
}

}  // namespace

bool ReadTextureBody(std::string_view text, int& position, const std::string& folder,
                     TextureRecord& record, std::string& problem) {
    const int before = position;
    if (NextWord(text, position) != "{") {
        position = before;
        return false;
    }
    std::vector<std::string_view> urls;
    for (std::string_view field = NextWord(text, position); !field.empty() && field != "}";
         field = NextWord(text, position)) {
        if (field == "url" || field == "filename") {
            urls = StringValues(text, position);
        } else if (field == "image") {
            ReadImage(text, position, record, problem);
        } else if (field == "repeatS" || field == "repeatT") {
            (field == "repeatS" ? record.repeatS : record.repeatT) =
                NextWord(text, position) != "FALSE";
        } else if (field == "wrapS" || field == "wrapT") {
            (field == "wrapS" ? record.repeatS : record.repeatT) =
                NextWord(text, position) != "CLAMP";
        } else if (float number; !ParseFloatWord(field, number)) {
            SkipValue(text, position);
        }
    }
    if (record.pixels.empty()) SetFile(urls, folder, record, problem);
    return true;
}

bool ReadValueListBody(std::string_view text, int& position, std::string_view field,
                       std::vector<float>& values) {
    const int before = position;
    if (NextWord(text, position) != "{") {
        position = before;
        return false;
    }
    const int length = int(text.size());
    while (position < length) {
        std::string_view word = NextWord(text, position);
        float number;
        if (word == "}") break;
        if (ParseFloatWord(word, number)) continue;  // rest of a value skipped below
        if (word != field) {
            SkipValue(text, position);
            continue;
        }
        const int start = position;
        const bool list = NextWord(text, position) == "[";
        if (!list) position = start;
        while (position < length) {
            const int at = position;
            word = NextWord(text, position);
            float value;
            if (word == "]") break;
            if (word == ",") continue;
            if (!ParseFloatWord(word, value)) {
                position = at;  // a list never closed, or the next field
                break;
            }
            values.push_back(value);
        }
    }
    return true;
}

}  // namespace vantor
