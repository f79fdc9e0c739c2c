#include <gtest/gtest.h>

#include "SchemaNotation.h"
#include "SchemaText.h"

namespace {

std::string Joined(const AttributeTable& names) {
  std::string out;
  for (const std::string& n : names) {
    if (n.empty()) continue;
    out += out.empty() ? n : "," + n;
  }
  return out;
}

// "N0, N1, ..." up to n names.
std::string NameList(int n) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += (i == 0 ? "N" : ", N") + std::to_string(i);
  return s;
}

std::string Repeated(const std::string& item, int n) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += item;
  return s;
}

std::string Written(const AttributeTable& names, const DependencyList& deps,
                    std::string_view title = {}) {
  NotationWriteResult written = WriteNotation(names, deps, title);
  const auto* text = std::get_if<std::string>(&written);
  return text != nullptr ? *text : "refused: " + std::get<NotationWriteRefusal>(written).detail;
}

TEST(NotationWrite, AttributeLineThenOneLinePerRecordInListOrder) {
  AttributeTable names;
  names[0] = "Objednavka";
  names[1] = "Zakaznik";
  names[2] = "Čísloúčtu";
  names[3] = "Adresa domu";
  EXPECT_EQ(Written(names, Deps("A->B; AB->C; A->C; ->D; BA->D"), "orders"),
            "# orders\n"
            "attributes: Objednavka, Zakaznik, Čísloúčtu, Adresa domu\n"
            "Objednavka -> Zakaznik\n"
            "Objednavka, Zakaznik -> Čísloúčtu\n"
            "Objednavka -> Čísloúčtu\n"
            "-> Adresa domu\n"
            "Zakaznik, Objednavka -> Adresa domu\n");
  EXPECT_EQ(Written(AttributeTable{}, {}), "attributes:\n");
  EXPECT_EQ(Written(Names("A"), {}, " \t\n two\r\n lines\x01 "), "# two lines\nattributes: A\n");
}

// The schema file skips empty slots and packs the names when read; the text
// does the same, and its records, naming their attributes, follow them.
TEST(NotationWrite, EmptySlotsAreSkippedAndRecordsFollowTheirNames) {
  AttributeTable names;
  names[0] = "A";
  names[2] = "C";
  const std::string text = Written(names, Deps("C->A; AC->C"));
  EXPECT_EQ(text, "attributes: A, C\nC -> A\nA, C -> C\n");
  const NotationReadResult read = ReadNotation(text);
  const auto* schema = std::get_if<NotationSchema>(&read);
  ASSERT_NE(schema, nullptr);
  EXPECT_EQ(Joined(schema->names), "A,C");
  EXPECT_EQ(DepsText(schema->dependencies), "B->A; AB->B");
}

using WriteReason = NotationWriteRefusal::Reason;

struct WriteRefuseCase {
  const char* name;
  std::vector<std::string> names;
  std::string deps;
  WriteReason reason;
  std::string detail;
};

class NotationWriteRefuseTable : public testing::TestWithParam<WriteRefuseCase> {};

TEST_P(NotationWriteRefuseTable, SaysWhichName) {
  const WriteRefuseCase& c = GetParam();
  AttributeTable names;
  std::copy(c.names.begin(), c.names.end(), names.begin());
  DependencyList deps = Deps(c.deps);
  if (c.reason == WriteReason::TooManyDependencies) deps.resize(DbcMaxEntries + 1, deps.front());
  const NotationWriteResult written = WriteNotation(names, deps);
  const auto* refusal = std::get_if<NotationWriteRefusal>(&written);
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(refusal->reason, c.reason);
  EXPECT_EQ(refusal->detail, c.detail);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, NotationWriteRefuseTable,
    testing::Values(
        WriteRefuseCase{"NotUtf8", {"A", "B\xE8"}, "", WriteReason::InvalidUtf8, "B\xE8"},
        WriteRefuseCase{"Comma", {"a,b"}, "", WriteReason::ReservedCharacter, "a,b"},
        WriteRefuseCase{"Arrow", {"a", "b->c"}, "", WriteReason::ReservedCharacter, "b->c"},
        WriteRefuseCase{"DoubleBlank", {"a  b"}, "", WriteReason::StrayBlanks, "a  b"},
        WriteRefuseCase{"SixteenCharacters",
                        {"Čísloúčtuabcdefg"},
                        "",
                        WriteReason::NameTooLong,
                        "Čísloúčtuabcdefg"},
        WriteRefuseCase{"Duplicate", {"A", "B", "A"}, "", WriteReason::DuplicateName, "A"},
        WriteRefuseCase{"RecordOnEmptySlot", {"A"}, "A->B", WriteReason::UnnamedAttribute, "1"},
        WriteRefuseCase{
            "NinetyOneRecords", {"A", "B"}, "A->B", WriteReason::TooManyDependencies, "90"}),
    [](const testing::TestParamInfo<WriteRefuseCase>& info) { return info.param.name; });

