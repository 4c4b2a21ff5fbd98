#include "import/declared_counts.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>
#include <sstream>
#include <string_view>

namespace vantor {

namespace {

// The count a word's leading digits give, as Assimp reads it ("12x" is 12),
// saturating instead of wrapping.
uint64_t CountOf(const std::string& word) {
    uint64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') break;
        const uint64_t digit = uint64_t(c - '0');
        if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10)
            return std::numeric_limits<uint64_t>::max();
        value = value * 10 + digit;
    }
    return value;
}

bool IsPlyType(const std::string& word) {
    static const std::set<std::string> types = {
        "char", "uchar", "short", "ushort", "int",   "uint",   "float",   "double",
        "int8", "uint8", "int16", "uint16", "int32", "uint32", "float32", "float64"};
    return types.count(word) > 0;
}

// A property line names a type and a name, a list property two types.
bool IsPlyProperty(std::istringstream& words) {
    std::string type, second, third;
    words >> type >> second >> third;
    if (type == "list") return IsPlyType(second) && IsPlyType(third) && bool(words >> type);
    return IsPlyType(type) && !second.empty();
}

// Up to "end_header": known lines only, properties well formed, element
// counts the file can hold. Assimp's reader reads out of bounds on a
// malformed header.
bool PlyDeclaresTooMuch(const std::string& head, uint64_t fileBytes) {
    std::istringstream in(head);
    std::string line;
    std::getline(in, line);  // "ply"
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "end_header") return false;
        if (keyword == "element") {
            std::string name, count;
            words >> name >> count;
            if (count.empty() || CountOf(count) > fileBytes) return true;
        } else if (keyword == "property") {
            if (!IsPlyProperty(words)) return true;
        } else if (keyword != "format" && keyword != "comment" && keyword != "obj_info" &&
                   !keyword.empty()) {
            return true;
        }
    }
    return true;  // no header is that long
}

// The header scanned as Assimp's OFF reader scans it: blanks, line ends
// and '#' comment lines between tokens; an optional "[ST][C][N][4][n]"
// prefix, then "OFF" or straight on; a dimension after "n"; then the
// vertex and face counts.
bool OffDeclaresTooMuch(const std::string& head, uint64_t fileBytes) {
    size_t at = 0;
    const auto nextToken = [&] {
        for (;;) {
            at = std::min(head.find_first_not_of(" \t\r\n", at), head.size());
            if (at == head.size() || head[at] != '#') return;
            at = std::min(head.find('\n', at), head.size());
        }
    };
    const auto take = [&](std::string_view word) {
        const bool found = head.compare(at, word.size(), word) == 0;
        if (found) at += word.size();
        return found;
    };
    const auto count = [&] {
        const size_t end = std::min(head.find_first_not_of("0123456789", at), head.size());
        const uint64_t value = CountOf(head.substr(at, end - at));
        at = end;
        return value;
    };
    nextToken();
    take("ST"), take("C"), take("N"), take("4");
    const bool dimension = take("n");
    take("OFF");
    nextToken();
    if (dimension) count(), nextToken();
    const uint64_t vertices = count();
    nextToken();
    return vertices > fileBytes || count() > fileBytes;
}

}  // namespace

bool DeclaresMoreThanItHolds(const std::string& head, uint64_t fileBytes, bool offByName) {
    // Assimp takes the magic word in any case.
    std::string magic = head.substr(0, 3);
    for (char& c : magic) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (magic == "ply") return PlyDeclaresTooMuch(head, fileBytes);
    const std::string keyword = head.substr(0, head.find_first_of(" \t\r\n"));
    const bool offKeyword = keyword.size() >= 3 && keyword.size() <= 8 &&
                            keyword.compare(keyword.size() - 3, 3, "OFF") == 0;
    return (offKeyword || offByName) && OffDeclaresTooMuch(head, fileBytes);
}

}  // namespace vantor
