#include "import/declared_counts.h"

#include <cctype>
#include <limits>
#include <set>
#include <sstream>

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
bool PlyDeclaresTooMuch(std::istringstream& in, uint64_t fileBytes) {
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

// "[ST][C][N][4][n]OFF" (Assimp takes a file without it too), comments,
// then the vertex and face counts.
bool OffDeclaresTooMuch(std::istringstream& in, uint64_t fileBytes) {
    std::string word;
    int counts = 0;
    while (counts < 2 && in >> word) {
        // A comment may follow a count without a blank ("4#...").
        const size_t comment = word.find('#');
        if (comment != std::string::npos) {
            std::string rest;
            std::getline(in, rest);
            word.erase(comment);
            if (word.empty()) continue;
        }
        // The keyword may run straight on into the first count ("OFF12").
        const size_t keyword = word.find("OFF");
        if (keyword != std::string::npos && keyword <= 6) {
            word.erase(0, keyword + 3);
            if (word.empty()) continue;
        }
        if (CountOf(word) > fileBytes) return true;
        ++counts;
    }
    return false;
}

}  // namespace

bool DeclaresMoreThanItHolds(const std::string& head, uint64_t fileBytes, bool offByName) {
    std::istringstream in(head);
    // Assimp takes the magic word in any case.
    std::string magic = head.substr(0, 3);
    for (char& c : magic) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (magic == "ply") return PlyDeclaresTooMuch(in, fileBytes);
    const std::string keyword = head.substr(0, head.find_first_of(" \t\r\n"));
    const bool offKeyword = keyword.size() >= 3 && keyword.size() <= 8 &&
                            keyword.compare(keyword.size() - 3, 3, "OFF") == 0;
    return (offKeyword || offByName) && OffDeclaresTooMuch(in, fileBytes);
}

}  // namespace vantor
