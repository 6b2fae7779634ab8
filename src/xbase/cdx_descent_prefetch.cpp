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
  Walk(const Pager& pager, const DescentTarget& target)
      : target_(target), node_(Fits(pager.Cached(target.root))) {}

  bool done() const { return node_ == nullptr; }

  // One step: each reads what the step before asked for.
  void Step(const Pager& pager) {
    switch (stage_) {
      case Stage::kSearch: {
        // The child whose separator is the first not below the entry.
        size_t lo = 0, hi = node_->count();
        while (lo < hi) {
          const size_t mid = (lo + hi) / 2;
          if (node_->Compare(mid, target_.key, target_.recno) < 0) {
            lo = mid + 1;
          } else {
            hi = mid;
          }
        }
        child_ = node_->children[lo == node_->count() ? lo - 1 : lo];
        pager.PrefetchSlot(child_);
        stage_ = Stage::kSlot;
        if (++depth_ > kMaxDepth) node_ = nullptr;
        return;
      }
      case Stage::kSlot:
        node_ = pager.Cached(child_);
        if (node_ == nullptr) {
          pager.PrefetchPage(child_);  // most likely a leaf, changed where it lies
          return;
        }
        PrefetchRange(node_, sizeof(Node));
        stage_ = Stage::kNode;
        return;
      case Stage::kNode:
        node_ = Fits(node_);
        if (node_ == nullptr) return;
        PrefetchRange(node_->keys.data(), node_->keys.size());
        PrefetchRange(node_->recnos.data(), node_->recnos.size() * sizeof(uint32_t));
        PrefetchRange(node_->children.data(), node_->children.size() * sizeof(uint32_t));
        stage_ = Stage::kSearch;
        return;
    }
  }

 private:
  enum class Stage { kSearch, kSlot, kNode };

  // A cached interior node of this tree's kind; anything else ends the walk.
  const Node* Fits(const Node* node) const {
    if (node == nullptr || node->leaf || node->key_length != target_.key.size() || node->pad != target_.pad ||
        node->count() == 0 || node->children.size() != node->count()) {
      return nullptr;
    }
    return node;
  }

  DescentTarget target_{};
  const Node* node_ = nullptr;
  uint32_t child_ = kNoPage;
  Stage stage_ = Stage::kSearch;
  int depth_ = 0;
};

}  // namespace

void PrefetchDescents(const Pager& pager, std::span<const DescentTarget> targets) {
  for (size_t first = 0; first < targets.size(); first += kTogether) {
    std::array<Walk, kTogether> walks;
    const size_t n = std::min(kTogether, targets.size() - first);
    for (size_t i = 0; i < n; ++i) walks[i] = Walk(pager, targets[first + i]);
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
