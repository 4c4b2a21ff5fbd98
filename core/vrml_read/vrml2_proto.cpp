// PROTO and EXTERNPROTO: declarations are kept as prepared text, and an
// instance is read by substituting its field values for the body's IS
// references and reading the result as ordinary nodes. The rows are those
// of the body's nodes; nothing after reading knows about prototypes.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml_paths.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_read/vrml_text.h"

namespace vantor {

namespace {

// Instances inside instances: deeper nesting is a prototype that uses
// itself, directly or through others.
constexpr int kMaxProtoNesting = 32;
// EXTERNPROTO files naming further EXTERNPROTO files.
constexpr int kMaxExternLevels = 8;
// Instances (skipped ones too), and text made by expansion, in one read:
// instances that multiply at every level would otherwise grow without
// bound and keep a file reading for minutes.
constexpr int kMaxInstances = 100000;
constexpr size_t kMaxExpandedBytes = size_t(128) << 20;

bool IsInterfaceWord(std::string_view word) {
    return word == "field" || word == "exposedField" || word == "eventIn" || word == "eventOut";
}

}  // namespace

struct ProtoField {
    std::string name;
    std::string value;  // prepared text; empty when the field has none
};

struct ProtoDefinition {
    std::vector<ProtoField> fields;
    std::string body;  // prepared text of the nodes between the braces
};

struct ProtoLibrary {
    std::map<std::pair<int32_t, std::string>, ProtoDefinition> protos;
    std::vector<std::string> externFiles;  // files being scanned, outermost first
    int nesting = 0;
    int instances = 0;
    size_t expandedBytes = 0;
    bool overBudget = false;        // past the limits below: later instances skipped quietly
    std::set<std::string> tooDeep;  // a recursive PROTO fails alike at every instance: log once
};

ProtoLibrary& Vrml2NodeReader::Library() {
    if (!reader_.protoLibrary) reader_.protoLibrary = std::make_shared<ProtoLibrary>();
    return *reader_.protoLibrary;
}

std::string Vrml2NodeReader::ValueText(int& position) {
    const int start = position;
    SkipFieldValue(position);
    return std::string(text_.substr(size_t(start), size_t(position - start)));
}

std::vector<ProtoField> Vrml2NodeReader::ReadInterface(int& position, bool withValues) {
    std::vector<ProtoField> fields;
    const int start = position;
    if (Next(position) != "[") {
        position = start;
        return fields;
    }
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "]") break;
        if (!IsInterfaceWord(word)) continue;  // stray words are passed over
        const bool event = word == "eventIn" || word == "eventOut";
        Next(position);  // type
        ProtoField field{std::string(Next(position)), {}};
        if (!event && withValues) field.value = ValueText(position);
        fields.push_back(std::move(field));
    }
    return fields;
}

void Vrml2NodeReader::ReadProtoDeclaration(int& position) {
    const std::string name(Next(position));
    ProtoDefinition definition;
    definition.fields = ReadInterface(position, true);
    const int start = position;
    if (Next(position) != "{") {
        position = start;
        LogWord("Caution in PROTO ##", name, "## without a body");
        return;
    }
    const int bodyStart = position;
    SkipBlock(position);
    const int bodyEnd = std::max(bodyStart, position - 2);  // before "} "
    definition.body = std::string(text_.substr(size_t(bodyStart), size_t(bodyEnd - bodyStart)));
    Library().protos[{reader_.currentFileIndex, name}] = std::move(definition);
}

void Vrml2NodeReader::ReadExternProtoDeclaration(int& position) {
    const std::string name(Next(position));
    const std::vector<ProtoField> declared = ReadInterface(position, false);
    std::vector<std::string> urls;
    const int start = position;
    if (Next(position) == "[") {
        while (!AtEnd(position)) {
            std::string_view url = Next(position);
            if (url == "]") break;
            if (url != ",") urls.emplace_back(url);
        }
    } else {
        position = start;
        urls.emplace_back(Next(position));
    }
    for (const std::string& url : urls)
        if (LoadExternProto(name, url)) return;
    LogWord("Caution in EXTERNPROTO ##", name, "## its file cannot be read, instances skipped");
    // Instances still read (and skip) their fields.
    Library().protos[{reader_.currentFileIndex, name}] = ProtoDefinition{declared, {}};
}

