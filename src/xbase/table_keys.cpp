// Compiling tag keys and filters, and turning typed seek keys into key bytes.
#include <cstdlib>

#include "table_impl.h"

namespace xbase {
namespace {

constexpr size_t kMaxKeyLength = 240;

Status CompileKey(const std::string& name, std::string_view key_text, const Schema& schema,
                  std::unique_ptr<Expression>* key) {
  Status s = Expression::Compile(key_text, schema, key);
  if (!s.ok()) return Status::InvalidArgument("key of tag " + name + ": " + s.message());
  size_t length = (*key)->key_length();
  if (length < 1 || length > kMaxKeyLength) {
    return Status::InvalidArgument("key of tag " + name + " is " + std::to_string(length) +
                                   " bytes long; keys may be 1 to 240 bytes");
  }
  return Status::OK();
}

bool ValidTagName(std::string_view name) {
  if (name.empty() || name.size() > 10) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return std::isalpha(static_cast<unsigned char>(name[0]));
}

}  // namespace

Status CompileFilter(std::string_view text, const Schema& schema,
                     std::unique_ptr<Expression>* result) {
  XBASE_RETURN_IF_ERROR(Expression::Compile(text, schema, result));
  if ((*result)->type() != ValueType::kLogical) {
    result->reset();
    std::string message(1, '"');
    message.append(text);
    message += "\" is not a logical expression";
    return Status::InvalidArgument(message);
  }
  return Status::OK();
}

Status CompileTag(const TagSpec& spec, const Schema& schema, ActiveTag* tag) {
  if (!ValidTagName(spec.name)) {
    return Status::InvalidArgument("\"" + spec.name +
                                   "\" is not a valid tag name (1 to 10 letters, digits or _)");
  }
  TagDefinition& d = tag->definition;
  d.name.clear();
  for (char c : spec.name) d.name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  d.key_expression = spec.key_expression;
  d.for_expression = spec.for_expression;
  d.descending = spec.descending;
  d.unique = false;
  return CompileStoredTag(d, schema, tag);
}

Status CompileStoredTag(const TagDefinition& definition, const Schema& schema, ActiveTag* tag) {
  tag->definition = definition;
  XBASE_RETURN_IF_ERROR(CompileKey(definition.name, definition.key_expression, schema, &tag->key));
  tag->definition.key_length = static_cast<uint16_t>(tag->key->key_length());
  tag->definition.character_keys = tag->key->type() == ValueType::kCharacter ||
                                   tag->key->type() == ValueType::kLogical;
  tag->condition.reset();
  if (!definition.for_expression.empty()) {
    Status s = CompileFilter(definition.for_expression, schema, &tag->condition);
    if (!s.ok()) return Status::InvalidArgument("condition of tag " + definition.name + ": " + s.message());
  }
  return Status::OK();
}

bool ActiveTag::KeyOf(const RecordRef& record, std::string* key_out) const {
  key_out->resize(definition.key_length);
  key->EvaluateKey(record, key_out->data());
  return !condition || condition->EvaluateLogical(record);
}

Status SeekKeyFor(const ActiveTag& tag, std::string_view typed, bool exact, std::string* key) {
  size_t length = tag.definition.key_length;
  switch (tag.key->type()) {
    case ValueType::kCharacter:
      key->assign(typed.substr(0, length));
      if (exact) key->resize(length, ' ');
      return Status::OK();
    case ValueType::kLogical: {
      char c = typed.empty() ? 'F' : static_cast<char>(std::toupper(static_cast<unsigned char>(
                                         typed[typed.size() > 2 && typed[0] == '.' ? 1 : 0])));
      key->assign(1, c == 'T' || c == 'Y' ? 'T' : 'F');
      return Status::OK();
    }
    case ValueType::kNumeric: {
      std::string text(typed);
      char* end = nullptr;
      double value = std::strtod(text.c_str(), &end);
      if (end == text.c_str()) return Status::InvalidArgument("\"" + text + "\" is not a number");
      key->resize(8);
      EncodeNumericKey(value, key->data());
      return Status::OK();
    }
    case ValueType::kDate: {
      std::string text(typed);
      int y = 0, m = 0, d = 0;
      if (text.size() != 8 || std::sscanf(text.c_str(), "%4d%2d%2d", &y, &m, &d) != 3) {
        return Status::InvalidArgument("\"" + text + "\" is not a date (YYYYMMDD)");
      }
      key->resize(8);
      EncodeNumericKey(JulianDay(y, m, d), key->data());
      return Status::OK();
    }
  }
  return Status::InvalidArgument("unsupported key type");
}

}  // namespace xbase
