// The coded classes of a stock row: paper size, label shape, printer kind
// and product type, each decided from a template.
#pragma once

#include <string>
#include <string_view>

#include "label_template.h"

namespace sysdata {

// LTR, LTRL, A4, A4L, A5 when the paper is that size (within 0.05 in),
// otherwise USERP (portrait or square) or USERL (landscape).
std::string PaperSizeCode(double width, double height);

// RR for rectangles with rounded corners, SR for square corners, EL for
// round, elliptical and CD/DVD labels.
std::string ShapeCode(LabelShape shape, double corner_radius);

// LP for makers of roll-fed label printers, DM where the template speaks
// of continuous or pin-fed stock, IJ for ink-jet stock (Avery 8xxx and
// Jxxxx parts, printer makers' own media, "inkjet" in the description or
// product page), LJ otherwise.
std::string PrinterCode(const LabelTemplate& t);

// One of ADDRESS/SHIPPING LABELS, CARD PRODUCTS, DISKETTE LABELS, FILE
// FOLDER LABELS, INDEX PRODUCTS, MISCELLANEOUS: from words of the
// description that name a kind of product, else from the categories.
std::string ProductType(const LabelTemplate& t);

// Whether ProductType knows what a category id means. Every category the
// template files define must be known, so that a new one is noticed.
bool IsKnownCategory(std::string_view id);

}  // namespace sysdata
