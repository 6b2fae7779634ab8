// The design object classes by name: which classes each page kind's files
// may hold, and a factory that makes an object of a class by its stored
// name. Registration is global: once a page of a kind exists, the classes
// of that kind are known to every reader. Object families add the
// creators of their own classes with RegisterObjectClass.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "design/model/graphic_control.h"

namespace vellumo::design {

enum class PageKind { kLabel, kEnvelope, kReport };

using ObjectCreator = std::function<std::unique_ptr<TGGraphicControl>()>;

// Makes the class creatable by name (later calls replace earlier ones).
void RegisterObjectClass(std::string_view class_name, ObjectCreator creator);

// The class names a page kind's files may hold.
std::span<const std::string_view> PageKindClasses(PageKind kind);

// Makes a page kind's classes known to readers; pages call it when created.
void RegisterPageKind(PageKind kind);

// A new object with the class's defaults, or null when no page kind that
// holds the class has been registered or no family has given a creator.
std::unique_ptr<TGGraphicControl> CreateObject(std::string_view class_name);

}  // namespace vellumo::design
