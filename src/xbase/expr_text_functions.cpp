// Text functions: case mapping, trimming, SUBSTR/LEFT/RIGHT, padding,
// SPACE/REPLICATE, AT, LEN, CHR and ASC.
#include <cstring>

#include "expr_functions.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

// UPPER and LOWER; a field argument is mapped straight from the record.
class CaseMap final : public Node {
 public:
  CaseMap(NodePtr arg, bool upper)
      : Node(ValueType::kCharacter, arg->width()), arg_(std::move(arg)), upper_(upper) {
    SetChildren({arg_.get()});
    direct_ = arg_->AsFieldText(&field_) && !field_.upper;
  }
  size_t Text(const Frame& f, char* out) const override {
    if (direct_) {
      MapCase(f.record.data + field_.offset, field_.length, upper_, out);
      return field_.length;
    }
    size_t len = arg_->Text(f, out);
    MapCase(out, len, upper_, out);
    return len;
  }
  bool AsFieldText(FieldText* source) const override {
    if (!direct_ || !upper_) return false;
    *source = field_;
    source->upper = true;
    return true;
  }

 private:
  NodePtr arg_;
  bool upper_;
  bool direct_ = false;
  FieldText field_;
};

enum class TrimSide { kRight, kLeft, kBoth };

class Trim final : public Node {
 public:
  Trim(NodePtr arg, TrimSide side)
      : Node(ValueType::kCharacter, arg->width()), arg_(std::move(arg)), side_(side) {
    SetChildren({arg_.get()});
  }
  size_t Text(const Frame& f, char* out) const override {
    size_t len = arg_->Text(f, out);
    if (side_ != TrimSide::kLeft) len = TrimmedLength(out, len);
    if (side_ != TrimSide::kRight) {
      size_t skip = LeadingBlanks(out, len);
      len -= skip;
      if (skip > 0) std::memmove(out, out + skip, len);
    }
    return len;
  }

 private:
  NodePtr arg_;
  TrimSide side_;
};

// SUBSTR(text, start[, count]), LEFT and RIGHT. Positions count from 1; a
// start before 1 reads as 1, past the end gives an empty text. RIGHT counts
// from the end.
class Substring final : public Node {
 public:
  Substring(size_t width, NodePtr text, NodePtr start, NodePtr count, bool from_right, ScratchPlan* plan)
      : Node(ValueType::kCharacter, width),
        text_(std::move(text)),
        start_(std::move(start)),
        count_(std::move(count)),
        from_right_(from_right) {
    SetChildren({text_.get(), start_.get(), count_.get()});
    slot_ = plan->Reserve(text_->width());
  }
  size_t Text(const Frame& f, char* out) const override {
    char* in = f.scratch + slot_;
    long len = static_cast<long>(text_->Text(f, in));
    long count = count_ ? ClampCount(count_->Number(f), 0, static_cast<long>(width())) : len;
    long first;
    if (from_right_) {
      if (count > len) count = len;
      first = len - count;
    } else {
      first = start_ ? ClampCount(start_->Number(f), 1, len + 1) - 1 : 0;
      if (count > len - first) count = len - first;
    }
    if (count > 0) std::memcpy(out, in + first, static_cast<size_t>(count));
    return count > 0 ? static_cast<size_t>(count) : 0;
  }

 private:
  NodePtr text_;
  NodePtr start_;
  NodePtr count_;
  bool from_right_;
  size_t slot_;
};

// PADL/PADR: the text cut or filled to a fixed length with the first byte of
// the fill text (a blank when absent or empty).
class Pad final : public Node {
 public:
  Pad(size_t width, NodePtr text, NodePtr fill, bool left, ScratchPlan* plan)
      : Node(ValueType::kCharacter, width), text_(std::move(text)), fill_(std::move(fill)), left_(left) {
    SetChildren({text_.get(), fill_.get()});
    text_slot_ = plan->Reserve(text_->width());
    if (fill_) fill_slot_ = plan->Reserve(fill_->width());
  }
  size_t Text(const Frame& f, char* out) const override {
    char* in = f.scratch + text_slot_;
    size_t len = text_->Text(f, in);
    if (len > width()) len = width();
    char fill = ' ';
    if (fill_ && fill_->Text(f, f.scratch + fill_slot_) > 0) fill = f.scratch[fill_slot_];
    size_t gap = width() - len;
    std::memset(left_ ? out : out + len, fill, gap);
    std::memcpy(left_ ? out + gap : out, in, len);
    return width();
  }

