#include "cli/ResultLineWriter.h"

#include "cli/JsonFormat.h"
#include "platform/Cp932.h"

#include <nlohmann/json.hpp>

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

ResultLineWriter::ResultLineWriter(const MasterData& master) : m_master(master)
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
    const ResultRecord& record = store.record(index);
    if (record.whole) {
        // A set too large for a record: the general path.
        out += resultToJson(store.fullSet(index), m_master.skills(), index + 1).dump();
        out += '\n';
        return;
    }
    std::size_t next = 0;
    auto appendJewels = [&](int holder) {
        out += "\"jewels\":[";
        for (uint8_t i = 0; i < record.jewelCounts[static_cast<std::size_t>(holder)]; ++i) {
            if (i)
                out += ',';
            out += jewelName(store.jewel(record.jewels[next++]));
        }
        out += "]}";
    };
    out += "{\"no\":";
    appendNumber(out, static_cast<unsigned>(index + 1));
    out += ",\"weapon\":";
    if (record.weapon) {
        out += "{\"name\":";
        out += weaponName(record.weapon);
        out += ',';
        appendJewels(0);
    } else {
        out += "null";
        next += record.jewelCounts[0];
    }
    for (int part = 0; part < kPartCount; ++part) {
        out += ",\"";
        out += kJsonPartKeys[part];
        out += "\":";
        const EquipItem* piece = record.pieces[static_cast<std::size_t>(part)];
        if (!piece) {
            out += "null";
            next += record.jewelCounts[static_cast<std::size_t>(part + 1)];
            continue;
        }
        out += "{\"name\":";
        out += pieceName(part, piece);
        out += ",\"sex\":";
        appendNumber(out, piece->sex);
        out += ',';
        appendJewels(part + 1);
    }
    out += ",\"defence\":";
    appendNumber(out, record.defence);
    out += ",\"slots\":";
    appendNumber(out, record.slots);
    out += ",\"used\":";
    appendNumber(out, record.used);
    out += ",\"free\":";
    appendNumber(out, record.free);
    out += ",\"skills\":";
    appendNumber(out, record.skillCount);
    out += "}\n";
}

void writeResultLines(const MasterData& master, const SearchResultStore& store, std::FILE* out)
{
    writeAll(master, store, [out](const std::string& chunk) { std::fwrite(chunk.data(), 1, chunk.size(), out); });
}

void writeResultLines(const MasterData& master, const SearchResultStore& store, std::ostream& out)
{
    writeAll(master, store, [&out](const std::string& chunk) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    });
}

} // namespace zeku
