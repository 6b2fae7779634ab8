// A label-stock template as the template files describe it, lengths already
// in inches. One Template element gives one LabelTemplate.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sysdata {

enum class LabelShape {
  kRectangle,  // corner_radius 0 for square corners
  kRound,
  kEllipse,
  kDisc,       // CD/DVD: a round label with a hole
};

// nx by ny labels, the first at (x0, y0) from the paper's top left corner,
// each dx right of and dy below its neighbour.
struct GridLayout {
  int nx = 0;
  int ny = 0;
  double x0 = 0;
  double y0 = 0;
  double dx = 0;
  double dy = 0;
};

// Another maker's name for the same stock.
struct TemplateAlias {
  std::string brand;
  std::string part;
};

struct LabelTemplate {
  std::string source;       // "avery-us-templates.xml:105", for messages
  std::string error;        // the first value that could not be read; "" when none
  std::string brand;        // UTF-8, as in the file
  std::string part;
  std::string description;
  // Set when this template only names another part of the same brand
  // ("equiv"); the fields below are then empty.
  std::string equivalent_part;
  std::string paper_id;     // "US-Letter", "A4", ..., "Other"
  double paper_width = 0;   // only for paper_id "Other"
  double paper_height = 0;
  int label_elements = 0;   // how many Label-* elements it has
  LabelShape shape = LabelShape::kRectangle;
  double width = 0;         // of one label; round labels: the diameter
  double height = 0;
  double corner_radius = 0;
  std::vector<GridLayout> layouts;
  std::vector<std::string> categories;
  std::string product_url;
  std::vector<TemplateAlias> aliases;
};

struct PaperSize {
  double width = 0;  // inches, portrait as listed
  double height = 0;
};
// Paper sizes by id ("A4", "US-Letter").
using PaperSizes = std::map<std::string, PaperSize>;

}  // namespace sysdata
