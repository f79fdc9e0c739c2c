#include "DependencyDiagram.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace {

struct Group {
  AttributeSet lhs;
  std::vector<AttributeIndex> rhs;
  AttributeSet touched;  // the side and the targets
};

std::vector<Group> GroupsOf(const DependencyList& dependencies, int n) {
  std::vector<Group> groups;
  std::map<std::uint32_t, std::size_t> bySide;
  for (const Dependency& d : dependencies) {
    if (d.Rhs() >= static_cast<AttributeIndex>(n)) continue;
    const AttributeSet lhs = d.LhsSet();
    auto [at, made] = bySide.emplace(lhs.mask, groups.size());
    if (made) groups.push_back({lhs, {}, lhs});
    Group& group = groups[at->second];
    if (std::find(group.rhs.begin(), group.rhs.end(), d.Rhs()) == group.rhs.end())
      group.rhs.push_back(d.Rhs());
    group.touched.Add(d.Rhs());
  }
  return groups;
}

// The slots a group's line spans under an order.
std::pair<int, int> Span(const Group& group, const std::vector<int>& slotOf) {
  int first = MaxAttributes;
  int last = -1;
  for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(slotOf.size()); ++a) {
    if (!group.touched.Has(a)) continue;
    first = std::min(first, slotOf[a]);
    last = std::max(last, slotOf[a]);
  }
  return {first, last};
}

// What an order costs: the total length of the lines, and the pairs of
// lines that overlap without one holding the other, which cannot be placed
// without a stroke crossing a line. Crossings weigh more than length.
long Cost(const std::vector<Group>& groups, const std::vector<int>& slotOf) {
  std::vector<std::pair<int, int>> spans;
  spans.reserve(groups.size());
  long cost = 0;
  for (const Group& g : groups) {
    spans.push_back(Span(g, slotOf));
    cost += spans.back().second - spans.back().first;
  }
  for (std::size_t i = 0; i < spans.size(); ++i) {
    for (std::size_t j = i + 1; j < spans.size(); ++j) {
      const auto [a, b] = spans[i];
      const auto [c, d] = spans[j];
      if ((a < c && c < b && b < d) || (c < a && a < d && d < b)) cost += 4;
    }
  }
  return cost;
}

std::vector<int> SlotsOf(const std::vector<AttributeIndex>& order) {
  std::vector<int> slotOf(order.size(), -1);
  for (std::size_t slot = 0; slot < order.size(); ++slot)
    slotOf[order[slot]] = static_cast<int>(slot);
  return slotOf;
}

// Moves single attributes to the place where the order costs least, until
// no move helps: a local search that keeps the schema's order where it is as
// good.
std::vector<AttributeIndex> ImprovedOrder(const std::vector<Group>& groups, int n) {
  std::vector<AttributeIndex> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), AttributeIndex{0});
  long best = Cost(groups, SlotsOf(order));
  for (bool improved = true; improved;) {
    improved = false;
    for (int from = 0; from < n; ++from) {
      for (int to = 0; to < n; ++to) {
        if (to == from) continue;
        std::vector<AttributeIndex> tried = order;
        const AttributeIndex moved = tried[static_cast<std::size_t>(from)];
        tried.erase(tried.begin() + from);
        tried.insert(tried.begin() + to, moved);
        const long cost = Cost(groups, SlotsOf(tried));
        if (cost < best) {
          best = cost;
          order = std::move(tried);
          improved = true;
        }
      }
    }
  }
  return order;
}

// The lanes: shorter lines nearer the row, each line in the nearest lane
// where it overlaps no other line, lanes taken in turn above and below the
// row so that the diagram grows both ways.
void AssignLanes(DiagramLayout& layout) {
  std::vector<std::size_t> byLength(layout.groups.size());
  std::iota(byLength.begin(), byLength.end(), std::size_t{0});
  std::stable_sort(byLength.begin(), byLength.end(), [&layout](std::size_t x, std::size_t y) {
    const DiagramGroup& a = layout.groups[x];
    const DiagramGroup& b = layout.groups[y];
    return a.last - a.first < b.last - b.first;
  });
  // The spans taken in each lane; lanes are numbered 0 above, 1 below, 2
  // above, ...
  std::vector<std::vector<std::pair<int, int>>> lanes;
  for (std::size_t index : byLength) {
    DiagramGroup& group = layout.groups[index];
    std::size_t lane = 0;
    for (;; ++lane) {
      if (lane == lanes.size()) lanes.emplace_back();
      const bool free = std::none_of(
          lanes[lane].begin(), lanes[lane].end(), [&group](const std::pair<int, int>& taken) {
            return group.first <= taken.second && taken.first <= group.last;
          });
      if (free) break;
    }
    lanes[lane].emplace_back(group.first, group.last);
    group.above = lane % 2 == 0;
    group.lane = static_cast<int>(lane / 2);
    if (group.above) {
      layout.lanesAbove = std::max(layout.lanesAbove, group.lane + 1);
    } else {
      layout.lanesBelow = std::max(layout.lanesBelow, group.lane + 1);
    }
  }
}

}  // namespace

DiagramLayout LayOutDiagram(const DependencyList& dependencies, int n) {
  n = std::clamp(n, 0, MaxAttributes);
  const std::vector<Group> groups = GroupsOf(dependencies, n);
  DiagramLayout layout;
  layout.order = ImprovedOrder(groups, n);
  layout.slotOf = SlotsOf(layout.order);
  for (const Group& g : groups) {
    const auto [first, last] = Span(g, layout.slotOf);
    layout.groups.push_back({g.lhs, g.rhs, 0, true, first, last});
  }
  AssignLanes(layout);
  return layout;
}

std::size_t CountCrossings(const DiagramLayout& layout) {
  std::size_t crossings = 0;
  for (const DiagramGroup& line : layout.groups) {
    for (const DiagramGroup& other : layout.groups) {
      if (&other == &line || other.above != line.above || other.lane <= line.lane) continue;
      // A stroke of `other` runs from its lane to the row, through `line`'s
      // lane, and crosses it where `line` spans the stroke's slot.
      for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(layout.slotOf.size()); ++a) {
        if (!other.lhs.Has(a) &&
            std::find(other.rhs.begin(), other.rhs.end(), a) == other.rhs.end()) {
          continue;
        }
        const int slot = layout.slotOf[a];
        if (line.first <= slot && slot <= line.last) ++crossings;
      }
    }
  }
  return crossings;
}
