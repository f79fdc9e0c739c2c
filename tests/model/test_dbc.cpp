#include <gtest/gtest.h>

#include "DbcFormat.h"
#include "SchemaText.h"

namespace {

NameBytes ByteNames(const std::vector<std::string>& list) {
  NameBytes names;
  for (std::size_t i = 0; i < list.size(); ++i)
    names[i] = list[i];
  return names;
}

TEST(DbcWrite, ExampleFileByteForByte) {
  const std::string bytes = WriteSchemaBytes(ByteNames({"A", "B", "C"}), Deps("AB->C; C->A"));
  EXPECT_EQ(bytes, "A;B;C;:0 1 -2;2 -0;");
  EXPECT_EQ(bytes.size(), 19u);
}

TEST(DbcWrite, EmptySchemaIsOneColon) {
  EXPECT_EQ(WriteSchemaBytes(NameBytes{}, DependencyList{}), ":");
  EXPECT_EQ(WriteSchemaBytes(ByteNames({"A"}), DependencyList{}), "A;:");
}

TEST(DbcWrite, TwoDigitIndexesAndStoredLeftOrder) {
  DependencyList list;
  list.push_back(NewDependency({12, 3}, 19));
  EXPECT_EQ(EncodeDependencyEntry(list.front()), "12 3 -19;");
}

TEST(DbcRoundTrip, NamesDependenciesAndOrdersSurvive) {
  NameBytes names;
  for (int i = 0; i < MaxAttributes; ++i)
    names[i] = "N" + std::to_string(i) + "\xe8";
  DependencyList list;
  list.push_back(NewDependency({19, 0, 7, 3, 11, 2, 5}, 1));
  list.push_back(NewDependency({}, 4));
  list.push_back(NewDependency({2, 1}, 2));
  std::optional<DbcContents> read = ReadSchemaBytes(WriteSchemaBytes(names, list));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->names, names);
  ASSERT_EQ(read->dependencies.size(), list.size());
  auto it = read->dependencies.begin();
  for (const Dependency& d : list) {
    EXPECT_EQ(it->lhs, d.lhs);
    EXPECT_EQ(it->Rhs(), d.Rhs());
    ++it;
  }
}

TEST(DbcWrite, WhatTheReaderTakesBack) {
  DependencyList list;
  for (int i = 0; i < DbcMaxEntries; ++i)
    list.push_back(NewDependency({0, 1, 2, 3, 4, 5, 6}, 7));
  EXPECT_TRUE(FitsReaderLimits(list));
  EXPECT_TRUE(
      ReadSchemaBytes(WriteSchemaBytes(ByteNames({"A", "B", "C", "D", "E", "F", "G", "H"}), list)));
  list.push_back(NewDependency({0}, 1));
  EXPECT_FALSE(FitsReaderLimits(list));
  list.pop_back();
  list.back() = NewDependency({0, 1, 2, 3, 4, 5, 6, 8}, 7);
  EXPECT_FALSE(FitsReaderLimits(list));
}

struct ReadCase {
  const char* name;
  std::string bytes;
  bool accepted;
  const char* names;  // the names read, joined, when accepted
  const char* deps;
};

class DbcReadTable : public testing::TestWithParam<ReadCase> {};

std::string Joined(const NameBytes& names) {
  std::string out;
  for (const std::string& n : names) {
    if (!n.empty()) out += n + ",";
  }
  return out;
}

TEST_P(DbcReadTable, AcceptsOrRefusesWhole) {
  const ReadCase& c = GetParam();
  std::optional<DbcContents> read = ReadSchemaBytes(c.bytes);
  ASSERT_EQ(read.has_value(), c.accepted);
  if (!c.accepted) return;
  EXPECT_EQ(Joined(read->names), c.names);
  EXPECT_EQ(DepsText(read->dependencies), c.deps);
}

std::string ManyNames(int n) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += "N" + std::to_string(i) + ";";
  return s + ":";
}

std::string ManyEntries(int n) {
  std::string s = "A;B;:";
  for (int i = 0; i < n; ++i)
    s += "0 -1;";
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Dbc, DbcReadTable,
    testing::Values(
        ReadCase{"Example", "A;B;C;:0 1 -2;2 -0;", true, "A,B,C,", "AB->C; C->A"},
        ReadCase{"OnlyColon", ":", true, "", ""},
        ReadCase{"EmptyNamesAreSkipped", ";A;;B;:1 -0;", true, "A,B,", "B->A"},
        ReadCase{"BlanksAndDashesBelongToNames", "a b;c-d;:", true, "a b,c-d,", ""},
        ReadCase{"LaterColonsSkipped", "A;B;::0 -1;:", true, "A,B,", "A->B"},
        ReadCase{"EmptyLeftSide", "A;B;:-1;", true, "A,B,", "->B"},
        ReadCase{"LeadingZeros", "A;B;:00 -01;", true, "A,B,", "A->B"},
        ReadCase{"TwentyNames", ManyNames(20), true,
                 "N0,N1,N2,N3,N4,N5,N6,N7,N8,N9,N10,N11,N12,N13,N14,N15,N16,N17,N18,N19,", ""},
        ReadCase{"SevenLeftIndexes", "A;B;C;D;E;F;G;H;:0 1 2 3 4 5 6 -7;", true, "A,B,C,D,E,F,G,H,",
                 "ABCDEFG->H"},
        ReadCase{"EmptyFile", "", false, "", ""}, ReadCase{"NoSeparator", "A;B;", false, "", ""},
        ReadCase{"NameCutOffBySeparator", "A;B:", false, "", ""},
        ReadCase{"TwentyOneNames", ManyNames(21), false, "", ""},
        ReadCase{"ThirtyEntries", ManyEntries(30), true, "A,B,",
                 "A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; "
                 "A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; "
                 "A->B; A->B; A->B; A->B"},
        ReadCase{"ThirtyOneEntries", ManyEntries(31), false, "", ""},
        ReadCase{"EightLeftIndexes", "A;B;C;D;E;F;G;H;I;:0 1 2 3 4 5 6 7 -8;", false, "", ""},
        ReadCase{"IndexBeyondNames", "A;B;:0 -2;", false, "", ""},
        ReadCase{"IndexBeyondTable", "A;B;:25 -1;", false, "", ""},
        ReadCase{"HugeNumber", "A;B;:99999999999999999999999 -1;", false, "", ""},
        ReadCase{"SignedNumber", "A;B;:+0 -1;", false, "", ""},
        ReadCase{"StrayLetter", "A;B;:0x -1;", false, "", ""},
        ReadCase{"TruncatedAfterDash", "A;B;:0 -", false, "", ""},
        ReadCase{"TruncatedInNumber", "A;B;:0 -1", false, "", ""},
        ReadCase{"TruncatedInLeftSide", "A;B;:0 ", false, "", ""},
        ReadCase{"TrailingLineBreak", "A;B;:0 -1;\n", false, "", ""},
        ReadCase{"DoubleBlank", "A;B;:0  -1;", false, "", ""},
        ReadCase{"NumberBeforeDash", "A;B;:0 1-0;", false, "", ""},
        ReadCase{"NoDash", "A;B;:0 1;", false, "", ""},
        ReadCase{"SecondDash", "A;B;:0 -1-1;", false, "", ""},
        ReadCase{"BlankAfterRightSide", "A;B;:0 -1 ;", false, "", ""},
        ReadCase{"EmptyRightSide", "A;B;:0 -;", false, "", ""},
        ReadCase{"NulByteInNumber", std::string("A;B;:0\0 -1;", 11), false, "", ""}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

}  // namespace
