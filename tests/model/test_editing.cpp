#include <gtest/gtest.h>

#include "DependencyRows.h"
#include "Renumbering.h"
#include "SchemaText.h"

namespace {

constexpr AttributeIndex N = NoAttribute;

std::vector<AttributeIndex> Indexes(const std::string& letters) {
  std::vector<AttributeIndex> out;
  for (char c : letters)
    out.push_back(static_cast<AttributeIndex>(c - 'A'));
  return out;
}

// The left-hand side of a row as letters, up to the first NoAttribute.
std::string LhsLetters(const DependencyRow& row) {
  std::string out;
  for (AttributeIndex a : row.lhs) {
    if (a == NoAttribute) break;
    out += static_cast<char>('A' + a);
  }
  return out;
}

DependencyRow RowOf(const std::string& lhsPicks, std::array<AttributeIndex, RowRhsSlots> rhs) {
  DependencyRow row;
  for (AttributeIndex a : Indexes(lhsPicks))
    InsertAscending(row, a);
  row.rhsSlots = rhs;
  return row;
}

TEST(DependencyRows, LeftSideIsStoredAscending) {
  const struct {
    const char* picks;
    const char* stored;
  } cases[] = {
      {"CA", "AC"},       {"A", "A"},       {"BB", "BB"}, {"DACBE", "ABCDE"},
      {"EDCBA", "ABCDE"}, {"CACA", "AACC"}, {"TA", "AT"},
  };
  for (const auto& c : cases) {
    DependencyRow row;
    for (AttributeIndex a : Indexes(c.picks))
      InsertAscending(row, a);
    EXPECT_EQ(LhsLetters(row), c.stored) << c.picks;
    EXPECT_EQ(row.lhs[std::string(c.stored).size()], NoAttribute) << c.picks;
  }
}

TEST(DependencyRows, OneRecordPerFilledRightSlotInSlotOrder) {
  const struct {
    std::array<AttributeIndex, RowRhsSlots> rhs;
    const char* records;
  } cases[] = {
      {{N, 1, N}, "A->B"},              // P2 alone
      {{1, N, 2}, "A->B; A->C"},        // P1 and P3
      {{3, 1, 2}, "A->D; A->B; A->C"},  // slot order, not attribute order
      {{0, N, N}, "A->A"},              // trivial dependencies are kept
  };
  for (const auto& c : cases) {
    const DependencyList list = DependenciesFromRows({RowOf("A", c.rhs)});
    EXPECT_EQ(DepsText(list), c.records);
    for (const Dependency& d : list) {
      EXPECT_EQ(d.rhs.mark, 0u);
      EXPECT_EQ(d.lhs[1], NoAttribute);
    }
  }
}

TEST(DependencyRows, RowsKeepTheirOrderAndDuplicates) {
  const DependencyList list =
      DependenciesFromRows({RowOf("CA", {1, N, N}), RowOf("B", {N, N, 3}), RowOf("CA", {1, N, N})});
  EXPECT_EQ(DepsText(list), "AC->B; B->D; AC->B");
  EXPECT_TRUE(DependenciesFromRows({}).empty());
}

TEST(DependencyRows, RecordRoundTripKeepsLongLeftSidesAndTheirOrder) {
  // Read from a file: seven left-hand attributes, not ascending.
  const Dependency record = NewDependency({6, 0, 5, 1, 4, 2, 3}, 7);
  const DependencyRow row = RowFromDependency(record);
  EXPECT_EQ(row.rhsSlots, (std::array<AttributeIndex, RowRhsSlots>{7, N, N}));
  const DependencyList back = DependenciesFromRows({row});
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back.front().lhs, record.lhs);
  EXPECT_EQ(back.front().Rhs(), 7u);
}

TEST(DependencyRows, EditorLineText) {
  const AttributeTable names = Names("ABCD");
  EXPECT_EQ(EditorLineText(Indexes("CA"), Indexes("B"), names), "C + A ->  B");
  EXPECT_EQ(EditorLineText(Indexes("A"), Indexes("BCD"), names), "A ->  B + C + D");
  EXPECT_EQ(EditorLineText(Indexes("AA"), Indexes("A"), names), "A + A ->  A");
}

// Names A B C D E; the editor erased some and kept the others in order.
TEST(Renumbering, RecordsFollowTheirNames) {
  const struct {
    std::vector<AttributeIndex> origin;  // the slots behind are empty
    const char* before;
    const char* after;
  } cases[] = {
      // A erased: B C D E move to slots 0..3.
      {{1, 2, 3, 4, N}, "BC->D; E->B", "AB->C; D->A"},
      // C erased, a new name in slot 4: only D and E move.
      {{0, 1, 3, 4, N}, "DA->E; A->B", "CA->D; A->B"},
      // Nothing erased: every index stays.
      {{0, 1, 2, 3, 4, N}, "EA->C", "EA->C"},
  };
  for (const auto& c : cases) {
    std::array<AttributeIndex, MaxAttributes> origin;
    origin.fill(N);
    std::copy(c.origin.begin(), c.origin.end(), origin.begin());
    DependencyList list = Deps(c.before);
    const Dependency* first = &list.front();
    RenumberDependencies(list, MapFromOrigins(origin));
    EXPECT_EQ(DepsText(list), c.after) << c.before;
    EXPECT_EQ(&list.front(), first);  // changed in place
  }
}

TEST(Renumbering, KeysFollowAndLoseErasedMembers) {
  std::array<AttributeIndex, MaxAttributes> origin;
  origin.fill(N);
  origin[0] = 1;  // A erased, B C D move down
  origin[1] = 2;
  origin[2] = 3;
  KeyList keys{{Set("AB"), 0}, {Set("CD"), 1}};
  RenumberKeys(keys, MapFromOrigins(origin));
  EXPECT_EQ(KeyLetters(keys), (std::vector<std::string>{"A", "BC"}));
  EXPECT_EQ(keys[1].mark, 1u);
}

TEST(Renumbering, MapFromOrigins) {
  std::array<AttributeIndex, MaxAttributes> origin;
  origin.fill(N);
  origin[0] = 2;
  origin[2] = 0;  // slot 1 holds a new name
  const AttributeMap map = MapFromOrigins(origin);
  EXPECT_EQ(map[0], 2u);
  EXPECT_EQ(map[1], N);
  EXPECT_EQ(map[2], 0u);
  EXPECT_EQ(map[3], N);
}

TEST(Renumbering, DependenciesUse) {
  const DependencyList list = Deps("AB->C; D->A");
  const struct {
    char attribute;
    bool used;
  } cases[] = {{'A', true}, {'B', true}, {'C', true}, {'D', true}, {'E', false}};
  for (const auto& c : cases) {
    EXPECT_EQ(DependenciesUse(list, static_cast<AttributeIndex>(c.attribute - 'A')), c.used)
        << c.attribute;
  }
  EXPECT_FALSE(DependenciesUse({}, 0));
}

}  // namespace
