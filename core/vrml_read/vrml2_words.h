#pragma once
// The VRML 2.0 word table: node words, the field words the handlers dispatch
// on, and the punctuation of the prepared text. Some words share a code
// ("EXTERNPROTO" and "IndexedFaceSet", "TextureCoordinate" and
// "MovieTexture"); the handlers decide by context.

#include <cstdint>
#include <string_view>

namespace vantor {

namespace word20 {
constexpr int32_t OpenBrace = 10001;
constexpr int32_t CloseBrace = 10002;
constexpr int32_t OpenBracket = 10003;
constexpr int32_t CloseBracket = 10004;
constexpr int32_t Comma = 9;
constexpr int32_t ExternProto = 0x140006;
// Geometry read into the rows of another node; no row has this code.
constexpr int32_t Extrusion = 10005;
}  // namespace word20

// Code of a VRML 2.0 word (exact, case-sensitive); kind::None otherwise.
int32_t NodeKindForName20(std::string_view word);

}  // namespace vantor
