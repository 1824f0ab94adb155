// Runs a rule that maps each channel from its own value alone, through a
// table of the rule's results for -1..255 (the values LoadPlanes can leave in
// the planes), computed by the rule itself. Any other value runs the rule.
#pragma once
#include <cstdint>

#include "core/column_pass.h"

namespace pixmora {

// rule(int32_t& c): the statements of one channel, stored back into c.
template <class Rule>
class ChannelTable {
 public:
  explicit ChannelTable(Rule rule) : rule_(rule) {
    for (int v = -1; v < 256; ++v) {
      int32_t c = v;
      rule_(c);
      table_[v + 1] = c;
    }
  }
  void Apply(int32_t& c) const {
    if (static_cast<uint32_t>(c + 1) < 257u)
      c = table_[c + 1];
    else
      rule_(c);
  }
  // Replaces count values known to lie in -1..255 by theirs: plain lookups,
  // one plane at a time, which vector units can gather.
  void OfColumn(int32_t* __restrict column, int count) const {
    const int32_t* __restrict table = table_ + 1;
    for (int y = 0; y < count; ++y) column[y] = table[column[y]];
  }

 private:
  Rule rule_;
  int32_t table_[257];
};

// The rule on red, green and blue of every pixel, then RGB(R, G, B).
template <class Rule>
void RunChannelRule(Module1& m, const CallContext& call, PictureSurface& target, Rule rule) {
  const ChannelTable<Rule> table(rule);
  RunCellColumns(m, call, target, [table](int32_t* R, int32_t* G, int32_t* B, int rows) {
    if (HoldsChannelValues(R, G, B, rows)) {
      for (int32_t* column : {R, G, B}) table.OfColumn(column, rows);
      return;
    }
    for (int32_t* column : {R, G, B})
      for (int y = 0; y < rows; ++y) table.Apply(column[y]);
  });
}

// The rule on red, green and blue of every pixel, then RGB(R, G, B), where the
// rule is a short formula without branches: applied as it is, on vector units.
template <class Rule>
void RunChannelFormula(Module1& m, const CallContext& call, PictureSurface& target, Rule rule) {
  RunCellColumns(m, call, target, [rule](int32_t* R, int32_t* G, int32_t* B, int rows) {
    for (int y = 0; y < rows; ++y) rule(R[y]), rule(G[y]), rule(B[y]);
  });
}

}  // namespace pixmora
