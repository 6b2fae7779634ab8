// Template, paper-size and category files, read with QXmlStreamReader.
#include "template_reader.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include "length.h"

namespace sysdata {
namespace {

// One element's attributes, with the position for messages.
class Element {
 public:
  Element(const QXmlStreamReader& xml, const std::string& source)
      : attributes_(xml.attributes()),
        where_(source + ":" + std::to_string(xml.lineNumber())) {}

  const std::string& where() const { return where_; }

  bool Has(const char* name) const { return attributes_.hasAttribute(QLatin1StringView(name)); }

  std::string Text(const char* name) const {
    return attributes_.value(QLatin1StringView(name)).toString().toStdString();
  }

  // A length attribute; an absent optional one is 0.
  xbase::Status Length(const char* name, bool required, double* inches) const {
    *inches = 0;
    if (!Has(name)) return required ? Error(std::string("has no ") + name) : xbase::Status::OK();
    xbase::Status s = ParseLength(Text(name), inches);
    return s.ok() ? s : Error(std::string(name) + ": " + s.message());
  }

  xbase::Status Count(const char* name, int* count) const {
    bool ok = false;
    *count = attributes_.value(QLatin1StringView(name)).toInt(&ok);
    return ok ? xbase::Status::OK() : Error(std::string(name) + " is not a whole number");
  }

  xbase::Status Error(const std::string& what) const {
    return xbase::Status::InvalidArgument(where_ + ": " + what);
  }

