// Writes the generated sample as the master-data XML files: UTF-8 with an XML
// declaration, LF line ends, one "Data" element per line.

#include "tools/SampleModel.h"

#include <string_view>

namespace zeku::sample {
namespace {

const char* const kElementNames[5] = {"Fire", "Water", "Thunder", "Ice", "Dragon"};

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

void attribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += escaped(value);
    out += '"';
}

void attribute(std::string& out, const char* name, int value)
{
    attribute(out, name, std::to_string(value));
}

void header(std::string& out, const char* root, const std::string& note)
{
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (!note.empty())
        out += "<!-- " + note + " -->\n";
    out += '<';
    out += root;
    out += ">\n";
}

void skillPoints(std::string& out, const std::vector<GenPoint>& skills)
{
    for (const GenPoint& p : skills) {
        out += "<Skill";
        attribute(out, "SID", p.treeId);
        attribute(out, "Point", p.points);
        out += "/>";
    }
}

} // namespace

std::string skillXml(const std::vector<GenTree>& trees, const std::string& note)
{
    std::string out;
    header(out, "Skill", note);
    for (const GenTree& tree : trees) {
        out += "  <Data";
        attribute(out, "ID", tree.id);
        attribute(out, "Name", tree.name);
        out += '>';
        for (const GenActivation& a : tree.activations) {
            out += "<Active";
            attribute(out, "Point", a.threshold);
            out += '>' + escaped(a.name) + "</Active>";
        }
        out += "</Data>\n";
    }
    out += "</Skill>\n";
    return out;
}

std::string equipXml(const std::vector<GenPiece>& pieces, const std::string& note)
{
    std::string out;
    header(out, "Equip", note);
    for (const GenPiece& piece : pieces) {
        out += "  <Data";
        attribute(out, "Name", piece.name);
        // Optional attributes are left out when 0, except in series that spell them out.
        if (piece.sex != 0 || piece.spellOutZeros)
            attribute(out, "Sex", piece.sex);
        if (piece.job != 0 || piece.spellOutZeros)
            attribute(out, "Job", piece.job);
        attribute(out, "Def", piece.defence);
        attribute(out, "Rare", piece.rarity);
        if (piece.slots != 0 || piece.spellOutZeros)
            attribute(out, "Slot", piece.slots);
        out += '>';
        bool anyResistance = false;
        for (int r : piece.resistance)
            anyResistance = anyResistance || r != 0;
        if (anyResistance) {
            out += "<Elemental";
            for (int e = 0; e < 5; ++e)
                if (piece.resistance[e] != 0)
                    attribute(out, kElementNames[e], piece.resistance[e]);
            out += "/>";
        }
        skillPoints(out, piece.skills);
        out += "</Data>\n";
    }
    out += "</Equip>\n";
    return out;
}

std::string jewelXml(const std::vector<GenJewel>& jewels, const std::string& note)
{
    std::string out;
    header(out, "Jewel", note);
    for (const GenJewel& jewel : jewels) {
        out += "  <Data";
        attribute(out, "Name", jewel.name);
        attribute(out, "Rare", jewel.rarity);
        attribute(out, "Slot", jewel.slots);
        out += '>';
        skillPoints(out, jewel.skills);
        out += "</Data>\n";
    }
    out += "</Jewel>\n";
    return out;
}

} // namespace zeku::sample