bool Vrml2NodeReader::LoadExternProto(const std::string& name, const std::string& url) {
    const size_t hash = url.find('#');
    const std::string file = url.substr(0, hash);
    const std::string wanted = hash == std::string::npos ? std::string() : url.substr(hash + 1);
    if (file.empty() || file.find("://") != std::string::npos) return false;
    ProtoLibrary& library = Library();
    const std::string path = MatchPathCase(ResolveInlineName(file, reader_.currentFolder));
    for (const std::string& open : library.externFiles)
        if (open == path) return false;  // files that name each other
    if (int(library.externFiles.size()) >= kMaxExternLevels) return false;
    VrmlText external;
    if (external.LoadFile(path) != TextLoadResult::Ok || !OmmitCommentFromVrml0(external))
        return false;
    // Its declarations go under a file key of their own, then the wanted
    // one is copied under this file's name.
    const int32_t ownFile = reader_.currentFileIndex;
    const std::string savedFolder = reader_.currentFolder;
    const int32_t externKey = -1 - int32_t(library.externFiles.size());
    library.externFiles.push_back(path);
    reader_.currentFileIndex = externKey;
    reader_.currentFolder = FolderOf(path);
    Vrml2NodeReader scanner(reader_, external.view());
    std::string first;
    for (int at = 0; !scanner.AtEnd(at);) {
        std::string_view word = scanner.Next(at);
        if (word == "PROTO" || word == "EXTERNPROTO") {
            if (first.empty() && word == "PROTO") first = std::string(scanner.Peek(at));
            if (word == "PROTO")
                scanner.ReadProtoDeclaration(at);
            else
                scanner.ReadExternProtoDeclaration(at);
        }
    }
    library.externFiles.pop_back();
    reader_.currentFileIndex = ownFile;
    reader_.currentFolder = savedFolder;
    const auto found = library.protos.find({externKey, wanted.empty() ? first : wanted});
    const bool ok = found != library.protos.end();
    if (ok) library.protos[{ownFile, name}] = found->second;
    // The file's other declarations come along: its bodies use them.
    for (auto entry = library.protos.begin(); entry != library.protos.end();) {
        if (entry->first.first != externKey) {
            ++entry;
            continue;
        }
        library.protos.try_emplace({ownFile, entry->first.second}, std::move(entry->second));
        entry = library.protos.erase(entry);
    }
    return ok;
}

const ProtoDefinition* Vrml2NodeReader::FindProto(std::string_view name) {
    if (!reader_.protoLibrary) return nullptr;
    const auto& protos = reader_.protoLibrary->protos;
    const auto found = protos.find({reader_.currentFileIndex, std::string(name)});
    return found == protos.end() ? nullptr : &found->second;
}

std::string Vrml2NodeReader::ExpandInstance(const ProtoDefinition& proto, int& position) {
    std::vector<std::string> values;
    std::vector<bool> given(proto.fields.size(), false);
    for (const ProtoField& field : proto.fields) values.push_back(field.value);
    if (ExpectBrace(position, "There must be some Mistake in this data about { after PROTO")) {
        while (!AtEnd(position)) {
            std::string_view word = Next(position);
            if (word == "}") break;
            if (SkipRoute(word, position)) continue;
            size_t i = 0;
            while (i < proto.fields.size() && proto.fields[i].name != word) ++i;
            if (i == proto.fields.size()) {
                LogWord("Caution in PROTO instance Field  ch1 = ##", word, "## ");
                SkipFieldValue(position);
            } else {
                values[i] = ValueText(position);
            }
        }
    }
    // IS references take the values; a field with no value takes its
    // body field name away with it.
    std::string out;
    const std::string_view body = proto.body;
    size_t lastWordStart = 0;
    for (int at = 0; at < int(body.size());) {
        const int start = at;
        std::string_view word = NextWord(body, at);
        if (word == "IS" && body[size_t(start)] != '"') {
            const std::string_view name = NextWord(body, at);
            size_t i = 0;
            while (i < proto.fields.size() && proto.fields[i].name != name) ++i;
            if (i == proto.fields.size() || values[i].empty())
                out.resize(lastWordStart);
            else
                out += values[i];
            continue;
        }
        lastWordStart = out.size();
        out.append(body.substr(size_t(start), size_t(at - start)));
    }
    return out;
}

void Vrml2NodeReader::SkipOverBudget(const std::string& name, int& position, bool bodyRead) {
    ProtoLibrary& library = Library();
    if (!library.overBudget)
        LogWord("Caution in PROTO ##", name, "## expands to too much text, instance skipped");
    library.overBudget = true;
    if (!bodyRead) SkipNodeBody(position);
}

bool Vrml2NodeReader::ReadProtoInstance(std::string_view word, const std::string& defName,
                                        int& position, bool geometry) {
    const ProtoDefinition* proto = FindProto(word);
    if (!proto) return false;
    ProtoLibrary& library = Library();
    const std::string name(word);
    if (library.overBudget || ++library.instances > kMaxInstances) {
        SkipOverBudget(name, position, false);
        return true;
    }
    if (library.nesting >= kMaxProtoNesting) {
        if (library.tooDeep.insert(name).second)
            LogWord("Caution in PROTO ##", name, "## instances nest too deep, instance skipped");
        SkipNodeBody(position);
        return true;
    }
    const std::string expanded = ExpandInstance(*proto, position);
    library.expandedBytes += expanded.size();
    if (library.expandedBytes > kMaxExpandedBytes) {
        SkipOverBudget(name, position, true);
        return true;
    }
    const int32_t firstRow = reader_.nodeCount;
    ++library.nesting;
    Vrml2NodeReader body(reader_, expanded);
    int at = 0;
    if (geometry)
        body.ReadGeometryField(at);
    else
        body.MakeVrmlList20(at, kNeverStop);
    --library.nesting;
    if (!defName.empty() && reader_.nodeCount > firstRow) reader_.SetDefName(firstRow, defName);
    return true;
}

}  // namespace vantor
