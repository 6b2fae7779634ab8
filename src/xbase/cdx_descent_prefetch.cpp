// Descents of several trees taken together, a step each in turn.
#include "cdx_descent_prefetch.h"

#include <array>

#include "cdx_format.h"

namespace xbase::cdx {
namespace {

// Trees walked together; more would not add to what the processor keeps in
// flight.
constexpr size_t kTogether = 32;

void PrefetchRange(const void* data, size_t bytes) {
  const char* p = static_cast<const char*>(data);
  for (size_t line = 0; line < bytes; line += 64) __builtin_prefetch(p + line);
}

class Walk {
 public:
  Walk() = default;
  // Starts at the root, as if just come down to it.
  explicit Walk(const DescentTarget& target) : target_(target), child_(target.root), done_(false) {}

  bool done() const { return done_; }

  // One step: each reads what the step before asked for.
  void Step(const Pager& pager) {
    switch (stage_) {
      case Stage::kSearch:
        GoDown(pager, node_->children[node_->ChildFor(target_.key, target_.recno)]);
        return;
      case Stage::kPage: {
        // A page not decoded: an interior one is searched where it lies.
        const char* page = pager.MappedPage(child_);
        size_t index = 0;
        uint32_t child = kNoPage;
        if (page == nullptr || !SearchInteriorPage(page, static_cast<uint16_t>(target_.key.size()), target_.key,
                                                   target_.recno, &index, &child)) {
          done_ = true;
          return;
        }
        GoDown(pager, child);
        return;
      }
      case Stage::kSlot:
        if (const Node* cached = pager.Cached(child_)) {
          PrefetchRange(cached, sizeof(Node));
          node_ = cached;
          stage_ = Stage::kNode;
        } else {
          pager.PrefetchPage(child_);  // a leaf, changed where it lies, or an interior page searched there
          stage_ = Stage::kPage;
        }
        return;
      case Stage::kNode:
        done_ = !Fits(*node_);
        if (done_) return;
        PrefetchRange(node_->keys.data(), node_->keys.size());
        PrefetchRange(node_->recnos.data(), node_->recnos.size() * sizeof(uint32_t));
        PrefetchRange(node_->children.data(), node_->children.size() * sizeof(uint32_t));
        stage_ = Stage::kSearch;
        return;
    }
  }

 private:
  enum class Stage { kSearch, kSlot, kNode, kPage };

  void GoDown(const Pager& pager, uint32_t child) {
    child_ = child;
    pager.PrefetchSlot(child_);
    stage_ = Stage::kSlot;
    done_ = ++depth_ > kMaxDepth;
  }

  // Whether `node` is an interior node of this tree's kind; anything else
  // ends the walk.
  bool Fits(const Node& node) const {
    return !node.leaf && node.key_length == target_.key.size() && node.pad == target_.pad && node.count() > 0;
  }

  DescentTarget target_{};
  const Node* node_ = nullptr;
  uint32_t child_ = kNoPage;
  Stage stage_ = Stage::kSlot;
  int depth_ = 0;
  bool done_ = true;
};

}  // namespace

void PrefetchDescents(const Pager& pager, std::span<const DescentTarget> targets) {
  for (size_t first = 0; first < targets.size(); first += kTogether) {
    std::array<Walk, kTogether> walks;
    const size_t n = std::min(kTogether, targets.size() - first);
    for (size_t i = 0; i < n; ++i) walks[i] = Walk(targets[first + i]);
    for (bool walking = true; walking;) {
      walking = false;
      for (size_t i = 0; i < n; ++i) {
        if (walks[i].done()) continue;
        walks[i].Step(pager);
        walking = true;
      }
    }
  }
}

}  // namespace xbase::cdx
