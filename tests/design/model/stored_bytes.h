// Building expected design-stream bytes by hand for golden tests: short
// strings, property entries of each kind and object records.
#pragma once

#include <string>
#include <string_view>

namespace vellumo::design::testing {

inline std::string Short(std::string_view s) { return char(s.size()) + std::string(s); }
inline std::string Int8(std::string_view name, int value) { return Short(name) + '\x02' + char(value); }
inline std::string Int16(std::string_view name, int value) {
  return Short(name) + '\x03' + char(value & 0xFF) + char((value >> 8) & 0xFF);
}
inline std::string Bool(std::string_view name, bool value) { return Short(name) + (value ? '\x09' : '\x08'); }
inline std::string Ident(std::string_view name, std::string_view id) { return Short(name) + '\x07' + Short(id); }
inline std::string Text(std::string_view name, std::string_view text) { return Short(name) + '\x06' + Short(text); }
// A font of this name and height (-128..127) in black, without style.
inline std::string BlackFont(std::string_view font_name, int height) {
  return Ident("Font.Color", "clBlack") + Int8("Font.Height", height) + Text("Font.Name", font_name) +
         Short("Font.Style") + '\x0B' + '\0';
}
// The end of a single-line text's stored part with a caption (none when
// empty), the default font and a transparent white background.
inline std::string PlainTextEnd(std::string_view caption) {
  return (caption.empty() ? std::string() : Text("Caption", caption)) + BlackFont("Arial", -13) +
         Bool("Transparent", true) + Ident("BackColor", "clWhite");
}
// The common part of an object with the given bounds, unlocked and selectable.
inline std::string Common(int left, int top, int width, int height) {
  return Int8("Left", left) + Int8("Top", top) + Int8("Width", width) + Int8("Height", height) +
         Bool("Locked", false) + Bool("Unselectable", false);
}
inline std::string Record(std::string_view class_name, std::string_view component, const std::string& properties) {
  return "TPF0" + Short(class_name) + Short(component) + properties + '\0' + '\0';
}
inline std::string List(const std::string& records) { return '\x01' + records + '\0'; }

}  // namespace vellumo::design::testing
