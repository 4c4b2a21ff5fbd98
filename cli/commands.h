#pragma once
// Sub-commands of korvalde-cli; each takes the arguments after its name.

#include <string>
#include <vector>

namespace vantor::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args& args);
int RunDump(const Args& args);
int RunConvert(const Args& args);
int RunBindings(const Args& args);

}  // namespace vantor::cli
