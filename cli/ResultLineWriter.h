#pragma once
// Result lines: one search result as one line of JSON, every text UTF-8, the
// keys in this order (the one place that writes them is ResultLineWriter.cpp):
//   {"no", "weapon": {"name", "jewels"} | null, "head"..."leg": {"name", "sex", "jewels"} | null,
//    "defence", "slots", "used", "free", "skills"}
// "skills" is the activated-skill count. Where the catalogue repeats a name, a
// holder also says which item of that name it means: a piece gets "variant"
// after "sex", its rank among the pieces of its part, name and sex; a holder
// whose jewels include such a name gets "jewel_variants" after "jewels", one
// rank per jewel (0 for a unique name). Ranks count from 0 in catalogue order
// (NameRanks); lines of items with unique names keep their bytes.
//
// ResultLineWriter writes stored results straight into a buffer, without
// building a JSON object or a full set per result. Every name is converted to
// UTF-8 and escaped once, when it is first written, and reused for every later
// result.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "search/SearchResultStore.h"
#include "userfiles/ItemNumberTable.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
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

    // The quoted and escaped UTF-8 names, made once per item.
    const std::string& pieceName(int part, const EquipItem* piece);
    const std::string& weaponName(const WeaponSlotItem* weapon);
    const std::string& jewelName(const Jewel* jewel);
    const NameRanks& ranks() const { return m_ranks; }

private:
    const std::string& cachedName(const void* item, const std::string& cp932);

    const MasterData& m_master;
    NameRanks m_ranks;
    // Quoted and escaped UTF-8 names of the catalogue entries, by position (empty: not yet made).
    std::vector<std::string> m_pieceNames[kPartCount];
    std::vector<std::string> m_jewelNames;
    // Names of items that are not in the catalogues (a set built elsewhere).
    std::unordered_map<const void*, std::string> m_otherNames;
};

// Writes every result of `store` as a JSON line to `out`, in large chunks.
void writeResultLines(const MasterData& master, const SearchResultStore& store, std::FILE* out);
void writeResultLines(const MasterData& master, const SearchResultStore& store, std::ostream& out);

// The line of one set, without its line end; "no" only when `no` is given.
// `master` is the catalogue of the set's items.
std::string resultLine(const EquipSet& set, const MasterData& master, std::optional<int> no);
// The same line as a JSON object, to be put into another.
nlohmann::ordered_json resultToJson(const EquipSet& set, const MasterData& master, std::optional<int> no);

} // namespace zeku
