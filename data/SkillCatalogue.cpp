#include "data/SkillCatalogue.h"

#include "data/XmlSource.h"
#include "platform/LenientNumber.h"

namespace zeku {
namespace {

// The text content of a node as the DOM defines it: all descendant text, in order.
// The walk uses no recursion: element nesting in a data file has no depth limit,
// and a deep enough file would otherwise overflow the stack.
void appendTextContent(const pugi::xml_node& node, std::string& out)
{
    pugi::xml_node current = node.first_child();
    while (current) {
        if (current.type() == pugi::node_pcdata || current.type() == pugi::node_cdata)
            out += current.value();
        if (current.type() == pugi::node_element && current.first_child()) {
            current = current.first_child();
            continue;
        }
        while (current != node && !current.next_sibling())
            current = current.parent();
        current = current == node ? pugi::xml_node() : current.next_sibling();
    }
}

} // namespace

void SkillCatalogue::addTree(SkillTree tree)
{
    const uint16_t id = tree.id;
    m_trees.push_back(std::move(tree));
    if (m_positionById.size() <= id)
        m_positionById.resize(static_cast<std::size_t>(id) + 1, 0);
    if (m_positionById[id] == 0)
        m_positionById[id] = static_cast<uint32_t>(m_trees.size());
}

LoadResult SkillCatalogue::load(const std::filesystem::path& file)
{
    m_trees.clear();
    m_positionById.clear();
    pugi::xml_document doc;
    if (LoadResult r = loadXmlFile(file, doc); !r)
        return r;
    for (pugi::xml_node data : doc.child("Skill").children("Data")) {
        pugi::xml_attribute id = data.attribute("ID");
        if (!id)
            continue;
        SkillTree tree;
        tree.id = parseLenientUInt16(xmlText(id.value()));
        pugi::xml_attribute name = data.attribute("Name");
        if (!name)
            continue;
        tree.name = xmlText(name.value());
        for (pugi::xml_node child : data.children()) {
            if (child.type() != pugi::node_element)
                continue;
            pugi::xml_attribute point = child.attribute("Point");
            if (!point)
                continue;
            std::string text;
            appendTextContent(child, text);
            tree.activations.push_back(
                SkillActivation{tree.id, parseLenientInt16(xmlText(point.value())), xmlText(text.c_str())});
        }
        addTree(std::move(tree));
    }
    return LoadResult::success();
}

const SkillTree* SkillCatalogue::findTree(uint16_t id) const
{
    if (id >= m_positionById.size() || m_positionById[id] == 0)
        return nullptr;
    return &m_trees[m_positionById[id] - 1];
}

const std::string* SkillCatalogue::treeName(uint16_t id) const
{
    const SkillTree* tree = findTree(id);
    return tree ? &tree->name : nullptr;
}

const SkillActivation* SkillCatalogue::findActivatedSkill(const SkillTree& tree, int16_t total)
{
    const SkillActivation* best = nullptr;
    for (const SkillActivation& a : tree.activations) {
        const int16_t t = a.threshold;
        const bool qualifies = (total > 0 && t > 0 && t <= total) || (total < 0 && t < 0 && t >= total);
        if (!qualifies)
            continue;
        if (!best || (total > 0 && t > best->threshold) || (total < 0 && t < best->threshold))
            best = &a;
    }
    return best;
}

std::string SkillCatalogue::activatedSkillName(uint16_t id, int16_t total) const
{
    const SkillTree* tree = findTree(id);
    if (!tree)
        return {};
    const SkillActivation* a = findActivatedSkill(*tree, total);
    return a ? a->name : std::string();
}

int SkillCatalogue::countActivatedSkills(const TreeTotals& totals) const
{
    int count = 0;
    for (const auto& [id, total] : totals) {
        const SkillTree* tree = findTree(id);
        const SkillActivation* a = tree ? findActivatedSkill(*tree, total) : nullptr;
        if (a && !a->name.empty())
            ++count;
    }
    return count;
}

} // namespace zeku
