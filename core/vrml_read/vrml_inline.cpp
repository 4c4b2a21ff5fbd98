// USE references and WWWInline files.

#include <algorithm>
#include <string>
#include <string_view>

#include "prompt/translate.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_paths.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr const char* kVrmlFilter = "VRML Files (*.wrl)|*.wrl|All Files (*.*)|*.*||";
// A prompt that keeps answering OK to "continue?" while every dialog is
// cancelled would otherwise never let the read finish.
constexpr int kMaxSearchRounds = 20;

// The names a top-level file may have: ".wrl" in any case, and the gzip
// forms ".wrz" and ".wrl.gz" (the loader undoes gzip by its magic bytes).
bool EndsWithWrl(const std::string& name) {
    auto endsWith = [&](std::string_view ending) {
        if (name.size() < ending.size()) return false;
        for (size_t i = 0; i < ending.size(); ++i) {
            const char c = name[name.size() - ending.size() + i];
            if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != ending[i]) return false;
        }
        return true;
    };
    return endsWith(".wrl") || endsWith(".wrz") || endsWith(".wrl.gz");
}

}  // namespace

int VrmlReader::ReadUse(std::string_view text, int& position, const std::string& defName) {
    EnsureNodeRows(nodeCount);
    const int32_t row = AddRow(kind::Use, currentFileIndex, tag::Value, -9999, -9999, defName);
    char name[kWordBufferSize];
    GetWord(text, position, name);
    const int32_t target = FindDefRow(name, row);
    if (target >= 1) {
        DefUseRecord record;
        record.name = name;
        record.row = target;
        const int32_t index = AddDefUseRecord(record);
        Row(row).dataBegin = target;
        Row(row).dataEnd = index;
        // Shape hints used again set the ordering as the node itself did.
        if (Row(target).kind == kind::ShapeHints && version == kVrmlVersion1)
            vertexOrdering = Row(target).dataBegin;
        return 1;
    }
    LogLine(std::string(" Caution ! We cannot find  the DEF Name ##") + name +
            "## for USE in File " + CurrentFileName());
    nodeDefNames[size_t(row)].clear();
    --nodeCount;
    return -1;
}

void VrmlReader::RegisterDefName(int32_t row, const std::string& name) {
    const int32_t file = Row(row).fileIndex;
    if (name.empty() || file < 0) return;
    if (defRows_.size() <= size_t(file)) defRows_.resize(size_t(file) + 1);
    auto [entry, added] = defRows_[size_t(file)].try_emplace(name, row);
    if (!added && entry->second < row) entry->second = row;
}

int32_t VrmlReader::FindDefRow(const std::string& name, int32_t before) {
    // Rows added since the last lookup join the index first.
    for (; defScannedTo_ < before; ++defScannedTo_)
        RegisterDefName(defScannedTo_, nodeDefNames[size_t(defScannedTo_)]);
    auto names = [&](int32_t i) {
        return Row(i).fileIndex == currentFileIndex && nodeDefNames[size_t(i)] == name;
    };
    if (size_t(currentFileIndex) >= defRows_.size()) return -1;
    auto& rows = defRows_[size_t(currentFileIndex)];
    const auto found = rows.find(name);
    if (found == rows.end()) return -1;
    if (found->second < before && names(found->second)) return found->second;
    // A stale entry (rows taken back or renamed): search as the index would.
    for (int32_t i = before - 1; i >= 1; --i) {
        if (names(i)) {
            found->second = i;
            return i;
        }
    }
    rows.erase(found);
    return -1;
}

void VrmlReader::SetDefName(int32_t row, const std::string& name) {
    nodeDefNames[size_t(row)] = name;
    if (row < defScannedTo_) RegisterDefName(row, name);
}

void VrmlReader::ForgetRowsFrom(int32_t row) {
    defScannedTo_ = std::max(1, std::min(defScannedTo_, row));
}

