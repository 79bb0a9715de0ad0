#include "funcs/unitchecks.h"

#include <gtest/gtest.h>

#include <set>

#include "testing/testing.h"

namespace orvane::funcs {
namespace {

std::set<int32_t> units_of(bool (*check)(int32_t)) {
  std::set<int32_t> s;
  for (int32_t u = -5; u <= 5000; ++u)
    if (check(u)) s.insert(u);
  return s;
}

TEST(UnitChecks, ExactUnitSets) {
  EXPECT_EQ(units_of(TestaBrelis), (std::set<int32_t>{740, 741, 742, 743, 749, 750, 751, 1260, 1335,
                                                      1379, 1388, 1406, 1697, 1784, 1785}));
  EXPECT_EQ(units_of(TestaDortam), (std::set<int32_t>{616, 811, 1258}));
  EXPECT_EQ(units_of(TestaQuenzo),
            (std::set<int32_t>{634, 691, 692, 693, 694, 753, 755, 829, 832, 910}));
  EXPECT_FALSE(TestaBrelis(INT32_MIN));
  EXPECT_FALSE(TestaQuenzo(INT32_MAX));
}

TEST(DecripSenha, LowersEveryCode) {
  EXPECT_EQ(DecripSenha(u""), u"");
  // Whatever the host stored by raising the codes comes back, accents included.
  Text plain = T("Senha 123 !~ çãé");
  std::string stored;
  for (unsigned char b : to_cp1252(plain)) stored.push_back(static_cast<char>(b + kPasswordShift));
  EXPECT_EQ(DecripSenha(from_cp1252(stored)), plain);
  // A control character below the shift spoils the whole text.
  Text with_control = u"abc";
  with_control.insert(1, 1, static_cast<char16_t>(kPasswordShift - 1));
  EXPECT_EQ(DecripSenha(with_control), u"");
  EXPECT_EQ(DecripSenha(Text(1, static_cast<char16_t>(kPasswordShift))), Text(1, u'\0'));
}

TEST(UnitChecksCommand, ThroughOrvaneCall) {
  auto r = orvane::testing::run_command(
      orvane::testing::orvane_bin() +
      " call FuncoesOrvane TestaBrelis 742 --then TestaBrelis 744 --then TestaQuenzo 755 "
      "--then TestaDortam 1258 --then DecripSenha @str:");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "True\nFalse\nTrue\nTrue\n\n");
}

}  // namespace
}  // namespace orvane::funcs
