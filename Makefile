# The two set-up commands of the README: `make demo` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# Where `make demo` writes the demo database and the documents made from it.
DEMO_OUT ?= $(BUILD)/demo-output

.PHONY: all deps configure build test test-asan fuzz demo docs-picture bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	@bash scripts/install-deps.sh
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# A test that fails is run once more: the suite drives LibreOffice and an S3 server, whose
# start-up can miss a deadline on a loaded machine; a real fault fails both runs.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

demo: build
	$(BUILD)/orvane demo --out $(DEMO_OUT)

# The README's picture: the first pages of two demo documents, side by side.
docs-picture: build
	$(BUILD)/orvane demo --out $(DEMO_OUT) --picture docs/demo-documents.png

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer. Unoptimised: it
# builds in a third of the time, and the suite's time goes to LibreOffice, not to our code.
# The leak checker does not follow the thread-local blocks of libraries opened at run time:
# it misreads one of LibreOffice's (after saving a .doc) and its final scan crashes, so it
# leaves them out; our own code's thread-locals are static and still scanned.
test-asan:
	@bash scripts/install-deps.sh
	cmake -S . -B build-asan -G Ninja -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/testing/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

# Every libFuzzer harness for FUZZ_SECONDS each (clang, ASan + UBSan).
FUZZ_SECONDS ?= 60
fuzz:
	@bash scripts/install-deps.sh
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DORVANE_FUZZ=ON -DBUILD_TESTING=OFF \
	  -DORVANE_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	@ls $(BUILD)/bench/bench_* 2>/dev/null || echo "no benchmarks built"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
