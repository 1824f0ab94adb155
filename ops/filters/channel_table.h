// Runs a rule that maps each channel from its own value alone, through a
// table of the rule's results for 0..255 (the values LoadPlanes leaves in the
// planes). Any other value runs the rule itself.
#pragma once
#include <cstdint>

#include "ops/filters/column_pass.h"

namespace pixmora {

// rule(int32_t& c): the statements of one channel, stored back into c.
template <class Rule>
class ChannelTable {
 public:
  explicit ChannelTable(Rule rule) : rule_(rule) {
    for (int v = 0; v < 256; ++v) {
      int32_t c = v;
      rule_(c);
      table_[v] = c;
    }
  }
  void Apply(int32_t& c) const {
    if (static_cast<uint32_t>(c) < 256u)
      c = table_[c];
    else
      rule_(c);
  }

 private:
  Rule rule_;
  int32_t table_[256];
};

// The rule on red, green and blue of every pixel, then RGB(R, G, B).
template <class Rule>
void RunChannelRule(Module1& m, PictureSurface& target, Rule rule) {
  const ChannelTable<Rule> table(rule);
  ChannelPlanes& p = m.planes;
  RunColumnPass(m, target, [&p, &table](int x, int rows) {
    const size_t base = p.Index(x, 0);
    for (int32_t* column : {p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base})
      for (int y = 0; y < rows; ++y) table.Apply(column[y]);
  });
}

}  // namespace pixmora
