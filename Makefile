# make run: install what is missing, build, and start the editor on a sample game folder's tile-data file.
# make test: install what is missing, build, and pass every test.

BUILD        := build
FUZZ_BUILD   := build-fuzz
WINDOWS_BUILD := build-windows
SAMPLE       := sample-game
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 300
SMOKE_SECONDS ?= 10
MAKEFLAGS    += --no-print-directory
SHELL        := /bin/bash
.SHELLFLAGS  := -o pipefail -c
FUZZ_FLAGS   := -max_len=16384 -artifact_prefix=$(FUZZ_BUILD)/
# The libFuzzer targets, each built as NAME_fuzz with a corpus of its own.
FUZZ_TARGETS := verdata import art png
# A small quarantine and short allocation stacks: the import target frees
# and allocates megabytes an input, and would otherwise touch fresh pages each time.
export ASAN_OPTIONS ?= quarantine_size_mb=8:malloc_context_size=2

.PHONY: all deps build windows deb windows-zip test run bench bench-windows fuzz fuzz-smoke fuzz-build clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DQUARNEL_WITH_GUI=ON >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

# The Windows programs, cross-built with mingw-w64; their tests run under Wine.
windows: deps
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release -DQUARNEL_WITH_GUI=ON \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j$(JOBS)

# The Debian package and the Windows zip, from the builds' install rules.
deb: build
	@cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD) -G DEB

windows-zip: windows
	@cpack --config $(WINDOWS_BUILD)/CPackConfig.cmake -B $(WINDOWS_BUILD) -G ZIP

# The sample with its art and hue table (a folder written before the sample had
# them is written afresh: the sample writer refuses to write over files that are there).
$(SAMPLE)/hues.mul: | build
	@rm -rf $(SAMPLE)
	@$(BUILD)/tools/sample/quarnel-sample $(SAMPLE)

# The editor starts in the sample folder, where its file dialog opens, with
# the sample's tile-data file loaded.
run: build $(SAMPLE)/hues.mul
	@cd $(SAMPLE) && ../$(BUILD)/app/quarnel tiledata.mul

# The fuzzing smoke and the Windows tests run first so that ctest's summary
# of the Linux build closes the output.
test: build fuzz-smoke windows
	@ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j$(JOBS) > $(WINDOWS_BUILD)/ctest.log 2>&1 \
	  || { cat $(WINDOWS_BUILD)/ctest.log; exit 1; }
	@echo "Windows build under Wine: $$(grep 'tests passed' $(WINDOWS_BUILD)/ctest.log)"
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: build bench-windows
	@$(BUILD)/bench/store_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/editor_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/pictures_bench
	@$(BUILD)/bench/tiles_bench
	@$(BUILD)/bench/art_bench

# The Win32 list fill and Load command, and the picture grid's paint and
# scroll, under Wine on its own display.
bench-windows: windows
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine-prefix WINEDEBUG=-all \
	  tests/windows/with_display.sh scripts/wine-run $(WINDOWS_BUILD)/bench/windows/list_fill_bench.exe
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine-prefix WINEDEBUG=-all \
	  tests/windows/with_display.sh scripts/wine-run $(WINDOWS_BUILD)/bench/windows/grid_paint_bench.exe
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine-prefix WINEDEBUG=-all \
	  tests/windows/with_display.sh scripts/wine-run $(WINDOWS_BUILD)/bench/windows/pictures_window_bench.exe

fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DQUARNEL_FUZZ=ON -DQUARNEL_WITH_GUI=OFF \
	  -DQUARNEL_WITH_TESTS=OFF -DQUARNEL_WITH_BENCH=OFF -DQUARNEL_INDEX_BATCH_ENTRIES=4 >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(addsuffix _fuzz,$(FUZZ_TARGETS)) quarnel-tiles

# The seeds are laid once, into a folder a target; a corpus that lacks the
# folder of a target added since is seeded again.
CORPUS         := $(FUZZ_BUILD)/corpus
CORPUS_FOLDERS := $(addprefix $(CORPUS)/,$(FUZZ_TARGETS))
FUZZ_TILES     := $(FUZZ_BUILD)/tools/tiles/quarnel-tiles

