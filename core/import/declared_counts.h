#pragma once
// Internal to the import module: a check of the element counts a PLY or
// OFF header declares, made before the importer sees the file. The
// importer allocates what the header says, so a few bytes declaring
// billions of vertices would take all memory.

#include <cstdint>
#include <string>

namespace vantor {

// True when the header at the start of `head` (the file's first bytes)
// declares more vertices or faces than `fileBytes` could hold (every
// element takes at least one byte), or is a malformed PLY header. An OFF
// file is known by its keyword or, as Assimp takes it without, its name
// (`offByName`).
bool DeclaresMoreThanItHolds(const std::string& head, uint64_t fileBytes, bool offByName);

}  // namespace vantor
