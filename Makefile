# The two everyday commands: `make run` and `make test`. Both install what is
# missing, configure and build (Release) before they do their work. On a built tree
# they go straight to the work: the packages are checked again only when the install
# script changes, and CMake reconfigures itself when a CMakeLists.txt changes.
#
# Further: `make check-format` (every C++ file as .clang-format asks), `make
# check-levels` (no #include in src/ goes up a dependency level), `make
# test-sanitize` (every test under the address and undefined-behaviour sanitizers, in
# build/sanitize), `make fuzz-smoke` (each fuzz target for 30 s on its corpus, in
# build/fuzz) and `make package` (the .deb, in build/package).
PRESET ?= release
BUILD  := build/$(PRESET)
DEPS_STAMP := build/.deps-installed
FUZZ_SECONDS ?= 30

.PHONY: deps build run test bench check-format check-levels test-sanitize fuzz-smoke package clean

deps: $(DEPS_STAMP)

$(DEPS_STAMP): scripts/install-deps
	@scripts/install-deps
	@mkdir -p build && touch $@

$(BUILD)/build.ninja: $(DEPS_STAMP) CMakePresets.json
	@cmake --preset $(PRESET) >/dev/null

build: $(BUILD)/build.ninja
	@cmake --build --preset $(PRESET)

run: build
	@$(BUILD)/qualtrixon

test: build
	@ctest --preset $(PRESET)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

check-format: $(DEPS_STAMP)
	@scripts/check-format

check-levels:
	@scripts/check-levels

test-sanitize: $(DEPS_STAMP)
	@$(MAKE) --no-print-directory test PRESET=sanitize

fuzz-smoke: $(DEPS_STAMP)
	@$(MAKE) --no-print-directory build PRESET=fuzz
	@scripts/fuzz-smoke build/fuzz $(FUZZ_SECONDS)

package: $(DEPS_STAMP)
	@$(MAKE) --no-print-directory build PRESET=package
	@cd build/package && cpack -G DEB >/dev/null
	@scripts/check-package build/package/qualtrixon_*.deb

clean:
	rm -rf build
