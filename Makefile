# The two everyday commands: `make run` and `make test`. Both install what is
# missing, configure and build (Release) before they do their work. On a built tree
# they go straight to the work: the packages are checked again only when the install
# script changes, and CMake reconfigures itself when a CMakeLists.txt changes.
PRESET ?= release
BUILD  := build/$(PRESET)
DEPS_STAMP := build/.deps-installed

.PHONY: deps build run test bench clean

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

clean:
	rm -rf build
