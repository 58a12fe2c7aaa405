#pragma once
// Writes stored results as JSON Lines straight into a buffer: the bytes are
// those of resultToJson(...).dump(), without building a JSON object or a full
// set per result. Every name is converted to UTF-8 and escaped once, when it
// is first written, and reused for every later result.

#include "data/MasterData.h"
#include "search/SearchResultStore.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeku {

class ResultLineWriter {
public:
    // `master` must outlive the writer.
    explicit ResultLineWriter(const MasterData& master);

    // Appends the line of result `index` of `store` ("no" = index + 1), with its
    // line end, to `out`.
    void appendLine(const SearchResultStore& store, int32_t index, std::string& out);

private:
    const std::string& pieceName(int part, const EquipItem* piece);
    const std::string& weaponName(const WeaponSlotItem* weapon);
    const std::string& jewelName(const Jewel* jewel);
    const std::string& cachedName(const void* item, const std::string& cp932);

    const MasterData& m_master;
    // Quoted and escaped UTF-8 names of the catalogue entries, by position (empty: not yet made).
    std::vector<std::string> m_pieceNames[kPartCount];
    std::vector<std::string> m_jewelNames;
    // Names of items that are not in the catalogues (a set built elsewhere).
    std::unordered_map<const void*, std::string> m_otherNames;
};

// Writes every result of `store` as a JSON line to `out`, in large chunks.
void writeResultLines(const MasterData& master, const SearchResultStore& store, std::FILE* out);
void writeResultLines(const MasterData& master, const SearchResultStore& store, std::ostream& out);

} // namespace zeku
