// Prefix blocks, their cuts and merges, and the main range of each state.
#include "zip_ranges.h"

#include <algorithm>
#include <cstddef>
#include <map>

namespace sysdata {
namespace {

constexpr int kBlockSize = 100;  // ZIP codes per 3-digit prefix

struct Segment {
  int low;
  int high;
  std::string state;
  size_t codes;
};

int Span(const Segment& s) { return s.high - s.low + 1; }

std::string ZipText(int zip) {
  std::string text = std::to_string(zip);
  return std::string(5 - text.size(), '0') + text;
}

// Segments of the blocks that hold codes, ascending. `blocks` maps a
// prefix to its codes, sorted.
std::vector<Segment> CutBlocks(const std::map<int, std::vector<std::pair<int, std::string>>>& blocks) {
  std::vector<Segment> segments;
  for (const auto& [prefix, codes] : blocks) {
    const int block_end = prefix * kBlockSize + kBlockSize - 1;
    for (size_t i = 0; i < codes.size();) {
      size_t run_end = i;
      while (run_end < codes.size() && codes[run_end].second == codes[i].second) ++run_end;
      const int low = i == 0 ? prefix * kBlockSize : codes[i].first;
      const int high = run_end == codes.size() ? block_end : codes[run_end].first - 1;
      segments.push_back(Segment{low, high, codes[i].second, run_end - i});
      i = run_end;
    }
  }
  return segments;
}

std::vector<Segment> MergeNeighbours(const std::vector<Segment>& segments) {
  std::vector<Segment> merged;
  for (const Segment& s : segments) {
    if (!merged.empty() && merged.back().state == s.state) {
      merged.back().high = s.high;
      merged.back().codes += s.codes;
    } else {
      merged.push_back(s);
    }
  }
  return merged;
}

// Joins the two ranges of a state around a small piece of another state
// (A, B, A becomes one A range) when that piece spans no more codes than
// either A range and is not the other state's largest; the piece stays a range of its own state, inside A's. Returns
// the joined list; the pieces go to *enclaves.
std::vector<Segment> AbsorbEnclaves(std::vector<Segment> segments, std::vector<Segment>* enclaves) {
  std::map<std::string, size_t> largest;
  for (const Segment& s : segments) largest[s.state] = std::max(largest[s.state], s.codes);
  for (size_t i = 1; i + 1 < segments.size();) {
    Segment& before = segments[i - 1];
    const Segment& piece = segments[i];
    const Segment& after = segments[i + 1];
    if (before.state != after.state || piece.codes >= largest[piece.state] ||
        Span(piece) > std::min(Span(before), Span(after))) {
      ++i;
      continue;
    }
    enclaves->push_back(piece);
    before.high = after.high;
    before.codes += after.codes;
    segments.erase(segments.begin() + static_cast<std::ptrdiff_t>(i),
                   segments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    // The joined range may now enclose the piece after it.
  }
  return segments;
}

}  // namespace

xbase::Status DeriveZipRanges(const std::vector<PlacedCode>& zips,
                              const std::vector<RegionName>& states,
                              std::vector<PostalRange>* ranges) {
  std::map<std::string, std::string> names;
  for (const RegionName& r : states) names[r.state] = r.name;
  std::map<int, std::vector<std::pair<int, std::string>>> blocks;
  for (const PlacedCode& z : zips) {
    if (!IsZipCode(z.code)) return xbase::Status::InvalidArgument("'" + z.code + "' is not a ZIP code");
    if (names.count(z.region) == 0) {
      return xbase::Status::InvalidArgument("ZIP code " + z.code + " lies in '" + z.region +
                                            "', which has no name in the state list");
    }
    const int zip = std::stoi(z.code);
    blocks[zip / kBlockSize].emplace_back(zip, z.region);
  }
  for (auto& [prefix, codes] : blocks) std::sort(codes.begin(), codes.end());

  std::vector<Segment> enclaves;
  std::vector<Segment> segments = AbsorbEnclaves(MergeNeighbours(CutBlocks(blocks)), &enclaves);
  segments.insert(segments.end(), enclaves.begin(), enclaves.end());
  std::map<std::string, std::vector<Segment>> by_state;
  for (const Segment& s : segments) by_state[s.state].push_back(s);

  std::vector<PostalRange> result;
  for (const RegionName& r : states) {
    auto it = by_state.find(r.state);
    if (it == by_state.end()) {
      return xbase::Status::InvalidArgument("the data set has no ZIP code in " + r.state);
    }
    std::vector<Segment>& own = it->second;
    std::sort(own.begin(), own.end(), [](const Segment& a, const Segment& b) { return a.low < b.low; });
    auto main = std::max_element(own.begin(), own.end(),
                                 [](const Segment& a, const Segment& b) { return a.codes < b.codes; });
    std::rotate(own.begin(), main, main + 1);
    for (const Segment& s : own) {
      result.push_back(PostalRange{r.state, r.name, ZipText(s.low), ZipText(s.high)});
    }
  }
  *ranges = std::move(result);
  return xbase::Status::OK();
}

}  // namespace sysdata
