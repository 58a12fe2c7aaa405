#include "cli/ConditionJson.h"

#include "cli/CommandLine.h"

#include "platform/Cp932.h"
#include "userfiles/ItemNumberTable.h"

#include <algorithm>
#include <climits>
#include <limits>
#include <stdexcept>

namespace zeku {
namespace {

using nlohmann::json;

const char* const kPartKeys[kPartCount] = {"head", "body", "arm", "waist", "leg"};

// A problem in the input; its text is the one-line message.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ConditionReader {
public:
    ConditionReader(const json& input, const MasterData& master) : m_in(input), m_master(master) {}

    void set(const SearchCondition& wearer, EquipSet& out)
    {
        readSet(out);
        checkWearable(wearer, out);
    }

    void read(SearchCondition& c)
    {
        if (!m_in.is_object())
            throw InputError("the condition must be a JSON object");
        c.reset();
        c.sex = requiredCode("sex", isWearerSex);
        c.job = requiredCode("job", isWearerJob);
        c.rarity = static_cast<RarityFilterCode>(integer(m_in, "rarity", -32768, 32767, 0));
        if (!isOfferedRarityCode(c.rarity))
            throw InputError("\"rarity\" " + std::to_string(c.rarity) +
                             " is no rarity choice: use 0, -1 to -7, 1 to 8 or 102 to 108");
        c.minDefence = static_cast<uint16_t>(integer(m_in, "min_defence", 0, 65535, 0));
        c.useJewels = boolean(m_in, "jewels", true);
        c.exactJewels = boolean(m_in, "exact_jewels", false);
        if (c.exactJewels && !c.usesExactJewels())
            throw InputError("\"exact_jewels\" needs \"jewels\": true");
        int64_t maxResults = integer(m_in, "max_results", 0, std::numeric_limits<uint32_t>::max(), 0);
        c.maxResults = maxResults == 0 ? kDefaultMaxResults : static_cast<uint32_t>(maxResults);
        c.wanted = wantedSkills();

        readFixed(c);

        ExclusionSet excludedItems;
        readPieceLists(member(m_in, "excluded_items"), "excluded_items", excludedItems, true);
        ExcludedSkillList excludedSkills;
        for (const SkillPoint& p : skillPairs(member(m_in, "excluded_skills"), "excluded_skills"))
            excludedSkills.add(p.treeId, p.points);
        SPartSet sParts;
        readPieceLists(member(m_in, "s_parts"), "s_parts", sParts, false);

        c.useExcludedItems = boolean(m_in, "use_excluded_items", false);
        c.useExcludedSkills = boolean(m_in, "use_excluded_skills", false);
        c.requireSParts = boolean(m_in, "require_s_parts", false);
        if (c.useExcludedItems)
            c.excludedItems.copyFrom(excludedItems);
        if (c.useExcludedSkills) {
            c.excludedSkills.copyFrom(excludedSkills);
            checkExcludedSkillConflict(c);
        }
        if (c.requireSParts)
            c.sParts.copyFrom(sParts);
    }

private:
    static const json* member(const json& object, const char* key)
    {
        auto it = object.find(key);
        return it == object.end() || it->is_null() ? nullptr : &*it;
    }

    static int64_t integer(const json& object, const char* key, int64_t min, int64_t max, int64_t fallback)
    {
        const json* v = member(object, key);
        if (!v)
            return fallback;
        return checkedInteger(*v, key, min, max);
    }

    static int64_t checkedInteger(const json& v, const std::string& what, int64_t min, int64_t max)
    {
        if (!v.is_number_integer())
            throw InputError("\"" + what + "\" must be an integer");
        int64_t value =
            v.is_number_unsigned() && v.get<uint64_t>() > static_cast<uint64_t>(max) ? max + 1 : v.get<int64_t>();
        if (value < min || value > max)
            throw InputError("\"" + what + "\" must be between " + std::to_string(min) + " and " + std::to_string(max));
        return value;
    }

    static bool boolean(const json& object, const char* key, bool fallback)
    {
        const json* v = member(object, key);
        if (!v)
            return fallback;
        if (!v->is_boolean())
            throw InputError(std::string("\"") + key + "\" must be true or false");
        return v->get<bool>();
    }

    uint16_t requiredCode(const char* key, bool (*isWearerCode)(uint16_t))
    {
        const json* v = member(m_in, key);
        if (!v)
            throw InputError(std::string("\"") + key + "\" is missing");
        const int64_t code = v->is_number_integer() ? v->get<int64_t>() : 0;
        if (code < 0 || code > 0xFFFF || !isWearerCode(static_cast<uint16_t>(code)))
            throw InputError(std::string("\"") + key + "\" must be 1 or 2");
        return static_cast<uint16_t>(code);
    }

