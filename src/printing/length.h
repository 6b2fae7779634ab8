// Length: a distance on a page, kept in inches and built from or read as
// inches, points (1/72 inch) or millimetres (25.4 to the inch), so that
// page measurements never mix units by accident.
#pragma once

#include <compare>

namespace vellumo {

class Length {
 public:
  constexpr Length() = default;

  static constexpr Length Inches(double inches) { return Length(inches); }
  static constexpr Length Points(double points) { return Length(points / kPointsPerInch); }
  static constexpr Length Millimetres(double millimetres) { return Length(millimetres / kMillimetresPerInch); }

  [[nodiscard]] constexpr double inches() const { return inches_; }
  [[nodiscard]] constexpr double points() const { return inches_ * kPointsPerInch; }
  [[nodiscard]] constexpr double millimetres() const { return inches_ * kMillimetresPerInch; }
  // Device pixels at `dpi` pixels per inch.
  [[nodiscard]] constexpr double pixels(double dpi) const { return inches_ * dpi; }

  constexpr Length operator+(Length other) const { return Length(inches_ + other.inches_); }
  constexpr Length operator-(Length other) const { return Length(inches_ - other.inches_); }
  constexpr Length operator-() const { return Length(-inches_); }
  constexpr Length operator*(double factor) const { return Length(inches_ * factor); }
  constexpr Length operator/(double divisor) const { return Length(inches_ / divisor); }
  constexpr double operator/(Length other) const { return inches_ / other.inches_; }
  constexpr Length& operator+=(Length other) { return *this = *this + other; }
  constexpr Length& operator-=(Length other) { return *this = *this - other; }
  constexpr auto operator<=>(const Length&) const = default;

 private:
  static constexpr double kPointsPerInch = 72;
  static constexpr double kMillimetresPerInch = 25.4;
  constexpr explicit Length(double inches) : inches_(inches) {}
  double inches_ = 0;
};

constexpr Length operator*(double factor, Length length) { return length * factor; }

}  // namespace vellumo
