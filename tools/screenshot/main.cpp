// vellumo-screenshot: starts the main window in a fresh home, fills a few
// sample records and saves a picture of the window; given two more files,
// also pictures of the label design window and the label stock picker.
//
//   vellumo-screenshot OUT.png [LABEL-DESIGN.png LABEL-PICKER.png]
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "addressbook/windows/address_main.h"
#include "core/application_home.h"
#include "core/preferences.h"
#include "label_shots.h"

namespace {

struct Sample {
  const char* last;
  const char* first;
  const char* street;
  const char* city;
  const char* state;
  const char* zip;
  const char* phone;
  const char* email;
};

constexpr Sample kSamples[] = {
    {"Whitfield", "Margaret", "1420 Larkspur Lane", "Asheville", "NC", "28801-2214", "(828) 555-0147",
     "m.whitfield@example.com"},
    {"Okafor", "Daniel", "77 Harbor View Road", "Portland", "ME", "04101", "(207) 555-0199", "dokafor@example.org"},
    {"Alvarez", "Lucia", "3100 Mesa Verde Dr", "Tucson", "AZ", "85719", "(520) 555-0112", "lucia.alvarez@example.net"},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: vellumo-screenshot OUT.png [LABEL-DESIGN.png LABEL-PICKER.png]\n");
    return 2;
  }
  QTemporaryDir home;
  vellumo::SetProgramDirectory(home.path());
  QString error;
  if (!vellumo::InitialiseApplicationHome({QStringLiteral("vellumo"), QStringLiteral("--home"), home.path()}, &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  vellumo::WriteGettingStartedSuppressed(true);
  vellumo::TAddressMain window;
  window.resize(820, 600);
  window.show();
  while (!window.started()) QApplication::processEvents();
  vellumo::AddressBook& book = window.book();
  for (const Sample& s : kSamples) {
    const std::pair<const char*, QString> fields[] = {
        {"LNAME", QLatin1String(s.last)}, {"FNAME", QLatin1String(s.first)}, {"STREET", QLatin1String(s.street)},
        {"CITY", QLatin1String(s.city)},  {"STATE", QLatin1String(s.state)}, {"ZIP", QLatin1String(s.zip)},
        {"COUNTRY", QStringLiteral("USA")}, {"PHONE", QLatin1String(s.phone)}, {"EMAIL", QLatin1String(s.email)},
        {"DATE", QStringLiteral("20261201")}};
    bool added = book.Add({}) == vellumo::AddressBook::AddResult::kAdding;
    for (const auto& [field, value] : fields) added = added && book.SetField(QLatin1String(field), value);
    if (!added || !book.Save()) {
      std::fprintf(stderr, "cannot add the sample record %s\n", s.last);
      return 1;
    }
  }
  book.First();
  window.RefreshAll();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc == 4) {
    if (!book.table() || !vellumo::screenshot::SaveLabelDesign(*book.table(), QString::fromLocal8Bit(argv[2])) ||
        !vellumo::screenshot::SaveLabelPicker(QString::fromLocal8Bit(argv[3]))) {
      return 1;
    }
  }
  return 0;
}
