#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "commands.h"
#include "prompt/prompt.h"

namespace vantor::cli {

// Prints the binding table the viewer would build from FILE; the reader's
// messages go to stderr as "caption: text".
int RunBindings(const Args& args) {
    if (args.size() != 1) {
        std::fputs("usage: korvalde-cli bindings FILE\n", stderr);
        return 2;
    }
    BindingTable table;
    StderrPrompt prompt;
    ConfigReader reader(table, prompt);
    reader.ReadConfigFile(args[0]);
    if (reader.path() != args[0]) {
        std::fprintf(stderr, "korvalde-cli: cannot read %s\n", args[0].c_str());
        return 1;
    }
    // Bound keys by ascending virtual-key code.
    std::vector<std::pair<int32_t, int32_t>> keys;
    for (int slot = 0; slot < BindingTable::kKeySlotCount; ++slot) {
        if (table.KeySlot(slot) == kNoCommand) continue;
        keys.emplace_back(BindingTable::KeySlotCode(slot), table.KeySlot(slot));
    }
    std::sort(keys.begin(), keys.end());
    for (const auto& [code, command] : keys) std::printf("KEY %d %d\n", code, command);
    for (const MouseActionInfo& action : MouseActionTable()) {
        std::printf("MOUSE %.*s %d %d\n", int(action.name.size()), action.name.data(),
                    table.MouseButton(action.action), table.ModifierKey(action.action));
    }
    const auto parts = PartsModifierNames();
    for (int i = 0; i < kPartsModifierCount; ++i) {
        std::printf("PARTS %.*s %d\n", int(parts[i].size()), parts[i].data(),
                    table.PartsKey(static_cast<PartsModifier>(i)));
    }
    for (int i = 0; i < kDimensionCommandCount; ++i) {
        const std::string_view name = BindingTable::DimensionEntryName(i);
        std::printf("DIM %.*s %d\n", int(name.size()), name.data(), table.DimensionKey(i));
    }
    return 0;
}

}  // namespace vantor::cli
