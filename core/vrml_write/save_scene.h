#pragma once
// The writing half of the document's save commands: the refusals, and an
// all-or-nothing write of the scene as a VRML 1.0 file.

#include <string>

#include "scene/scene_data.h"

namespace vantor {

// Writer modes used by the save commands.
constexpr int kSaveTopData = 0;  // "トップデータのみ、名前を付けて保存"
constexpr int kSaveNewData = 1;  // "新データとして保存"

enum class SaveStatus {
    Saved,
    EmptyData,        // no file in the scene
    AssemblyRefused,  // top-data save of an assembly
    SourceOverwrite,  // the target is a file the output would inline
    WriteFailed,
};

// Outcome of a save; a refusal or failure carries the message box to show.
struct SaveResult {
    SaveStatus status = SaveStatus::Saved;
    std::string message;  // text of the message box (empty when saved)
    std::string caption;  // its caption
    bool saved() const { return status == SaveStatus::Saved; }
};

// The user name for the header line: $USER, or empty.
std::string CurrentUserName();

struct SaveOptions {
    std::string userName = CurrentUserName();  // text after "# UserName :"
    std::string dateText;                      // text after "# Date :"; the local time when empty
};

// The refusals that come before the save dialog: an empty scene, and for
// mode 0 an assembly. Returns a Saved result when saving may go on.
SaveResult CheckSaveAllowed(const SceneData& scene, int mode);

// Writes the scene to `path` with the writer in `mode`. The text goes to a
// temporary file beside the target, which replaces the target only once it
// is complete; on any failure the target is left as it was.
SaveResult SaveScene(const SceneData& scene, const std::string& path, int mode,
                     const SaveOptions& options = {});

}  // namespace vantor