    // Every tree must be in the catalogue: this also bounds the wanted list, since
    // a tree may be wanted only once.
    std::vector<SkillPoint> skillPairs(const json* list, const std::string& what) const
    {
        std::vector<SkillPoint> out;
        if (!list)
            return out;
        if (!list->is_array())
            throw InputError("\"" + what + "\" must be a list of [tree_id, points] pairs");
        for (const json& pair : *list) {
            if (!pair.is_array() || pair.size() != 2)
                throw InputError("\"" + what + "\" must be a list of [tree_id, points] pairs");
            SkillPoint p;
            p.treeId = static_cast<uint16_t>(checkedInteger(pair[0], what + " tree_id", 0, 65535));
            p.points = static_cast<int16_t>(checkedInteger(pair[1], what + " points", -32768, 32767));
            if (!m_master.skills().treeName(p.treeId))
                throw InputError("unknown skill tree " + std::to_string(p.treeId) + " in \"" + what + "\"");
            out.push_back(p);
        }
        return out;
    }

    std::vector<SkillPoint> wantedSkills()
    {
        const json* list = member(m_in, "skills");
        if (!list)
            throw InputError("\"skills\" is missing");
        std::vector<SkillPoint> wanted = skillPairs(list, "skills");
        if (wanted.empty())
            throw InputError("\"skills\" is empty: give at least one [tree_id, points] pair");
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (wanted[i].points == 0)
                throw InputError("skill tree " + std::to_string(wanted[i].treeId) + " is wanted with 0 points");
            for (std::size_t j = 0; j < i; ++j)
                if (wanted[j].treeId == wanted[i].treeId)
                    throw InputError("skill tree " + std::to_string(wanted[i].treeId) + " is wanted twice");
        }
        return wanted;
    }

    static std::string text(const json& v, const std::string& what)
    {
        if (!v.is_string())
            throw InputError("\"" + what + "\" must be a string");
        return v.get<std::string>();
    }

    const Jewel& jewelNamed(const json& v, const std::string& what) { return *jewelsNamed(v, nullptr, what).front(); }

    // The catalogue's jewels of the name `v`, in catalogue order; only the one
    // of rank `variant` when given.
    std::vector<const Jewel*> jewelsNamed(const json& v, const json* variant, const std::string& what)
    {
        const std::string utf8 = text(v, what);
        const std::string name = utf8ToCp932Lossy(utf8);
        std::vector<const Jewel*> named;
        if (variant) {
            const auto rank = static_cast<uint16_t>(checkedInteger(*variant, what + " variant", 0, 65535));
            if (const Jewel* jewel = findJewelByRank(m_master, name, rank))
                named.push_back(jewel);
        } else {
            for (const Jewel& jewel : m_master.jewels().items())
                if (jewel.name == name)
                    named.push_back(&jewel);
        }
        if (named.empty())
            throw InputError("unknown jewel \"" + cli::echoed(utf8) + "\"" +
                             (variant ? " of variant " + variant->dump() : std::string()) + " in \"" + what + "\"");
        return named;
    }

    // With "variant" (the piece's rank among the pieces of its name and sex)
    // the piece of that rank, else the first of that name and sex.
    const EquipItem& pieceNamed(int part, const json& nameValue, const json& sexValue, const std::string& what,
                                const json* variant = nullptr)
    {
        const std::string utf8 = text(nameValue, what);
        const auto sex = static_cast<uint16_t>(checkedInteger(sexValue, what + " sex", 0, 65535));
        const std::string name = utf8ToCp932Lossy(utf8);
        const auto rank =
            variant ? static_cast<uint16_t>(checkedInteger(*variant, what + ".variant", 0, 65535)) : uint16_t{0};
        if (const EquipItem* piece = findPieceByRank(m_master, part, name, sex, rank))
            return *piece;
        throw InputError("unknown " + std::string(kPartKeys[part]) + " piece \"" + cli::echoed(utf8) + "\" with sex " +
                         std::to_string(sex) + (variant ? " of variant " + variant->dump() : std::string()) + " in \"" +
                         what + "\"");
    }

