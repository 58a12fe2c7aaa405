#include "data/EquipCatalogue.h"

#include "data/XmlSource.h"
#include "platform/Cp932.h"
#include "platform/LenientNumber.h"

#include <cstring>

namespace zeku {
namespace {

// Element name without a namespace prefix.
const char* localName(const pugi::xml_node& node)
{
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

int16_t attrInt16(const pugi::xml_attribute& a)
{
    return parseLenientInt16(xmlText(a.value()));
}

uint16_t attrUInt16(const pugi::xml_attribute& a)
{
    return parseLenientUInt16(xmlText(a.value()));
}

// Reads one "Skill" child. False when "SID" or "Point" is missing: the caller
// then stops reading this record's children.
bool readSkill(const pugi::xml_node& node, std::vector<SkillPoint>& skills)
{
    pugi::xml_attribute sid = node.attribute("SID");
    if (!sid)
        return false;
    pugi::xml_attribute point = node.attribute("Point");
    if (!point)
        return false;
    skills.push_back(SkillPoint{attrUInt16(sid), attrInt16(point)});
    return true;
}

void readElemental(const pugi::xml_node& node, std::array<int16_t, kElementCount>& resistance)
{
    static const char* const names[kElementCount] = {"Fire", "Water", "Thunder", "Ice", "Dragon"};
    for (int e = 0; e < kElementCount; ++e)
        if (pugi::xml_attribute a = node.attribute(names[e]))
            resistance[e] = attrInt16(a);
}

} // namespace

void EquipCatalogue::addItem(EquipItem item)
{
    item.part = m_part;
    m_mostSkills = std::max(m_mostSkills, static_cast<int>(item.skills.size()));
    m_items.push_back(std::move(item));
}

LoadResult EquipCatalogue::load(const std::filesystem::path& file)
{
    m_items.clear();
    m_mostSkills = 0;
    pugi::xml_document doc;
    if (LoadResult r = loadXmlFile(file, doc); !r)
        return r;
    for (pugi::xml_node data : doc.child("Equip").children("Data")) {
        EquipItem item;
        pugi::xml_attribute name = data.attribute("Name");
        if (!name)
            continue;
        item.name = xmlText(name.value());
        if (pugi::xml_attribute a = data.attribute("Sex"))
            item.sex = attrUInt16(a);
        if (pugi::xml_attribute a = data.attribute("Job"))
            item.job = attrUInt16(a);
        if (pugi::xml_attribute a = data.attribute("Def"))
            item.defence = attrUInt16(a);
        if (pugi::xml_attribute a = data.attribute("Rare"))
            item.rarity = attrUInt16(a);
        if (pugi::xml_attribute a = data.attribute("Slot"))
            item.slots = attrUInt16(a);
        for (pugi::xml_node child : data.children()) {
            if (child.type() != pugi::node_element)
                continue;
            const char* local = localName(child);
            if (std::strcmp(local, "Elemental") == 0)
                readElemental(child, item.resistance);
            else if (std::strcmp(local, "Skill") == 0 && !readSkill(child, item.skills))
                break;
        }
        addItem(std::move(item));
    }
    return LoadResult::success();
}

void JewelCatalogue::addItem(Jewel jewel)
{
    m_mostSkills = std::max(m_mostSkills, static_cast<int>(jewel.skills.size()));
    m_items.push_back(std::move(jewel));
}

LoadResult JewelCatalogue::load(const std::filesystem::path& file)
{
    m_items.clear();
    m_mostSkills = 0;
    pugi::xml_document doc;
    if (LoadResult r = loadXmlFile(file, doc); !r)
        return r;
    for (pugi::xml_node data : doc.child("Jewel").children("Data")) {
        pugi::xml_attribute name = data.attribute("Name");
        if (!name)
            continue;
        Jewel jewel;
        jewel.name = xmlText(name.value());
        if (pugi::xml_attribute a = data.attribute("Rare"))
            jewel.rarity = attrUInt16(a);
        if (pugi::xml_attribute a = data.attribute("Slot"))
            jewel.slots = attrUInt16(a);
        for (pugi::xml_node child : data.children()) {
            if (child.type() == pugi::node_element && std::strcmp(localName(child), "Skill") == 0 &&
                !readSkill(child, jewel.skills))
                break;
        }
        addItem(std::move(jewel));
    }
    return LoadResult::success();
}

WeaponSlotList::WeaponSlotList()
{
    m_items.push_back(WeaponSlotItem{utf8ToCp932Lossy("武器スロット１"), 1});
    m_items.push_back(WeaponSlotItem{utf8ToCp932Lossy("武器スロット２"), 2});
    m_items.push_back(WeaponSlotItem{utf8ToCp932Lossy("武器スロット３"), 3});
}

const WeaponSlotItem* WeaponSlotList::forSlots(uint16_t slots) const
{
    for (const WeaponSlotItem& item : m_items)
        if (item.slots == slots)
            return &item;
    return nullptr;
}

} // namespace zeku
