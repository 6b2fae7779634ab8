// An object's own stream bytes, and the object read back from them
// through the factory, for the stored-form tests of every object family.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>

#include "design/model/graphic_control.h"
#include "design/model/object_classes.h"
#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"

namespace vellumo::design::testing {

inline std::string BytesOf(const TGGraphicControl& object) {
  Result<StoredObject> stored = object.Store();
  EXPECT_TRUE(stored.ok()) << stored.status().ToString();
  if (!stored.ok()) return {};
  Result<std::string> bytes = EncodeDesignStream(std::span<const StoredObject>(&*stored, 1));
  EXPECT_TRUE(bytes.ok()) << bytes.status().ToString();
  return bytes.ok() ? *bytes : std::string();
}

// The object read back from these bytes, with the component name it was
// stored under (null when they do not hold one object of a known class
// that restores).
inline std::unique_ptr<TGGraphicControl> ReadBack(const std::string& bytes) {
  RegisterPageKind(PageKind::kLabel);
  RegisterPageKind(PageKind::kEnvelope);
  RegisterPageKind(PageKind::kReport);
  DesignReadResult read = DecodeDesignStream(bytes);
  EXPECT_TRUE(read.status.ok()) << read.status.ToString();
  if (read.objects.size() != 1) return nullptr;
  std::unique_ptr<TGGraphicControl> copy = CreateObject(read.objects[0].class_name);
  EXPECT_NE(copy, nullptr);
  if (!copy) return nullptr;
  const Status s = copy->Restore(read.objects[0]);
  EXPECT_TRUE(s.ok()) << s.ToString();
  copy->SetName(read.objects[0].component_name);
  return copy;
}

inline std::unique_ptr<TGGraphicControl> RoundTrip(const TGGraphicControl& object) { return ReadBack(BytesOf(object)); }

}  // namespace vellumo::design::testing
