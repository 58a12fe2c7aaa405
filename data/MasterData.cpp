#include "data/MasterData.h"

namespace zeku {

const char* const MasterData::kSkillFile = "SkillBase.xml";
const std::array<const char*, kPartCount> MasterData::kEquipFiles = {"EquipHead.xml", "EquipBody.xml", "EquipArm.xml",
                                                                     "EquipWst.xml", "EquipLeg.xml"};
const char* const MasterData::kJewelFile = "Jewel.xml";

UserMessage MasterLoadResult::userMessage() const
{
    switch (failure) {
    case MasterFailure::Skills:
        return {MessageId::MissingSkillData, {}, "スキルデータファイルがありません"};
    case MasterFailure::Equipment:
        return {MessageId::MissingEquipData, {}, "装備データファイルがありません"};
    case MasterFailure::Jewels:
        return {MessageId::MissingJewelData, {}, "装飾品データファイルがありません"};
    case MasterFailure::None:
        break;
    }
    return {MessageId::MissingSkillData, {}, {}};
}

MasterData::MasterData()
    : m_equip{EquipCatalogue(PartHead), EquipCatalogue(PartBody), EquipCatalogue(PartArm), EquipCatalogue(PartWaist),
              EquipCatalogue(PartLeg)}
{
}

MasterLoadResult MasterData::load(const std::filesystem::path& datDir)
{
    if (LoadResult r = m_skills.load(datDir / kSkillFile); !r)
        return {MasterFailure::Skills, r};
    for (int part = 0; part < kPartCount; ++part) {
        if (LoadResult r = m_equip[part].load(datDir / kEquipFiles[part]); !r)
            return {MasterFailure::Equipment, r};
    }
    if (LoadResult r = m_jewels.load(datDir / kJewelFile); !r)
        return {MasterFailure::Jewels, r};
    return {};
}

} // namespace zeku
