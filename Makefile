# The two set-up commands of the README: `make demo` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# Where `make demo` writes the demo database and the documents made from it.
DEMO_OUT ?= $(BUILD)/demo-output

.PHONY: all deps configure build test demo bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	@bash scripts/install-deps.sh
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	$(BUILD)/orvane demo --out $(DEMO_OUT)

bench: build
	@ls $(BUILD)/bench/bench_* 2>/dev/null || echo "no benchmarks built"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
