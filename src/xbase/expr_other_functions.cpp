// Functions on numbers, dates and logicals: STR, VAL, the date functions,
// IIF, EMPTY, DELETED, RECNO, INT, ABS, ROUND, MIN and MAX.
#include <cmath>
#include <cstring>

#include "expr_dates.h"
#include "expr_functions.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

// Defaults of STR(): ten bytes, no decimals.
inline constexpr int kDefaultStrWidth = 10;

class Str final : public Node {
 public:
  Str(NodePtr value, int width, int decimals)
      : Node(ValueType::kCharacter, static_cast<size_t>(width)), value_(std::move(value)), decimals_(decimals) {
    SetChildren({value_.get()});
  }
  size_t Text(const Frame& f, char* out) const override {
    FormatNumber(value_->Number(f), static_cast<int>(width()), decimals_, out);
    return width();
  }

 private:
  NodePtr value_;
  int decimals_;
};

// A number (or date) computed from a text held in working memory: VAL, CTOD.
class FromText final : public Node {
 public:
  FromText(ValueType type, NodePtr text, ScratchPlan* plan)
      : Node(type, 0), text_(std::move(text)) {
    SetChildren({text_.get()});
    slot_ = plan->Reserve(text_->width());
  }
  double Number(const Frame& f) const override {
    char* in = f.scratch + slot_;
    size_t len = text_->Text(f, in);
    return type() == ValueType::kDate ? ParseDisplayDate(in, len) : ParseNumber(in, len);
  }

 private:
  NodePtr text_;
  size_t slot_;
};

// DTOS and DTOC.
class DateText final : public Node {
 public:
  DateText(NodePtr date, bool display)
      : Node(ValueType::kCharacter, display ? kDisplayDateLength : kDateTextLength),
        date_(std::move(date)),
        display_(display) {
    SetChildren({date_.get()});
  }
  size_t Text(const Frame& f, char* out) const override {
    int32_t jd = static_cast<int32_t>(ClampCount(date_->Number(f), 0, INT32_MAX));
    if (display_) {
      FormatDisplayDate(jd, out);
    } else {
      EncodeDateText(jd, out);
    }
    return width();
  }

 private:
  NodePtr date_;
  bool display_;
};

enum class DatePart { kYear, kMonth, kDay };

class DatePartOf final : public Node {
 public:
  DatePartOf(NodePtr date, DatePart part) : Node(ValueType::kNumeric, 0), date_(std::move(date)), part_(part) {
    SetChildren({date_.get()});
  }
  double Number(const Frame& f) const override {
    int y = 0, m = 0, d = 0;
    CivilFromJulianDay(static_cast<int32_t>(ClampCount(date_->Number(f), 0, INT32_MAX)), &y, &m, &d);
    return part_ == DatePart::kYear ? y : (part_ == DatePart::kMonth ? m : d);
  }

 private:
  NodePtr date_;
  DatePart part_;
};

// Values that come from outside the record's fields: DELETED(), RECNO(), DATE().
enum class Context { kDeleted, kRecno, kToday };

class ContextValue final : public Node {
 public:
  explicit ContextValue(Context what)
      : Node(what == Context::kDeleted ? ValueType::kLogical
                                       : (what == Context::kRecno ? ValueType::kNumeric : ValueType::kDate),
             0),
        what_(what) {
    SetChildren({}, /*pure=*/false);
  }
  bool Logical(const Frame& f) const override { return f.record.data[0] == '*'; }
  double Number(const Frame& f) const override {
    return what_ == Context::kRecno ? static_cast<double>(f.record.recno) : Today();
  }

 private:
  Context what_;
};

class Iif final : public Node {
 public:
  Iif(NodePtr cond, NodePtr a, NodePtr b)
      : Node(a->type(), a->width() > b->width() ? a->width() : b->width()),
        cond_(std::move(cond)), a_(std::move(a)), b_(std::move(b)) {
    SetChildren({cond_.get(), a_.get(), b_.get()});
  }
  bool Logical(const Frame& f) const override { return Pick(f).Logical(f); }
  double Number(const Frame& f) const override { return Pick(f).Number(f); }
  size_t Text(const Frame& f, char* out) const override { return Pick(f).Text(f, out); }

 private:
  const Node& Pick(const Frame& f) const { return cond_->Logical(f) ? *a_ : *b_; }
  NodePtr cond_, a_, b_;
};

// EMPTY(): blank text, zero, the empty date or false.
class Empty final : public Node {
 public:
  Empty(NodePtr arg, ScratchPlan* plan) : Node(ValueType::kLogical, 0), arg_(std::move(arg)) {
    SetChildren({arg_.get()});
    if (arg_->type() == ValueType::kCharacter) slot_ = plan->Reserve(arg_->width());
  }
  bool Logical(const Frame& f) const override {
    switch (arg_->type()) {
      case ValueType::kCharacter: {
        char* in = f.scratch + slot_;
        return TrimmedLength(in, arg_->Text(f, in)) == 0;
      }
      case ValueType::kNumeric:
      case ValueType::kDate: return arg_->Number(f) == 0;
      case ValueType::kLogical: break;
    }
    return !arg_->Logical(f);
  }

 private:
  NodePtr arg_;
  size_t slot_ = 0;
};

enum class Rounding { kTruncate, kAbsolute, kRound };

