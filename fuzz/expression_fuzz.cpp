// Fuzz target for the expression compiler: compiles the input against a fixed
// table layout and, when it compiles, evaluates it on a few fixed records in
// every way the engine does (value, filter, index key; exact on and off).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/expression.h"

namespace {

const xbase::Schema& FuzzSchema() {
  static const xbase::Schema schema({{"NAME", 'C', 20, 0}, {"CODE", 'C', 3, 0}, {"AMOUNT", 'N', 8, 2},
                                     {"FLAG", 'L', 1, 0},  {"BORN", 'D', 8, 0}, {"COUNT", 'I', 4, 0}});
  return schema;
}

// Deletion flag, then the fields: ordinary, blank, and damaged values. Each
// is cut or blank-padded to the record length.
using std::string_view_literals::operator""sv;
const std::string_view kRecords[] = {
    " Smith \xe9tienne       abc   -12.50T20240229\x01\x00\x00\x00"sv,
    "*                                      ?        \xff\xff\xff\xff"sv,
    " \x01\x02\x03\xff\xfe\xfd zzzzzzzzzzzz\xe0\xff\x9a***x.y-.3N9999x999\x00\x00\x00\x80"sv,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const xbase::Schema& schema = FuzzSchema();
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<xbase::Expression> expression;
  if (!xbase::Expression::Compile(text, schema, &expression).ok()) return 0;
  std::vector<char> key(expression->key_length() + 1);
  for (std::string_view bytes : kRecords) {
    std::string record(bytes.substr(0, schema.record_length()));
    record.resize(schema.record_length(), ' ');
    for (bool exact : {false, true}) {
      xbase::RecordRef ref{record.data(), 3, exact};
      xbase::Value value;
      expression->Evaluate(ref, &value);
      if (expression->type() == xbase::ValueType::kLogical) {
        if (expression->EvaluateLogical(ref) != value.logical) __builtin_trap();
      }
      key.back() = '\x5a';
      expression->EvaluateKey(ref, key.data());
      if (key.back() != '\x5a') __builtin_trap();  // wrote past key_length()
    }
  }
  return 0;
}
