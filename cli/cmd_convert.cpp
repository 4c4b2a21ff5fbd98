// korvalde-cli convert: reads a VRML 1.0 or 2.0 file and writes it back as
// VRML 1.0 the way the viewer's save commands do.

#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor::cli {

namespace {

const char* const kConvertUsage =
    "usage: korvalde-cli convert [--mode top|new] [--user NAME] [--log PATH] IN OUT\n";

struct ConvertOptions {
    int mode = kSaveTopData;
    bool userGiven = false;
    std::string user;
    std::string logPath = "data_reading.log";
    std::vector<std::string> files;
};

bool ParseConvertOptions(const Args& args, ConvertOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--mode" && hasValue) {
            const std::string& mode = args[++i];
            if (mode == "top") {
                options.mode = kSaveTopData;
            } else if (mode == "new") {
                options.mode = kSaveNewData;
            } else {
                return false;
            }
        } else if (arg == "--user" && hasValue) {
            options.userGiven = true;
            options.user = args[++i];
        } else if (arg == "--log" && hasValue) {
            options.logPath = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    return options.files.size() == 2;
}

}  // namespace

int RunConvert(const Args& args) {
    ConvertOptions options;
    if (!ParseConvertOptions(args, options)) {
        std::fputs(kConvertUsage, stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];

    // A file the reader rejects leaves the scene empty, which the save
    // then refuses like the viewer does.
    VrmlReader reader;
    StderrPrompt prompt;
    ReadModelFile(reader, in, prompt, options.logPath);

    SaveOptions saveOptions;
    if (options.userGiven) saveOptions.userName = options.user;
    const SaveResult result = SaveScene(reader, out, options.mode, saveOptions);
    if (!result.saved()) {
        std::fprintf(stderr, "%s: %s\n", result.caption.c_str(), result.message.c_str());
        return 1;
    }
    return 0;
}

}  // namespace vantor::cli
