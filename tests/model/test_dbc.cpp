#include <gtest/gtest.h>

#include <limits>

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
  const DbcReadResult read = ReadSchemaBytes(WriteSchemaBytes(names, list));
  const auto* contents = std::get_if<DbcContents>(&read);
  ASSERT_NE(contents, nullptr);
  EXPECT_EQ(contents->names, names);
  ASSERT_EQ(contents->dependencies.size(), list.size());
  auto it = contents->dependencies.begin();
  for (const Dependency& d : list) {
    EXPECT_EQ(it->lhs, d.lhs);
    EXPECT_EQ(it->Rhs(), d.Rhs());
    ++it;
  }
}

// The widest schema the program can hold: every name, the most dependencies
// the editor builds, each with every attribute on its left-hand side.
TEST(DbcRoundTrip, LargestSchemaTheProgramBuilds) {
  NameBytes names;
  std::vector<AttributeIndex> all;
  for (int i = 0; i < MaxAttributes; ++i) {
    names[i] = "N" + std::to_string(i);
    all.push_back(static_cast<AttributeIndex>(MaxAttributes - 1 - i));
  }
  DependencyList list;
  for (int i = 0; i < DbcMaxEntries; ++i)
    list.push_back(NewDependency(all, static_cast<AttributeIndex>(i % MaxAttributes)));
  const DbcReadResult read = ReadSchemaBytes(WriteSchemaBytes(names, list));
  const auto* contents = std::get_if<DbcContents>(&read);
  ASSERT_NE(contents, nullptr);
  EXPECT_EQ(contents->names, names);
  EXPECT_EQ(DepsText(contents->dependencies), DepsText(list));
  EXPECT_EQ(contents->dependencies.front().lhs, list.front().lhs);
}

std::string Joined(const NameBytes& names) {
  std::string out;
  for (const std::string& n : names) {
    if (!n.empty()) out += n + ",";
  }
  return out;
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

std::string RepeatedText(const std::string& item, int n, const std::string& separator) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += (i == 0 ? "" : separator) + item;
  return s;
}

std::string LeftIndexes(int n) {
  std::string s = "A;:";
  for (int i = 0; i < n; ++i)
    s += "0 ";
  return s + "-0;";
}

struct AcceptCase {
  const char* name;
  std::string bytes;
  const char* names;  // the names read, joined
  std::string deps;
};

class DbcAcceptTable : public testing::TestWithParam<AcceptCase> {};

TEST_P(DbcAcceptTable, ReadsNamesAndDependencies) {
  const AcceptCase& c = GetParam();
  const DbcReadResult read = ReadSchemaBytes(c.bytes);
  const auto* contents = std::get_if<DbcContents>(&read);
  ASSERT_NE(contents, nullptr);
  EXPECT_EQ(Joined(contents->names), c.names);
  EXPECT_EQ(DepsText(contents->dependencies), c.deps);
}

INSTANTIATE_TEST_SUITE_P(
    Dbc, DbcAcceptTable,
    testing::Values(
        AcceptCase{"Example", "A;B;C;:0 1 -2;2 -0;", "A,B,C,", "AB->C; C->A"},
        AcceptCase{"OnlyColon", ":", "", ""},
        AcceptCase{"EmptyNamesAreSkipped", ";A;;B;:1 -0;", "A,B,", "B->A"},
        AcceptCase{"BlanksAndDashesBelongToNames", "a b;c-d;:", "a b,c-d,", ""},
        AcceptCase{"LaterColonsSkipped", "A;B;::0 -1;:", "A,B,", "A->B"},
        AcceptCase{"ColonInsideANumberSkipped", "A;B;:0:1 -0;", "A,B,", "B->A"},
        AcceptCase{"EmptyLeftSide", "A;B;:-1;", "A,B,", "->B"},
        AcceptCase{"LeadingZeros", "A;B;:00 -0000000000000000000000001;", "A,B,", "A->B"},
        AcceptCase{"RepeatedLeftIndex", "A;B;:0 0 -1;", "A,B,", "AA->B"},
        AcceptCase{"TwentyNames", ManyNames(20),
                   "N0,N1,N2,N3,N4,N5,N6,N7,N8,N9,N10,N11,N12,N13,N14,N15,N16,N17,N18,N19,", ""},
        AcceptCase{"TwentyLeftIndexes", LeftIndexes(20), "A,", RepeatedText("A", 20, "") + "->A"},
        AcceptCase{"NinetyEntries", ManyEntries(90), "A,B,", RepeatedText("A->B", 90, "; ")},
        AcceptCase{"LargestFileSize", std::string(DbcMaxFileBytes - 3, ';') + "A;:", "A,", ""}),
    [](const testing::TestParamInfo<AcceptCase>& info) { return info.param.name; });