int VrmlReader::ReadWWWInline(std::string_view text, int& position, const std::string& defName,
                              int32_t nodeKind) {
    const int32_t savedDepth = depth;
    ++depth;
    const int32_t row = AddRow(nodeKind, currentFileIndex, tag::Shown, 0, 0, defName);
    auto removeRow = [&] {
        ForgetRowsFrom(row);
        nodeDefNames[size_t(row)].clear();
        nodeCount = row;
        depth = savedDepth;
    };

    if (NextWord(text, position) != "{") {
        const int length = int(text.size());
        while (position < length && NextWord(text, position) != "}") {
        }
        ++position;  // and one more byte, past the blank
        position = std::min(position, length);
        const char* message = "There must be some Mistake in this data about { after WWWInline";
        ShowReadingError(message);
        LogLine(message);
        removeRow();
        return -1;
    }

    std::string name;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field == "name" || field == "url") {
            const int start = position;
            if (position < int(text.size()) && text[size_t(position)] != '"' &&
                NextWord(text, position) == "[") {
                // A url list: the first entry is taken.
                std::string_view first = NextWord(text, position);
                name = first == "]" ? std::string() : std::string(first);
                if (first != "]") SkipList(text, position);
            } else {
                position = start;
                name = std::string(NextWord(text, position));
            }
            if (!EndsWithWrl(name))
                LogWord(" Caution in WWWInline Filename = ##", name, "## We support only .wrl");
        } else if (field == "bboxSize" || field == "bboxCenter") {
            float ignored[3];
            GetSFVect(text, position, ignored, 3, &log);
        } else {
            LogLine("Caution in WWWInline data 01 !");
            // The rest of the node is not understood; resume after it.
            SkipBlock(text, position);
            break;
        }
    }

    const std::string savedFolder = currentFolder;
    std::string path = ResolveInlineName(name, currentFolder);
    bool refused = !EndsWithWrl(name);
    bool gaveUp = false;
    bool damaged = false;
    VrmlText childText;
    if (!refused) {
        path = MatchPathCase(path);
        const TextLoadResult loaded = childText.LoadFile(path);
        if (loaded == TextLoadResult::Damaged) {
            ReportDamagedFile(path, childText.damage());
            gaveUp = damaged = true;
        } else if (loaded != TextLoadResult::Ok) {
            gaveUp = true;
            // Asked once a read: a PROTO's instances name the same file.
            const std::string question = FillIn(
                Translate("Core", "%1は存在しません。ファイルを探す場合はＯＫを押して下さい"),
                path);
            if (prompt && !shownErrors.count(question) &&
                prompt->ShowMessage(question, "Error", PromptButtons::OkCancel,
                                    PromptIcon::Exclamation) == PromptAnswer::Ok) {
                for (int round = 0; round < kMaxSearchRounds; ++round) {
                    std::string chosen;
                    if (prompt->AskOpenFile(kVrmlFilter, currentFolder, chosen)) {
                        path = NormalizedPath(chosen);
                        gaveUp = childText.LoadFile(path) != TextLoadResult::Ok;
                        break;
                    }
                    if (prompt->ShowMessage(
                            FillIn(Translate("Core", "%1の選択を続けますか？"), name),
                            Translate("Core", "警告"), PromptButtons::OkCancel,
                            PromptIcon::Exclamation) == PromptAnswer::Cancel)
                        break;
                }
            }
            if (gaveUp) shownErrors.insert(question);
        }
    }

    // Circularity first, then the chain's capacity: both stop the inline.
    bool circular = false;
    if (!refused && !gaveUp) {
        for (int level = 0; level < inlineLevel && level < kInlineChainLength; ++level)
            if (inlineChain[size_t(level)] == path) circular = true;
        if (inlineLevel >= kInlineChainLength) circular = true;
    }
    if (circular) {
        const std::string message = "We found Circulation Error about WWWInline Data Name ," + path;
        ShowReadingError(message);
        LogLine(message);
        removeRow();
        currentFolder = savedFolder;
        return -2;
    }

    bool raisedLevel = false;
    if (!refused && !gaveUp) {
        inlineChain[size_t(inlineLevel)] = path;
        ++inlineLevel;
        raisedLevel = true;
        for (int32_t i = 0; i < fileCount; ++i) {
            if (files.items[size_t(i)].path == path) {
                Row(row).dataBegin = i;
                Row(row).dataEnd = nodeCount;
                --inlineLevel;
                depth = savedDepth;
                return 1;
            }
        }
    }

    FileRecord record;
    record.name = refused || gaveUp ? name : FileNameOf(path);
    record.path = path;
    record.fileName = record.name;
    record.firstRow = 0;
    record.endRow = 0;
    const int32_t fileIndex = AddFileRecord(record);
    int result = -1;
    if (refused) {
        ShowReadingError("So We only support .wrl file :" + name);
    } else if (gaveUp) {
        if (!damaged) ShowReadingError("File Open is canceled :" + name);
    } else {
        currentFolder = FolderOf(path);
        result = ReadChildFile(childText, fileIndex);
    }
    if (result != 1) {
        LogLine("このファイルの読み出しはキャンセルされました");
        FileRecord& failed = files.items[size_t(fileIndex)];
        failed.firstRow = 0;
        failed.endRow = 0;
    }
    childText.Release();
    Row(row).dataBegin = fileIndex;
    Row(row).dataEnd = nodeCount;

    if (raisedLevel) --inlineLevel;
    currentFolder = savedFolder;
    depth = savedDepth;
    return result == 1 ? 1 : -3;
}

}  // namespace vantor
