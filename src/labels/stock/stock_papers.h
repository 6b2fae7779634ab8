// The paper sizes and label shapes a stock can name: their codes, the
// texts of the stock editor's lists, the preset sizes and the printer
// paper numbers label printing asks for.
#pragma once

#include <span>
#include <string_view>

namespace vellumo {

// Printer paper numbers (the platform's standard numbers).
inline constexpr int kLetterPaper = 1;
inline constexpr int kA4Paper = 9;
inline constexpr int kA5Paper = 11;
// A size given by width and height rather than by a number.
inline constexpr int kCustomPaperNumber = 0;

struct StockPaper {
  const char* list_entry;  // as the stock editor lists it
  const char* code;        // as PAPERSIZE stores it
  double width_inches;     // 0 for the user-defined sizes: as entered
  double height_inches;
  bool landscape;
  int printer_paper;  // kCustomPaperNumber for the user-defined sizes
  // The presets in millimetres are the inch presets × 25.4 (so A4 is
  // 210.058 mm, not 210), which round-trips the inches exactly.
  double width_mm() const { return width_inches * 25.4; }
  double height_mm() const { return height_inches * 25.4; }
};

// The seven entries in the editor's order.
std::span<const StockPaper> StockPapers();
// The entry of a paper code, null for a code that is none of them.
const StockPaper* StockPaperForCode(std::string_view code);

struct StockShape {
  const char* list_entry;
  const char* code;
};

// "Rectangular with Rounded Edges" RR, "Rectangular" SR, "Round" EL.
std::span<const StockShape> StockShapes();
// The entry of a shape code; any other code is taken as round.
const StockShape& StockShapeForCode(std::string_view code);

}  // namespace vellumo