    // The jewels of one holder with `freeSlots` free slots. A name the
    // catalogue repeats stands for the jewel "jewel_variants" gives (as a
    // result line writes it), else for the first choice, in catalogue order,
    // with which all the holder's jewels fit; empty when none fits (the caller
    // then reports it).
    std::vector<const Jewel*> jewelList(const json& holder, const std::string& what, unsigned freeSlots)
    {
        std::vector<const Jewel*> jewels;
        const json* list = member(holder, "jewels");
        if (!list)
            return jewels;
        if (!list->is_array())
            throw InputError("\"" + what + ".jewels\" must be a list of names");
        const json* variants = member(holder, "jewel_variants");
        if (variants && (!variants->is_array() || variants->size() != list->size()))
            throw InputError("\"" + what + ".jewel_variants\" must be a list of one rank per jewel");
        std::vector<std::vector<const Jewel*>> choices;
        for (std::size_t i = 0; i < list->size(); ++i)
            choices.push_back(jewelsNamed((*list)[i], variants ? &(*variants)[i] : nullptr, what + ".jewels"));
        // The least each later jewel needs: a choice that leaves room for
        // those always completes, so the first one found is the first fit.
        std::vector<unsigned> leastAfter(choices.size() + 1, 0);
        for (std::size_t i = choices.size(); i-- > 0;) {
            unsigned least = UINT_MAX;
            for (const Jewel* jewel : choices[i])
                least = std::min<unsigned>(least, jewel->slots);
            leastAfter[i] = leastAfter[i + 1] + least;
        }
        if (leastAfter[0] > freeSlots)
            return {};
        unsigned used = 0;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            for (const Jewel* jewel : choices[i]) {
                if (used + jewel->slots + leastAfter[i + 1] <= freeSlots) {
                    jewels.push_back(jewel);
                    used += jewel->slots;
                    break;
                }
            }
        }
        return jewels;
    }

    void readFixed(SearchCondition& c)
    {
        const json* fixed = member(m_in, "fixed");
        if (!fixed)
            return;
        if (!fixed->is_object())
            throw InputError("\"fixed\" must be an object");
        if (const json* weapon = member(*fixed, "weapon")) {
            if (!weapon->is_object())
                throw InputError("\"fixed.weapon\" must be an object");
            const json* slots = member(*weapon, "slots");
            if (!slots)
                throw InputError("\"fixed.weapon.slots\" is missing");
            const WeaponSlotItem* item = m_master.weaponSlots().forSlots(
                static_cast<uint16_t>(checkedInteger(*slots, "fixed.weapon.slots", 0, 65535)));
            if (!item)
                throw InputError("unknown weapon slot count " + cli::echoed(slots->dump()) + ": use 1, 2 or 3");
            c.fixed.setWeapon(item);
            if (!addJewels(*weapon, "fixed.weapon", c.fixed, EquipPosition::Weapon))
                throw InputError("the jewels of \"fixed.weapon\" do not fit its " + slots->dump() + " slots");
        }
        for (int part = 0; part < kPartCount; ++part) {
            const json* entry = member(*fixed, kPartKeys[part]);
            if (!entry)
                continue;
            const std::string what = std::string("fixed.") + kPartKeys[part];
            if (!entry->is_object() || !member(*entry, "name"))
                throw InputError("\"" + what + "\" must be an object with a \"name\"");
            const json* sex = member(*entry, "sex");
            const EquipItem& piece =
                pieceNamed(part, (*entry)["name"], sex ? *sex : json(0), what, member(*entry, "variant"));
            c.fixed.setPiece(part, &piece);
            if (!addJewels(*entry, what, c.fixed, part))
                throw InputError("the jewels of \"" + what + "\" do not fit its " + std::to_string(piece.slots) +
                                 " slots");
        }
    }

    // A set as one result line prints it: "weapon" and each part null or an
    // object with "name" (and "sex" for a piece) and "jewels".
    void readSet(EquipSet& out)
    {
        if (!m_in.is_object())
            throw InputError("\"set\" must be an object");
        out.clear();
        if (const json* weapon = member(m_in, "weapon"); weapon && !weapon->is_null()) {
            if (!weapon->is_object() || !member(*weapon, "name"))
                throw InputError("\"set.weapon\" must be null or an object with a \"name\"");
            const std::string name = utf8ToCp932Lossy(text((*weapon)["name"], "set.weapon.name"));
            const WeaponSlotItem* item = nullptr;
            for (const WeaponSlotItem& candidate : m_master.weaponSlots().items())
                if (candidate.name == name)
                    item = &candidate;
            if (!item)
                throw InputError("unknown weapon \"" + cli::echoed((*weapon)["name"].get<std::string>()) +
                                 "\" in \"set.weapon\"");
            out.setWeapon(item);
            if (!addJewels(*weapon, "set.weapon", out, EquipPosition::Weapon))
                throw InputError("the jewels of \"set.weapon\" do not fit its slots");
        }
        for (int part = 0; part < kPartCount; ++part) {
            const json* entry = member(m_in, kPartKeys[part]);
            if (!entry || entry->is_null())
                continue;
            const std::string what = std::string("set.") + kPartKeys[part];
            if (!entry->is_object() || !member(*entry, "name"))
                throw InputError("\"" + what + "\" must be null or an object with a \"name\"");
            const json* sex = member(*entry, "sex");
            const EquipItem& piece =
                pieceNamed(part, (*entry)["name"], sex ? *sex : json(0), what, member(*entry, "variant"));
            out.setPiece(part, &piece);
            if (!addJewels(*entry, what, out, part))
                throw InputError("the jewels of \"" + what + "\" do not fit its " + std::to_string(piece.slots) +
                                 " slots");
        }
    }

    // Adds the jewels of `holder` to the holder at `position` of `set`; false
    // when they do not fit.
    bool addJewels(const json& holder, const std::string& what, EquipSet& set, int position)
    {
        const bool weapon = position == EquipPosition::Weapon;
        const JewelSlots& slots = weapon ? set.weaponSlots() : set.pieceSlots(position);
        const std::vector<const Jewel*> jewels = jewelList(holder, what, slots.freeSlots());
        if (jewels.empty())
            return !member(holder, "jewels") || member(holder, "jewels")->empty();
        return weapon ? set.addWeaponJewels(jewels) : set.addPieceJewels(position, jewels);
    }

    // A set for --fits must be one the condition's wearer can wear.
    static void checkWearable(const SearchCondition& wearer, const EquipSet& set)
    {
        for (int part = 0; part < kPartCount; ++part) {
            const EquipItem* piece = set.piece(part);
            if (!piece)
                continue;
            const std::string what = std::string("\"set.") + kPartKeys[part] + "\"";
            if (!codeFits(piece->sex, wearer.sex))
                throw InputError(what + " is a piece for sex " + std::to_string(piece->sex) +
                                 ", not for the condition's sex " + std::to_string(wearer.sex));
            if (!codeFits(piece->job, wearer.job))
                throw InputError(what + " is a piece for job " + std::to_string(piece->job) +
                                 ", not for the condition's job " + std::to_string(wearer.job));
        }
    }

    void readPieceLists(const json* lists, const std::string& what, SPartSet& out, bool withJewels)
    {
        if (!lists)
            return;
        if (!lists->is_object())
            throw InputError("\"" + what + "\" must be an object");
        for (int part = 0; part < kPartCount; ++part) {
            const json* list = member(*lists, kPartKeys[part]);
            if (!list)
                continue;
            const std::string listName = what + "." + kPartKeys[part];
            if (!list->is_array())
                throw InputError("\"" + listName + "\" must be a list of [name, sex] pairs");
            for (const json& pair : *list) {
                if (!pair.is_array() || pair.size() != 2)
                    throw InputError("\"" + listName + "\" must be a list of [name, sex] pairs");
                out.add(pieceNamed(part, pair[0], pair[1], listName));
            }
        }
        if (const json* jewels = member(*lists, "jewels")) {
            if (!withJewels)
                throw InputError("\"" + what + "\" has no jewel list");
            if (!jewels->is_array())
                throw InputError("\"" + what + ".jewels\" must be a list of names");
            for (const json& name : *jewels)
                static_cast<ExclusionSet&>(out).add(jewelNamed(name, what + ".jewels"));
        }
    }

    // The main window refuses a wanted skill that reaches an excluded skill of its tree.
    void checkExcludedSkillConflict(const SearchCondition& c)
    {
        for (const SkillPoint& w : c.wanted) {
            if (!c.excludedSkills.reachedBy(w))
                continue;
            const std::string* tree = m_master.skills().treeName(w.treeId);
            throw InputError("skill tree " + std::to_string(w.treeId) + " (" +
                             cp932ToUtf8(tree ? *tree : std::string()) + ") at " + std::to_string(w.points) +
                             " points is an excluded skill");
        }
    }

    const json& m_in;
    const MasterData& m_master;
};

} // namespace

bool setFromJson(const json& input, const MasterData& master, const SearchCondition& wearer, EquipSet& out,
                 std::string& error)
{
    try {
        ConditionReader(input, master).set(wearer, out);
        return true;
    } catch (const InputError& e) {
        error = e.what();
    } catch (const json::exception& e) {
        error = std::string("malformed set: ") + e.what();
    }
    return false;
}

bool conditionFromJson(const json& input, const MasterData& master, SearchCondition& out, std::string& error)
{
    try {
        ConditionReader(input, master).read(out);
        return true;
    } catch (const InputError& e) {
        error = e.what();
    } catch (const json::exception& e) {
        error = std::string("malformed condition: ") + e.what();
    }
    return false;
}

} // namespace zeku
