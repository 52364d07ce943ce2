// Popup lists: entries are told apart by their ids, one entry is chosen at a
// time, and entries keep their handles when others are inserted before them.
#include "AdmFixture.h"

namespace adm_test {
namespace {

using easel::adm::Event;

TEST_F(AdmTest, ChoosingAnEntryByIdSelectsThatEntryOnly) {
  ASSERT_EQ(runProbe({Event::choose(kList, 8)}), kNoErr);
  EXPECT_EQ(probe.activeEntryId, 8);  // the second " Alternate", not the first (id 1)
  const auto& list = shownItem(kList);
  int selected = 0;
  for (const auto& e : list.entries) selected += e.selected ? 1 : 0;
  EXPECT_EQ(selected, 1);
  ASSERT_NE(list.activeEntry(), nullptr);
  EXPECT_EQ(list.activeEntry()->id, 8);
  EXPECT_EQ(list.activeEntry()->text, " Alternate");
}

TEST_F(AdmTest, EntriesKeepTheirOrderIdsAndHandles) {
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef item = nullptr;
      ADMListRef list = nullptr;
      ADMRect r{0, 0, 100, 20};
      dialogSuite().createItem(dialog, 30, kADMPopupListType, &r, nullptr, nullptr, &item);
      itemSuite().getList(item, &list);
      ADMEntryRef a = nullptr, b = nullptr, c = nullptr, found = nullptr;
      listSuite().insertEntry(list, 0, &a);
      listSuite().insertEntry(list, 1, &c);
      listSuite().insertEntry(list, 1, &b);  // between the two
      entrySuite().setID(a, 10);
      entrySuite().setID(b, 20);
      entrySuite().setID(c, 30);
      entrySuite().setText(c, "third");  // its handle survived the insertion before it
      ADMEntryRef outOfRange = nullptr;
      EXPECT_EQ(listSuite().insertEntry(list, 4, &outOfRange), kBadParameterErr);
      EXPECT_EQ(listSuite().findEntry(list, 99, &found), kBadParameterErr);
      EXPECT_EQ(found, nullptr);
      EXPECT_EQ(listSuite().findEntry(list, 20, &found), kNoErr);
      EXPECT_EQ(found, b);
      ADMEntryRef active = a;
      EXPECT_EQ(listSuite().getActiveEntry(list, &active), kNoErr);
      EXPECT_EQ(active, nullptr);  // nothing chosen yet
      entrySuite().select(c, 1);
      entrySuite().select(b, 1);  // choosing one drops the other
      int32_t count = 0;
      listSuite().numberOfEntries(list, &count);
      EXPECT_EQ(count, 3);
      return kNoErr;
    }
  };
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Init::init, nullptr), kNoErr);
  const auto& list = shownItem(30);
  std::vector<std::pair<int32_t, bool>> seen;
  for (const auto& e : list.entries) seen.emplace_back(e.id, e.selected);
  EXPECT_EQ(seen, (std::vector<std::pair<int32_t, bool>>{{10, false}, {20, true}, {30, false}}));
  EXPECT_EQ(list.entries.back().text, "third");
}

TEST_F(AdmTest, OnlyPopupListsHaveAList) {
  struct Init {
    static ASErr init(ADMDialogRef dialog) {
      ADMItemRef spin = nullptr;
      ADMListRef list = reinterpret_cast<ADMListRef>(1);
      ADMRect r{0, 0, 60, 20};
      dialogSuite().createItem(dialog, 4, kADMSpinEditType, &r, nullptr, nullptr, &spin);
      EXPECT_EQ(itemSuite().getList(spin, &list), kWrongArtTypeErr);
      EXPECT_EQ(list, nullptr);
      return kNoErr;
    }
  };
  ASSERT_EQ(runDialog("Tesk_Contour", 16100, Init::init, nullptr), kNoErr);
}

}  // namespace
}  // namespace adm_test
