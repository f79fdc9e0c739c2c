#include "NameThemes.h"

#include <array>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kLetters = {"A"sv, "B"sv, "C"sv, "D"sv, "E"sv, "F"sv, "G"sv,
                                 "H"sv, "I"sv, "J"sv, "K"sv, "L"sv, "M"sv, "N"sv,
                                 "O"sv, "P"sv, "Q"sv, "R"sv, "S"sv, "T"sv};

constexpr std::array kOrdersCzech = {
    "Objednávka"sv, "Zákazník"sv, "Adresa"sv, "Město"sv,    "PSČ"sv,      "Telefon"sv,
    "Email"sv,      "Zboží"sv,    "Cena"sv,   "Množství"sv, "Datum"sv,    "Dodavatel"sv,
    "Sklad"sv,      "Faktura"sv,  "Sleva"sv,  "Doprava"sv,  "Platba"sv,   "Splatnost"sv,
    "Kategorie"sv,  "Výrobce"sv,  "DPH"sv,    "Měna"sv,     "Prodejce"sv, "Pobočka"sv};
constexpr std::array kOrdersAscii = {
    "Objednavka"sv, "Zakaznik"sv, "Adresa"sv, "Mesto"sv,    "PSC"sv,      "Telefon"sv,
    "Email"sv,      "Zbozi"sv,    "Cena"sv,   "Mnozstvi"sv, "Datum"sv,    "Dodavatel"sv,
    "Sklad"sv,      "Faktura"sv,  "Sleva"sv,  "Doprava"sv,  "Platba"sv,   "Splatnost"sv,
    "Kategorie"sv,  "Vyrobce"sv,  "DPH"sv,    "Mena"sv,     "Prodejce"sv, "Pobocka"sv};
constexpr std::array kOrdersEnglish = {
    "Order"sv,     "Customer"sv, "Address"sv,  "City"sv,     "PostCode"sv, "Phone"sv,
    "Email"sv,     "Product"sv,  "Price"sv,    "Quantity"sv, "Date"sv,     "Supplier"sv,
    "Warehouse"sv, "Invoice"sv,  "Discount"sv, "Shipping"sv, "Payment"sv,  "DueDate"sv,
    "Category"sv,  "Maker"sv,    "VAT"sv,      "Currency"sv, "SalesRep"sv, "Branch"sv};

constexpr std::array kTimetableCzech = {
    "Učitel"sv,  "Předmět"sv, "Třída"sv,   "Učebna"sv,  "Den"sv,     "Hodina"sv,
    "Žák"sv,     "Známka"sv,  "Budova"sv,  "Patro"sv,   "Obor"sv,    "Ročník"sv,
    "Semestr"sv, "Kabinet"sv, "Zkouška"sv, "Kredity"sv, "Skupina"sv, "Začátek"sv,
    "Konec"sv,   "Týden"sv,   "Katedra"sv, "Garant"sv};
constexpr std::array kTimetableAscii = {
    "Ucitel"sv,  "Predmet"sv, "Trida"sv,   "Ucebna"sv,  "Den"sv,     "Hodina"sv,
    "Zak"sv,     "Znamka"sv,  "Budova"sv,  "Patro"sv,   "Obor"sv,    "Rocnik"sv,
    "Semestr"sv, "Kabinet"sv, "Zkouska"sv, "Kredity"sv, "Skupina"sv, "Zacatek"sv,
    "Konec"sv,   "Tyden"sv,   "Katedra"sv, "Garant"sv};
constexpr std::array kTimetableEnglish = {
    "Teacher"sv,  "Subject"sv, "Class"sv,      "Room"sv,      "Day"sv,   "Period"sv,
    "Pupil"sv,    "Grade"sv,   "Building"sv,   "Floor"sv,     "Field"sv, "Year"sv,
    "Semester"sv, "Office"sv,  "Exam"sv,       "Credits"sv,   "Group"sv, "Start"sv,
    "End"sv,      "Week"sv,    "Department"sv, "Supervisor"sv};

constexpr std::array kLibraryCzech = {
    "Kniha"sv,     "Autor"sv,  "ISBN"sv,        "Název"sv,    "Nakladatel"sv, "Rok_vydání"sv,
    "Žánr"sv,      "Čtenář"sv, "Průkaz"sv,      "Výpůjčka"sv, "Vráceno"sv,    "Regál"sv,
    "Signatura"sv, "Jazyk"sv,  "Počet_stran"sv, "Vydání"sv,   "Pobočka"sv,    "Knihovník"sv,
    "Rezervace"sv, "Pokuta"sv, "Exemplář"sv,    "Edice"sv};
constexpr std::array kLibraryAscii = {
    "Kniha"sv,     "Autor"sv,  "ISBN"sv,        "Nazev"sv,    "Nakladatel"sv, "Rok_vydani"sv,
    "Zanr"sv,      "Ctenar"sv, "Prukaz"sv,      "Vypujcka"sv, "Vraceno"sv,    "Regal"sv,
    "Signatura"sv, "Jazyk"sv,  "Pocet_stran"sv, "Vydani"sv,   "Pobocka"sv,    "Knihovnik"sv,
    "Rezervace"sv, "Pokuta"sv, "Exemplar"sv,    "Edice"sv};
constexpr std::array kLibraryEnglish = {
    "Book"sv,        "Author"sv,   "ISBN"sv,       "Title"sv,   "Publisher"sv, "Year"sv,
    "Genre"sv,       "Reader"sv,   "CardNumber"sv, "Loan"sv,    "Returned"sv,  "Shelf"sv,
    "CallNumber"sv,  "Language"sv, "Pages"sv,      "Edition"sv, "Branch"sv,    "Librarian"sv,
    "Reservation"sv, "Fine"sv,     "Copy"sv,       "Series"sv};

template <std::size_t N>
std::span<const std::string_view> Pick(NameLanguage language,
                                       const std::array<std::string_view, N>& czech,
                                       const std::array<std::string_view, N>& ascii,
                                       const std::array<std::string_view, N>& english) {
  switch (language) {
    case NameLanguage::Czech:
      return czech;
    case NameLanguage::CzechAscii:
      return ascii;
    case NameLanguage::English:
      break;
  }
  return english;
}

}  // namespace

std::span<const std::string_view> ThemeNames(NameTheme theme, NameLanguage language) {
  switch (theme) {
    case NameTheme::Letters:
      break;
    case NameTheme::Orders:
      return Pick(language, kOrdersCzech, kOrdersAscii, kOrdersEnglish);
    case NameTheme::Timetable:
      return Pick(language, kTimetableCzech, kTimetableAscii, kTimetableEnglish);
    case NameTheme::Library:
      return Pick(language, kLibraryCzech, kLibraryAscii, kLibraryEnglish);
  }
  return kLetters;
}
