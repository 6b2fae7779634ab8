// Composing the address block's lines from a record.
#include "design/text/address_block.h"

#include "core/text_utils.h"

namespace vellumo {
namespace {

// `text` followed by one space with its leading blanks removed: a present
// part ends in one space, a missing one vanishes.
QString Word(const QString& text) { return TrimLeft(text + QLatin1Char(' ')); }

// Only a..z become capitals; accented and other letters stay as they are,
// as they print on every printer.
QString UpperAscii(QString line) {
  for (QChar& c : line) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  }
  return line;
}

class Composer {
 public:
  explicit Composer(const FieldText& field) : field_(field) {}

  // The field's value without trailing blanks; false (and every later
  // read false too) once the record lacks a field.
  bool Read(const char* name, QString* value) {
    if (stopped_) return false;
    const std::optional<QString> text = field_(QString::fromLatin1(name));
    if (!text) {
      stopped_ = true;
      return false;
    }
    *value = TrimRight(*text);
    return true;
  }
  void Add(const QString& line) {
    if (!line.isEmpty()) lines_ << line;
  }
  // Reads and adds a field's value as stored.
  bool AddField(const char* name) {
    QString value;
    if (!Read(name, &value)) return false;
    Add(value);
    return true;
  }
  QStringList& lines() { return lines_; }

 private:
  const FieldText& field_;
  bool stopped_ = false;
  QStringList lines_;
};

bool AddName(Composer* c) {
  QString prefix, first, middle, last;
  if (!c->Read("PREFIX", &prefix) || !c->Read("FNAME", &first) || !c->Read("MIDDLE", &middle) ||
      !c->Read("LNAME", &last)) {
    return false;
  }
  if (!TrimBoth(middle).isEmpty()) middle += QLatin1Char('.');
  c->Add(Word(prefix) + Word(first) + Word(middle) + Word(last));
  return true;
}

// The city and state line and the country line, with the ZIP on one of
// them or on its own.
bool AddPlace(Composer* c, const AddressBlockOptions& o) {
  QString city, state, zip, country;
  if (!c->Read("CITY", &city) || !c->Read("STATE", &state) || !c->Read("ZIP", &zip) ||
      !c->Read("COUNTRY", &country)) {
    return false;
  }
  const bool zip_with_city = o.UseZip && (o.ZipOptions == zoAfterState || o.ZipOptions == zoBeforeCity);
  const bool zip_with_country = o.UseZip && (o.ZipOptions == zoAfterCountry || o.ZipOptions == zoBeforeCountry);
  if (o.UseCityState && zip_with_city && o.ZipOptions == zoAfterState) {
    // Two spaces between city and state; a line of blanks only is left out.
    const QString line = Word(city) + QLatin1Char(' ') + Word(state) + TrimLeft(zip);
    if (!TrimBoth(line).isEmpty()) c->Add(line);
  } else if (o.UseCityState && zip_with_city) {
    c->Add(Word(zip) + Word(city) + Word(state));
  } else if (o.UseCityState) {
    c->Add(Word(city) + TrimLeft(state));
  } else if (zip_with_city) {
    c->Add(TrimLeft(zip));
  }
  if (o.UseCountry && zip_with_country && o.ZipOptions == zoAfterCountry) {
    c->Add(Word(country) + TrimLeft(zip));
  } else if (o.UseCountry && zip_with_country) {
    c->Add(Word(zip) + TrimLeft(country));
  } else if (o.UseCountry) {
    c->Add(TrimLeft(country));
  } else if (zip_with_country) {
    c->Add(TrimLeft(zip));
  }
  return true;
}

void Compose(Composer* c, const AddressBlockOptions& o) {
  if (o.UseName && !AddName(c)) return;
  if (o.UseTitle && !c->AddField("TITLE")) return;
  if (o.UseCompany && !c->AddField("ORG")) return;
  if (o.UseStreet && !c->AddField("STREET")) return;
  if (o.UseStreet2 && !c->AddField("STREET2")) return;
  if (!AddPlace(c, o)) return;
  if (o.UsePhone) c->AddField("PHONE");
}

}  // namespace

QStringList ComposeAddressBlock(const FieldText& field, const AddressBlockOptions& options) {
  Composer composer(field);
  Compose(&composer, options);
  QStringList lines = composer.lines();
  if (options.UpperCase) {
    for (QString& line : lines) line = UpperAscii(line);
  }
  return lines;
}

QStringList AddressBlockLines(const FieldText& field, const AddressBlockOptions& options, ShowState show) {
  if (!show.ShowsValues()) return {QStringLiteral("[Address Label]")};
  return ComposeAddressBlock(field, options);
}

}  // namespace vellumo