class NumberFunction final : public Node {
 public:
  NumberFunction(NodePtr value, NodePtr places, Rounding kind)
      : Node(ValueType::kNumeric, 0), value_(std::move(value)), places_(std::move(places)), kind_(kind) {
    SetChildren({value_.get(), places_.get()});
  }
  double Number(const Frame& f) const override {
    double v = value_->Number(f);
    if (kind_ == Rounding::kTruncate) return std::trunc(v);
    if (kind_ == Rounding::kAbsolute) return std::fabs(v);
    double scale = std::pow(10.0, static_cast<double>(ClampCount(places_->Number(f), -15, 15)));
    return std::round(v * scale) / scale;
  }

 private:
  NodePtr value_;
  NodePtr places_;
  Rounding kind_;
};

// MIN and MAX of two numbers, dates or texts.
class Extreme final : public Node {
 public:
  Extreme(NodePtr a, NodePtr b, bool max, ScratchPlan* plan)
      : Node(a->type(), a->width() > b->width() ? a->width() : b->width()),
        a_(std::move(a)), b_(std::move(b)), max_(max) {
    SetChildren({a_.get(), b_.get()});
    if (type() == ValueType::kCharacter) {
      a_slot_ = plan->Reserve(a_->width());
      b_slot_ = plan->Reserve(b_->width());
    }
  }
  double Number(const Frame& f) const override {
    double a = a_->Number(f), b = b_->Number(f);
    return (max_ ? a >= b : a <= b) ? a : b;
  }
  size_t Text(const Frame& f, char* out) const override {
    char* a = f.scratch + a_slot_;
    char* b = f.scratch + b_slot_;
    size_t a_len = a_->Text(f, a);
    size_t b_len = b_->Text(f, b);
    int c = ComparePadded(a, a_len, b, b_len);
    bool take_a = max_ ? c >= 0 : c <= 0;
    size_t len = take_a ? a_len : b_len;
    if (len > 0) std::memcpy(out, take_a ? a : b, len);
    return len;
  }

 private:
  NodePtr a_, b_;
  bool max_;
  size_t a_slot_ = 0, b_slot_ = 0;
};

Status BuildDatePart(const Call& call, DatePart part) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kDate));
  *call.result = std::make_unique<DatePartOf>(call.Take(0), part);
  return Status::OK();
}

Status BuildDateText(const Call& call, bool display) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kDate));
  *call.result = std::make_unique<DateText>(call.Take(0), display);
  return Status::OK();
}

Status BuildNumberFunction(const Call& call, Rounding kind) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kNumeric));
  NodePtr places;
  if (call.args.size() == 2) {
    XBASE_RETURN_IF_ERROR(call.Expect(1, ValueType::kNumeric));
    places = call.Take(1);
  }
  *call.result = std::make_unique<NumberFunction>(call.Take(0), std::move(places), kind);
  return Status::OK();
}

Status BuildExtreme(const Call& call, bool max) {
  ValueType type = call.args[0].node->type();
  if (type == ValueType::kLogical) {
    return ErrorAt(std::string(call.name) + " needs numbers, dates or texts", call.args[0].column);
  }
  XBASE_RETURN_IF_ERROR(call.Expect(1, type));
  *call.result = std::make_unique<Extreme>(call.Take(0), call.Take(1), max, call.plan);
  return Status::OK();
}

}  // namespace

Status BuildStr(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kNumeric));
  int width = kDefaultStrWidth;
  int decimals = 0;
  if (call.args.size() >= 2) XBASE_RETURN_IF_ERROR(call.ConstantInt(1, 1, kMaxStrWidth, &width));
  if (call.args.size() == 3) XBASE_RETURN_IF_ERROR(call.ConstantInt(2, 0, kMaxStrWidth, &decimals));
  *call.result = std::make_unique<Str>(call.Take(0), width, decimals);
  return Status::OK();
}

Status BuildVal(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<FromText>(ValueType::kNumeric, call.Take(0), call.plan);
  return Status::OK();
}

Status BuildCtod(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<FromText>(ValueType::kDate, call.Take(0), call.plan);
  return Status::OK();
}

Status BuildDtos(const Call& call) { return BuildDateText(call, false); }
Status BuildDtoc(const Call& call) { return BuildDateText(call, true); }
Status BuildYear(const Call& call) { return BuildDatePart(call, DatePart::kYear); }
Status BuildMonth(const Call& call) { return BuildDatePart(call, DatePart::kMonth); }
Status BuildDay(const Call& call) { return BuildDatePart(call, DatePart::kDay); }

Status BuildDate(const Call& call) {
  *call.result = std::make_unique<ContextValue>(Context::kToday);
  return Status::OK();
}

Status BuildDeleted(const Call& call) {
  *call.result = std::make_unique<ContextValue>(Context::kDeleted);
  return Status::OK();
}

Status BuildRecno(const Call& call) {
  *call.result = std::make_unique<ContextValue>(Context::kRecno);
  return Status::OK();
}

Status BuildIif(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kLogical));
  ValueType type = call.args[1].node->type();
  XBASE_RETURN_IF_ERROR(call.Expect(2, type));
  *call.result = std::make_unique<Iif>(call.Take(0), call.Take(1), call.Take(2));
  return Status::OK();
}

Status BuildEmpty(const Call& call) {
  *call.result = std::make_unique<Empty>(call.Take(0), call.plan);
  return Status::OK();
}

Status BuildInt(const Call& call) { return BuildNumberFunction(call, Rounding::kTruncate); }
Status BuildAbs(const Call& call) { return BuildNumberFunction(call, Rounding::kAbsolute); }
Status BuildRound(const Call& call) { return BuildNumberFunction(call, Rounding::kRound); }
Status BuildMin(const Call& call) { return BuildExtreme(call, false); }
Status BuildMax(const Call& call) { return BuildExtreme(call, true); }

}  // namespace xbase::expr
