#include "vrml_write/save_scene.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "prompt/translate.h"
#include "vrml_write/vrml_writer.h"

namespace vantor {

namespace fs = std::filesystem;

namespace {

const char* const kErrorCaption = "Error";

std::string NoticeCaption() {
    return Translate("Core", "注意");
}

SaveResult Refusal(SaveStatus status, std::string message, std::string caption) {
    SaveResult result;
    result.status = status;
    result.message = std::move(message);
    result.caption = std::move(caption);
    return result;
}

SaveResult WriteFailure(const std::string& path, int error) {
    return Refusal(
        SaveStatus::WriteFailed,
        FillIn(Translate("Core", "%1 を保存できませんでした。(%2)"), path, std::strerror(error)),
        kErrorCaption);
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) {
        const bool same = fs::equivalent(a, b, error);
        if (!error) return same;
    }
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, error), error);
    return ca == cb;
}

// Writing over a file that the output refers to would make the saved file
// inline itself and lose that file's data: mode 1 refers to every loaded
// file, mode 0 to the inlined ones (the top file may be overwritten).
bool TargetIsReferenced(const SceneData& scene, const fs::path& target, int mode) {
    for (int32_t k = (mode == kSaveNewData ? 0 : 1); k < scene.fileCount; ++k) {
        const std::string& source = scene.files.items[size_t(k)].path;
        if (source.empty() || source == "Default") continue;
        if (SameFile(target, source)) return true;
    }
    return false;
}

mode_t PermissionsFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& text) {
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= size_t(written);
    }
    return true;
}

}  // namespace

SaveResult CheckSaveAllowed(const SceneData& scene, int mode) {
    if (scene.fileCount == 0)
        return Refusal(SaveStatus::EmptyData, Translate("Core", "データは空です。"),
                       NoticeCaption());
    if (mode != kSaveNewData && scene.assemblyFlag == 1)
        return Refusal(
            SaveStatus::AssemblyRefused,
            Translate("Core",
                      "このアセンブリデータの保存には「新データとして保存」を使用ください。"),
            NoticeCaption());
    return SaveResult{};
}

SaveResult SaveScene(const SceneData& scene, const std::string& path, int mode,
                     const SaveOptions& options) {
    SaveResult allowed = CheckSaveAllowed(scene, mode);
    if (!allowed.saved()) return allowed;

    std::error_code error;
    const fs::path target = fs::absolute(fs::path(path), error);
    if (error || path.empty()) return WriteFailure(path, error ? error.value() : ENOENT);
    if (TargetIsReferenced(scene, target, mode)) {
        return Refusal(
            SaveStatus::SourceOverwrite,
            FillIn(Translate(
                       "Core",
                       "%1 はこのデータが参照しているファイルです。別の名前で保存してください。"),
                   path),
            NoticeCaption());
    }

    // The save replaces the target by a rename, which would go straight
    // through a write protection the user put on the file.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return WriteFailure(path, EACCES);

    VrmlWriter writer;
    writer.SetScene(&scene);
    writer.mode = mode;
    writer.userName = options.userName;
    writer.dateText = options.dateText;
    writer.outputFolder = target.parent_path().string();
    std::string text;
    writer.WriteFile(0, scene.nodeCount, text);

    // The new text goes to a temporary file first, so a failed write never
    // leaves a truncated target behind.
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return WriteFailure(path, errno);
    ::fchmod(fd, PermissionsFor(target.string()));
    bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) ok = false, failure = errno;
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) ok = false, failure = errno;
    if (!ok) {
        ::unlink(temporary.c_str());
        return WriteFailure(path, failure);
    }
    return SaveResult{};
}

std::string CurrentUserName() {
    const char* user = std::getenv("USER");
    return user ? user : "";
}

}  // namespace vantor
