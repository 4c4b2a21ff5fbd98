// Build tool: turns a Qt Linguist .ts file into a C++ table of
// {context, source, translation}, so a program without Qt shows the same
// translations. Usage: make_message_table IN.ts OUT.cpp
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string Unescape(const std::string& xml) {
    std::string out;
    for (size_t i = 0; i < xml.size(); ++i) {
        const size_t end = xml[i] == '&' ? xml.find(';', i) : std::string::npos;
        if (end == std::string::npos) {
            out += xml[i];
            continue;
        }
        const std::string name = xml.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            AppendUtf8(out, name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16)
                                           : std::stoul(name.substr(1)));
        else
            out += xml.substr(i, end - i + 1);
        i = end;
    }
    return out;
}

std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_message_table IN.ts OUT.cpp\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string ts = buffer.str();
    if (!in || ts.empty()) {
        std::fprintf(stderr, "make_message_table: cannot read %s\n", argv[1]);
        return 1;
    }
    // Messages with anything else (locations, numerus forms, raw bytes) are
    // left out rather than paired with the wrong translation.
    const std::regex context(R"re(<context>\s*<name>([^<]*)</name>([\s\S]*?)</context>)re");
    const std::regex message(
        R"re(<message>\s*<source>([^<]*)</source>\s*(?:<comment>[^<]*</comment>\s*)?<translation(?: type="([a-z]+)")?>([^<]*)</translation>)re");
    std::ostringstream out;
    out << "// Made from " << argv[1] << " by make_message_table.\n"
        << "#include \"message_table.h\"\n\nnamespace vantor {\n\n"
        << "const TranslatedText kEnglishTexts[] = {\n";
    size_t count = 0;
    for (std::sregex_iterator c(ts.begin(), ts.end(), context), end; c != end; ++c) {
        const std::string name = Unescape((*c)[1]);
        const std::string body = (*c)[2];
        for (std::sregex_iterator m(body.begin(), body.end(), message); m != end; ++m) {
            if ((*m)[2].matched) continue;  // unfinished or obsolete
            out << "    {" << Literal(name) << ", " << Literal(Unescape((*m)[1])) << ", "
                << Literal(Unescape((*m)[3])) << "},\n";
            ++count;
        }
    }
    out << "    {nullptr, nullptr, nullptr},\n};\n\nconst size_t kEnglishTextCount = " << count
        << ";\n\n}  // namespace vantor\n";
    std::ofstream file(argv[2], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
