// Splits expression text into tokens. Keywords are recognised without regard
// to case; the word forms AND, OR and NOT come out as identifiers and are
// told apart by the parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "expr_operators.h"
#include "xbase/status.h"

namespace xbase::expr {

enum class TokenKind {
  kEnd,
  kIdentifier,
  kNumber,
  kText,
  kLogical,     // .T. .F. .Y. .N.
  kDate,        // {^2024-03-15}, {03/15/2024}, {}
  kBinary,      // every binary operator except .AND. / .OR.
  kAnd,         // .AND.
  kOr,          // .OR.
  kNot,         // .NOT. and !
  kLeftParen,
  kRightParen,
  kComma,
  kArrow,       // -> after an alias
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string_view spelling;  // as written
  int column = 1;             // 1-based
  BinaryOp op = BinaryOp::kAdd;
  double number = 0;
  bool logical = false;
  int32_t date = 0;
  std::string text;           // contents of a text literal
};

class Lexer {
 public:
  explicit Lexer(std::string_view source) : source_(source) {}
  // Reads the next token; kEnd at the end of the text, again and again.
  Status Next(Token* token);

 private:
  Status LexDotted(Token* token);
  void LexNumber(Token* token);
  Status LexText(Token* token, char close);
  Status LexDate(Token* token);
  void LexOperator(Token* token);

  std::string_view source_;
  size_t pos_ = 0;
};

// True when `word` spells `keyword` (upper case) in any case.
bool IsKeyword(std::string_view word, std::string_view keyword);

}  // namespace xbase::expr
