#!/usr/bin/env bash
# Installs the Debian packages (and the one npm package) the project builds, tests and
# benchmarks with. Idempotent: only what is missing is installed. Runs as root or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache clang clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libsqlite3-dev sqlite3 unixodbc unixodbc-dev odbcinst libsqliteodbc
  libzip-dev libpugixml-dev libcurl4-openssl-dev libssl-dev nlohmann-json3-dev libcli11-dev
  libreoffice-writer-nogui libreofficekit-dev
  libpoppler-cpp-dev poppler-utils qpdf enscript ghostscript unrtf hyperfine
  nodejs npm python3 python3-venv
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# nodejs from another origin may already bring npm along.
if [ ${#missing[@]} -gt 0 ] && command -v npm >/dev/null 2>&1; then
  filtered=()
  for p in "${missing[@]}"; do [ "$p" = npm ] || filtered+=("$p"); done
  missing=("${filtered[@]}")
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The local S3-compatible server the storage tests talk to.
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ ! -x "$here/build/node/node_modules/.bin/s3rver" ]; then
  mkdir -p "$here/build/node"
  (cd "$here/build/node" && npm install --silent --no-audit --no-fund s3rver@3 >/dev/null 2>&1) ||
    echo "install-deps: s3rver could not be installed; storage tests against S3 will be skipped"
fi
