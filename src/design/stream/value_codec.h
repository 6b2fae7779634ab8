// The byte form of single values: the tag byte and its payload. Texts are
// Windows-1252 in the stream and UTF-8 in a Value; the conversion happens
// here and nowhere else.
#pragma once

#include <string>
#include <string_view>

#include "design/stream/byte_reader.h"
#include "design/stream/result.h"
#include "design/stream/value.h"

namespace vellumo::design {

// Appends the value to *out. Integers take the smallest of the three
// widths, texts the short form below 256 bytes and the long form from
// there, booleans the false and true tags. Fails, leaving *out with a part
// of the value, for what the stream cannot hold: an extended float (never
// written), a name longer than 255 bytes, an empty set member, lists nested
// more than kMaxValueNesting deep.
Status EncodeValue(const Value& value, std::string* out);

// Appends a short string (class, component, property and member names).
// `what` names the string in the error ("class name").
Status EncodeShortString(std::string_view utf8, std::string_view what, std::string* out);

// Reads one value at the reader's position; `depth` counts the lists it
// lies in. Every failure says why ("unknown value tag 0x2A at offset 17")
// and leaves the reader somewhere inside the value.
Result<Value> DecodeValue(ByteReader& reader, int depth = 0);

// Reads a short string and converts it to UTF-8.
Result<std::string> DecodeShortString(ByteReader& reader, std::string_view what);

}  // namespace vellumo::design
