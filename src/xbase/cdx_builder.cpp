// Bulk building of CDX tag trees.
#include "cdx_builder.h"

#include <algorithm>

namespace xbase::cdx {
namespace {

// Leaves and interior nodes are filled to about 90 %, leaving room for inserts.
constexpr size_t kLeafFill = kLeafSpace - kLeafSpace / 10;

size_t InteriorFill(uint16_t key_length) {
  const size_t capacity = InteriorCapacity(key_length);
  return std::max<size_t>(2, capacity - capacity / 10);
}

// One node of the level being written: its entries [begin, end) of the
// level's items, and its page.
struct Span {
  size_t begin;
  size_t end;
  uint32_t offset;
};

std::vector<Span> AllocateSpans(Pager* pager, const std::vector<size_t>& starts, size_t count) {
  std::vector<Span> spans;
  for (size_t j = 0; j < starts.size(); ++j) {
    spans.push_back({starts[j], j + 1 < starts.size() ? starts[j + 1] : count, pager->AllocatePage()});
  }
  return spans;
}

Status WriteNode(Pager* pager, Node* node, const std::vector<Span>& spans, size_t j) {
  node->offset = spans[j].offset;
  node->root = spans.size() == 1;
  node->left = j > 0 ? spans[j - 1].offset : kNoPage;
  node->right = j + 1 < spans.size() ? spans[j + 1].offset : kNoPage;
  std::string page(kPageSize, '\0');
  EncodeNode(*node, page.data());
  return pager->WriteRaw(node->offset, std::move(page));
}

}  // namespace

Status BuildTree(Pager* pager, const KeyBatch& keys, char pad, const ProgressFn& progress, uint32_t* root) {
  const uint16_t length = keys.key_length();
  const size_t count = keys.size();
  std::vector<size_t> starts = {0};
  LeafSizer sizer(length, pad);
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) {
      int c = keys.key(i - 1).compare(keys.key(i));
      if (c > 0 || (c == 0 && keys.recno(i - 1) >= keys.recno(i))) {
        return Status::InvalidArgument("keys for the tag are not sorted, or repeat an entry, at " + std::to_string(i));
      }
    }
    LeafSizer trial = sizer;
    trial.Add(keys.key(i).data(), keys.recno(i));
    if (trial.bytes() > kLeafFill && sizer.count() > 0) {
      starts.push_back(i);
      sizer = LeafSizer(length, pad);
      sizer.Add(keys.key(i).data(), keys.recno(i));
    } else {
      sizer = trial;
    }
  }

  // The leaves; items of the next level are (index of a child's last entry, child page).
  std::vector<Span> spans = AllocateSpans(pager, starts, count);
  std::vector<std::pair<size_t, uint32_t>> items;
  Node node;
  node.key_length = length;
  node.pad = pad;
  int reported = -1;
  for (size_t j = 0; j < spans.size(); ++j) {
    node.keys.clear();
    node.recnos.clear();
    for (size_t i = spans[j].begin; i < spans[j].end; ++i) {
      node.keys.append(keys.key(i));
      node.recnos.push_back(keys.recno(i));
    }
    XBASE_RETURN_IF_ERROR(WriteNode(pager, &node, spans, j));
    if (spans[j].end > spans[j].begin) items.push_back({spans[j].end - 1, spans[j].offset});
    int percent = static_cast<int>((j + 1) * 100 / spans.size());
    if (progress && percent != reported) progress(reported = percent);
  }

  node.leaf = false;
  const size_t fill = InteriorFill(length);
  while (items.size() > 1) {
    starts.clear();
    for (size_t i = 0; i < items.size(); i += fill) starts.push_back(i);
    spans = AllocateSpans(pager, starts, items.size());
    std::vector<std::pair<size_t, uint32_t>> parents;
    for (size_t j = 0; j < spans.size(); ++j) {
      node.keys.clear();
      node.recnos.clear();
      node.children.clear();
      for (size_t i = spans[j].begin; i < spans[j].end; ++i) {
        node.keys.append(keys.key(items[i].first));
        node.recnos.push_back(keys.recno(items[i].first));
        node.children.push_back(items[i].second);
      }
      XBASE_RETURN_IF_ERROR(WriteNode(pager, &node, spans, j));
      parents.push_back({items[spans[j].end - 1].first, spans[j].offset});
    }
    items = std::move(parents);
  }
  *root = items.empty() ? spans[0].offset : items[0].second;
  return Status::OK();
}

}  // namespace xbase::cdx
