// Generator of realistic address records for the benchmarks.
#include "address_generator.h"

#include <array>
#include <cstdio>

#include "core/address_layout.h"

namespace bench {
namespace {

constexpr std::array kSurnames = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis", "Rodriguez",
    "Martinez", "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas", "Taylor",
    "Moore", "Jackson", "Martin", "Lee", "Perez", "Thompson", "White", "Harris", "Sanchez",
    "Clark", "Ramirez", "Lewis", "Robinson", "Walker", "Young", "Allen", "King", "Wright",
    "Scott", "Torres", "Nguyen", "Hill", "Flores", "Green", "Adams", "Nelson", "Baker", "Hall",
    "Rivera", "Campbell", "Mitchell", "Carter", "Roberts", "O'Brien", "McDonald", "Leeds"};
constexpr std::array kFirstNames = {
    "James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda", "David",
    "Elizabeth", "William", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah",
    "Charles", "Karen", "Christopher", "Lisa", "Daniel", "Nancy", "Matthew", "Betty", "Anthony",
    "Margaret", "Mark", "Sandra", "Donald", "Ashley", "Steven", "Kimberly", "Paul", "Emily",
    "Andrew", "Donna", "Joshua", "Michelle", "Jos\xE9", "Zo\xEB"};  // Windows-1252
constexpr std::array kStreets = {
    "Main St", "Oak Ave", "Maple Dr", "Cedar Ln", "Pine St", "Elm St", "Washington Blvd",
    "Lake Rd", "Hill St", "Park Ave", "Sunset Blvd", "River Rd", "Church St", "Highland Ave",
    "Forest Dr", "Jefferson St", "Lincoln Way", "Madison Ave", "Chestnut St", "Walnut St"};
struct Place {
  const char* city;
  const char* state;
  int zip_low;
  int zip_high;
};
constexpr std::array<Place, 20> kPlaces = {{
    {"Boston", "MA", 2108, 2137},      {"New York", "NY", 10001, 10292},
    {"Philadelphia", "PA", 19102, 19155}, {"Miami", "FL", 33101, 33299},
    {"Atlanta", "GA", 30301, 30399},   {"Chicago", "IL", 60601, 60699},
    {"Houston", "TX", 77001, 77299},   {"Dallas", "TX", 75201, 75398},
    {"Denver", "CO", 80201, 80299},    {"Phoenix", "AZ", 85001, 85099},
    {"Los Angeles", "CA", 90001, 90099}, {"San Francisco", "CA", 94102, 94188},
    {"Seattle", "WA", 98101, 98199},   {"Portland", "OR", 97201, 97299},
    {"Minneapolis", "MN", 55401, 55488}, {"Detroit", "MI", 48201, 48288},
    {"Nashville", "TN", 37201, 37250}, {"New Orleans", "LA", 70112, 70195},
    {"Salt Lake City", "UT", 84101, 84199}, {"Anchorage", "AK", 99501, 99599},
}};
constexpr std::array kTitles = {"Manager", "Director", "Engineer", "Teacher", "Nurse", "Owner",
                                "Accountant", "Attorney", "Sales Representative", ""};
constexpr std::array kOrgs = {"Acme Corp", "Globex", "Initech", "Northwind Traders",
                              "First National Bank", "City Hospital", "", "", "Public Schools"};
constexpr std::array kPrefixes = {"Mr", "Mrs", "Ms", "Dr", "", "Prof"};

uint64_t Next(uint64_t* state) {
  // splitmix64: fast, seedable, good enough for test data.
  uint64_t z = (*state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

template <typename Array>
std::string Pick(const Array& a, uint64_t* state) {
  return a[Next(state) % a.size()];
}

std::string Digits(uint64_t* state, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s.push_back(static_cast<char>('0' + Next(state) % 10));
  return s;
}

std::string Phone(uint64_t* state) {
  std::string phone = "(";
  phone += Digits(state, 3);
  phone += ") ";
  phone += Digits(state, 3);
  phone += '-';
  phone += Digits(state, 4);
  return phone;
}

}  // namespace

AddressValues RandomAddress(uint64_t* state) {
  const Place& place = kPlaces[Next(state) % kPlaces.size()];
  char zip[16];
  std::snprintf(zip, sizeof zip, "%05d",
                place.zip_low + static_cast<int>(Next(state) % (place.zip_high - place.zip_low + 1)));
  std::string last = Pick(kSurnames, state) + std::to_string(Next(state) % 1000);
  std::string first = Pick(kFirstNames, state);
  char date[16];
  std::snprintf(date, sizeof date, "%04d%02d%02d", 1990 + static_cast<int>(Next(state) % 36),
                1 + static_cast<int>(Next(state) % 12), 1 + static_cast<int>(Next(state) % 28));
  AddressValues v;
  v.fields = {{"LNAME", last},
              {"FNAME", first},
              {"MIDDLE", std::string(1, static_cast<char>('A' + Next(state) % 26))},
              {"PREFIX", Pick(kPrefixes, state)},
              {"TITLE", Pick(kTitles, state)},
              {"ORG", Pick(kOrgs, state)},
              {"STREET", std::to_string(1 + Next(state) % 9999) + " " + Pick(kStreets, state)},
              {"STREET2", Next(state) % 5 == 0 ? "Apt " + std::to_string(1 + Next(state) % 400) : ""},
              {"CITY", place.city},
              {"STATE", place.state},
              {"ZIP", zip},
              {"COUNTRY", Next(state) % 20 == 0 ? "USA" : ""},
              {"DATE", Next(state) % 3 == 0 ? "" : date},
              {"PHONE", Phone(state)},
              {"PHONE2", Next(state) % 4 == 0 ? Phone(state) : ""},
              {"FAX", Next(state) % 6 == 0 ? Phone(state) : ""},
              {"EMAIL", first + "." + last + "@example.com"},
              {"CODES", std::string(1, static_cast<char>('A' + Next(state) % 6)) +
                            std::string(1, static_cast<char>('A' + Next(state) % 6))},
              {"USER1", Next(state) % 3 == 0 ? "Met at the spring conference" : ""},
              {"USER2", ""}};
  return v;
}

xbase::Status GenerateAddressTable(const std::string& path, uint32_t count, uint32_t seed) {
  XBASE_RETURN_IF_ERROR(
      xbase::Table::Create(path, vellumo::AddressFieldDefs(vellumo::FieldLengths::Defaults())));
  std::unique_ptr<xbase::Table> table;
  XBASE_RETURN_IF_ERROR(xbase::Table::Open(path, {}, &table));
  uint64_t state = seed;
  for (uint32_t i = 1; i <= count; ++i) {
    XBASE_RETURN_IF_ERROR(table->AppendBlank());
    for (const auto& [field, value] : RandomAddress(&state).fields) {
      XBASE_RETURN_IF_ERROR(table->Replace(field, value));
    }
    if (i % 50 == 0) {
      XBASE_RETURN_IF_ERROR(table->ReplaceLogical("ISDEL", true));
      XBASE_RETURN_IF_ERROR(table->Delete());
    }
    if (i % 10000 == 0) XBASE_RETURN_IF_ERROR(table->Commit());
  }
  return table->Close();
}

}  // namespace bench
