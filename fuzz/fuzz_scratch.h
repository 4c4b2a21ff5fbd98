#pragma once
// A per-process scratch folder for the fuzz targets: the reader works on
// files, so each input is written there first. A few inline children sit
// beside it so that WWWInline / Inline references resolve to real files.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::fuzz {

// The folder, created with its inline children on first use.
const std::string& ScratchFolder();

// Writes `size` bytes to `name` inside the scratch folder; returns the path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

}  // namespace vantor::fuzz
