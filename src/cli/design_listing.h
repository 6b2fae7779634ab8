// How vellumo-cli shows design objects: one line per object with its
// class, component name, bounds in design units and inches, then every
// stored property as name=value. Works on stored records alone, so that
// objects of any class show, known to the design model or not.
#pragma once

#include <string>

#include "design/stream/stored_object.h"
#include "design/stream/value.h"

namespace cli {

// Texts quoted, identifiers bare, sets in brackets, lists in parentheses,
// binary blocks as "<N bytes>" or, for a picture, "<N bytes, TBitmap 120x80>".
std::string ShowValue(const vellumo::design::Value& value);

// "TGImage Special1 bounds=10,20,105,105 (0.104in,0.208in,1.094in,1.094in) Left=10 ...";
// an object without a component name shows "-" in its place.
std::string ShowObject(const vellumo::design::StoredObject& object);

}  // namespace cli