struct AcceptCase {
  const char* name;
  std::string text;
  std::string names;  // joined by ","
  std::string deps;   // attribute i written as letter 'A' + i
  std::string title;
};

class NotationAcceptTable : public testing::TestWithParam<AcceptCase> {};

TEST_P(NotationAcceptTable, ReadsNamesRecordsAndTitle) {
  const AcceptCase& c = GetParam();
  const NotationReadResult read = ReadNotation(c.text);
  const auto* schema = std::get_if<NotationSchema>(&read);
  ASSERT_NE(schema, nullptr) << "refused at column " << std::get<NotationRefusal>(read).column;
  EXPECT_EQ(Joined(schema->names), c.names);
  EXPECT_EQ(DepsText(schema->dependencies), c.deps);
  EXPECT_EQ(schema->title, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, NotationAcceptTable,
    testing::Values(
        AcceptCase{"Orders",
                   "# orders\n"
                   "attributes: Objednavka, Zakaznik, Adresa, Zbozi, Mnozstvi\n"
                   "Objednavka -> Zakaznik\n"
                   "Zakaznik -> Adresa\n"
                   "Objednavka, Zbozi -> Mnozstvi\n",
                   "Objednavka,Zakaznik,Adresa,Zbozi,Mnozstvi", "A->B; B->C; AD->E", "orders"},
        AcceptCase{"NamesInOrderOfAppearanceRightNamesInOrder", "B, C -> D, A\nA -> B", "B,C,D,A",
                   "AB->C; AB->D; D->A", ""},
        AcceptCase{"LaterAttributeLineOrdersTheNames", "Y -> X\nattributes: X, Z, Y\nZ -> X",
                   "X,Z,Y", "C->A; B->A", ""},
        AcceptCase{"UnicodeArrowEmptyAndRepeatedLeftSides", "A, A → B\n  -> A\n→B", "A,B",
                   "AA->B; ->A; ->B", ""},
        AcceptCase{"MarkCrLfCommentsBlankLines",
                   "\xEF\xBB\xBF"
                   "attributes: A, B\r\n\r\n# note\r\nA->B # trailing, -> :\r\n",
                   "A,B", "A->B", ""},
        AcceptCase{"BlanksInsideNamesCollapseFifteenCzechCharacters",
                   "Cislo \t uctu\u00A0 ,Čísloúčtuabcdef -> Y\nCislo uctu -> Čísloúčtuabcdef",
                   "Cislo uctu,Čísloúčtuabcdef,Y", "AB->C; A->B", ""},
        AcceptCase{"KeywordInAnyCase", "  ATTRIBUTES \t: A", "A", "", ""},
        AcceptCase{"DashGreaterAndKeywordInsideNames", "attributes, a-b, c>d -> -e",
                   "attributes,a-b,c>d,-e", "ABC->D", ""},
        AcceptCase{"TitleIsTheFirstLineThatIsNotBlank", "\n  #  my \t schema \n# other\nA -> B",
                   "A,B", "A->B", "my schema"}),
    [](const testing::TestParamInfo<AcceptCase>& info) { return info.param.name; });

using Reason = NotationRefusal::Reason;

struct RefuseCase {
  const char* name;
  std::string text;
  Reason reason;
  std::size_t line;
  std::size_t column;
  std::string detail;
};

class NotationRefuseTable : public testing::TestWithParam<RefuseCase> {};

TEST_P(NotationRefuseTable, SaysWhyAndWhere) {
  const RefuseCase& c = GetParam();
  const NotationReadResult read = ReadNotation(c.text);
  const auto* refusal = std::get_if<NotationRefusal>(&read);
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(refusal->reason, c.reason);
  EXPECT_EQ(refusal->line, c.line);
  EXPECT_EQ(refusal->column, c.column);
  EXPECT_EQ(refusal->detail, c.detail);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, NotationRefuseTable,
    testing::Values(
        RefuseCase{"StrayByte", "A -> B\r\nČ\xFF -> B", Reason::InvalidUtf8, 2, 2, "0xFF"},
        RefuseCase{"CutOffSequence", "A -> B\xC3", Reason::InvalidUtf8, 1, 7, "0xC3"},
        RefuseCase{"OverlongSlash", "\xC0\xAF -> B", Reason::InvalidUtf8, 1, 1, "0xC0"},
        RefuseCase{"Surrogate", "A -> \xED\xA0\x80", Reason::InvalidUtf8, 1, 6, "0xED"},
        RefuseCase{"Semicolon", "A -> B;", Reason::ForbiddenCharacter, 1, 7, ";"},
        RefuseCase{"LoneCarriageReturn", "A\rB -> C", Reason::ForbiddenCharacter, 1, 2, "U+000D"},
        RefuseCase{"LineSeparator", "A -> B\u2028C", Reason::ForbiddenCharacter, 1, 7, "U+2028"},
        RefuseCase{"CzechKeyword", "  atributy : A, B", Reason::UnknownKeyword, 1, 3, "atributy"},
        RefuseCase{"SecondAttributeLine", "attributes: A\nA -> A\n attributes: A",
                   Reason::SecondAttributeLine, 3, 2, "1"},
        RefuseCase{"ArrowInAttributeLine", "attributes: A → B", Reason::ArrowInAttributeLine, 1, 15,
                   ""},
        RefuseCase{"NameWithoutArrow", "A -> B\n\t A, B # no arrow", Reason::MissingArrow, 2, 3,
                   ""},
        RefuseCase{"SecondArrow", "A -> B → C", Reason::SecondArrow, 1, 8, ""},
        RefuseCase{"NothingRight", "A, B -> # later", Reason::MissingRightSide, 1, 6, ""},
        RefuseCase{"NothingBetweenCommas", "A, , B -> C", Reason::EmptyName, 1, 4, ""},
        RefuseCase{"TrailingCommaLeft", "A, B, -> C", Reason::EmptyName, 1, 5, ""},
        RefuseCase{"SixteenCharacters", "Čá, Čísloúčtuabcdefg -> B", Reason::NameTooLong, 1, 5,
                   "Čísloúčtuabcdefg"},
        RefuseCase{"ListedTwiceAfterBlanksCollapse", "attributes: a b, a  b",
                   Reason::DuplicateAttribute, 1, 18, "a b"},
        RefuseCase{"NotListed", "attributes: Zakaznik, Adresa\nZakaznik -> Zakaznil",
                   Reason::UnknownAttribute, 2, 13, "Zakaznil"},
        RefuseCase{"UsedBeforeTheListWithout", "A -> B\nB -> Čč\nattributes: A, B",
                   Reason::UnknownAttribute, 2, 6, "Čč"},
        RefuseCase{"TwentyOneNamesUsed", NameList(20) + " -> X", Reason::TooManyAttributes, 1, 93,
                   "20"},
        RefuseCase{"TwentyOneNamesListed", "attributes: " + NameList(21), Reason::TooManyAttributes,
                   1, 103, "20"},
        RefuseCase{"TwentyOneOnLeftSide", Repeated("A, ", 20) + "A -> B", Reason::TooManyOnLeftSide,
                   1, 61, "20"},
        RefuseCase{"NinetyOneRecords", Repeated("A -> B\n", 89) + "A -> B, Č",
                   Reason::TooManyDependencies, 90, 9, "90"}),
    [](const testing::TestParamInfo<RefuseCase>& info) { return info.param.name; });

TEST(NotationLooksLike, NeedsADependencyLineAndNoFault) {
  EXPECT_TRUE(LooksLikeNotation("# x\nattributes: a, b\n→ b\n"));
  EXPECT_FALSE(LooksLikeNotation("attributes: a, b\n# a -> b"));
  EXPECT_FALSE(LooksLikeNotation("a -> b\nhello"));
}

}  // namespace