 private:
  NodePtr text_;
  NodePtr fill_;
  bool left_;
  size_t text_slot_;
  size_t fill_slot_ = 0;
};

// REPLICATE with a constant count; SPACE is REPLICATE(" ", n).
class Replicate final : public Node {
 public:
  Replicate(NodePtr text, size_t times)
      : Node(ValueType::kCharacter, text->width() * times), text_(std::move(text)), times_(times) {
    SetChildren({text_.get()});
  }
  size_t Text(const Frame& f, char* out) const override {
    if (times_ == 0) return 0;  // out has no room for even one copy
    size_t len = text_->Text(f, out);
    for (size_t i = 1; i < times_; ++i) std::memcpy(out + i * len, out, len);
    return len * times_;
  }

 private:
  NodePtr text_;
  size_t times_;
};

// AT(needle, haystack): 1-based position, 0 when absent.
class At final : public Node {
 public:
  At(NodePtr needle, NodePtr haystack, ScratchPlan* plan)
      : Node(ValueType::kNumeric, 0), needle_(std::move(needle)), haystack_(std::move(haystack)) {
    SetChildren({needle_.get(), haystack_.get()});
    needle_slot_ = plan->Reserve(needle_->width());
    haystack_slot_ = plan->Reserve(haystack_->width());
  }
  double Number(const Frame& f) const override {
    const char* n = f.scratch + needle_slot_;
    const char* h = f.scratch + haystack_slot_;
    size_t n_len = needle_->Text(f, f.scratch + needle_slot_);
    size_t h_len = haystack_->Text(f, f.scratch + haystack_slot_);
    return static_cast<double>(FindText(n, n_len, h, h_len) + 1);
  }

 private:
  NodePtr needle_;
  NodePtr haystack_;
  size_t needle_slot_;
  size_t haystack_slot_;
};

// LEN and ASC: a number from a text held in working memory.
class TextMeasure final : public Node {
 public:
  TextMeasure(NodePtr text, bool first_byte, ScratchPlan* plan)
      : Node(ValueType::kNumeric, 0), text_(std::move(text)), first_byte_(first_byte) {
    SetChildren({text_.get()});
    slot_ = plan->Reserve(text_->width());
  }
  double Number(const Frame& f) const override {
    char* in = f.scratch + slot_;
    size_t len = text_->Text(f, in);
    if (!first_byte_) return static_cast<double>(len);
    return len > 0 ? static_cast<unsigned char>(in[0]) : 0;
  }

 private:
  NodePtr text_;
  bool first_byte_;
  size_t slot_;
};

class Chr final : public Node {
 public:
  explicit Chr(NodePtr code) : Node(ValueType::kCharacter, 1), code_(std::move(code)) {
    SetChildren({code_.get()});
  }
  size_t Text(const Frame& f, char* out) const override {
    out[0] = static_cast<char>(ClampCount(code_->Number(f), 0, 255));
    return 1;
  }

 private:
  NodePtr code_;
};

Status BuildCaseMap(const Call& call, bool upper) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<CaseMap>(call.Take(0), upper);
  return Status::OK();
}

Status BuildTrim(const Call& call, TrimSide side) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<Trim>(call.Take(0), side);
  return Status::OK();
}

// Width of SUBSTR/LEFT/RIGHT: a constant count gives it (never more than
// kMaxTextWidth), otherwise the text's.
Status SubstringWidth(const Call& call, size_t count_arg, size_t* width) {
  *width = call.args[0].node->width();
  if (count_arg >= call.args.size()) return Status::OK();
  XBASE_RETURN_IF_ERROR(call.Expect(count_arg, ValueType::kNumeric));
  const Node& count = *call.args[count_arg].node;
  if (!count.constant()) return Status::OK();
  // Folded already, so it reads nothing; a negative count means an empty text.
  RecordRef nothing;
  *width = static_cast<size_t>(ClampCount(count.Number(Frame{nothing, nullptr}), 0, static_cast<long>(kMaxTextWidth)));
  return Status::OK();
}