using Reason = DbcRefusal::Reason;

struct RefuseCase {
  const char* name;
  std::string bytes;
  Reason reason;
  std::size_t offset;
  std::uint64_t detail;
};

class DbcRefuseTable : public testing::TestWithParam<RefuseCase> {};

TEST_P(DbcRefuseTable, SaysWhyAndWhere) {
  const RefuseCase& c = GetParam();
  const DbcReadResult read = ReadSchemaBytes(c.bytes);
  const auto* refusal = std::get_if<DbcRefusal>(&read);
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(refusal->reason, c.reason);
  EXPECT_EQ(refusal->offset, c.offset);
  EXPECT_EQ(refusal->detail, c.detail);
}

constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Dbc, DbcRefuseTable,
    testing::Values(
        RefuseCase{"TooLarge", std::string(DbcMaxFileBytes - 1, ';') + ":;", Reason::TooLarge,
                   DbcMaxFileBytes, DbcMaxFileBytes},
        RefuseCase{"EmptyFile", "", Reason::NoSeparator, 0, 0},
        RefuseCase{"NoSeparator", "A;B;", Reason::NoSeparator, 4, 0},
        RefuseCase{"NameCutOffBySeparator", "A;B:", Reason::UnterminatedName, 3, 0},
        RefuseCase{"TwentyOneNames", ManyNames(21), Reason::TooManyNames, 70, 20},
        RefuseCase{"StrayLetter", "A;B;:0x -1;", Reason::NotADigit, 6, 'x'},
        RefuseCase{"SignedNumber", "A;B;:+0 -1;", Reason::NotADigit, 5, '+'},
        RefuseCase{"NulByteInNumber", std::string("A;B;:0\0 -1;", 11), Reason::NotADigit, 6, 0},
        RefuseCase{"TrailingLineBreak", "A;B;:0 -1;\n", Reason::NotADigit, 10, '\n'},
        RefuseCase{"LetterOnRightSide", "A;B;:0 -x;", Reason::NotADigit, 8, 'x'},
        RefuseCase{"DoubleBlank", "A;B;:0  -1;", Reason::MissingNumber, 7, 0},
        RefuseCase{"EmptyRightSide", "A;B;:0 -;", Reason::MissingNumber, 8, 0},
        RefuseCase{"BlankAfterDash", "A;B;:0 - 1;", Reason::MissingNumber, 8, 0},
        RefuseCase{"NumberBeforeDash", "A;B;:0 1-0;", Reason::MissingBlank, 8, 0},
        RefuseCase{"NoDash", "A;B;:0 1;", Reason::MissingDash, 8, 0},
        RefuseCase{"IndexBeyondNames", "A;B;:0 -2;", Reason::IndexOutOfRange, 8, 2},
        RefuseCase{"IndexBeyondTable", "A;B;:25 -1;", Reason::IndexOutOfRange, 5, 25},
        RefuseCase{"HugeNumber", "A;B;:99999999999999999999999 -1;", Reason::IndexOutOfRange, 5,
                   kSaturated},
        RefuseCase{"TwentyOneLeftIndexes", LeftIndexes(21), Reason::TooManyLhs, 43, 20},
        RefuseCase{"NinetyOneEntries", ManyEntries(91), Reason::TooManyDependencies, 455, 90},
        RefuseCase{"SecondDash", "A;B;:0 -1-1;", Reason::UnterminatedDependency, 9, 0},
        RefuseCase{"BlankAfterRightSide", "A;B;:0 -1 ;", Reason::UnterminatedDependency, 9, 0},
        RefuseCase{"TruncatedInNumber", "A;B;:0 -1", Reason::UnterminatedDependency, 9, 0},
        RefuseCase{"TruncatedAfterDash", "A;B;:0 -", Reason::UnterminatedDependency, 8, 0},
        RefuseCase{"TruncatedInLeftSide", "A;B;:0 ", Reason::UnterminatedDependency, 7, 0}),
    [](const testing::TestParamInfo<RefuseCase>& info) { return info.param.name; });

}  // namespace
