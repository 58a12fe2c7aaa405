#include "cli/ResultLineWriter.h"

#include "cli/JsonFormat.h"
#include "platform/Cp932.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>

namespace zeku {

namespace {

// The JSON string of a CP932 name exactly as nlohmann::json writes it.
std::string quotedName(const std::string& cp932)
{
    return nlohmann::json(cp932ToUtf8(cp932)).dump();
}

void appendNumber(std::string& out, unsigned value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// A literal's bytes, its length known when compiling.
template <std::size_t N>
void appendText(std::string& out, const char (&text)[N])
{
    out.append(text, N - 1);
}

// The one definition of a result line: its keys, their order and the form of
// each value, byte for byte as nlohmann::json dumps them. `source` gives
//   hasWeapon(), appendWeaponName(out), hasPiece(part), appendPieceName(part, out),
//   pieceSex(part), pieceRank(part), forEachJewel(holder, f) (holder 0 the
//   weapon, then head to leg; f takes a Jewel*), jewelName(jewel),
//   jewelRank(jewel), defence(), slots(), used(), free(), skills().
// "variant" and "jewel_variants" appear only for items whose names the
// catalogue repeats (NameRanks): other lines keep their bytes.
template <typename Source>
void appendResultLine(Source& source, std::optional<unsigned> no, std::string& out)
{
    auto appendJewels = [&](int holder) {
        appendText(out, "\"jewels\":[");
        bool first = true;
        bool ranked = false;
        source.forEachJewel(holder, [&](const Jewel* jewel) {
            if (!first)
                out += ',';
            first = false;
            out += source.jewelName(jewel);
            ranked = ranked || source.jewelRank(jewel).has_value();
        });
        out += ']';
        if (ranked) {
            // One rank per jewel, 0 for a jewel whose name is unique.
            appendText(out, ",\"jewel_variants\":[");
            first = true;
            source.forEachJewel(holder, [&](const Jewel* jewel) {
                if (!first)
                    out += ',';
                first = false;
                appendNumber(out, source.jewelRank(jewel).value_or(0));
            });
            out += ']';
        }
        out += '}';
    };
    out += '{';
    if (no) {
        appendText(out, "\"no\":");
        appendNumber(out, *no);
        out += ',';
    }
    appendText(out, "\"weapon\":");
    if (source.hasWeapon()) {
        appendText(out, "{\"name\":");
        source.appendWeaponName(out);
        out += ',';
        appendJewels(0);
    } else {
        appendText(out, "null");
    }
    for (int part = 0; part < kPartCount; ++part) {
        appendText(out, ",\"");
        out += kJsonPartKeys[part];
        appendText(out, "\":");
        if (!source.hasPiece(part)) {
            appendText(out, "null");
            continue;
        }
        appendText(out, "{\"name\":");
        source.appendPieceName(part, out);
        appendText(out, ",\"sex\":");
        appendNumber(out, source.pieceSex(part));
        if (const std::optional<uint16_t> rank = source.pieceRank(part)) {
            appendText(out, ",\"variant\":");
            appendNumber(out, *rank);
        }
        out += ',';
        appendJewels(part + 1);
    }
    appendText(out, ",\"defence\":");
    appendNumber(out, source.defence());
    appendText(out, ",\"slots\":");
    appendNumber(out, source.slots());
    appendText(out, ",\"used\":");
    appendNumber(out, source.used());
    appendText(out, ",\"free\":");
    appendNumber(out, source.free());
    appendText(out, ",\"skills\":");
    appendNumber(out, source.skills());
    out += '}';
}

// A stored record, read as it is; names through the writer's cache.
class RecordSource {
public:
    RecordSource(ResultLineWriter& names, const SearchResultStore& store, const ResultRecord& record)
        : m_names(names), m_store(store), m_record(record)
    {
        // The jewels are kept holder after holder.
        std::size_t next = 0;
        for (int holder = 0; holder < ResultRecord::kHolders; ++holder) {
            m_firstJewel[static_cast<std::size_t>(holder)] = next;
            next += record.jewelCounts[static_cast<std::size_t>(holder)];
        }
    }
    bool hasWeapon() const { return m_record.weapon != nullptr; }
    void appendWeaponName(std::string& out) { out += m_names.weaponName(m_record.weapon); }
    bool hasPiece(int part) const { return piece(part) != nullptr; }
    void appendPieceName(int part, std::string& out) { out += m_names.pieceName(part, piece(part)); }
    unsigned pieceSex(int part) const { return piece(part)->sex; }
    std::optional<uint16_t> pieceRank(int part) const { return m_names.ranks().piece(part, piece(part)); }
    template <typename F>
    void forEachJewel(int holder, F f)
    {
        const auto h = static_cast<std::size_t>(holder);
        for (std::size_t i = 0; i < m_record.jewelCounts[h]; ++i)
            f(m_store.jewel(m_record.jewels[m_firstJewel[h] + i]));
    }
    const std::string& jewelName(const Jewel* jewel) { return m_names.jewelName(jewel); }
    std::optional<uint16_t> jewelRank(const Jewel* jewel) const { return m_names.ranks().jewel(jewel); }
    unsigned defence() const { return m_record.defence; }
    unsigned slots() const { return m_record.slots; }
    unsigned used() const { return m_record.used; }
    unsigned free() const { return m_record.free; }
    unsigned skills() const { return m_record.skillCount; }

private:
    const EquipItem* piece(int part) const { return m_record.pieces[static_cast<std::size_t>(part)]; }

    ResultLineWriter& m_names;
    const SearchResultStore& m_store;
    const ResultRecord& m_record;
    std::array<std::size_t, ResultRecord::kHolders> m_firstJewel{};
};

// Quotes every name afresh: for a set written once.
struct FreshNames {
    explicit FreshNames(const MasterData& master) : m_ranks(master) {}
    std::string pieceName(int, const EquipItem* piece) { return quotedName(piece->name); }
    std::string weaponName(const WeaponSlotItem* weapon) { return quotedName(weapon->name); }
    std::string jewelName(const Jewel* jewel) { return quotedName(jewel->name); }
    const NameRanks& ranks() const { return m_ranks; }

private:
    NameRanks m_ranks;
};

// A full set; its numbers are computed from it.
template <typename Names>
class SetSource {
public:
    SetSource(Names& names, const EquipSet& set, const SkillCatalogue& skills)
        : m_names(names), m_set(set), m_skills(skills)
    {
    }
    bool hasWeapon() const { return m_set.weapon() != nullptr; }
    void appendWeaponName(std::string& out) { out += m_names.weaponName(m_set.weapon()); }
    bool hasPiece(int part) const { return m_set.piece(part) != nullptr; }
    void appendPieceName(int part, std::string& out) { out += m_names.pieceName(part, m_set.piece(part)); }
    unsigned pieceSex(int part) const { return m_set.piece(part)->sex; }
    std::optional<uint16_t> pieceRank(int part) const { return m_names.ranks().piece(part, m_set.piece(part)); }
    template <typename F>
    void forEachJewel(int holder, F f)
    {
        const JewelSlots& slots = holder == 0 ? m_set.weaponSlots() : m_set.pieceSlots(holder - 1);
        for (const Jewel* jewel : slots.jewels)
            f(jewel);
    }
    decltype(auto) jewelName(const Jewel* jewel) { return m_names.jewelName(jewel); }
    std::optional<uint16_t> jewelRank(const Jewel* jewel) const { return m_names.ranks().jewel(jewel); }
    unsigned defence() const { return m_set.totalDefence(); }
    unsigned slots() const { return m_set.totalSlots(); }
    unsigned used() const { return m_set.usedSlots(); }
    unsigned free() const { return m_set.freeSlots(); }
    unsigned skills() const { return m_set.activatedSkillCount(m_skills); }

private:
    Names& m_names;
    const EquipSet& m_set;
    const SkillCatalogue& m_skills;
};

constexpr std::size_t kChunk = 1 << 16;

template <typename Flush>
void writeAll(const MasterData& master, const SearchResultStore& store, Flush flush)
{
    ResultLineWriter writer(master);
    std::string buffer;
    buffer.reserve(kChunk + 4096);
    for (int32_t i = 0; i < store.count(); ++i) {
        writer.appendLine(store, i, buffer);
        if (buffer.size() >= kChunk) {
            flush(buffer);
            buffer.clear();
        }
    }
    if (!buffer.empty())
        flush(buffer);
}

} // namespace

ResultLineWriter::ResultLineWriter(const MasterData& master) : m_master(master), m_ranks(master)
{
    for (int part = 0; part < kPartCount; ++part)
        m_pieceNames[part].resize(master.equip(part).size());
    m_jewelNames.resize(master.jewels().size());
}

const std::string& ResultLineWriter::cachedName(const void* item, const std::string& cp932)
{
    auto [it, inserted] = m_otherNames.try_emplace(item);
    if (inserted)
        it->second = quotedName(cp932);
    return it->second;
}

const std::string& ResultLineWriter::pieceName(int part, const EquipItem* piece)
{
    const std::vector<EquipItem>& items = m_master.equip(part).items();
    if (items.empty() || piece < items.data() || piece >= items.data() + items.size())
        return cachedName(piece, piece->name);
    std::string& name = m_pieceNames[part][static_cast<std::size_t>(piece - items.data())];
    if (name.empty())
        name = quotedName(piece->name);
    return name;
}

const std::string& ResultLineWriter::jewelName(const Jewel* jewel)
{
    const std::vector<Jewel>& items = m_master.jewels().items();
    if (items.empty() || jewel < items.data() || jewel >= items.data() + items.size())
        return cachedName(jewel, jewel->name);
    std::string& name = m_jewelNames[static_cast<std::size_t>(jewel - items.data())];
    if (name.empty())
        name = quotedName(jewel->name);
    return name;
}

const std::string& ResultLineWriter::weaponName(const WeaponSlotItem* weapon)
{
    return cachedName(weapon, weapon->name);
}

void ResultLineWriter::appendLine(const SearchResultStore& store, int32_t index, std::string& out)
{
    const auto no = static_cast<unsigned>(index + 1);
    const ResultRecord& record = store.record(index);
    if (record.keptWhole()) {
        // A set too large for a record.
        const EquipSet& set = store.fullSet(index);
        SetSource<ResultLineWriter> source(*this, set, m_master.skills());
        appendResultLine(source, no, out);
    } else {
        RecordSource source(*this, store, record);
        appendResultLine(source, no, out);
    }
    out += '\n';
}

void writeResultLines(const MasterData& master, const SearchResultStore& store, std::FILE* out)
{
    writeAll(master, store, [out](const std::string& chunk) { std::fwrite(chunk.data(), 1, chunk.size(), out); });
}

void writeResultLines(const MasterData& master, const SearchResultStore& store, std::ostream& out)
{
    writeAll(master, store,
             [&out](const std::string& chunk) { out.write(chunk.data(), static_cast<std::streamsize>(chunk.size())); });
}

std::string resultLine(const EquipSet& set, const MasterData& master, std::optional<int> no)
{
    FreshNames names(master);
    SetSource<FreshNames> source(names, set, master.skills());
    std::string line;
    appendResultLine(source, no ? std::optional<unsigned>(static_cast<unsigned>(*no)) : std::nullopt, line);
    return line;
}

nlohmann::ordered_json resultToJson(const EquipSet& set, const MasterData& master, std::optional<int> no)
{
    return nlohmann::ordered_json::parse(resultLine(set, master, no));
}

} // namespace zeku
