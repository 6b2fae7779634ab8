// The multi-line text objects: TGMultiLineBaseLabel draws a list of lines,
// aligned, optionally wrapped at the object's width and optionally shrunk
// until they fit its box; TGMultiLineLabel is its fixed text,
// TGDMultiLineLabel a memo field of the page's record and
// TGDMultiLineAddressLabel the record's mailing address. Lines are wrapped,
// placed and shrunk by the text library on the canvas that draws them.
#pragma once

#include <string>
#include <vector>

#include "design/model/graphic_control.h"
#include "design/model/text_font.h"
#include "design/text/address_block.h"

namespace vellumo::design {

// How the last print went for an object that may shrink its font.
struct PrintFit {
  bool shrunk = false;  // printed below the object's font size
  bool fits = true;     // every line lay within the box
};

class TGMultiLineBaseLabel : public TGGraphicControl {
 public:
  std::vector<std::string> Items;
  bool AutoSize = false;  // stored only
  TAlignment Alignment = taLeftJustify;
  StoredFont Font = DefaultTextFont();
  bool WordWrap = false;
  // Lowers the font in steps of one point, down to 6 points, until every
  // line fits the box. Off unless set, so designs stored before it print
  // as they did; the drawing tools turn it on.
  bool ShrinkToFit = false;

  void ApplyFont(const StoredFont& font) override;
  // The lines (wrapped at the width with WordWrap, shrunk with
  // ShrinkToFit) one line pitch apart, each cut at the box's bottom; lines
  // below the box are left out.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;
  [[nodiscard]] PrintFit LastPrintFit() const { return last_fit_; }

  // One line pitch high per line shown on screen (wrapped at the width
  // with WordWrap; an empty object shows one placeholder line), and at
  // least as wide as the widest of them, in its font at zoom 1.0.
  void SizeToLines();
  // A multi-line object drawn with a tool sizes itself to its lines.
  void SizeToContent() override { SizeToLines(); }

 protected:
  TGMultiLineBaseLabel() : TGGraphicControl(190, 33) {}
  // The placeholder of an empty object on screen.
  void ScreenExtras(TBaseReport& canvas, double x0, double y0) const override;
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
  // Whether the lines belong in the stored form (record values do not).
  [[nodiscard]] virtual bool StoresItems() const { return false; }
  // Memo objects show "<blank memo>" when empty, others "<blank>".
  [[nodiscard]] virtual bool MemoObject() const { return false; }

 private:
  PrintFit DrawLines(TBaseReport& canvas, double x0, double y0, const QStringList& items, bool shrink) const;

  mutable PrintFit last_fit_;
};

class TGMultiLineLabel : public TGMultiLineBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGMultiLineLabel"; }

 protected:
  [[nodiscard]] bool StoresItems() const override { return true; }
};

class TGDMultiLineLabel : public TGMultiLineBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGDMultiLineLabel"; }

  std::string DataFieldName;
  std::string DataFieldDescript;  // the display label the memo field is found by

  // The memo's lines, the bracketed label while field names show,
  // "<undefined memo>" when unbound (nothing while printing).
  void RefreshData(const RecordSource& record) override;
  void ClearData() override { Items.clear(); }

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
  [[nodiscard]] bool MemoObject() const override { return true; }
};

class TGDMultiLineAddressLabel : public TGMultiLineBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGDMultiLineAddressLabel"; }

  AddressBlockOptions Options;

  // The composed address lines, or "[Address Label]" while field names show.
  void RefreshData(const RecordSource& record) override;
  void ClearData() override { Items.clear(); }

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
};

}  // namespace vellumo::design
