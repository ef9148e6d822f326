# The two everyday commands: `make run` and `make test`. Both install what is
# missing, configure and build (Release) before they do their work.
PRESET ?= release
BUILD  := build/$(PRESET)

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	@if [ -x $(BUILD)/qualtrixon ]; then $(BUILD)/qualtrixon; \
	 else echo "make run: Qualtrixon has no main window yet; nothing to start." >&2; exit 1; fi

test: build
	@ctest --preset $(PRESET)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf build