 private:
  QXmlStreamAttributes attributes_;
  std::string where_;
};

QByteArray Bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

xbase::Status XmlError(const QXmlStreamReader& xml, const std::string& source) {
  return xbase::Status::InvalidArgument(source + ":" + std::to_string(xml.lineNumber()) +
                                        ": not well-formed XML (" +
                                        xml.errorString().toStdString() + ")");
}

xbase::Status ReadLabel(const Element& e, std::string_view tag, LabelTemplate* t) {
  ++t->label_elements;
  if (tag == "Label-rectangle" || tag == "Label-ellipse") {
    t->shape = tag == "Label-rectangle" ? LabelShape::kRectangle : LabelShape::kEllipse;
    XBASE_RETURN_IF_ERROR(e.Length("width", true, &t->width));
    XBASE_RETURN_IF_ERROR(e.Length("height", true, &t->height));
    return e.Length("round", false, &t->corner_radius);
  }
  t->shape = tag == "Label-round" ? LabelShape::kRound : LabelShape::kDisc;
  double radius;
  XBASE_RETURN_IF_ERROR(e.Length("radius", true, &radius));
  t->width = t->height = 2 * radius;
  return xbase::Status::OK();
}

xbase::Status ReadLayout(const Element& e, LabelTemplate* t) {
  GridLayout layout;
  XBASE_RETURN_IF_ERROR(e.Count("nx", &layout.nx));
  XBASE_RETURN_IF_ERROR(e.Count("ny", &layout.ny));
  XBASE_RETURN_IF_ERROR(e.Length("x0", false, &layout.x0));
  XBASE_RETURN_IF_ERROR(e.Length("y0", false, &layout.y0));
  XBASE_RETURN_IF_ERROR(e.Length("dx", false, &layout.dx));
  XBASE_RETURN_IF_ERROR(e.Length("dy", false, &layout.dy));
  if (layout.nx < 1 || layout.ny < 1) return e.Error("a layout needs at least one label");
  t->layouts.push_back(layout);
  return xbase::Status::OK();
}

xbase::Status ReadTemplateStart(const Element& e, LabelTemplate* t) {
  t->source = e.where();
  t->brand = e.Text("brand");
  t->part = e.Text("part");
  if (t->brand.empty() || t->part.empty()) return e.Error("a template needs a brand and a part");
  t->description = e.Has("_description") ? e.Text("_description") : e.Text("description");
  t->equivalent_part = e.Text("equiv");
  t->paper_id = e.Text("size");
  if (t->equivalent_part.empty() && t->paper_id.empty()) return e.Error("a template needs a size");
  if (t->paper_id == "Other") {
    XBASE_RETURN_IF_ERROR(e.Length("width", true, &t->paper_width));
    XBASE_RETURN_IF_ERROR(e.Length("height", true, &t->paper_height));
  }
  return xbase::Status::OK();
}

// Older files name aliases as brand and part, the oldest as one "name"
// whose first word is the brand.
TemplateAlias ReadAlias(const Element& e) {
  if (e.Has("brand")) return TemplateAlias{e.Text("brand"), e.Text("part")};
  std::string name = e.Text("name");
  size_t blank = name.find(' ');
  if (blank == std::string::npos) return TemplateAlias{"", name};
  return TemplateAlias{name.substr(0, blank), name.substr(blank + 1)};
}

// Keeps the first thing wrong with a template; the template is then left
// out of the catalogue and the rest of the file is still read.
void NoteError(const xbase::Status& s, LabelTemplate* t) {
  if (!s.ok() && t->error.empty()) t->error = s.message();
}

}  // namespace

xbase::Status ReadTemplates(std::string_view text, const std::string& source,
                            std::vector<LabelTemplate>* templates) {
  QXmlStreamReader xml(Bytes(text));
  std::vector<LabelTemplate> found;
  bool in_template = false;
  while (!xml.atEnd()) {
    QXmlStreamReader::TokenType token = xml.readNext();
    const std::string tag = xml.name().toString().toStdString();
    if (token == QXmlStreamReader::EndElement && tag == "Template") {
      in_template = false;
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    Element e(xml, source);
    if (tag == "Template") {
      if (in_template) return e.Error("a template inside a template");
      in_template = true;
      found.emplace_back();
      NoteError(ReadTemplateStart(e, &found.back()), &found.back());
      continue;
    }
    if (!in_template) continue;
    LabelTemplate* t = &found.back();
    if (tag.starts_with("Label-")) {
      if (tag != "Label-rectangle" && tag != "Label-ellipse" && tag != "Label-round" &&
          tag != "Label-cd") {
        NoteError(e.Error("unknown label element " + tag), t);
      } else {
        NoteError(ReadLabel(e, tag, t), t);
      }
    } else if (tag == "Layout") {
      NoteError(ReadLayout(e, t), t);
    } else if (tag == "Meta") {
      if (e.Has("category")) t->categories.push_back(e.Text("category"));
      if (e.Has("product_url")) t->product_url = e.Text("product_url");
    } else if (tag == "Alias") {
      t->aliases.push_back(ReadAlias(e));
    }
  }
  if (xml.hasError()) return XmlError(xml, source);
  templates->insert(templates->end(), found.begin(), found.end());
  return xbase::Status::OK();
}

xbase::Status ReadPaperSizes(std::string_view text, const std::string& source, PaperSizes* sizes) {
  QXmlStreamReader xml(Bytes(text));
  PaperSizes found;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Paper-size") continue;
    Element e(xml, source);
    PaperSize size;
    XBASE_RETURN_IF_ERROR(e.Length("width", true, &size.width));
    XBASE_RETURN_IF_ERROR(e.Length("height", true, &size.height));
    found[e.Text("id")] = size;
  }
  if (xml.hasError()) return XmlError(xml, source);
  *sizes = std::move(found);
  return xbase::Status::OK();
}

xbase::Status ReadCategoryIds(std::string_view text, const std::string& source,
                              std::vector<std::string>* ids) {
  QXmlStreamReader xml(Bytes(text));
  std::vector<std::string> found;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Category") continue;
    found.push_back(Element(xml, source).Text("id"));
  }
  if (xml.hasError()) return XmlError(xml, source);
  *ids = std::move(found);
  return xbase::Status::OK();
}

}  // namespace sysdata
