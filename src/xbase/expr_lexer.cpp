// Tokens of the expression language.
#include "expr_lexer.h"

#include "expr_dates.h"
#include "expr_node.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

bool IsKeyword(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != keyword[i]) return false;
  }
  return true;
}

Status Lexer::Next(Token* token) {
  while (pos_ < source_.size() &&
         (source_[pos_] == ' ' || source_[pos_] == '\t' || source_[pos_] == '\r' || source_[pos_] == '\n')) {
    ++pos_;
  }
  token->column = static_cast<int>(pos_) + 1;
  token->text.clear();
  size_t start = pos_;
  if (pos_ >= source_.size()) {
    token->kind = TokenKind::kEnd;
    token->spelling = {};
    return Status::OK();
  }
  char c = source_[pos_];
  Status s;
  if (IsLetter(c)) {
    while (pos_ < source_.size() && (IsLetter(source_[pos_]) || IsDigit(source_[pos_]))) ++pos_;
    token->kind = TokenKind::kIdentifier;
  } else if (IsDigit(c) || (c == '.' && pos_ + 1 < source_.size() && IsDigit(source_[pos_ + 1]))) {
    LexNumber(token);
  } else if (c == '.') {
    s = LexDotted(token);
  } else if (c == '"' || c == '\'') {
    s = LexText(token, c);
  } else if (c == '[') {
    s = LexText(token, ']');
  } else if (c == '{') {
    s = LexDate(token);
  } else {
    LexOperator(token);
    if (pos_ == start) {
      return ErrorAt("unexpected character \"" + std::string(1, c) + "\"", token->column);
    }
  }
  token->spelling = source_.substr(start, pos_ - start);
  return s;
}

Status Lexer::LexDotted(Token* token) {
  size_t end = pos_ + 1;
  while (end < source_.size() && IsLetter(source_[end])) ++end;
  if (end < source_.size() && source_[end] == '.') {
    std::string_view word = source_.substr(pos_ + 1, end - pos_ - 1);
    TokenKind kind = TokenKind::kEnd;
    if (IsKeyword(word, "AND")) {
      kind = TokenKind::kAnd;
    } else if (IsKeyword(word, "OR")) {
      kind = TokenKind::kOr;
    } else if (IsKeyword(word, "NOT")) {
      kind = TokenKind::kNot;
    } else if (IsKeyword(word, "T") || IsKeyword(word, "Y")) {
      kind = TokenKind::kLogical;
      token->logical = true;
    } else if (IsKeyword(word, "F") || IsKeyword(word, "N")) {
      kind = TokenKind::kLogical;
      token->logical = false;
    }
    if (kind != TokenKind::kEnd) {
      token->kind = kind;
      pos_ = end + 1;
      return Status::OK();
    }
  }
  return ErrorAt("unexpected \".\"", token->column);
}

void Lexer::LexNumber(Token* token) {
  size_t start = pos_;
  while (pos_ < source_.size() && IsDigit(source_[pos_])) ++pos_;
  // A point belongs to the number unless it starts a dotted word (1.AND.x).
  if (pos_ < source_.size() && source_[pos_] == '.' &&
      !(pos_ + 1 < source_.size() && IsLetter(source_[pos_ + 1]))) {
    ++pos_;
    while (pos_ < source_.size() && IsDigit(source_[pos_])) ++pos_;
  }
  token->kind = TokenKind::kNumber;
  token->number = ParseNumber(source_.data() + start, pos_ - start);
}

Status Lexer::LexText(Token* token, char close) {
  size_t end = source_.find(close, pos_ + 1);
  if (end == std::string_view::npos) {
    pos_ = source_.size();
    return ErrorAt("unterminated text literal", token->column);
  }
  token->kind = TokenKind::kText;
  token->text.assign(source_.substr(pos_ + 1, end - pos_ - 1));
  pos_ = end + 1;
  return Status::OK();
}

// {^YYYY-MM-DD}, {MM/DD/YYYY} or {} for the empty date.
Status Lexer::LexDate(Token* token) {
  size_t end = source_.find('}', pos_ + 1);
  if (end == std::string_view::npos) {
    pos_ = source_.size();
    return ErrorAt("unterminated date literal", token->column);
  }
  std::string_view inside = source_.substr(pos_ + 1, end - pos_ - 1);
  pos_ = end + 1;
  token->kind = TokenKind::kDate;
  token->date = 0;
  if (inside.empty()) return Status::OK();
  if (inside.size() == 11 && inside[0] == '^' && inside[5] == '-' && inside[8] == '-') {
    char stored[kDateTextLength];
    std::string_view digits[] = {inside.substr(1, 4), inside.substr(6, 2), inside.substr(9, 2)};
    size_t at = 0;
    for (std::string_view d : digits) {
      for (char c : d) stored[at++] = c;
    }
    token->date = DecodeDateText(stored);
  } else {
    token->date = ParseDisplayDate(inside.data(), inside.size());
  }
  if (token->date == 0) return ErrorAt("invalid date literal", token->column);
  return Status::OK();
}

void Lexer::LexOperator(Token* token) {
  struct Spelling {
    std::string_view text;
    TokenKind kind;
    BinaryOp op;
  };
  // Longest spellings first so that "==" is not read as "=" "=".
  static constexpr Spelling kOperators[] = {
      {"->", TokenKind::kArrow, BinaryOp::kAdd},
      {"**", TokenKind::kBinary, BinaryOp::kPower},
      {"==", TokenKind::kBinary, BinaryOp::kExactEqual},
      {"<>", TokenKind::kBinary, BinaryOp::kNotEqual},
      {"!=", TokenKind::kBinary, BinaryOp::kNotEqual},
      {"<=", TokenKind::kBinary, BinaryOp::kLessEqual},
      {">=", TokenKind::kBinary, BinaryOp::kGreaterEqual},
      {"#", TokenKind::kBinary, BinaryOp::kNotEqual},
      {"=", TokenKind::kBinary, BinaryOp::kEqual},
      {"<", TokenKind::kBinary, BinaryOp::kLess},
      {">", TokenKind::kBinary, BinaryOp::kGreater},
      {"$", TokenKind::kBinary, BinaryOp::kContains},
      {"+", TokenKind::kBinary, BinaryOp::kAdd},
      {"-", TokenKind::kBinary, BinaryOp::kSubtract},
      {"*", TokenKind::kBinary, BinaryOp::kMultiply},
      {"/", TokenKind::kBinary, BinaryOp::kDivide},
      {"%", TokenKind::kBinary, BinaryOp::kModulo},
      {"^", TokenKind::kBinary, BinaryOp::kPower},
      {"!", TokenKind::kNot, BinaryOp::kAdd},
      {"(", TokenKind::kLeftParen, BinaryOp::kAdd},
      {")", TokenKind::kRightParen, BinaryOp::kAdd},
      {",", TokenKind::kComma, BinaryOp::kAdd},
  };
  std::string_view rest = source_.substr(pos_);
  for (const Spelling& s : kOperators) {
    if (rest.starts_with(s.text)) {
      token->kind = s.kind;
      token->op = s.op;
      pos_ += s.text.size();
      return;
    }
  }
}

}  // namespace xbase::expr
