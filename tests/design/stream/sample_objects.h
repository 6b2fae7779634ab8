// Design objects written the way the object classes write them (their
// properties in table order under the writing rules), for the tests of
// the stream layer.
#pragma once

#include <string>
#include <vector>

#include "design/stream/colours.h"
#include "design/stream/stored_object.h"

namespace vellumo::design::testing {

// The stored form of a fixed text object with the given bounds and
// caption, Arial at the given point size, every other value default.
StoredObject FixedText(const std::string& component, int left, int top, int width, int height,
                       const std::string& caption, int points = 10);

// A rectangle with the given pen colour and width, default brush.
StoredObject Rectangle(const std::string& component, Colour pen_colour, int pen_width);

// A multi-line text block with the given lines.
StoredObject TextBlock(const std::string& component, const std::vector<std::string>& lines);

// The design stream of the objects; a failure fails the test.
std::string Encode(const std::vector<StoredObject>& objects);

// The bytes of the fixed text example: "Special1" at 10, 20, 142 x 33,
// caption "Hi", Arial 10 points.
std::string Special1Bytes();

}  // namespace vellumo::design::testing
