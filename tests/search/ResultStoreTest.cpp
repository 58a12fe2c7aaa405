#include "search/SearchResultStore.h"

#include "SearchTestSupport.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::describeSet;
using zeku::test::TestMaster;

namespace {

// Records on both sides of each block boundary must come back exactly as
// stored: every record differs from its neighbours in weapon, pieces and jewels.
class ResultStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 7; ++i) {
            m_master.piece(PartHead, "H" + std::to_string(i), {{1, static_cast<int16_t>(i)}}, {3, 5});
            m_master.piece(PartLeg, "L" + std::to_string(i), {{2, 1}}, {2, 7});
        }
        for (int i = 0; i < 5; ++i)
            m_master.jewel("J" + std::to_string(i), {{static_cast<uint16_t>(1 + i % 3), 1}}, 1);
    }

    // The set number `n` of a sequence in which neighbours all differ.
    EquipSet setNumber(int n) const
    {
        const MasterData& data = m_master.data();
        EquipSet set;
        set.setWeapon(m_master.weapon(static_cast<uint16_t>(n % 4)));
        set.addWeaponJewels(std::vector<const Jewel*>(static_cast<std::size_t>(n % 4), &data.jewels().items()[2]));
        set.setPiece(PartHead, &data.equip(PartHead).items()[static_cast<std::size_t>(n % 7)]);
        std::vector<const Jewel*> headJewels;
        for (int j = 0; j < n % 4; ++j)
            headJewels.push_back(&data.jewels().items()[static_cast<std::size_t>((n / 7 + j) % 5)]);
        set.addPieceJewels(PartHead, headJewels);
        if (n % 3 != 0) {
            set.setPiece(PartLeg, &data.equip(PartLeg).items()[static_cast<std::size_t>(n / 3 % 7)]);
            set.addPieceJewels(PartLeg, {&data.jewels().items()[static_cast<std::size_t>(n % 5)]});
        }
        return set;
    }

    TestMaster m_master;
};

TEST_F(ResultStoreTest, EveryRecordAcrossBlockBoundariesComesBackAsStored)
{
    for (const int count : {SearchResultStore::kBlockSize, 2 * SearchResultStore::kBlockSize + 1}) {
        SCOPED_TRACE(count);
        SearchResultStore store;
        for (int n = 0; n < count; ++n) {
            store.append(setNumber(n), m_master.data().skills());
        }
        ASSERT_EQ(store.count(), count);
        EXPECT_EQ(store.blockCount(), static_cast<std::size_t>((count + SearchResultStore::kBlockSize - 1) /
                                                               SearchResultStore::kBlockSize));
        for (int n = 0; n < count; ++n) {
            const EquipSet expected = setNumber(n);
            const EquipSet got = store.fullSet(n);
            ASSERT_EQ(describeSet(got), describeSet(expected)) << "record " << n;
            ASSERT_EQ(got.totals().values(), expected.totals().values()) << "record " << n;
            ASSERT_EQ(got.totalDefence(), expected.totalDefence());
            ASSERT_EQ(got.usedSlots(), expected.usedSlots());
            ASSERT_EQ(got.freeSlots(), expected.freeSlots());
        }
    }
}

TEST_F(ResultStoreTest, SetWithMoreJewelsThanARecordHoldsIsKeptWhole)
{
    TestMaster master;
    master.piece(PartBody, "Wide", {{1, 1}}, {30, 9});
    master.jewel("J", {{1, 2}}, 1);
    const MasterData& data = master.data();
    // Around the record's limit of 18 jewels: 18 fit a record, 19 and more are kept whole.
    for (std::size_t count : {std::size_t{18}, std::size_t{19}, std::size_t{25}}) {
        EquipSet wide;
        wide.setPiece(PartBody, &data.equip(PartBody).items()[0]);
        wide.addPieceJewels(PartBody, std::vector<const Jewel*>(count, &data.jewels().items()[0]));
        ASSERT_EQ(wide.pieceSlots(PartBody).jewels.size(), count);
        SearchResultStore store;
        store.append(setNumber(5), m_master.data().skills());
        store.append(wide, data.skills());
        store.append(setNumber(6), m_master.data().skills());
        EXPECT_EQ(describeSet(store.fullSet(1)), describeSet(wide)) << count;
        EXPECT_EQ(store.record(1).used, static_cast<int>(count)) << count;
        EXPECT_EQ(describeSet(store.fullSet(2)), describeSet(setNumber(6))) << count;
    }
}

} // namespace
