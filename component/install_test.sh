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
#include <orvane/orvane.h>
#include <stdio.h>
#include <string.h>
int main(void) {
  orvane_object* f = NULL;
  orvane_error err;
  if (orvane_create("FuncoesOrvane", &f, &err) != ORVANE_OK) { printf("create: %s\n", err.description); return 1; }
  orvane_variant args[2] = {0};
  args[0].type = ORVANE_NULL;
  args[1] = orvane_from_utf8("vazio");
  orvane_variant r;
  if (orvane_invoke(f, "NZ", ORVANE_METHOD, args, 2, NULL, &r, &err) != ORVANE_OK) return 2;
  printf("%s\n", r.utf8);
  int ok = r.type == ORVANE_STRING && strcmp(r.utf8, "vazio") == 0;
  orvane_variant_clear(&r);
  orvane_release(f);
  return ok ? 0 : 3;
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

# Only the C interface is exported.
lib=$(find "$prefix" -name liborvane.so.0 | head -1)
bad=$(nm -D --defined-only "$lib" | awk '{print $3}' | grep -v '^orvane_' | grep -v '^_' || true)
if [ -n "$bad" ]; then echo "unexpected exports: $bad"; exit 4; fi
objdump -p "$lib" | grep -q 'SONAME.*liborvane.so.0'
echo "install test passed"
