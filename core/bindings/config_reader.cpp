#include "bindings/config_reader.h"

#include <filesystem>

#include "bindings/read_config.h"
#include "prompt/prompt.h"
#include "prompt/translate.h"
#include "vrml_read/vrml_text.h"

namespace vantor {
namespace {

constexpr int32_t kInfoNodeKind = 1280;

std::string FolderOf(const std::string& path) {
    if (path.empty()) return {};
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace

bool ConfigReader::LoadPrepared(const std::string& path, std::string& prepared) {
    if (path.empty()) return false;
    VrmlText text;
    if (text.LoadFile(path) != TextLoadResult::Ok) return false;
    if (text.length() == 0) {
        prompt_.ShowMessage("This Data is EMPTY !! ", "Caution", PromptButtons::Ok,
                            PromptIcon::Exclamation);
        prepared.clear();
        return true;
    }
    if (!OmmitCommentFromVrml0(text)) {
        prompt_.ShowMessage(" There must be some Mistake in  OmmitCommentFromVrml0", "Error",
                            PromptButtons::Ok, PromptIcon::Exclamation);
    }
    prepared.assign(text.view());
    return true;
}

int ConfigReader::ReadConfigFile(const std::string& path) {
    std::string prepared;
    if (LoadPrepared(path, prepared)) {
        path_ = path;
        Parse(prepared);
        return 1;
    }
    const std::string startFolder = FolderOf(path);
    for (;;) {
        std::string chosen;
        if (prompt_.AskOpenFile(std::string(kConfigFileFilter), startFolder, chosen)) {
            // A chosen file that cannot be opened brings the dialog back.
            if (!LoadPrepared(chosen, prepared)) continue;
            path_ = chosen;
            table_.ResetBindings();
            Parse(prepared);
            return 0;
        }
        const PromptAnswer again = prompt_.ShowMessage(
            Translate("Core", "ファイルの選択を続けますか？"), Translate("Core", "警告"),
            PromptButtons::OkCancel, PromptIcon::Exclamation);
        if (again == PromptAnswer::Cancel) return 1;
    }
}

void ConfigReader::Parse(std::string_view text) {
    const int length = int(text.size());
    int position = 0;
    char word[kWordBufferSize];
    char name[kWordBufferSize];
    char value[kWordBufferSize];
    while (position < length) {
        GetWord(text, position, word);
        // The prepared text ends in a blank, which is no token.
        if (word[0] == '\0' && position >= length) break;
        name[0] = '\0';
        if (std::string_view(word) == "DEF") {
            GetSFString0Silent(text, position, name);
            GetWord(text, position, word);
        }
        if (std::string_view(word) != "Info") {
            prompt_.ShowMessage("Caution in switch VRML data 01 !", "Error", PromptButtons::Ok,
                                PromptIcon::Exclamation);
            continue;
        }
        ++nodeCount_;
        GetWord(text, position, word);
        if (std::string_view(word) != "{") {
            const std::string found(word);
            SkipUnopenedInfoNode(text, position, found);
            prompt_.ShowMessage(
                " mistake in Data about InfoNode iNode = " + std::to_string(kInfoNodeKind) +
                    " ,ch = ##" + found + "## cDEF = ##" + name + "##",
                "Error", PromptButtons::Ok, PromptIcon::Exclamation);
            continue;
        }
        while (position < length) {
            GetWord(text, position, word);
            const std::string_view token(word);
            if (token == "}") break;
            if (token != "string") continue;
            GetSFString0Silent(text, position, value);
            table_.ApplyBinding(name, value);
        }
    }
}

}  // namespace vantor
