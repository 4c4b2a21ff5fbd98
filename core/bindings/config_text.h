#pragma once
// Pieces of the binding file as the setup tool writes it: header lines,
// section banners and entry lines, all ending in CR LF.

#include <string>
#include <string_view>

namespace vantor {

struct ConfigDate {
    int year = 2001;
    int month = 12;
    int day = 5;
};

// The local date of today.
ConfigDate Today();

// "DEF <name> Info { string "<value>" } " and CR LF; the blank after the
// brace is part of the line.
std::string ConfigEntryLine(std::string_view name, std::string_view value);

// The three header lines (version, writer, date) and the empty line after them.
std::string ConfigHeader(const ConfigDate& date);

constexpr std::string_view kMouseMoveBanner =
    "################## Mouse Move ######################";
constexpr std::string_view kKeyCommandBanner =
    "################## Key Command #####################";
constexpr std::string_view kDataCommandBanner =
    "################## Data Command #####################";
// "Dimmension" as the written files spell it.
constexpr std::string_view kDimensionCommandBanner =
    "################# Dimmension Command ################";
constexpr std::string_view kPartsCommandBanner =
    "################### Parts Command ##################";
constexpr std::string_view kEndBanner = "################## E N D #####################";

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace vantor
