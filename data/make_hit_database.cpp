// Build step: makes the template database from the schema file.
// Usage: make_hit_database SCHEMA.sql OUT.db

#include <cstdio>
#include <fstream>
#include <sstream>

#include "hits/hit_table.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_hit_database SCHEMA.sql OUT.db\n");
        return 2;
    }
    std::ifstream schemaFile(argv[1]);
    std::stringstream schema;
    schema << schemaFile.rdbuf();
    if (!schemaFile) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::remove(argv[2]);
    std::string error;
    if (!vantor::HitTable::CreateSchema(argv[2], schema.str(), error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 1;
    }
    return 0;
}