Status BuildPad(const Call& call, bool left) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  int width = 0;
  XBASE_RETURN_IF_ERROR(call.ConstantInt(1, 0, static_cast<int>(kMaxTextWidth), &width));
  NodePtr fill;
  if (call.args.size() == 3) {
    XBASE_RETURN_IF_ERROR(call.Expect(2, ValueType::kCharacter));
    fill = call.Take(2);
  }
  *call.result = std::make_unique<Pad>(static_cast<size_t>(width), call.Take(0), std::move(fill), left, call.plan);
  return Status::OK();
}

Status BuildRepeated(const Call& call, NodePtr text, size_t times_arg) {
  int times = 0;
  XBASE_RETURN_IF_ERROR(call.ConstantInt(times_arg, 0, static_cast<int>(kMaxTextWidth), &times));
  if (text->width() * static_cast<size_t>(times) > kMaxTextWidth) {
    return ErrorAt(std::string(call.name) + " would make a text longer than " +
                       std::to_string(kMaxTextWidth) + " bytes",
                   call.args[times_arg].column);
  }
  *call.result = std::make_unique<Replicate>(std::move(text), static_cast<size_t>(times));
  return Status::OK();
}

}  // namespace

Status BuildUpper(const Call& call) { return BuildCaseMap(call, true); }
Status BuildLower(const Call& call) { return BuildCaseMap(call, false); }
Status BuildRTrim(const Call& call) { return BuildTrim(call, TrimSide::kRight); }
Status BuildLTrim(const Call& call) { return BuildTrim(call, TrimSide::kLeft); }
Status BuildAllTrim(const Call& call) { return BuildTrim(call, TrimSide::kBoth); }

Status BuildSubstr(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  XBASE_RETURN_IF_ERROR(call.Expect(1, ValueType::kNumeric));
  size_t width = 0;
  XBASE_RETURN_IF_ERROR(SubstringWidth(call, 2, &width));
  NodePtr count = call.args.size() == 3 ? call.Take(2) : nullptr;
  *call.result = std::make_unique<Substring>(width, call.Take(0), call.Take(1), std::move(count), false, call.plan);
  return Status::OK();
}

Status BuildLeft(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  size_t width = 0;
  XBASE_RETURN_IF_ERROR(SubstringWidth(call, 1, &width));
  *call.result = std::make_unique<Substring>(width, call.Take(0), nullptr, call.Take(1), false, call.plan);
  return Status::OK();
}

Status BuildRight(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  size_t width = 0;
  XBASE_RETURN_IF_ERROR(SubstringWidth(call, 1, &width));
  *call.result = std::make_unique<Substring>(width, call.Take(0), nullptr, call.Take(1), true, call.plan);
  return Status::OK();
}

Status BuildSpace(const Call& call) {
  return BuildRepeated(call, MakeTextLiteral(" ", 1), 0);
}

Status BuildReplicate(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  XBASE_RETURN_IF_ERROR(call.Expect(1, ValueType::kNumeric));
  return BuildRepeated(call, call.Take(0), 1);
}

Status BuildPadL(const Call& call) { return BuildPad(call, true); }
Status BuildPadR(const Call& call) { return BuildPad(call, false); }

Status BuildAt(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  XBASE_RETURN_IF_ERROR(call.Expect(1, ValueType::kCharacter));
  *call.result = std::make_unique<At>(call.Take(0), call.Take(1), call.plan);
  return Status::OK();
}

Status BuildLen(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<TextMeasure>(call.Take(0), false, call.plan);
  return Status::OK();
}

Status BuildAsc(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kCharacter));
  *call.result = std::make_unique<TextMeasure>(call.Take(0), true, call.plan);
  return Status::OK();
}

Status BuildChr(const Call& call) {
  XBASE_RETURN_IF_ERROR(call.Expect(0, ValueType::kNumeric));
  *call.result = std::make_unique<Chr>(call.Take(0));
  return Status::OK();
}

}  // namespace xbase::expr
