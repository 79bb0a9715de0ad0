#!/usr/bin/env bash
# Installs the built project into a scratch prefix, then builds a C host against it twice
# — through find_package(Orvane) and through pkg-config — and runs both.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

cat > "$work/host.c" <<'C'
/* A small C host: NZ, extenso with its by-reference write-back, a cStringBuilder
 * sequence and a raised error. */
#include <orvane/orvane.h>
#include <stdio.h>
#include <string.h>

static int fail(const char* what, const orvane_error* e) {
  printf("%s: %d %s\n", what, e ? e->number : 0, e ? e->description : "");
  return 1;
}

int main(void) {
  orvane_object *f = NULL, *sb = NULL;
  orvane_error err;
  orvane_variant r;
  if (orvane_create("FuncoesOrvane", &f, &err) != ORVANE_OK) return fail("create", &err);

  orvane_variant nz[2] = {0};
  nz[0].type = ORVANE_NULL;
  nz[1] = orvane_from_utf8("vazio");
  if (orvane_invoke(f, "NZ", ORVANE_METHOD, nz, 2, NULL, &r, &err) != ORVANE_OK) return fail("NZ", &err);
  if (r.type != ORVANE_STRING || strcmp(r.utf8, "vazio") != 0) return fail("NZ value", NULL);
  orvane_variant_clear(&r);

  orvane_variant amount = orvane_from_utf8("-1234,56");
  if (orvane_invoke(f, "extenso", ORVANE_METHOD, &amount, 1, NULL, &r, &err) != ORVANE_OK)
    return fail("extenso", &err);
  printf("%s | %s\n", r.utf8, amount.utf8);
  if (strcmp(amount.utf8, "1234,56") != 0) return fail("extenso write-back", NULL);
  orvane_variant_clear(&r);
  orvane_variant_clear(&amount);

  if (orvane_create("Orvane.cStringBuilder", &sb, &err) != ORVANE_OK) return fail("create sb", &err);
  const char* parts[] = {"Ordem ", "de ", "serviço"};
  for (int i = 0; i < 3; ++i) {
    orvane_variant a = orvane_from_utf8(parts[i]);
    if (orvane_invoke(sb, "Append", ORVANE_METHOD, &a, 1, NULL, NULL, &err) != ORVANE_OK)
      return fail("Append", &err);
  }
  if (orvane_invoke(sb, "toString", ORVANE_PROPERTY_GET, NULL, 0, NULL, &r, &err) != ORVANE_OK)
    return fail("toString", &err);
  printf("%s\n", r.utf8);
  if (strcmp(r.utf8, "Ordem de serviço") != 0) return fail("toString value", NULL);
  orvane_variant_clear(&r);

  orvane_variant ins[2] = {0};
  ins[0].type = ORVANE_LONG;
  ins[0].v.i4 = 99;
  ins[1] = orvane_from_utf8("x");
  if (orvane_invoke(sb, "Insert", ORVANE_METHOD, ins, 2, NULL, NULL, &err) != ORVANE_E_RAISED ||
      err.number != 9)
    return fail("Insert out of range should raise 9", &err);

  orvane_release(sb);
  orvane_release(f);
  return 0;
}
C
cat > "$work/CMakeLists.txt" <<'C'
cmake_minimum_required(VERSION 3.25)
project(host C)
find_package(Orvane REQUIRED)
add_executable(host host.c)
target_link_libraries(host PRIVATE Orvane::orvane)
C
cmake -S "$work" -B "$work/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/build" >/dev/null
LD_LIBRARY_PATH="$prefix/lib:$prefix/lib/x86_64-linux-gnu" "$work/build/host"

export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"
cc "$work/host.c" $(pkg-config --cflags --libs orvane) -o "$work/host-pc"
LD_LIBRARY_PATH="$prefix/lib:$prefix/lib/x86_64-linux-gnu" "$work/host-pc"

# The typed C++ classes over the same library.
cat > "$work/host.cpp" <<'CPP'
#include <orvane/classes.hpp>

#include <iostream>

int main() {
  orvane::FuncoesOrvane f;
  orvane::Value amount("-1234,56");
  std::string words = f.extenso(amount).str();
  std::cout << words << " | " << amount.str() << "\n";
  if (words != "Um mil, duzentos e trinta e quatro reais e cinquenta e seis centavos" ||
      amount.str() != "1234,56")
    return 1;
  orvane::cStringBuilder sb;
  orvane::Value part("abc");
  sb.Append(part);
  if (sb.Length().number() != 3 || sb.Capacity().number() != 8192) return 2;
  try {
    orvane::Value at(9), x("x");
    sb.Insert(at, x);
    return 3;
  } catch (const orvane::Error& e) {
    if (e.number() != 9) return 4;
  }
  return 0;
}
CPP
c++ -std=c++17 "$work/host.cpp" -I"$prefix/include" -L"$(dirname "$(find "$prefix" -name liborvane.so | head -1)")" -lorvane -o "$work/host-cpp"
LD_LIBRARY_PATH="$prefix/lib:$prefix/lib/x86_64-linux-gnu" "$work/host-cpp"

# The Python package, found in the prefix, loads the installed library beside it (no
# ORVANE_LIB, no library path) and reports where it came from.
pydir=$(dirname "$(dirname "$(find "$prefix" -name classes.pyi | head -1)")")
words=$(cd "$work" && env -u ORVANE_LIB -u LD_LIBRARY_PATH PYTHONPATH="$pydir" PREFIX="$prefix" python3 -c '
import os, orvane
assert os.path.realpath(orvane._client._lib._name).startswith(os.path.realpath(os.environ["PREFIX"]))
print(orvane.FuncoesOrvane().extenso("1,5"))' 2>&1)
[ "$words" = "Um real e cinquenta centavos" ] || { echo "python package: $words"; exit 5; }

# Only the C interface is exported.
lib=$(find "$prefix" -name liborvane.so.0 | head -1)
bad=$(nm -D --defined-only "$lib" | awk '{print $3}' | grep -v '^orvane_' | grep -v '^_' || true)
if [ -n "$bad" ]; then echo "unexpected exports: $bad"; exit 4; fi
# grep reads everything: with -q it may stop early and pipefail would see objdump's SIGPIPE.
objdump -p "$lib" | grep 'SONAME.*liborvane.so.0' >/dev/null
echo "install test passed"
