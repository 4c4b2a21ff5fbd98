#include "vrml_read/vrml_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace vantor {

namespace fs = std::filesystem;

namespace {

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x < 128 && y < 128) {
            if (std::tolower(x) != std::tolower(y)) return false;
        } else if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string NormalizedPath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(WithSlashes(path)), error);
    if (error) absolute = fs::path(WithSlashes(path));
    return absolute.lexically_normal().generic_string();
}

std::string FolderOf(const std::string& path) {
    const std::string normal = WithSlashes(path);
    const size_t slash = normal.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : normal.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveInlineName(const std::string& name, const std::string& currentFolder) {
    std::string relative = WithSlashes(name);
    if (relative.size() >= 3 && relative[1] == ':' && relative[2] == '/') {
        // A Windows drive path has no meaning here; drop the drive and keep
        // the rest as an absolute path so at least its form is normal.
        relative = relative.substr(2);
    }
    fs::path resolved = (!relative.empty() && relative[0] == '/')
                            ? fs::path(relative)
                            : fs::path(WithSlashes(currentFolder)) / fs::path(relative);
    return NormalizedPath(resolved.generic_string());
}

std::string MatchPathCase(const std::string& path) {
    std::error_code error;
    if (fs::exists(path, error)) return path;
    const fs::path wanted(path);
    fs::path built = wanted.root_path();
    for (const fs::path& part : wanted.relative_path()) {
        fs::path exact = built / part;
        if (fs::exists(exact, error)) {
            built = exact;
            continue;
        }
        bool found = false;
        for (fs::directory_iterator it(built.empty() ? fs::path(".") : built, error), end;
             !error && it != end; it.increment(error)) {
            if (EqualIgnoringCase(it->path().filename().string(), part.string())) {
                built = it->path();
                found = true;
                break;
            }
        }
        if (!found) return path;
    }
    return built.lexically_normal().generic_string();
}

}  // namespace vantor
