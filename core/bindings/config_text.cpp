#include "bindings/config_text.h"

#include <ctime>

namespace vantor {

ConfigDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string ConfigEntryLine(std::string_view name, std::string_view value) {
    std::string line = "DEF ";
    line += name;
    line += " Info { string \"";
    line += value;
    line += "\" } ";
    line += kLineEnd;
    return line;
}

std::string ConfigHeader(const ConfigDate& date) {
    std::string text = "#VRML V1.0 ascii";
    text += kLineEnd;
    text += "#written by Tessmaran Ver1.0";
    text += kLineEnd;
    text += "# Date #" + std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
            std::to_string(date.day) + "# ##";
    text += kLineEnd;
    text += kLineEnd;
    return text;
}

}  // namespace vantor
