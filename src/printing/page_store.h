// The page store of a preview: every page of a job recorded as a picture
// of its drawing operations, at the resolution the pages were drawn with,
// and replayed at any scale.
#pragma once

#include <QPicture>
#include <QSizeF>
#include <vector>

class QImage;
class QPainter;

namespace vellumo {

struct PageStore {
  std::vector<QPicture> pages;
  double dpi = 600;      // device pixels per inch of the recording
  QSizeF page_inches;    // the paper of the recording

  // Replays page `index` (from 0) onto `painter`, one recorded pixel drawn
  // as `scale` of the painter's, whatever state the painter is in.
  void Replay(size_t index, QPainter* painter, double scale) const;
  // Page `index` as an image of `dpi` pixels per inch on white.
  QImage Render(size_t index, double render_dpi) const;
};

}  // namespace vellumo