# Seeds: each sample's patch file, and a small export of each half of each
# sample in both formats, behind the byte that picks the layout and half
# (and, for the patch file, the static blocks in use: 512 for the classic
# sample, 2048 for the newer). For the art: a land and a static entry of the
# art file, the container's first 16 KB and the patch file, behind the byte
# that picks what they are read as. For PNG files: a few of the classic
# sample's pictures, written as art --out writes them. The seed folders are
# written afresh: the sample writer writes over no file.
$(CORPUS_FOLDERS) &: | fuzz-build
	@mkdir -p $(CORPUS_FOLDERS)
	@rm -rf $(FUZZ_BUILD)/seed-*
	@for layout in classic newer; do \
	  $(FUZZ_TILES) sample $(FUZZ_BUILD)/seed-$$layout --layout $$layout > /dev/null; done
	@$(FUZZ_TILES) sample $(FUZZ_BUILD)/seed-container --art container > /dev/null
	@{ printf '\x04'; head -c 2024 $(FUZZ_BUILD)/seed-classic/art.mul; } > $(CORPUS)/art/land
	@read -r lookup length <<< "$$(od -An -tu4 -j $$((0x4000 * 12)) -N8 $(FUZZ_BUILD)/seed-classic/artidx.mul)"; \
	  { printf '\x00'; dd if=$(FUZZ_BUILD)/seed-classic/art.mul iflag=skip_bytes,count_bytes \
	    skip=$$lookup count=$$length status=none; } > $(CORPUS)/art/static
	@{ printf '\x01'; head -c 16000 $(FUZZ_BUILD)/seed-container/artLegacyMUL.uop; } > $(CORPUS)/art/container
	@{ printf '\x02'; cat $(FUZZ_BUILD)/seed-classic/verdata.mul; } > $(CORPUS)/art/patch
	@$(FUZZ_TILES) art $(FUZZ_BUILD)/seed-classic/tiledata.mul --out $(FUZZ_BUILD)/seed-png --ids 0000-0003 2>/dev/null
	@$(FUZZ_TILES) art $(FUZZ_BUILD)/seed-classic/tiledata.mul --out $(FUZZ_BUILD)/seed-png/land --ids 0000 --land 2>/dev/null
	@cp $(FUZZ_BUILD)/seed-png/*.png $(CORPUS)/png/ && cp $(FUZZ_BUILD)/seed-png/land/0000.png $(CORPUS)/png/land.png
	@{ printf '\x00'; cat $(FUZZ_BUILD)/seed-classic/verdata.mul; } > $(CORPUS)/verdata/classic.mul
	@{ printf '\xEF'; cat $(FUZZ_BUILD)/seed-newer/verdata.mul; } > $(CORPUS)/verdata/newer.mul
	@for format in csv jsonl; do \
	  { printf '\x00'; $(FUZZ_TILES) export $(FUZZ_BUILD)/seed-classic/tiledata.mul \
	    --format $$format --ids 0000-000F; } > $(CORPUS)/import/classic.$$format; \
	  { printf '\x01'; $(FUZZ_TILES) export $(FUZZ_BUILD)/seed-newer/tiledata.mul \
	    --format $$format --ids 0000-000F; } > $(CORPUS)/import/newer.$$format; \
	  { printf '\x02'; $(FUZZ_TILES) export $(FUZZ_BUILD)/seed-classic/tiledata.mul \
	    --land --format $$format --ids 0060-006F; } > $(CORPUS)/import/classic-land.$$format; \
	  { printf '\x03'; $(FUZZ_TILES) export $(FUZZ_BUILD)/seed-newer/tiledata.mul \
	    --land --format $$format --ids 0060-006F; } > $(CORPUS)/import/newer-land.$$format; done

# Each target runs for the given time, one after the other.
fuzz: fuzz-build $(CORPUS_FOLDERS)
	@for target in $(FUZZ_TARGETS); do \
	  $(FUZZ_BUILD)/tests/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) \
	    $(CORPUS)/$$target || exit 1; done

fuzz-smoke: fuzz-build $(CORPUS_FOLDERS)
	@for target in $(FUZZ_TARGETS); do \
	  $(FUZZ_BUILD)/tests/fuzz/$${target}_fuzz -max_total_time=$(SMOKE_SECONDS) $(FUZZ_FLAGS) \
	    -print_final_stats=0 $(CORPUS)/$$target > $(FUZZ_BUILD)/$$target-smoke.log 2>&1 \
	    || { tail -n 40 $(FUZZ_BUILD)/$$target-smoke.log; exit 1; }; \
	  echo "$$target fuzz: $$(grep -o '^#[0-9]* *DONE.*' $(FUZZ_BUILD)/$$target-smoke.log || tail -n 1 $(FUZZ_BUILD)/$$target-smoke.log)"; done

clean:
	@rm -rf $(BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
