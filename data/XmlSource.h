#pragma once
// Reading a master-data XML file into a pugixml document, whatever encoding
// the file is in: UTF-8 (with or without BOM), UTF-16 with BOM, or a
// Shift_JIS / Windows-31J / CP932 declaration. Values then come out as CP932.

#include "data/LoadResult.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace zeku {

// Parses `bytes` (the whole file) into `doc`. `fileName` only names the file
// in the failure.
LoadResult parseXmlBytes(std::string_view bytes, const std::string& fileName, pugi::xml_document& doc);

// Reads and parses `file`. Missing, unreadable and malformed files fail.
LoadResult loadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc);

// An attribute or text value of the document (UTF-8) converted to CP932; a
// character CP932 cannot hold becomes "?".
std::string xmlText(const char* utf8);

} // namespace zeku
